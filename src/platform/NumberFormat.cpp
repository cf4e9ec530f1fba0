#include "platform/NumberFormat.h"

#include "platform/DecimalDigits.h"
#include "platform/Exception.h"
#include "platform/FormatMessages.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace orv {
namespace {

constexpr int kMaxPrecision = 18;
constexpr int kMaxFixedDecimals = 18;
constexpr int kMaxExponentDigits = 4;
constexpr int kMaxMachineDecimals = 17;

// '$' stands for the currency string and '1' for the number.
constexpr const char* kPositiveCurrencyPatterns[] = {"$1", "1$", "$ 1", "1 $"};
constexpr const char* kNegativeCurrencyPatterns[] = {
    "($1)", "-$1",  "$-1",  "$1-",  "(1$)", "-1$",  "1-$",  "1$-",
    "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)",
};

std::string SpecialText(long double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

std::string ZeroPadded(long long value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

std::string ExponentPart(int exponent, bool alwaysSigned, int minDigits) {
    std::string out = "E";
    if (exponent < 0) out += '-';
    else if (alwaysSigned) out += '+';
    return out + ZeroPadded(std::abs(exponent), minDigits);
}

std::string Grouped(const std::string& integerDigits, char separator) {
    if (separator == '\0') return integerDigits;
    std::string out;
    const std::size_t n = integerDigits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += separator;
        out += integerDigits[i];
    }
    return out;
}

// The unsigned digits of an already rounded number with `decimals` decimals.
std::string FixedBody(const TDecimal& number, int decimals, const TFormatSettings& fs, char thousandSeparator) {
    std::string integer = number.IntegerDigits();
    if (integer.empty()) integer = "0";
    std::string out = Grouped(integer, thousandSeparator);
    if (decimals > 0) out += fs.DecimalSeparator + number.FractionDigits(decimals);
    return out;
}

std::string GeneralText(long double value, int precision, int minExponentDigits, const TFormatSettings& fs) {
    precision = std::clamp(precision, 1, kMaxPrecision);
    TDecimal number = ToDecimal(value);
    RoundToSignificant(number, std::min(precision, kMaxSignificantDigits));
    if (number.IsZero()) return "0";
    const std::string sign = number.Negative ? "-" : "";
    const int digitCount = static_cast<int>(number.Digits.size());
    if (number.Exponent > precision || number.Exponent < -3) {
        std::string mantissa(1, number.Digits[0]);
        if (digitCount > 1) mantissa += fs.DecimalSeparator + number.Digits.substr(1);
        return sign + mantissa + ExponentPart(number.Exponent - 1, false, minExponentDigits);
    }
    return sign + FixedBody(number, std::max(0, digitCount - number.Exponent), fs, '\0');
}

std::string ExponentText(long double value, int precision, int minExponentDigits, const TFormatSettings& fs) {
    precision = std::clamp(precision, 1, kMaxPrecision);
    TDecimal number = ToDecimal(value);
    RoundToSignificant(number, std::min(precision, kMaxSignificantDigits));
    std::string out = number.Negative && !number.IsZero() ? "-" : "";
    out += number.DigitAt(0);
    if (precision > 1) {
        out += fs.DecimalSeparator;
        for (int i = 1; i < precision; ++i) out += number.DigitAt(i);
    }
    const int exponent = number.IsZero() ? 0 : number.Exponent - 1;
    return out + ExponentPart(exponent, true, std::clamp(minExponentDigits, 0, kMaxExponentDigits));
}

std::string CurrencyText(const std::string& body, bool negative, const TFormatSettings& fs) {
    const char* pattern = negative ? (fs.NegCurrFormat < std::size(kNegativeCurrencyPatterns)
                                          ? kNegativeCurrencyPatterns[fs.NegCurrFormat]
                                          : kNegativeCurrencyPatterns[0])
                                   : (fs.CurrencyFormat < std::size(kPositiveCurrencyPatterns)
                                          ? kPositiveCurrencyPatterns[fs.CurrencyFormat]
                                          : kPositiveCurrencyPatterns[0]);
    std::string out;
    for (const char* p = pattern; *p; ++p) {
        if (*p == '$') out += fs.CurrencyString;
        else if (*p == '1') out += body;
        else out += *p;
    }
    return out;
}

std::string FixedFormText(long double value, TFloatFormat format, int precision, int digits,
                          const TFormatSettings& fs) {
    precision = std::clamp(precision, 1, kMaxPrecision);
    const int decimals = std::clamp(digits, 0, kMaxFixedDecimals);
    TDecimal number = ToDecimal(value);
    RoundToSignificant(number, std::min(precision, kMaxSignificantDigits));
    if (number.Exponent > precision) return GeneralText(value, precision, 0, fs);
    RoundToDecimals(number, decimals);
    const bool negative = number.Negative && !number.IsZero();
    const char grouping = format == TFloatFormat::ffFixed ? '\0' : fs.ThousandSeparator;
    const std::string body = FixedBody(number, decimals, fs, grouping);
    if (format == TFloatFormat::ffCurrency) return CurrencyText(body, negative, fs);
    return negative ? "-" + body : body;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal order of magnitude of "digits.digits": how many places the
// first significant digit stands in front of the point (negative behind it).
int MagnitudeOf(std::string_view mantissa) {
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return 0;
    return first < point ? static_cast<int>(point - first) : -static_cast<int>(first - point - 1);
}

// An exponent too long for its type counts as the farthest one of its sign.
long long ExponentValue(std::string_view exponent) {
    if (exponent.empty()) return 0;
    const bool negative = exponent.starts_with('-');
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) exponent.remove_prefix(1);
    long long value = 0;
    if (std::from_chars(exponent.data(), exponent.data() + exponent.size(), value).ec != std::errc())
        value = std::numeric_limits<int>::max();
    return negative ? -value : value;
}

bool ParseFloat(std::string_view text, char decimalSeparator, long double& value) {
    text = TrimBlanks(text);
    std::size_t i = 0;
    const std::size_t n = text.size();
    std::string mantissa;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int digitCount = 0;
    for (; i < n && IsDigit(text[i]); ++i, ++digitCount) mantissa += text[i];
    if (i < n && text[i] == decimalSeparator) {
        mantissa += '.';
        for (++i; i < n && IsDigit(text[i]); ++i, ++digitCount) mantissa += text[i];
    }
    if (digitCount == 0) return false;
    std::string exponent;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) exponent += text[i++];
        const std::size_t start = i;
        for (; i < n && IsDigit(text[i]); ++i) exponent += text[i];
        if (i == start) return false;
    }
    if (i != n) return false;
    const std::string canonical = exponent.empty() ? mantissa : mantissa + 'e' + exponent;
    long double parsed = 0;
    const auto result = std::from_chars(canonical.data(), canonical.data() + canonical.size(), parsed);
    if (result.ptr != canonical.data() + canonical.size() && result.ec == std::errc()) return false;
    if (result.ec == std::errc::result_out_of_range) {
        if (MagnitudeOf(mantissa) + ExponentValue(exponent) > 0) return false;  // overflow
        parsed = 0;                                                           // underflow
    } else if (result.ec != std::errc()) {
        return false;
    }
    value = negative ? -parsed : parsed;
    return true;
}

