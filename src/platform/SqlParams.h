// Named parameters of a statement text (:NAME): found outside string literals,
// quoted identifiers and comments, and replaced by positional markers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv {

struct TParsedSql {
    std::string Sql;                     // the text with every :NAME replaced by ?
    std::vector<std::string> Positions;  // the name at each marker, in order, as written
};

TParsedSql ParseNamedParams(std::string_view sql);

} // namespace orv
