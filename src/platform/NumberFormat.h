// Numbers to text and back by the conventions of a TFormatSettings record,
// and a locale-independent writer for machine formats (PDF, XML).
#pragma once

#include "platform/FormatSettings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

enum class TFloatFormat {
    ffGeneral,   // shortest of fixed and exponent form
    ffExponent,  // -d.dddE+ddd
    ffFixed,     // -ddd.dd
    ffNumber,    // -d,ddd.dd
    ffCurrency,  // by CurrencyFormat / NegCurrFormat
};

// The most digits a number shows in front of its decimal point before the
// fixed forms give way to the exponent form.
inline constexpr int kMaxFixedIntegerDigits = 18;

std::string IntToStr(std::int64_t value);

// General format: up to 15 significant digits; the exponent form ("1E20",
// "1,5E-7") when the decimal exponent is above 15 or the value is below 0.0001.
// Infinities and NaN give "INF", "-INF" and "NAN" in every form.
std::string FloatToStr(long double value);
std::string FloatToStr(long double value, const TFormatSettings& fs);

// `precision`: significant digits (ffGeneral, ffExponent) or the widest integer
// part before the fixed forms fall back to ffGeneral; `digits`: the least
// exponent digits (ffExponent, 0-4) or the decimals (fixed forms, 0-18).
std::string FloatToStrF(long double value, TFloatFormat format, int precision, int digits);
std::string FloatToStrF(long double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& fs);

// Text to number; errors raise orv::Exception. A float may have blanks around
// it and takes the record's decimal separator and an optional exponent, no
// grouping. An integer may have leading blanks (no trailing ones), a sign,
// and decimal digits or hexadecimal ones after "$", "x", "X", "0x" or "0X";
// hexadecimal gives the bit pattern, so StrToInt("$FFFFFFFF") is -1.
long double StrToFloat(std::string_view text);
long double StrToFloat(std::string_view text, const TFormatSettings& fs);
bool TryStrToFloat(std::string_view text, long double& value);
bool TryStrToFloat(std::string_view text, long double& value, const TFormatSettings& fs);
std::int32_t StrToInt(std::string_view text);
bool TryStrToInt(std::string_view text, std::int32_t& value);
std::int64_t StrToInt64(std::string_view text);
bool TryStrToInt64(std::string_view text, std::int64_t& value);

// Machine formats: '.' as decimal point, no grouping, exactly `decimals`
// decimals rounded to nearest (halves to even on the exact binary value),
// never "-0.00". FormatFixed2(12) is "12.00", FormatFixed2(-2.5) "-2.50".
// Infinities and NaN raise orv::Exception.
std::string FormatFixed(double value, int decimals);
std::string FormatFixed2(double value);

} // namespace orv
