// The operands and operators of an `expr` element grouped by operator
// priority. The parser writes an expression's operators in source order;
// this gives the tree they stand for: priority 1 (not, unary minus) binds
// tightest, 4 (comparisons, in, is) loosest, and operators of equal priority
// group from the left. Parenthesised parts are operands (nested `expr`).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TfrxXMLItem;

// 1 to 4, or 0 when the text is no operator of the syntax tree.
int OperatorPriority(std::string_view op);
// `not` and `unminus` take one operand, the one after them.
bool IsUnaryOperator(std::string_view op);

class OperatorTree {
public:
    struct Node {
        const TfrxXMLItem* operand = nullptr;  // set on a leaf: the operand element
        std::string op;                        // set on an operator: its text in the tree
        int left = -1;                         // index of the left operand; -1 for a unary operator
        int right = -1;                        // index of the (only) right operand
    };

    // Raises orv::Exception when the element's children are no well-formed
    // sequence of operands and operators.
    explicit OperatorTree(const TfrxXMLItem& expr);

    // Nodes live in one vector: a long chain of operators costs no recursion
    // to build or to destroy.
    const Node& Root() const { return FNodes[static_cast<std::size_t>(FRoot)]; }
    const Node& At(int index) const { return FNodes[static_cast<std::size_t>(index)]; }

private:
    std::vector<Node> FNodes;
    int FRoot = -1;
};

} // namespace orv
