#include "platform/DecimalDigits.h"

#include <charconv>
#include <cstdlib>

namespace orv {
namespace {

void DropTrailingZeros(TDecimal& number) {
    while (!number.Digits.empty() && number.Digits.back() == '0') number.Digits.pop_back();
    if (number.Digits.empty()) number.Exponent = 0;
}

// Keeps the first `keep` digits; the next one decides whether the kept part
// goes up by one unit, carrying into a new leading digit when all were nines.
void RoundAt(TDecimal& number, int keep) {
    if (keep >= static_cast<int>(number.Digits.size())) return;
    if (keep < 0) {
        number.Digits.clear();
        number.Exponent = 0;
        return;
    }
    const bool up = number.Digits[keep] >= '5';
    number.Digits.resize(keep);
    if (up) {
        while (!number.Digits.empty() && number.Digits.back() == '9') number.Digits.pop_back();
        if (number.Digits.empty()) {
            number.Digits.push_back('1');  // was all nines: empty now
            ++number.Exponent;
        } else {
            ++number.Digits.back();
        }
    }
    DropTrailingZeros(number);
}

} // namespace

char TDecimal::DigitAt(int i) const {
    return (i >= 0 && i < static_cast<int>(Digits.size())) ? Digits[i] : '0';
}

std::string TDecimal::IntegerDigits() const {
    std::string out;
    for (int i = 0; i < Exponent; ++i) out += DigitAt(i);
    return out;
}

std::string TDecimal::FractionDigits(int count) const {
    std::string out;
    for (int i = 0; i < count; ++i) out += DigitAt(Exponent + i);
    return out;
}

TDecimal ToDecimal(long double value) {
    // "d.dddddddddddddde+XX": one digit, the point, the rest, the exponent.
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, kMaxSignificantDigits - 1)
            .ptr;
    TDecimal number;
    const char* p = text;
    if (*p == '-') {
        number.Negative = true;
        ++p;
    }
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.') number.Digits += *p;
    }
    int exponent = 0;
    if (p != end) std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent);
    number.Exponent = exponent + 1;
    DropTrailingZeros(number);
    return number;
}

void RoundToSignificant(TDecimal& number, int count) { RoundAt(number, count); }

void RoundToDecimals(TDecimal& number, int count) { RoundAt(number, number.Exponent + count); }

} // namespace orv
