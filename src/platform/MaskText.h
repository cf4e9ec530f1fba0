// FormatMaskText: a value laid into an edit-mask picture such as
// "!(999)000-0000;0;_".
#pragma once

#include "platform/FormatSettings.h"

#include <string>
#include <string_view>

namespace orv {

// The mask has up to three fields split by ';': the picture, whether the
// value already holds the picture's literals ("0": no, anything else or no
// field: yes) and the character shown for a missing one (default '_').
// Picture characters:
//   0 9 # L l A a C c   a position the value fills (digit, letter,
//                       alphanumeric, any; the value is not checked)
//   > <  <>             upper-case, lower-case, leave the case of what follows
//   !                   a short value fills the positions from the end
//   \x                  x as a literal
//   _                   a blank
//   / :                 the record's date and time separators
//   anything else       a literal
std::string FormatMaskText(std::string_view editMask, std::string_view value);
std::string FormatMaskText(std::string_view editMask, std::string_view value, const TFormatSettings& fs);

} // namespace orv
