// A value as text, the way a variant converts when text is asked of it:
// numbers and dates through the platform's format settings.
#pragma once

#include "script/Value.h"

#include <string>

namespace orv {

// Empty and Null give the empty text; Booleans "True" / "False"; integers in
// decimal; doubles and currency as floats; date-times as date and time; wide
// text converted to Windows-1252. Objects and arrays fail.
std::string VarToStr(const Value& value);
// The same as wide text; wide text stays as it is.
std::u16string VarToWideStr(const Value& value);

} // namespace orv
