#include "app/Config.h"

#include "app/DataModule.h"
#include "app/JobMessages.h"
#include "platform/Exception.h"
#include "platform/Text.h"

#include <algorithm>

namespace orv {

TStringList JobParams;
bool LogEnabled = false;
std::int32_t ErrorFlag = 0;
std::string TemplateName;
std::unique_ptr<TDM1> DM1;

namespace {

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Length of the hexadecimal prefix at the start of `text`, or 0.
std::size_t HexPrefix(std::string_view text) {
    if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X')) return 1;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return 2;
    return 0;
}

} // namespace

bool TryStrToInt(std::string_view text, std::int32_t& value) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::size_t prefix = HexPrefix(text.substr(i));
    int base = prefix ? 16 : 10;
    i += prefix;
    if (i == text.size()) return false;
    // Hexadecimal texts give a 32-bit pattern; decimal ones a signed magnitude.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        int d = DigitValue(text[i], base);
        if (d < 0) return false;
        magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(d);
        if (magnitude > limit) return false;
    }
    std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    value = static_cast<std::int32_t>(bits);
    return true;
}

std::int32_t StrToIntSafe(std::string_view text) {
    std::int32_t value = 0;
    return TryStrToInt(text, value) ? value : 0;
}

std::int32_t StrToIntStrict(std::string_view text) {
    std::int32_t value = 0;
    if (!TryStrToInt(text, value))
        throw Exception("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

void ReadParameters(const std::vector<std::string>& args, TStringList& params,
                    const std::function<void(const std::string&)>& log) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.empty() || arg[0] != '-') continue;
        if (LowerCase(arg) == "-log") continue;
        std::string name = LowerCase(arg);
        name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
        std::string value = i + 1 < args.size() ? Trim(args[i + 1]) : std::string();
        params.SetValue(name, value);
        log(std::string(msg::Parameter) + name + msg::ParameterSeparator + params.Values(name));
    }
}

} // namespace orv
