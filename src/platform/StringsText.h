// A string list as one text: the lines each followed by a carriage return
// and a line feed, the way string-list properties are read and written whole.
#pragma once

#include "platform/StringList.h"

#include <string>
#include <string_view>

namespace orv {

std::string StringsText(const TStringList& list);

// Clears the list and splits the text at CR LF, CR or LF; a final break adds
// no empty line.
void SetStringsText(TStringList& list, std::string_view text);

} // namespace orv
