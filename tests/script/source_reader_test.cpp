// The lexical rules: numbers, strings, comments, the angle-bracket text,
// line ends and places.
#include "script/SourceReader.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

LexicalSettings CLike() {
    LexicalSettings s;
    s.commentBlock = {{{"/*", "*/"}, {"/*", "*/"}}};
    s.stringQuote = '"';
    s.hexSequence = "0x";
    s.escapes = true;
    return s;
}

LexicalSettings Basic() {
    LexicalSettings s;
    s.commentLine = {"'", "rem"};
    s.commentBlock = {{{"/\\", "/\\"}, {"/\\", "/\\"}}};
    s.stringQuote = '"';
    s.skipEol = false;
    s.skipChar = '_';
    return s;
}

struct TokenCase {
    const char* text;
    std::size_t end;       // kNoToken when there is none
    const char* expected;  // the token text
};

void PrintTo(const TokenCase& c, std::ostream* os) { *os << c.text; }

constexpr std::size_t kNone = SourceReader::kNoToken;

class NumberTest : public testing::TestWithParam<TokenCase> {};

TEST_P(NumberTest, ReadsTheNumber) {
    const TokenCase& c = GetParam();
    LexicalSettings pascal;
    std::string text;
    EXPECT_EQ(SourceReader(c.text, pascal).ReadNumber(0, &text), c.end);
    if (c.end != kNone) {
        EXPECT_EQ(text, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pascal, NumberTest,
    testing::Values(TokenCase{"255", 3, "255"}, TokenCase{"$FF)", 3, "$FF"}, TokenCase{"1.5e3", 5, "1.5e3"},
                    TokenCase{"2E-2*", 4, "2E-2"}, TokenCase{"1e5", 3, "1e5"},
                    // 1.e3 is 1, a period and e3; 1..5 is 1, two periods and 5.
                    TokenCase{"1.e3", 1, "1"}, TokenCase{"1..5", 1, "1"},
                    // An exponent without digits is not part of the number.
                    TokenCase{"7e+x", 1, "7"}, TokenCase{"3.14.", 4, "3.14"},
                    TokenCase{"$", kNone, ""}, TokenCase{"x1", kNone, ""}));

TEST(NumberTest, AnotherHexPrefixIsWrittenAsDollar) {
    LexicalSettings c = CLike();
    std::string text;
    EXPECT_EQ(SourceReader("0x1fz", c).ReadNumber(0, &text), 4u);
    EXPECT_EQ(text, "$1f");
    EXPECT_EQ(SourceReader("0xg", c).ReadNumber(0, &text), 1u);
    EXPECT_EQ(text, "0");
}

class PascalStringTest : public testing::TestWithParam<TokenCase> {};

TEST_P(PascalStringTest, ReadsTheJoinedContent) {
    const TokenCase& c = GetParam();
    LexicalSettings pascal;
    std::string text;
    EXPECT_EQ(SourceReader(c.text, pascal).ReadString(0, &text), c.end);
    if (c.end != kNone) {
        EXPECT_EQ(text, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Parts, PascalStringTest,
    testing::Values(TokenCase{"'It''s'", 7, "'It's'"}, TokenCase{"'a'#13#10'b' x", 12, "'a\r\nb'"},
                    TokenCase{"#$41#66", 7, "'AB'"}, TokenCase{"''", 2, "''"},
                    TokenCase{"'tab\there'", 10, "'tab\there'"},
                    // A blank ends the run of parts.
                    TokenCase{"'a' 'b'", 3, "'a'"},
                    // Codes beyond a byte: the code page's character, else '?'.
                    TokenCase{"#8364#300#999999999999", 22, "'\x80?" "?'"},
                    TokenCase{"'\xE1\xF1'", 4, "'\xE1\xF1'"},
                    // Unclosed, or broken by a line end: no string at all.
                    TokenCase{"'abc", kNone, ""}, TokenCase{"'a\r\nb'", kNone, ""}, TokenCase{"'a'#13'b", kNone, ""},
                    TokenCase{"#x", kNone, ""}));

TEST(StringTest, BackslashEscapesReplaceDoubledQuotes) {
    LexicalSettings c = CLike();
    std::string text;
    const char* source = R"("a\nb\r\x41\q\\" "x")";
    EXPECT_EQ(SourceReader(source, c).ReadString(0, &text), 16u);
    EXPECT_EQ(text, "'a\nb\rAq\\'");
    // Two quoted parts side by side join.
    EXPECT_EQ(SourceReader(R"("a""b")", c).ReadString(0, &text), 6u);
    EXPECT_EQ(text, "'ab'");
    EXPECT_EQ(SourceReader(R"("a\")", c).ReadString(0, &text), kNone);
}

TEST(CommentTest, BlanksAndCommentsAreSkippedTogether) {
    LexicalSettings pascal;
    std::string_view source = " {a} (* b *) // c\r\n\t x";
    EXPECT_EQ(SourceReader(source, pascal).SkipBlanks(0), source.size() - 1);
    // An unclosed block comment runs to the end of the text.
    EXPECT_EQ(SourceReader(" { x := 1", pascal).SkipBlanks(0), 9u);
    EXPECT_EQ(SourceReader("(* x", pascal).SkipBlanks(0), 4u);
}

TEST(CommentTest, BasicKeepsLineEndsAndJoinsLinesWithItsSkipChar) {
    LexicalSettings basic = Basic();
    SourceReader r(" ' note\r\n REM note\r\n remark _\r\n x", basic);
    std::size_t p = r.SkipBlanks(0);
    EXPECT_EQ(p, 7u);  // the line end after the comment is a token
    EXPECT_EQ(r.ReadEol(p), 9u);
    p = r.SkipBlanks(9);
    EXPECT_EQ(r.ReadEol(p), 20u);
    p = r.SkipBlanks(20);
    EXPECT_EQ(r.ReadWord(p), 27u);  // "remark" is a word, not a comment
    EXPECT_EQ(r.SkipBlanks(27), 32u);  // "_" and its line end join the lines
    EXPECT_EQ(r.ReadEol(r.Size()), r.Size());  // the end of the text ends a line
    EXPECT_EQ(r.ReadEol(1), kNone);
}

TEST(FrStringTest, EndsAtTheBracketThatBalancesTheOpeningOne) {
    LexicalSettings pascal;
    const struct {
        std::string_view text;
        std::size_t end;
    } cases[] = {
        {"Cabecera.\"FECHA\"> * 2", 16},
        {"SUM(<Detalle.\"IMPORTE\">)>", 24},
        {"a[1]>", 4},
        {"IIF(a = '>', 1, 2)>", 18},
        {"x\">\">", 4},
        {"Page# end.", kNone},
        {"a = 'never closed>", kNone},
        {">", kNone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SourceReader(c.text, pascal).ReadFrString(0), c.end);
    }
}

TEST(WordTest, WordsTakeExtendedCharactersButDoNotStartWithADigit) {
    LexicalSettings pascal;
    EXPECT_EQ(SourceReader("A\xF1o_1+", pascal).ReadWord(0), 5u);
    EXPECT_EQ(SourceReader("1abc", pascal).ReadWord(0), kNone);
    EXPECT_TRUE(SourceReader("@", pascal).IsPunctuation(0));
    EXPECT_FALSE(SourceReader("\x7F", pascal).IsPunctuation(0));
    EXPECT_FALSE(SourceReader("a", pascal).IsPunctuation(0));
}

TEST(PositionTest, LinesEndWithCrLfLfOrCr) {
    LexicalSettings pascal;
    SourceReader r("ab\r\ncd\nef\rgh", pascal);
    EXPECT_EQ(r.PositionOf(0), (SourcePos{1, 1}));
    EXPECT_EQ(r.PositionOf(2), (SourcePos{1, 3}));
    EXPECT_EQ(r.PositionOf(5), (SourcePos{2, 2}));
    EXPECT_EQ(r.PositionOf(7), (SourcePos{3, 1}));
    EXPECT_EQ(r.PositionOf(11), (SourcePos{4, 2}));
    EXPECT_EQ(r.PositionOf(12), (SourcePos{4, 3}));  // the end of the text
    EXPECT_EQ(FormatPos({12, 7}), "12:7");
}

} // namespace
} // namespace orv
