// PascalScript: every construct of the grammar with the tree it gives, and
// every syntax message with its place.
#include "TreeText.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

struct Case {
    const char* source;
    const char* expected;  // ParseText: the tree, or "error LINE:COLUMN message"
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.source; }

class PascalValidTest : public testing::TestWithParam<Case> {};

TEST_P(PascalValidTest, GivesTheTree) { EXPECT_EQ(ParseText(GetParam().source), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Constructs, PascalValidTest,
    testing::Values(
        Case{"begin end.", "compoundstmt"},
        Case{"BEGIN X := 1 End.", "compoundstmt(assignstmt(dsgn(node:X) expr(number:1)))"},
        Case{"begin ; a;;b; end.", "compoundstmt(callstmt(dsgn(node:a)) callstmt(dsgn(node:b)))"},
        Case{"program P; uses 'a.pas', 'b.pas'; begin end.", "uses(file:'a.pas' file:'b.pas') compoundstmt"},
        Case{"const A = 1; B = 'x'; begin end.",
             "const(ident:A expr(number:1)) const(ident:B expr(string:'x')) compoundstmt"},
        Case{"var x, y: Integer; z: array[1..3, 5] of String = 2; begin end.",
             "var(ident:x ident:y type:Integer) "
             "var(ident:z array(dim(expr(number:1) expr(number:3)) dim(expr(number:5))) type:String "
             "init(expr(number:2))) compoundstmt"},
        Case{"var a: array of Variant; begin end.", "var(ident:a array type:Variant) compoundstmt"},
        Case{"procedure P(a: Integer; var b, c: String; const d: Variant); begin end; begin end.",
             "procedure(name:P parameters(var(ident:a type:Integer) varparams(var(ident:b ident:c type:String)) "
             "var(ident:d type:Variant)) compoundstmt) compoundstmt"},
        Case{"procedure P(); begin end; begin end.", "procedure(name:P parameters compoundstmt) compoundstmt"},
        Case{"function F: Integer; var t: Integer; begin Result := t end; begin end.",
             "function(name:F type:Integer var(ident:t type:Integer) "
             "compoundstmt(assignstmt(dsgn(node:Result) expr(dsgn(node:t))))) compoundstmt"},
        Case{"begin if a then b else c; if x then begin end end.",
             "compoundstmt(ifstmt(expr(dsgn(node:a)) thenstmt(callstmt(dsgn(node:b))) "
             "elsestmt(callstmt(dsgn(node:c)))) ifstmt(expr(dsgn(node:x)) thenstmt(compoundstmt)))"},
        Case{"begin case x of 1, 2..3: a; 4: else b; end end.",
             "compoundstmt(casestmt(expr(dsgn(node:x)) "
             "caseselector(set(expr(number:1) expr(number:2) range:. expr(number:3)) callstmt(dsgn(node:a))) "
             "caseselector(set(expr(number:4))) elsestmt(callstmt(dsgn(node:b)))))"},
        Case{"begin while a < 10 do a := a + 1; repeat a; b until a >= 1 end.",
             "compoundstmt(whilestmt(expr(dsgn(node:a) op:< number:10) "
             "assignstmt(dsgn(node:a) expr(dsgn(node:a) op:+ number:1))) "
             "repeatstmt(callstmt(dsgn(node:a)) callstmt(dsgn(node:b)) expr(dsgn(node:a) op:>= number:1)))"},
        Case{"begin for i := 1 to 10 do x; for i := 10 downto 1 do begin end end.",
             "compoundstmt(forstmt(ident:i expr(number:1) expr(number:10) callstmt(dsgn(node:x))) "
             "forstmt(ident:i expr(number:10) downto expr(number:1) compoundstmt))"},
        Case{"begin try a; b finally c end; try a except b end end.",
             "compoundstmt(trystmt(callstmt(dsgn(node:a)) callstmt(dsgn(node:b)) "
             "finallystmt(callstmt(dsgn(node:c)))) trystmt(callstmt(dsgn(node:a)) exceptstmt(callstmt(dsgn(node:b)))))"},
        Case{"begin with A, B.C do x := 1; break; continue; exit end.",
             "compoundstmt(with(dsgn(node:A) dsgn(node:B node:C) assignstmt(dsgn(node:x) expr(number:1))) "
             "break continue exit)"},
        Case{"begin x := a.b[1, 2](3).c; y := @f; z := f() end.",
             "compoundstmt(assignstmt(dsgn(node:x) expr(dsgn(node:a node:b expr(number:1) expr(number:2) "
             "expr(number:3) node:c))) assignstmt(dsgn(node:y) expr(dsgn(addr:@ node:f))) "
             "assignstmt(dsgn(node:z) expr(dsgn(node:f))))"},
        // A keyword may follow a period.
        Case{"begin x := Report.End end.", "compoundstmt(assignstmt(dsgn(node:x) expr(dsgn(node:Report node:End))))"},
        Case{"begin x := [a..b, 2]; y := a in [1]; z := obj is TObject end.",
             "compoundstmt(assignstmt(dsgn(node:x) expr(set(expr(dsgn(node:a)) range:. expr(dsgn(node:b)) "
             "expr(number:2)))) assignstmt(dsgn(node:y) expr(dsgn(node:a) op:in set(expr(number:1)))) "
             "assignstmt(dsgn(node:z) expr(dsgn(node:obj) op:is dsgn(node:TObject))))"},
        Case{"begin x := not a = b; y := -2 * 3; z := a <> b; w := a <= b; v := (a > b) end.",
             "compoundstmt(assignstmt(dsgn(node:x) expr(op:not dsgn(node:a) op:= dsgn(node:b))) "
             "assignstmt(dsgn(node:y) expr(op:unminus number:2 op:* number:3)) "
             "assignstmt(dsgn(node:z) expr(dsgn(node:a) op:<> dsgn(node:b))) "
             "assignstmt(dsgn(node:w) expr(dsgn(node:a) op:<= dsgn(node:b))) "
             "assignstmt(dsgn(node:v) expr(expr(dsgn(node:a) op:> dsgn(node:b)))))"},
        Case{"begin x := a div b mod c AND d shl e shr f OR g xor h / i end.",
             "compoundstmt(assignstmt(dsgn(node:x) expr(dsgn(node:a) op:div dsgn(node:b) op:mod dsgn(node:c) "
             "op:and dsgn(node:d) op:shl dsgn(node:e) op:shr dsgn(node:f) op:or dsgn(node:g) op:xor "
             "dsgn(node:h) op:/ dsgn(node:i))))"},
        Case{"begin s := 'It''s' + 'a'#13#10'b' + #$41#66 + '' end.",
             "compoundstmt(assignstmt(dsgn(node:s) expr(string:'It's' op:+ string:'a\r\nb' op:+ string:'AB' "
             "op:+ string:'')))"},
        Case{"begin x := $FF + 255 + 1.5e3 + 2E-2 end.",
             "compoundstmt(assignstmt(dsgn(node:x) expr(number:$FF op:+ number:255 op:+ number:1.5e3 op:+ "
             "number:2E-2)))"},
        Case{"begin x := <Detalle.\"IMPORTE\"> * 2; y := <Page#> end.",
             "compoundstmt(assignstmt(dsgn(node:x) expr(dsgn(node:Get expr(string:'Detalle.\"IMPORTE\"')) op:* "
             "number:2)) assignstmt(dsgn(node:y) expr(dsgn(node:Get expr(string:'Page#')))))"},
        // The inner angle brackets are counted.
        Case{"begin x := <SUM(<Detalle.\"IMPORTE\">,MasterData1)> end.",
             "compoundstmt(assignstmt(dsgn(node:x) expr(dsgn(node:Get "
             "expr(string:'SUM(<Detalle.\"IMPORTE\">,MasterData1)')))))"},
        Case{"{ brace } (* paren-star *) begin // to the line end\r\n x := 1 { inside } end.",
             "compoundstmt(assignstmt(dsgn(node:x) expr(number:1)))"},
        // Text after the last line of the program: only blanks and comments.
        Case{"begin end.\r\n\r\n{ note }", "compoundstmt"}));

class PascalErrorTest : public testing::TestWithParam<Case> {};

TEST_P(PascalErrorTest, GivesTheMessageAndPlace) { EXPECT_EQ(ParseText(GetParam().source), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Messages, PascalErrorTest,
    testing::Values(
        Case{"program ; begin end.", "error 1:9 Identifier expected"},
        Case{"var begin end.", "error 1:5 Identifier expected"},
        Case{"const begin end.", "error 1:7 Identifier expected"},
        Case{"var a, : Integer; begin end.", "error 1:8 Identifier expected"},
        Case{"procedure ; begin end; begin end.", "error 1:11 Identifier expected"},
        Case{"function F: ; begin end; begin end.", "error 1:13 Identifier expected"},
        Case{"begin for 1 := 2 to 3 do end.", "error 1:11 Identifier expected"},
        Case{"begin x := end.", "error 1:12 Expression expected"},
        Case{"begin x := 1 + ; end.", "error 1:16 Expression expected"},
        Case{"begin f(a,) end.", "error 1:11 Expression expected"},
        Case{"var a Integer; begin end.", "error 1:7 ':' expected"},
        Case{"begin case x of 1 a end end.", "error 1:19 ':' expected"},
        Case{"begin a := 1 b := 2 end.", "error 1:14 ';' expected"},
        // A blank inside := makes it no assignment.
        Case{"begin a : = 1 end.", "error 1:9 ';' expected"},
        Case{"var a: Integer; b Integer; begin end.", "error 1:19 ':' expected"},
        Case{"const A = 1 begin end.", "error 1:13 ';' expected"},
        Case{"begin end", "error 1:10 '.' expected"},
        Case{"begin x := (1 + 2 end.", "error 1:19 ')' expected"},
        Case{"begin x := a[1 end.", "error 1:16 ']' expected"},
        Case{"const A 1; begin end.", "error 1:9 '=' expected"},
        Case{"begin for i : 1 to 2 do end.", "error 1:15 '=' expected"},
        Case{"x := 1; end.", "error 1:1 'BEGIN' expected"},
        Case{"begin case x of 1: a .", "error 1:22 'END' expected"},
        Case{"begin try a finally b .", "error 1:23 'END' expected"},
        Case{"begin case x 1: a end end.", "error 1:14 'OF' expected"},
        Case{"begin if a b end.", "error 1:12 'THEN' expected"},
        Case{"begin repeat a end.", "error 1:16 'UNTIL' expected"},
        Case{"begin for i := 1 upto 2 do end.", "error 1:18 'TO' or 'DOWNTO' expected"},
        Case{"begin while a x end.", "error 1:15 'DO' expected"},
        Case{"begin try a end end.", "error 1:13 'FINALLY' or 'EXCEPT' expected"},
        Case{"begin x := <Page# end.", "error 1:13 '>' expected"},
        Case{"begin x := 'abc end.", "error 1:12 Expression expected"},
        Case{"begin x := 'a\r\nb' end.", "error 1:12 Expression expected"},
        Case{"begin { never closed x := 1 end.", "error 1:33 ';' expected"},
        Case{"begin\r\n  x :=\r\nend.", "error 3:1 Expression expected"},
        Case{"begin end. x := 1;", "error 1:12 Unexpected text after the end of the program"},
        // 1.e3 reads as 1, a period and e3.
        Case{"begin x := 1.e3 end.", "error 1:13 ';' expected"}));

// pos is where an element starts; an expr's pos1 is just behind its last
// character, so the text between them is the expression as written.
TEST(PascalPositionsTest, ExpressionSourceTextLiesBetweenPosAndPos1) {
    const std::string source = "begin\r\n  x := IIF(<a> = 0,\r\n    'x', b + 1) { done }\r\nend.";
    ParseResult r = ParseScript(source);
    ASSERT_TRUE(r.Ok()) << r.error.message;
    const TfrxXMLItem& assign = r.tree->RootItem().ChildAt(0).ChildAt(0);
    EXPECT_EQ(assign.GetAttr("pos"), "2:3");
    const TfrxXMLItem& call = assign.ChildAt(1).ChildAt(0);  // expr > dsgn
    ASSERT_EQ(TreeText(call.ChildAt(0)), "node:IIF");

    std::vector<std::string> lines = {"begin", "  x := IIF(<a> = 0,", "    'x', b + 1) { done }", "end."};
    auto textOf = [&](const TfrxXMLItem& expr) {
        auto split = [](const std::string& pos) {
            return std::pair<int, int>{std::stoi(pos), std::stoi(pos.substr(pos.find(':') + 1))};
        };
        auto [l0, c0] = split(expr.GetAttr("pos"));
        auto [l1, c1] = split(expr.GetAttr("pos1"));
        if (l0 != l1) return std::string("(spans lines)");
        return lines[static_cast<std::size_t>(l0 - 1)].substr(static_cast<std::size_t>(c0 - 1),
                                                              static_cast<std::size_t>(c1 - c0));
    };
    EXPECT_EQ(textOf(assign.ChildAt(1)), "(spans lines)");
    EXPECT_EQ(assign.ChildAt(1).GetAttr("pos"), "2:8");
    EXPECT_EQ(assign.ChildAt(1).GetAttr("pos1"), "3:16");
    EXPECT_EQ(textOf(call.ChildAt(1)), "<a> = 0");
    EXPECT_EQ(textOf(call.ChildAt(2)), "'x'");
    EXPECT_EQ(textOf(call.ChildAt(3)), "b + 1");
    // The angle-bracket form: the string's place is the text inside the brackets.
    const TfrxXMLItem& get = call.ChildAt(1).ChildAt(0);
    EXPECT_EQ(TreeText(get), "dsgn(node:Get expr(string:'a'))");
    EXPECT_EQ(textOf(get.ChildAt(1)), "a");
}

TEST(PascalPositionsTest, EveryElementHasAPlaceAndTheTypesCloseTheTree) {
    ParseResult r = ParseScript("var a: Integer;\nbegin\n  a := 1\nend.");
    ASSERT_TRUE(r.Ok());
    const TfrxXMLItem& root = r.tree->RootItem();
    EXPECT_EQ(root.TagName(), "program");
    EXPECT_EQ(root.GetAttr("pos"), "1:1");
    EXPECT_EQ(root.ChildAt(root.ChildCount() - 1).TagName(), "types");
    const TfrxXMLItem& var = root.ChildAt(0);
    EXPECT_EQ(var.GetAttr("pos"), "1:5");
    EXPECT_EQ(var.ChildAt(1).GetAttr("pos"), "1:8");  // type:Integer
    EXPECT_EQ(root.ChildAt(1).GetAttr("pos"), "2:1");
    EXPECT_EQ(root.ChildAt(1).ChildAt(0).GetAttr("pos"), "3:3");
}

} // namespace
} // namespace orv::test
