#include "platform/BinaryProperties.h"

#include "platform/Exception.h"

namespace orv {
namespace {

constexpr std::size_t kCountSize = 4;
constexpr const char* kInvalidName = "Invalid binary property name '";
constexpr const char* kTooLarge = " is too large for a binary property";
constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

void PutUint32LE(std::string& out, std::uint32_t value) {
    for (std::size_t i = 0; i < kCountSize; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t GetUint32LE(std::string_view in) {
    std::uint32_t v = 0;
    for (std::size_t i = kCountSize; i-- > 0;) v = (v << 8) | static_cast<unsigned char>(in[i]);
    return v;
}

void TBinaryPropertyWriter::WriteBinary(std::string_view name, std::string_view data) {
    if (name.empty() || name.size() > kMaxBinaryPropertyName)
        throw Exception(kInvalidName + std::string(name) + "'");
    if (data.size() > kMaxBinaryPropertySize) throw Exception(std::string(name) + kTooLarge);
    FData += static_cast<char>(name.size());
    FData += name;
    FData += static_cast<char>(TValueType::vaBinary);
    PutUint32LE(FData, static_cast<std::uint32_t>(data.size()));
    FData += data;
}

bool TBinaryPropertyReader::Fail() {
    FFailed = true;
    FPos = FBlock.size();
    return false;
}

bool TBinaryPropertyReader::Next(TBinaryProperty& property) {
    if (FPos >= FBlock.size()) return false;
    const std::size_t nameLength = static_cast<unsigned char>(FBlock[FPos]);
    if (nameLength == 0) {
        FPos = FBlock.size();
        return false;
    }
    // The name, the type byte and (for binary data) the count must be there.
    if (FBlock.size() - FPos < 1 + nameLength + 1) return Fail();
    property.Name = FBlock.substr(FPos + 1, nameLength);
    FPos += 1 + nameLength;
    const auto type = static_cast<TValueType>(static_cast<unsigned char>(FBlock[FPos++]));
    if (type != TValueType::vaBinary || FBlock.size() - FPos < kCountSize) return Fail();
    const std::uint32_t count = GetUint32LE(FBlock.substr(FPos, kCountSize));
    FPos += kCountSize;
    if (FBlock.size() - FPos < count) return Fail();
    property.Type = type;
    property.Value = FBlock.substr(FPos, count);
    FPos += count;
    return true;
}

std::string BinToHex(std::string_view data) {
    std::string out;
    out.reserve(data.size() * 2);
    for (char c : data) {
        const auto b = static_cast<unsigned char>(c);
        out += kHexDigits[b >> 4];
        out += kHexDigits[b & 0x0F];
    }
    return out;
}

bool HexToBin(std::string_view hex, std::string& data) {
    data.clear();
    if (hex.size() % 2 != 0) return false;
    data.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexValue(hex[i]);
        const int low = HexValue(hex[i + 1]);
        if (high < 0 || low < 0) return false;
        data += static_cast<char>(high * 16 + low);
    }
    return true;
}

}  // namespace orv
