// The generic grammar-driven parser: applies a language's grammar to a
// source text and gives the syntax tree (an XML document whose root is
// `program`) or the first syntax error with its place.
//
// Every element of the tree has `pos`, the line:column where it starts; leaf
// elements (from `add`) have `text`; `expr` elements also have `pos1`, the
// line:column just behind their last character, so that the source text of
// an expression is the text from `pos` up to (not including) `pos1`.
#pragma once

#include "script/Grammar.h"
#include "script/SourceReader.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace orv {

class TfrxXMLDocument;

struct SyntaxError {
    std::string message;
    SourcePos pos;  // line 0 when the error has no place in the text
};

struct ParseResult {
    std::unique_ptr<TfrxXMLDocument> tree;  // null when the parse failed
    SyntaxError error;                      // the failure; empty message on success
    std::shared_ptr<const Grammar> grammar; // the grammar that was applied
    bool Ok() const { return tree != nullptr; }

    ParseResult();
    ParseResult(ParseResult&&) noexcept;
    ParseResult& operator=(ParseResult&&) noexcept;
    ~ParseResult();
};

class GrammarParser {
public:
    explicit GrammarParser(std::shared_ptr<const Grammar> grammar);

    // Parses `text` from offset `start` on with the rule `startRule`; places
    // count from the beginning of `text`. Text after what the rule matched,
    // other than blanks and comments, is an error. An unknown start rule
    // raises orv::Exception.
    ParseResult Parse(std::string_view text, std::size_t start = 0, std::string_view startRule = "program") const;

private:
    std::shared_ptr<const Grammar> FGrammar;
};

} // namespace orv
