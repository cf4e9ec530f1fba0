#include "script/OperatorTree.h"

#include "model/XmlItem.h"
#include "platform/Exception.h"
#include "platform/Text.h"
#include "platform/StringFormat.h"
#include "script/ScriptMessages.h"

namespace orv {
namespace {

struct OperatorInfo {
    const char* text;
    int priority;
};

constexpr OperatorInfo kOperators[] = {
    {"not", 1}, {"unminus", 1},
    {"*", 2}, {"/", 2}, {"div", 2}, {"mod", 2}, {"and", 2}, {"shl", 2}, {"shr", 2},
    {"+", 3}, {"-", 3}, {"or", 3}, {"xor", 3}, {"strcat", 3},
    {"=", 4}, {"<>", 4}, {"<", 4}, {"<=", 4}, {">", 4}, {">=", 4}, {"in", 4}, {"is", 4},
};

constexpr const char* kOpElement = "op";

[[noreturn]] void FailMalformed(const TfrxXMLItem& expr) {
    throw Exception(Format(scriptmsg::MalformedExpression, {expr.GetAttr("pos")}));
}

} // namespace

int OperatorPriority(std::string_view op) {
    for (const OperatorInfo& o : kOperators)
        if (SameText(op, o.text)) return o.priority;
    return 0;
}

bool IsUnaryOperator(std::string_view op) { return SameText(op, "not") || SameText(op, "unminus"); }

OperatorTree::OperatorTree(const TfrxXMLItem& expr) {
    struct Pending {
        std::string op;
        int priority;
    };
    std::vector<Pending> operators;
    std::vector<int> operands;
    bool expectOperand = true;
    auto reduce = [&] {
        Pending p = std::move(operators.back());
        operators.pop_back();
        Node node;
        node.op = std::move(p.op);
        const bool unary = IsUnaryOperator(node.op);
        if (operands.size() < (unary ? 1u : 2u)) FailMalformed(expr);
        node.right = operands.back();
        operands.pop_back();
        if (!unary) {
            node.left = operands.back();
            operands.pop_back();
        }
        FNodes.push_back(std::move(node));
        operands.push_back(static_cast<int>(FNodes.size() - 1));
    };

    for (int i = 0; i < expr.ChildCount(); ++i) {
        const TfrxXMLItem& child = expr.ChildAt(i);
        if (!SameText(child.TagName(), kOpElement)) {
            if (!expectOperand) FailMalformed(expr);
            FNodes.push_back(Node{&child, {}, -1, -1});
            operands.push_back(static_cast<int>(FNodes.size() - 1));
            expectOperand = false;
            continue;
        }
        std::string op = child.GetAttr("text");
        const int priority = OperatorPriority(op);
        if (priority == 0 || IsUnaryOperator(op) != expectOperand) FailMalformed(expr);
        if (!IsUnaryOperator(op)) {
            while (!operators.empty() && operators.back().priority <= priority) reduce();
            expectOperand = true;
        }
        operators.push_back({std::move(op), priority});
    }
    if (expectOperand) FailMalformed(expr);
    while (!operators.empty()) reduce();
    FRoot = operands.back();
}

} // namespace orv
