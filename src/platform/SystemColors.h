// System colour constants: colour values whose high byte is 0x80 name a colour
// of the desktop theme instead of an RGB value. This machine has no desktop,
// so each resolves to a fixed RGB value of the default theme.
#pragma once

#include <cstdint>
#include <string_view>

namespace orv {

using TColor = std::int32_t;

inline constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);

// True for the 0x80000000-based constants (negative as 32-bit integers).
bool IsSystemColor(TColor color);

// The RGB value (red in the low byte) of any colour: plain colours come back
// unchanged, system colours give their theme value, unknown system indexes black.
TColor ColorToRGB(TColor color);

// The constant of a system colour by its name ("clBtnFace"), ignoring case;
// false when the name is not a system colour.
bool SystemColorByName(std::string_view name, TColor& color);

} // namespace orv
