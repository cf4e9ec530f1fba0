// Small text helpers of the report model: filling message templates.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace orv {

// Replaces each "%s" of the template, in order, by the next argument.
std::string FormatMessage(std::string_view templ, std::initializer_list<std::string_view> args);

// The platform's float-to-text form without locale: up to 15 significant
// digits, '.' as the decimal separator, exponent form when shorter.
std::string FloatToText(long double value);

// Text to float as templates carry it: ',' and '.' both mark the decimals,
// blanks are ignored. False when the text is not a finite number.
bool TextToFloat(std::string_view text, long double& value);

} // namespace orv
