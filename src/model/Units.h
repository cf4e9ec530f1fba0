// Report units: positions and sizes are long double screen pixels at 96 per
// inch; paper sizes and margins are millimetres. Colours are 32-bit values
// with red in the low byte.
#pragma once

#include "platform/SystemColors.h"

namespace orv {

inline constexpr long double fr01cm = 3.77953L;  // pixels per millimetre
inline constexpr long double fr1cm = 37.7953L;   // pixels per centimetre
inline constexpr long double fr01in = 9.6L;      // pixels per tenth of an inch
inline constexpr int fr1in = 96;                 // pixels per inch
inline constexpr long double fr1CharX = 9.6L;    // width of one character cell
inline constexpr int fr1CharY = 17;              // height of one character cell

inline constexpr TColor clTransparent = 536870911; // no colour
inline constexpr TColor clBlack = 0;
inline constexpr TColor clWhite = 16777215;
inline constexpr TColor clGray = 8421504;
inline constexpr TColor clSilver = 12632256;

} // namespace orv
