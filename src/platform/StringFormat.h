// Format: text with "%" directives filled from a list of arguments, the
// numbers written by the conventions of a TFormatSettings record.
#pragma once

#include "platform/FormatSettings.h"

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

namespace orv {

// One argument of Format: an integer, a 64-bit integer, a float, 8-bit
// (Windows-1252) or wide text.
class TFormatArg {
public:
    using Value = std::variant<std::int32_t, std::int64_t, long double, std::string, std::u16string>;

    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char>)
    TFormatArg(T value) {
        if constexpr (sizeof(T) < 4 || (sizeof(T) == 4 && std::is_signed_v<T>))
            FValue = static_cast<std::int32_t>(value);
        else
            FValue = static_cast<std::int64_t>(value);
    }
    template <std::floating_point T>
    TFormatArg(T value) : FValue(static_cast<long double>(value)) {}
    TFormatArg(std::string value) : FValue(std::move(value)) {}
    TFormatArg(std::string_view value) : FValue(std::string(value)) {}
    TFormatArg(const char* value) : FValue(std::string(value)) {}
    TFormatArg(std::u16string value) : FValue(std::move(value)) {}

    const Value& value() const { return FValue; }

private:
    Value FValue;
};

// The widest width or precision a directive may ask for.
inline constexpr int kMaxFormatWidth = 4096;

// Directive: "%" [index ":"] ["-"] [width] ["." precision] type, where index,
// width and precision are digits or "*" (taken from the next argument, an
// integer). "%%" is a percent sign. Types:
//   d u x   integer: decimal, unsigned (the bits as unsigned), upper-case hex;
//           the precision is the least number of digits
//   e f g n m  float: exponent (precision = digits, default 15), fixed, general
//           (precision = significant digits, default 15), number with
//           grouping, currency; fixed, number and currency take the precision
//           as decimals (default 2, currency: CurrencyDecimals)
//   s       text; the precision is the most characters shown
// Width pads with blanks on the left, or on the right after "-". An index
// sets the argument for this directive and the ones after it. A directive
// whose type does not take its argument, an unknown type and a missing
// argument raise orv::Exception naming the whole format.
std::string Format(std::string_view format, std::span<const TFormatArg> args);
std::string Format(std::string_view format, std::span<const TFormatArg> args, const TFormatSettings& fs);
std::string Format(std::string_view format, std::initializer_list<TFormatArg> args);
std::string Format(std::string_view format, std::initializer_list<TFormatArg> args, const TFormatSettings& fs);

} // namespace orv
