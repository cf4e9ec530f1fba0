// Operators group by priority: 1 (not, unary minus) tightest, 4 (comparisons)
// loosest, equal priorities from the left, parentheses as written.
#include "TreeText.h"

#include "platform/Exception.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

struct GroupCase {
    const char* language;
    const char* expression;
    const char* grouped;
};

void PrintTo(const GroupCase& c, std::ostream* os) { *os << c.language << ": " << c.expression; }

class OperatorTreeTest : public testing::TestWithParam<GroupCase> {};

TEST_P(OperatorTreeTest, GroupsByPriority) {
    const GroupCase& c = GetParam();
    ParseResult r = ParseScript(c.expression, c.language, "expression");
    ASSERT_TRUE(r.Ok()) << r.error.message;
    const TfrxXMLItem& expr = r.tree->RootItem().ChildAt(0);
    OperatorTree tree(expr);
    EXPECT_EQ(GroupedText(tree, tree.Root()), c.grouped);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OperatorTreeTest,
    testing::Values(GroupCase{"PascalScript", "1 + 2 * 3", "(1 + (2 * 3))"},
                    GroupCase{"PascalScript", "not a = b", "((not a) = b)"},
                    GroupCase{"PascalScript", "-2 * 3", "((unminus 2) * 3)"},
                    GroupCase{"PascalScript", "a - b - c", "((a - b) - c)"},
                    GroupCase{"PascalScript", "(1 + 2) * 3", "((1 + 2) * 3)"},
                    GroupCase{"PascalScript", "a or b and c", "(a or (b and c))"},
                    GroupCase{"PascalScript", "a < b + c * d", "(a < (b + (c * d)))"},
                    GroupCase{"PascalScript", "a = b <> c", "((a = b) <> c)"},
                    GroupCase{"PascalScript", "not not a", "(not (not a))"},
                    GroupCase{"PascalScript", "x in [1, 2] or y", "(x in ([1, 2] or y))"},
                    GroupCase{"PascalScript", "7 div 2 mod 3 / 4", "(((7 div 2) mod 3) / 4)"},
                    GroupCase{"C++Script", "a && b || !c", "((a and b) or (not c))"},
                    GroupCase{"C++Script", "a % b << 1 == c != d", "((((a mod b) shl 1) = c) <> d)"},
                    GroupCase{"BasicScript", "a & b = c \\ d", "((a strcat b) = (c div d))"}));

TEST(OperatorTreeTest, PrioritiesOfEveryOperatorOfTheTree) {
    const struct {
        const char* op;
        int priority;
    } cases[] = {{"not", 1}, {"UNMINUS", 1}, {"shr", 2}, {"and", 2}, {"strcat", 3}, {"XOR", 3},
                 {"is", 4},  {"<>", 4},      {"new", 0}, {"", 0}};
    for (const auto& c : cases) EXPECT_EQ(OperatorPriority(c.op), c.priority) << c.op;
}

TEST(OperatorTreeTest, AMalformedSequenceNamesItsPlace) {
    TfrxXMLItem expr("expr");
    expr.SetAttr("pos", "3:7");
    expr.NewChild("number").SetAttr("text", "1");
    expr.NewChild("op").SetAttr("text", "+");
    try {
        OperatorTree tree(expr);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Malformed expression at 3:7");
    }
    expr.NewChild("number").SetAttr("text", "2");
    expr.NewChild("number").SetAttr("text", "3");
    EXPECT_THROW(OperatorTree{expr}, Exception);
}

// A chain of many operators builds and frees without recursion.
TEST(OperatorTreeTest, LongChainsCostNoRecursion) {
    std::string text = "1";
    for (int i = 0; i < 100000; ++i) text += "+1";
    ParseResult r = ParseScript(text, "PascalScript", "expression");
    ASSERT_TRUE(r.Ok()) << r.error.message;
    OperatorTree tree(r.tree->RootItem().ChildAt(0));
    EXPECT_EQ(tree.Root().op, "+");
}

} // namespace
} // namespace orv::test
