// Numbers through a picture such as "#,##0.00;(#,##0.00);'cero'": digit
// placeholders, grouping, decimal point, exponent, quoted and plain literals.
#pragma once

#include "platform/FormatSettings.h"

#include <string>
#include <string_view>

namespace orv {

// Picture syntax:
//   0        a digit, shown even when it is a leading or trailing zero
//   #        a digit, left out when it is a leading or trailing zero
//   .        the first one places the record's decimal separator (shown only
//            when decimals follow); later ones are ignored
//   ,        anywhere: group the integer part by thousands
//   E+ E- e+ e-  exponent form; the zeros that follow give its least digits
//            (up to 4), "+" always shows the sign, "-" only a minus
//   'x' "x"  literal text; any other character is literal too
//   ;        separates sections: positive;negative;zero. A negative value in
//            the first section gets a leading minus; the negative section
//            shows no sign of its own. An empty or missing section falls back
//            to the first one.
// All integer digits are shown: the extra ones go to the first placeholder.
// Rounding is half away from zero on the value's first 15 significant
// digits; a value that rounds to zero takes the zero section and never shows
// a minus. An empty picture or section, a non-finite value, or an integer part longer
// than 18 digits gives FloatToStr.
std::string FormatFloat(std::string_view picture, long double value);
std::string FormatFloat(std::string_view picture, long double value, const TFormatSettings& fs);

} // namespace orv
