// The grammar documents of the four built-in script languages, kept as data
// in the library and registered at start-up.
#pragma once

#include <string>
#include <string_view>

namespace orv::grammars {

extern const std::string_view kPascalScript;
extern const std::string_view kBasicScript;
std::string CppScript();
std::string JScript();

// Rules that C++Script and JScript share: expressions and the statements
// written alike in both. They refer to rules each language defines itself:
// `statement`, `semicolon` (what ends a simple statement) and `forinit`.
extern const std::string_view kCLikeRules;

} // namespace orv::grammars
