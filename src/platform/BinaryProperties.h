// The platform's binary property stream: the form in which objects keep data
// outside their published properties (a picture's image). Each property is
// its name (a length byte and its characters), a value type byte and the
// value; for binary values a 32-bit little-endian byte count and the bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

enum class TValueType : std::uint8_t {
    vaBinary = 10,
};

// The longest property name the length byte can carry.
inline constexpr std::size_t kMaxBinaryPropertyName = 255;
// The largest value a 32-bit byte count can describe.
inline constexpr std::uint64_t kMaxBinaryPropertySize = 0xFFFFFFFFu;

// Builds a property stream in memory.
class TBinaryPropertyWriter {
public:
    // Fails for a name that is empty or longer than kMaxBinaryPropertyName,
    // and for data larger than kMaxBinaryPropertySize.
    void WriteBinary(std::string_view name, std::string_view data);
    const std::string& Data() const { return FData; }
    bool Empty() const { return FData.empty(); }

private:
    std::string FData;
};

// One property read from a stream.
struct TBinaryProperty {
    std::string_view Name;
    TValueType Type = TValueType::vaBinary;
    std::string_view Value;
};

// Reads a property stream property by property. The block ends at its last
// byte or at an empty name; a property that does not read whole (cut short,
// or of a value type this reader does not know) ends it as well, and Failed
// then tells so.
class TBinaryPropertyReader {
public:
    explicit TBinaryPropertyReader(std::string_view block) : FBlock(block) {}
    // False at the end of the block; the views point into the block.
    bool Next(TBinaryProperty& property);
    bool Failed() const { return FFailed; }

private:
    bool Fail();

    std::string_view FBlock;
    std::size_t FPos = 0;
    bool FFailed = false;
};

// 32-bit little-endian counts, as the stream and picture data carry them.
void PutUint32LE(std::string& out, std::uint32_t value);
// Reads the first four bytes of in, which must be there.
std::uint32_t GetUint32LE(std::string_view in);

// Two upper-case hexadecimal digits per byte, and back. HexToBin fails on an
// odd number of digits or a character that is not a hexadecimal digit.
std::string BinToHex(std::string_view data);
bool HexToBin(std::string_view hex, std::string& data);

} // namespace orv
