// A finite number as a string of decimal digits and the place of its decimal
// point, the common ground of every number picture. Rounding here is half away
// from zero, as the platform's number pictures round.
#pragma once

#include <string>

namespace orv {

// The significant digits a value is taken to carry: what a double holds
// reliably, so that 2.675 stored as 2.67499999... still shows as 2.68.
inline constexpr int kMaxSignificantDigits = 15;

// value = 0.Digits x 10^Exponent, with the sign apart.
struct TDecimal {
    bool Negative = false;
    std::string Digits;  // no leading or trailing zeros; empty for zero
    int Exponent = 0;

    bool IsZero() const { return Digits.empty(); }
    // The digit at place i counted from the first significant one; '0' past the end.
    char DigitAt(int i) const;
    // The digits in front of the decimal point, without leading zeros ("" below 1).
    std::string IntegerDigits() const;
    // The first `count` digits behind the decimal point.
    std::string FractionDigits(int count) const;
};

// The value (which must be finite) to kMaxSignificantDigits digits.
TDecimal ToDecimal(long double value);

// Keeps `count` significant digits.
void RoundToSignificant(TDecimal& number, int count);
// Keeps `count` digits behind the decimal point.
void RoundToDecimals(TDecimal& number, int count);

} // namespace orv
