// The language registry, the "#language" first line, and grammars other
// than the built-in ones: their settings, their faults, and how errors are
// forgotten by loops (skip="1") and by term="1" items.
#include "TreeText.h"

#include "platform/Exception.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

std::string Grammar(std::string_view name, std::string_view body) {
    return std::string("<?xml version=\"1.0\"?><language text=\"") + std::string(name) +
           "\"><parser><keywords><end/></keywords><errors><e1 text=\"';' expected\"/><e2 text=\"'x' expected\"/>"
           "</errors></parser>" + std::string(body) + "</language>";
}

TEST(LanguagesTest, TheFourBuiltInLanguagesAreRegistered) {
    std::vector<std::string> names = ScriptLanguages::Instance().Names();
    for (const char* name : {"PascalScript", "C++Script", "BasicScript", "JScript"})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    auto basic = ScriptLanguages::Instance().Find("basicscript");
    ASSERT_TRUE(basic);
    EXPECT_FALSE(basic->Settings().skipEol);
    EXPECT_FALSE(basic->Settings().declareVars);
    EXPECT_TRUE(ScriptLanguages::Instance().Find("PascalScript")->Settings().declareVars);
    EXPECT_TRUE(ScriptLanguages::Instance().Find("C++Script")->Settings().caseSensitive);
}

TEST(LanguagesTest, TheFirstLineMayChooseTheLanguage) {
    EXPECT_EQ(ParseText("#language BasicScript\r\nx = 1"), "assignstmt(dsgn(node:x) expr(number:1))");
    // Places still count from the first line.
    EXPECT_EQ(ParseText("  #Language   JScript  \nx = ", "PascalScript"), "error 2:5 Expression expected");
    EXPECT_EQ(ParseText("#languageBasicScript\nx = 1"), "error 1:1 'BEGIN' expected");
}

TEST(LanguagesTest, AnUnknownLanguageHasNoPlace) {
    for (const char* source : {"#language Cobol\nbegin end.", "begin end."}) {
        ParseResult r = ParseScript(source, "Cobol");
        EXPECT_FALSE(r.Ok());
        EXPECT_EQ(r.error.message, "Lenguaje 'Cobol' no encontrado");
        EXPECT_EQ(r.error.pos.line, 0);
    }
}

TEST(LanguagesTest, RegisteringAgainReplacesTheGrammar) {
    ScriptLanguages& languages = ScriptLanguages::Instance();
    languages.Register("Words", Grammar("Words", "<program><loop><ident add=\"w\"/></loop></program>"));
    EXPECT_EQ(ParseText("a b", "WORDS"), "w:a w:b");
    languages.Register("words", Grammar("Words", "<program><loop><number add=\"n\"/></loop></program>"));
    EXPECT_EQ(ParseText("1 2", "Words"), "n:1 n:2");
    EXPECT_EQ(ParseText("a", "Words"), "error 1:1 Syntax error");
}

TEST(LanguagesTest, TheTypesOfAGrammarCloseEveryTree) {
    ParseResult r = ParseScript("{}", "C++Script");
    ASSERT_TRUE(r.Ok());
    const TfrxXMLItem& root = r.tree->RootItem();
    EXPECT_EQ(TreeText(root.ChildAt(root.ChildCount() - 1)), "types(int long void bool float)");
    EXPECT_EQ(root.ChildAt(root.ChildCount() - 1).ChildAt(3).GetAttr("type"), "Boolean");
}

TEST(LanguagesTest, AFaultyGrammarIsReportedWhenFirstUsed) {
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"not xml", "Grammar of language 'Bad' is invalid: Invalid file format"},
        {"<?xml version=\"1.0\"?><grammar/>", "Grammar of language 'Bad' is invalid: the root element is not 'language'"},
        {Grammar("Bad", "<start/>"), "Grammar of language 'Bad' is invalid: there is no rule 'program'"},
        {Grammar("Bad", "<program><nothing/></program>"), "Grammar of language 'Bad' is invalid: unknown rule 'nothing'"},
        {Grammar("Bad", "<program><ident err=\"e9\"/></program>"),
         "Grammar of language 'Bad' is invalid: unknown error 'e9'"},
        {Grammar("Bad", "<program><char text=\"ab\"/></program>"),
         "Grammar of language 'Bad' is invalid: 'ab' is not one punctuation character"},
        {Grammar("Bad", "<program/><loop/>"), "Grammar of language 'Bad' is invalid: a rule may not be named 'loop'"},
    };
    for (const auto& c : cases) {
        ScriptLanguages::Instance().Register("Bad", c.text);
        try {
            ParseScript("x", "Bad");
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const Exception& e) {
            EXPECT_EQ(e.message(), c.message);
        }
    }
}

TEST(LanguagesTest, ALeftRecursiveGrammarEndsAtTheMatchDepthLimit) {
    ScriptLanguages::Instance().Register("Circle", Grammar("Circle", "<program><program/><char/></program>"));
    EXPECT_EQ(ParseText("x", "Circle"), "error 1:1 Expression or statement too complex (more than 4096 grammar levels)");
}

// statement: ident ";" with the ";" reporting e1. A loop of statements ends
// when a repetition fails; whether the error of that repetition stays is what
// skip="1" and term="1" decide.
TEST(LanguagesTest, LoopsForgetErrorsOfTheirLastRepetitionOnlyWhenTold) {
    const struct {
        const char* program;
        const char* source;
        const char* expected;
    } cases[] = {
        // Plain loop: the error in the failed repetition stays.
        {"<loop><ident add=\"i\"/><char text=\";\" err=\"e1\"/></loop>", "a; b; c", "error 1:8 ';' expected"},
        // skip="1": forgotten; the text the loop left is the complaint.
        {"<loop skip=\"1\"><ident add=\"i\"/><char text=\";\" err=\"e1\"/></loop>", "a; b; c",
         "error 1:7 Unexpected text after the end of the program"},
        // term="1" forgets only the error of its own item: here the ident's...
        {"<loop><ident add=\"i\" err=\"e2\" term=\"1\"/><char text=\";\" err=\"e1\"/></loop><keyword text=\"end\"/>",
         "a; b; end", "i:a i:b"},
        // ...but not the one of the item after it.
        {"<loop><ident add=\"i\" err=\"e2\" term=\"1\"/><char text=\";\" err=\"e1\"/></loop><keyword text=\"end\"/>",
         "a; b end", "error 1:6 ';' expected"},
        // A loop with no repetition at all fails, and the term error stays.
        {"<loop><ident add=\"i\" err=\"e2\" term=\"1\"/><char text=\";\" err=\"e1\"/></loop>", "end",
         "error 1:1 'x' expected"},
        // An optionalloop ends normally with no repetition.
        {"<optionalloop><ident err=\"e2\" term=\"1\"/></optionalloop><keyword text=\"end\"/>", "end", ""},
    };
    for (const auto& c : cases) {
        ScriptLanguages::Instance().Register("Forget", Grammar("Forget", std::string("<program>") + c.program + "</program>"));
        EXPECT_EQ(ParseText(c.source, "Forget"), c.expected) << c.program << " on " << c.source;
    }
}

TEST(LanguagesTest, AnotherStartRuleParsesAPartOfTheLanguage) {
    EXPECT_EQ(ParseText("a + 1", "PascalScript", "expression"), "expr(dsgn(node:a) op:+ number:1)");
    EXPECT_THROW(ParseScript("a", "PascalScript", "nosuchrule"), Exception);
}

} // namespace
} // namespace orv::test
