// C++Script, JScript and BasicScript: the expression wrappers the evaluator
// compiles, the statements of each language, and their syntax messages.
#include "TreeText.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

struct Case {
    const char* language;
    const char* source;
    const char* expected;  // ParseText: the tree, or "error LINE:COLUMN message"
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.language << ": " << c.source; }

class OtherLanguagesTest : public testing::TestWithParam<Case> {};

TEST_P(OtherLanguagesTest, GivesTheTreeOrTheMessage) {
    EXPECT_EQ(ParseText(GetParam().source, GetParam().language), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ExpressionWrappers, OtherLanguagesTest,
    testing::Values(
        Case{"C++Script", "Variant fr3f0() { return <Page#> + 1; } {}",
             "function(type:Variant name:fr3f0 parameters "
             "compoundstmt(exit(expr(dsgn(node:Get expr(string:'Page#')) op:+ number:1)))) compoundstmt"},
        Case{"JScript", "function fr3f0() { return <Page#> + 1; }",
             "function(name:fr3f0 parameters compoundstmt(exit(expr(dsgn(node:Get expr(string:'Page#')) op:+ "
             "number:1))))"},
        Case{"BasicScript", "function fr3f0\r\nreturn <Page#> + 1\r\nend function",
             "function(name:fr3f0 exit(expr(dsgn(node:Get expr(string:'Page#')) op:+ number:1)))"}));

INSTANTIATE_TEST_SUITE_P(
    CppScript, OtherLanguagesTest,
    testing::Values(
        Case{"C++Script",
             "#include \"a.cpp\", \"b.cpp\"\n#define MAX 10\nint a = 1, b[5], c;\n"
             "void p(int x, string &y) { y = x; }\n{ p(a, b); }",
             "uses(file:'a.cpp' file:'b.cpp') const(ident:MAX expr(number:10)) "
             "var(type:int ident:a init(expr(number:1)) ident:b array(dim(expr(number:5))) ident:c) "
             "function(type:void name:p parameters(var(type:int ident:x) varparams(var(type:string ident:y))) "
             "compoundstmt(assignstmt(dsgn(node:y) expr(dsgn(node:x))))) "
             "compoundstmt(callstmt(dsgn(node:p expr(dsgn(node:a)) expr(dsgn(node:b)))))"},
        Case{"C++Script",
             "{ if (a == b) x = 1; else { y(); } while (a != 0) a--; do { a += 2; } while (a < 10); "
             "for (int i = 0; i < 10; i++) ; for (;;) break; }",
             "compoundstmt(ifstmt(expr(dsgn(node:a) op:= dsgn(node:b)) thenstmt(assignstmt(dsgn(node:x) "
             "expr(number:1))) elsestmt(compoundstmt(callstmt(dsgn(node:y))))) whilestmt(expr(dsgn(node:a) op:<> "
             "number:0) assignstmt(dsgn(node:a) op:- expr(number:1))) dowhilestmt(compoundstmt(assignstmt("
             "dsgn(node:a) op:+ expr(number:2))) expr(dsgn(node:a) op:< number:10)) cforstmt(forinit(var(type:int "
             "ident:i init(expr(number:0)))) expr(dsgn(node:i) op:< number:10) forstep(assignstmt(dsgn(node:i) "
             "op:+ expr(number:1)))) cforstmt(forinit forstep break))"},
        Case{"C++Script",
             "{ switch (a) { case 1, 2: x(); break; case 3: default: y(); } try { a(); } finally { b(); } "
             "try { c(); } except { d(); } return; delete obj; }",
             "compoundstmt(casestmt(expr(dsgn(node:a)) caseselector(set(expr(number:1) expr(number:2)) "
             "callstmt(dsgn(node:x)) break) caseselector(set(expr(number:3))) elsestmt(callstmt(dsgn(node:y)))) "
             "trystmt(compoundstmt(callstmt(dsgn(node:a))) finallystmt(compoundstmt(callstmt(dsgn(node:b))))) "
             "trystmt(compoundstmt(callstmt(dsgn(node:c))) exceptstmt(compoundstmt(callstmt(dsgn(node:d))))) "
             "exit delete(dsgn(node:obj)))"},
        Case{"C++Script",
             "{ x = !a && b || c ^ d % e << 2 >> 1 div 3; y = new TObject(1); z = &f; "
             "s = \"a\\nb\\x41\\\"\" + 0x1F; }",
             "compoundstmt(assignstmt(dsgn(node:x) expr(op:not dsgn(node:a) op:and dsgn(node:b) op:or dsgn(node:c) "
             "op:xor dsgn(node:d) op:mod dsgn(node:e) op:shl number:2 op:shr number:1 op:div number:3)) "
             "assignstmt(dsgn(node:y) expr(new(dsgn(node:TObject expr(number:1))))) "
             "assignstmt(dsgn(node:z) expr(dsgn(addr:& node:f))) "
             "assignstmt(dsgn(node:s) expr(string:'a\nbA\"' op:+ number:$1F)))"},
        // The two characters of && and || may stand apart; those of == may not.
        Case{"C++Script", "{ x = a & & b | | c; }",
             "compoundstmt(assignstmt(dsgn(node:x) expr(dsgn(node:a) op:and dsgn(node:b) op:or dsgn(node:c))))"},
        Case{"C++Script", "{ x = a = = b; }", "error 1:9 ';' expected"},
        // Case-sensitive: IF is a name, not the keyword.
        Case{"C++Script", "{ IF (a) x(); }", "error 1:10 ';' expected"},
        Case{"C++Script", "{ x = 1 }", "error 1:9 ';' expected"},
        Case{"C++Script", "x = 1;", "error 1:1 '{' expected"},
        Case{"C++Script", "{ if a) x(); }", "error 1:6 '(' expected"},
        Case{"C++Script", "{ do x(); until (a); }", "error 1:11 'WHILE' expected"},
        Case{"C++Script", "#pragma once\n{}", "error 1:2 'DEFINE' expected"},
        Case{"C++Script", "{ try { } }", "error 1:11 'FINALLY' or 'EXCEPT' expected"},
        Case{"C++Script", "{ x = (1 + 2; }", "error 1:13 ')' expected"},
        Case{"C++Script", "{ if (a) }", "error 1:10 Statement expected"},
        Case{"C++Script", "{ x = a[1; }", "error 1:10 ']' expected"},
        Case{"C++Script", "{ x = <a; }", "error 1:8 '>' expected"},
        Case{"C++Script", "{ x = \"open; }", "error 1:7 Expression expected"}));

INSTANTIATE_TEST_SUITE_P(
    JScript, OtherLanguagesTest,
    testing::Values(
        Case{"JScript",
             "import \"a.js\"\nvar a = 1, b\nfunction f(x, y) { return x + y }\na = f(a, 2)\n"
             "with (obj) { Caption = \"x\" }\nfor (var i = 0; i < 3; i++) a += i\nIF (a == 1) b = 2",
             "uses(file:'a.js') var(ident:a init(expr(number:1)) ident:b) function(name:f parameters(var(ident:x) "
             "var(ident:y)) compoundstmt(exit(expr(dsgn(node:x) op:+ dsgn(node:y))))) assignstmt(dsgn(node:a) "
             "expr(dsgn(node:f expr(dsgn(node:a)) expr(number:2)))) with(dsgn(node:obj) compoundstmt(assignstmt("
             "dsgn(node:Caption) expr(string:'x')))) cforstmt(forinit(var(ident:i init(expr(number:0)))) "
             "expr(dsgn(node:i) op:< number:3) forstep(assignstmt(dsgn(node:i) op:+ expr(number:1))) "
             "assignstmt(dsgn(node:a) op:+ expr(dsgn(node:i)))) ifstmt(expr(dsgn(node:a) op:= number:1) "
             "thenstmt(assignstmt(dsgn(node:b) expr(number:2))))"},
        Case{"JScript", "function f( { }", "error 1:13 ')' expected"},
        Case{"JScript", "a = 1 +", "error 1:8 Expression expected"},
        Case{"JScript", "var = 1", "error 1:5 Identifier expected"},
        Case{"JScript", "x = 1 }", "error 1:7 Unexpected text after the end of the program"}));

INSTANTIATE_TEST_SUITE_P(
    BasicScript, OtherLanguagesTest,
    testing::Values(
        Case{"BasicScript",
             "imports \"a.vb\"\r\ndim a, b as integer = 5\r\ndim arr(10)\r\nsub P(byval x as integer, byref y)\r\n"
             "  y = x & \" items\" ' comment\r\nend sub\r\nREM another comment\r\n"
             "if a > 1 then b = 2 else b = 3\r\nif a then\r\n  x = 1\r\nelseif b then\r\n  x = 2\r\nelse\r\n"
             "  x = 3\r\nend if\r\nP(1, _\r\n  a)",
             "uses(file:'a.vb') var(ident:a ident:b type:integer init(expr(number:5))) var(ident:arr "
             "array(dim(expr(number:10)))) procedure(name:P parameters(var(ident:x type:integer) "
             "varparams(var(ident:y))) assignstmt(dsgn(node:y) expr(dsgn(node:x) op:strcat string:' items'))) "
             "ifstmt(expr(dsgn(node:a) op:> number:1) thenstmt(assignstmt(dsgn(node:b) expr(number:2))) "
             "elsestmt(assignstmt(dsgn(node:b) expr(number:3)))) ifstmt(expr(dsgn(node:a)) "
             "thenstmt(assignstmt(dsgn(node:x) expr(number:1))) elsestmt(ifstmt(expr(dsgn(node:b)) "
             "thenstmt(assignstmt(dsgn(node:x) expr(number:2))) elsestmt(assignstmt(dsgn(node:x) "
             "expr(number:3)))))) callstmt(dsgn(node:P expr(number:1) expr(dsgn(node:a))))"},
        Case{"BasicScript",
             "select case a\r\n  case 1, 2\r\n    x = 1\r\n  case else\r\n    x = 0\r\nend select\r\n"
             "for i = 1 to 10 step 2\r\n  exit for\r\nnext i\r\ndo while a < 3\r\n  a = a + 1\r\nloop\r\n"
             "while a > 0\r\n  a = a - 1\r\nwend\r\ntry\r\n  x = 1\r\ncatch\r\n  exit sub\r\nend try\r\n"
             "with obj\r\n  set o = new TObject\r\nend with\r\nx = a \\ b mod c and not d or e xor f",
             "casestmt(expr(dsgn(node:a)) caseselector(set(expr(number:1) expr(number:2)) assignstmt(dsgn(node:x) "
             "expr(number:1))) elsestmt(assignstmt(dsgn(node:x) expr(number:0)))) forstmt(ident:i expr(number:1) "
             "expr(number:10) step(expr(number:2)) break) whilestmt(expr(dsgn(node:a) op:< number:3) "
             "assignstmt(dsgn(node:a) expr(dsgn(node:a) op:+ number:1))) whilestmt(expr(dsgn(node:a) op:> "
             "number:0) assignstmt(dsgn(node:a) expr(dsgn(node:a) op:- number:1))) trystmt(assignstmt(dsgn(node:x) "
             "expr(number:1)) exceptstmt(exit)) with(dsgn(node:obj) assignstmt(dsgn(node:o) "
             "expr(new(dsgn(node:TObject))))) assignstmt(dsgn(node:x) expr(dsgn(node:a) op:div dsgn(node:b) "
             "op:mod dsgn(node:c) op:and op:not dsgn(node:d) op:or dsgn(node:e) op:xor dsgn(node:f)))"},
        // Lines may end in LF alone; the last one needs no line end.
        Case{"BasicScript", "x = 1\ny = 2",
             "assignstmt(dsgn(node:x) expr(number:1)) assignstmt(dsgn(node:y) expr(number:2))"},
        Case{"BasicScript", "x = 1 + _\r\n 2", "assignstmt(dsgn(node:x) expr(number:1 op:+ number:2))"},
        Case{"BasicScript", "x = 1 +\r\n 2", "error 1:8 Expression expected"},
        Case{"BasicScript", "x = 1 y = 2", "error 1:7 End of line expected"},
        Case{"BasicScript", "if a b", "error 1:6 'THEN' expected"},
        Case{"BasicScript", "for i = 1 2", "error 1:11 'TO' expected"},
        Case{"BasicScript", "if a then\r\n  x = 1\r\n", "error 3:1 'END' expected"},
        Case{"BasicScript", "x = (1 + 2", "error 1:11 ')' expected"},
        Case{"BasicScript", "do a\r\nloop", "error 1:4 'WHILE' expected"},
        Case{"BasicScript", "select case a\r\nend", "error 2:4 'SELECT' expected"},
        Case{"BasicScript", "select a\r\nend select", "error 1:8 'CASE' expected"},
        Case{"BasicScript", "try\r\nx = 1\r\nend try", "error 3:1 'FINALLY' or 'CATCH' expected"},
        Case{"BasicScript", "while a\r\nx = 1\r\n", "error 3:1 'WEND' expected"},
        Case{"BasicScript", "for i = 1 to 2\r\n", "error 2:1 'NEXT' expected"},
        Case{"BasicScript", "with a\r\nend", "error 2:4 'WITH' expected"},
        Case{"BasicScript", "try\r\nfinally\r\nend", "error 3:4 'TRY' expected"},
        Case{"BasicScript", "sub a\r\nend", "error 2:4 'SUB' expected"},
        Case{"BasicScript", "function a\r\nend", "error 2:4 'FUNCTION' expected"},
        Case{"BasicScript", "select case a\r\ncase\r\nend select", "error 2:5 'ELSE' expected"},
        Case{"BasicScript", "if a then\r\n  x = 1\r\nend", "error 3:4 'IF' expected"}));

} // namespace
} // namespace orv::test