// Length of the hexadecimal prefix at the start of `text`, or 0.
std::size_t HexPrefix(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X")) return 2;
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) return 1;
    return 0;
}

// Decimal, or hexadecimal after "$", "x" or "0x"; hexadecimal fills the
// whole width, so "$FFFFFFFF" is -1 as a 32-bit integer.
bool ParseInteger(std::string_view text, int bits, std::int64_t& value) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return false;
    text.remove_prefix(first);
    bool negative = false;
    if (text.starts_with('+') || text.starts_with('-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    const std::size_t prefix = HexPrefix(text);
    const int base = prefix ? 16 : 10;
    text.remove_prefix(prefix);
    std::uint64_t magnitude = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    if (base == 16) {
        if (bits < 64 && (magnitude >> bits) != 0) return false;
        const std::uint64_t bitPattern = negative ? 0 - magnitude : magnitude;
        value = bits < 64 ? static_cast<std::int32_t>(static_cast<std::uint32_t>(bitPattern))
                          : static_cast<std::int64_t>(bitPattern);
        return true;
    }
    const std::uint64_t half = std::uint64_t{1} << (bits - 1);
    if (magnitude > (negative ? half : half - 1)) return false;
    value = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

} // namespace

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

std::string FloatToStr(long double value) { return FloatToStr(value, ProcessFormatSettings()); }

std::string FloatToStr(long double value, const TFormatSettings& fs) {
    return FloatToStrF(value, TFloatFormat::ffGeneral, kMaxSignificantDigits, 0, fs);
}

std::string FloatToStrF(long double value, TFloatFormat format, int precision, int digits) {
    return FloatToStrF(value, format, precision, digits, ProcessFormatSettings());
}

std::string FloatToStrF(long double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& fs) {
    if (!std::isfinite(value)) return SpecialText(value);
    switch (format) {
    case TFloatFormat::ffGeneral: return GeneralText(value, precision, digits, fs);
    case TFloatFormat::ffExponent: return ExponentText(value, precision, digits, fs);
    default: return FixedFormText(value, format, precision, digits, fs);
    }
}

long double StrToFloat(std::string_view text) { return StrToFloat(text, ProcessFormatSettings()); }

long double StrToFloat(std::string_view text, const TFormatSettings& fs) {
    long double value = 0;
    if (!TryStrToFloat(text, value, fs)) throw Exception(fmtmsg::FormatMessage(fmtmsg::InvalidFloat, text));
    return value;
}

bool TryStrToFloat(std::string_view text, long double& value) {
    return TryStrToFloat(text, value, ProcessFormatSettings());
}

bool TryStrToFloat(std::string_view text, long double& value, const TFormatSettings& fs) {
    return ParseFloat(text, fs.DecimalSeparator, value);
}

std::int32_t StrToInt(std::string_view text) {
    std::int32_t value = 0;
    if (!TryStrToInt(text, value)) throw Exception(fmtmsg::FormatMessage(fmtmsg::InvalidInteger, text));
    return value;
}

bool TryStrToInt(std::string_view text, std::int32_t& value) {
    std::int64_t wide = 0;
    if (!ParseInteger(text, 32, wide)) return false;
    value = static_cast<std::int32_t>(wide);
    return true;
}

std::int64_t StrToInt64(std::string_view text) {
    std::int64_t value = 0;
    if (!TryStrToInt64(text, value)) throw Exception(fmtmsg::FormatMessage(fmtmsg::InvalidInteger, text));
    return value;
}

bool TryStrToInt64(std::string_view text, std::int64_t& value) { return ParseInteger(text, 64, value); }

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) throw Exception(fmtmsg::FormatMessage(fmtmsg::NumberNotWritable, SpecialText(value)));
    char text[512];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed,
                                   std::clamp(decimals, 0, kMaxMachineDecimals))
                         .ptr;
    std::string out(text, end);
    if (out.starts_with('-') && out.find_first_of("123456789") == std::string::npos) out.erase(0, 1);
    return out;
}

std::string FormatFixed2(double value) { return FormatFixed(value, 2); }

} // namespace orv
