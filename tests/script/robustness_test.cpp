// Any text gives a tree or a message: deep nesting, long input, stray bytes,
// unterminated strings and comments never crash or exhaust the stack.
#include "TreeText.h"

#include <gtest/gtest.h>

#include <random>

namespace orv::test {
namespace {

std::string Repeat(std::string_view part, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += part;
    return text;
}

TEST(NestingTest, HundredThousandParenthesesStopAtTheNestingLimit) {
    std::string text = "begin x := " + Repeat("(", 100000) + "1" + Repeat(")", 100000) + " end.";
    // compoundstmt, assignstmt and the outer expr take three levels, each
    // parenthesis one more, and the designator tried inside the 253rd would
    // be the 257th: the error stands at the 254th.
    EXPECT_EQ(ParseText(text), "error 1:265 Too many nested levels (more than 256)");
}

TEST(NestingTest, EveryKindOfNestingIsBounded) {
    const struct {
        std::string text;
        const char* language;
        const char* message;
    } cases[] = {
        {Repeat("begin ", 100000), "PascalScript", "Too many nested levels (more than 256)"},
        {"begin x := " + Repeat("f(", 100000), "PascalScript", "Too many nested levels (more than 256)"},
        {"begin x := " + Repeat("<", 100000), "PascalScript", "'>' expected"},
        // A negation nests grammar rules but no tree elements.
        {"begin x := " + Repeat("not ", 100000) + "a end.", "PascalScript",
         "Expression or statement too complex (more than 4096 grammar levels)"},
        {Repeat("{ if (a) ", 100000), "C++Script", "Too many nested levels (more than 256)"},
        {Repeat("if a then\n", 100000), "BasicScript", "Too many nested levels (more than 256)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        ParseResult r = ParseScript(c.text, c.language);
        ASSERT_FALSE(r.Ok());
        EXPECT_EQ(r.error.message, c.message);
        EXPECT_EQ(r.error.pos.line > 0, true);
    }
}

TEST(NestingTest, NestingUpToTheLimitParses) {
    std::string text = "begin x := " + Repeat("(", 252) + "1" + Repeat(")", 252) + " end.";
    EXPECT_TRUE(ParseScript(text).Ok());
}

TEST(LongInputTest, AFiveThousandLineScriptParses) {
    std::string text = "var i, n: Integer;\r\nbegin\r\n";
    for (int i = 0; i < 5000; ++i) text += "  n := n + <Detalle.\"IMPORTE\"> * " + std::to_string(i) + ";\r\n";
    text += "end.";
    ParseResult r = ParseScript(text);
    ASSERT_TRUE(r.Ok()) << r.error.message;
    EXPECT_EQ(r.tree->RootItem().ChildAt(1).ChildCount(), 5000);
}

TEST(ByteTest, BytesOutsideAsciiAndControlCharacters) {
    const struct {
        std::string text;
        const char* expected;
    } cases[] = {
        // Bytes 128-255 are identifier characters; strings keep every byte,
        // the five the code page leaves undefined included.
        {"begin A\xF1o := 'p\xE1g\x81\x9D' end.", "compoundstmt(assignstmt(dsgn(node:A\xF1o) expr(string:'p\xE1g\x81\x9D')))"},
        // NUL and other control characters are blanks.
        {std::string("begin\0\x01 x := 1 end.", 20), "compoundstmt(assignstmt(dsgn(node:x) expr(number:1)))"},
        {"begin x := \x7F end.", "error 1:12 Expression expected"},
        {"begin x := 1 \x7F end.", "error 1:14 ';' expected"},
        {"", "error 1:1 'BEGIN' expected"},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseText(c.text), c.expected);
}

// Random texts made of the pieces scripts are made of: each gives a tree or
// a message with a place inside the text.
TEST(RandomTextTest, EveryTextGivesATreeOrAPlacedMessage) {
    const std::vector<std::string> pieces = {
        "begin", "end", ".", ";", ":=", "(", ")", "[", "]", "<", ">", "'", "\"", "#", "$", "{", "}", "(*", "*)",
        "//", "/*", "*/", "\r\n", "\n", " ", "x", "1", "1.5e", "if", "then", "else", "case", "of", ":", ",", "..",
        "not", "-", "+", "*", "/", "=", "&", "|", "!", "\\", "_", "\x81", "\xFF", std::string(1, '\0'), "function",
        "return", "var", "dim", "select", "try", "finally", "except", "catch", "rem", "@", "^", "%", "'x'",
    };
    const char* languages[] = {"PascalScript", "C++Script", "BasicScript", "JScript"};
    std::mt19937 random(20241211);
    for (int n = 0; n < 3000; ++n) {
        std::string text;
        const int length = static_cast<int>(random() % 60);
        for (int i = 0; i < length; ++i) text += pieces[random() % pieces.size()];
        for (const char* language : languages) {
            ParseResult r = ParseScript(text, language);
            if (r.Ok()) continue;
            ASSERT_FALSE(r.error.message.empty()) << text;
            ASSERT_GE(r.error.pos.line, 1) << text;
            ASSERT_GE(r.error.pos.column, 1) << text;
        }
    }
}

} // namespace
} // namespace orv::test
