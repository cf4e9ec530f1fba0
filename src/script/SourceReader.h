// Reads the tokens of a script source under a grammar's lexical settings:
// blanks and comments, words, numbers, strings, punctuation characters, the
// raw text of the angle-bracket form and line ends. It works on byte offsets
// and keeps no reading position of its own: the parser asks "is there a token
// of this kind at this offset" and backtracks freely.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orv {

// A place in a source text: line and column, both counted from 1.
// Line 0 means "no place" (an error that is not tied to the text).
struct SourcePos {
    int line = 0;
    int column = 0;
    bool operator==(const SourcePos&) const = default;
};

// "line:column", the form of the syntax tree's pos attributes.
std::string FormatPos(SourcePos pos);

// What a grammar's <parser> element says about the characters of its language.
struct LexicalSettings {
    LexicalSettings();

    // Texts that start a comment running to the end of the line; empty = none.
    std::array<std::string, 2> commentLine{"//", ""};
    // Opening and closing texts of the block comments; empty opening = none.
    std::array<std::pair<std::string, std::string>, 2> commentBlock{{{"{", "}"}, {"(*", "*)"}}};
    char stringQuote = '\'';
    std::string hexSequence = "$";
    // Bytes that words are made of; 128 to 255 always count (extended character set).
    std::array<bool, 256> identChars{};
    // Backslash escapes inside strings instead of doubled quotes.
    bool escapes = false;
    // Keywords are recognised only as listed, and keyword items only in lower case.
    bool caseSensitive = false;
    // Undeclared identifiers are an error (false: they declare a variable).
    bool declareVars = true;
    // Line ends are blanks (false: they are tokens of their own).
    bool skipEol = true;
    // A character that, followed by a line end, joins two lines; 0 = none.
    char skipChar = 0;
};

class SourceReader {
public:
    static constexpr std::size_t kNoToken = std::string_view::npos;

    // The text must outlive the reader.
    SourceReader(std::string_view text, const LexicalSettings& settings);

    std::string_view Text() const { return FText; }
    std::size_t Size() const { return FText.size(); }
    const LexicalSettings& Settings() const { return FSettings; }

    // Where the next token begins: blanks, joined lines and comments skipped.
    // An unclosed block comment runs to the end of the text.
    std::size_t SkipBlanks(std::size_t pos) const;

    // Each reader takes the offset where the token would begin and gives the
    // offset just behind it, or kNoToken.
    std::size_t ReadWord(std::size_t pos) const;
    // `text` (optional) receives the token text, a hexadecimal prefix written as "$".
    std::size_t ReadNumber(std::size_t pos, std::string* text) const;
    // `text` (optional) receives the joined content between single quotes.
    std::size_t ReadString(std::size_t pos, std::string* text) const;
    // The raw text after a '<' up to (not including) its matching '>'; never empty.
    std::size_t ReadFrString(std::size_t pos) const;
    // CR LF, CR or LF; the end of the text counts as a line end of no length.
    std::size_t ReadEol(std::size_t pos) const;
    // A printable ASCII character that is not a letter, a digit or a blank.
    bool IsPunctuation(std::size_t pos) const;

    SourcePos PositionOf(std::size_t offset) const;

private:
    std::size_t SkipComment(std::size_t pos) const;
    bool StartsWith(std::size_t pos, std::string_view text) const;
    bool IsBlank(unsigned char c) const;
    bool IsIdentChar(std::size_t pos) const;
    std::size_t LineEndLength(std::size_t pos) const;
    std::size_t ReadQuotedPart(std::size_t pos, std::string* content) const;
    std::size_t ReadCharCode(std::size_t pos, std::string* content) const;
    std::size_t ReadHexDigits(std::size_t pos) const;

    std::string_view FText;
    const LexicalSettings& FSettings;
    std::vector<std::size_t> FLineStarts;
    // Backtracking asks for the same skip again and again: the last answer.
    mutable std::size_t FSkipFrom = kNoToken;
    mutable std::size_t FSkipTo = 0;
};

// The 8-bit character a character code stands for: itself up to 255, the
// code page's character for other UTF-16 codes, '?' when there is none.
char CharacterOfCode(unsigned long code);

} // namespace orv
