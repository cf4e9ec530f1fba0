// The grammar documents of the four built-in script languages, kept as data
// in the library and registered at start-up.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace orv::grammars {

// Each grammar document whole, as registered.
std::string PascalScript();
std::string CppScript();
std::string BasicScript();
std::string JScript();

// Pieces the grammars share. The expression rules (and `initvalue`, the
// initial value of a declaration) refer to the rules each language defines for
// its tokens: `factor`, `relop`, `addop`, `mulop` and `designator`.
extern const std::string_view kExpressionRules;
// The tokens and statements that C++Script and JScript write alike. They refer
// to rules each of the two defines itself: `statement`, `semicolon` (what ends
// a simple statement) and `vardeclaration`.
extern const std::string_view kCLikeRules;

// A grammar document: the head (declaration, <language>, settings, types and
// rules of its own), further rules, the shared expression rules and the end tag.
std::string Assemble(std::string_view head, std::initializer_list<std::string_view> rules);

} // namespace orv::grammars
