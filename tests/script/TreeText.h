// A compact, position-free printed form of syntax trees and operator trees
// for test tables: leaves as name:text, other elements as name(children).
#pragma once

#include "model/XmlDocument.h"
#include "script/OperatorTree.h"
#include "script/ScriptLanguages.h"

#include <string>

namespace orv::test {

inline std::string TreeText(const TfrxXMLItem& item) {
    std::string text = item.TagName();
    if (item.HasAttr("text")) text += ":" + item.GetAttr("text");
    if (item.ChildCount() == 0) return text;
    text += "(";
    for (int i = 0; i < item.ChildCount(); ++i) {
        if (i > 0) text += " ";
        text += TreeText(item.ChildAt(i));
    }
    return text + ")";
}

// The program's children without the trailing copy of the grammar's types.
inline std::string ProgramText(const TfrxXMLDocument& tree) {
    const TfrxXMLItem& root = tree.RootItem();
    std::string text;
    for (int i = 0; i + 1 < root.ChildCount(); ++i) text += (i > 0 ? " " : "") + TreeText(root.ChildAt(i));
    return text;
}

// The syntax tree of a source, or "error LINE:COLUMN message".
inline std::string ParseText(std::string_view source, std::string_view language = "PascalScript",
                             std::string_view rule = "program") {
    ParseResult r = ParseScript(source, language, rule);
    if (!r.Ok()) return "error " + FormatPos(r.error.pos) + " " + r.error.message;
    return ProgramText(*r.tree);
}

// An expression grouped by priority, fully parenthesised: (1 + (2 * 3)).
inline std::string GroupedText(const OperatorTree& tree, const OperatorTree::Node& node) {
    if (node.operand) {
        const TfrxXMLItem& e = *node.operand;
        if (e.TagName() == "expr") {
            OperatorTree inner(e);
            return GroupedText(inner, inner.Root());
        }
        if (e.TagName() == "dsgn" && e.ChildCount() == 1) return e.ChildAt(0).GetAttr("text");
        if (e.TagName() == "set") {
            std::string items;
            for (int i = 0; i < e.ChildCount(); ++i) {
                const TfrxXMLItem& part = e.ChildAt(i);
                if (part.TagName() == "range") {
                    items += "..";
                    continue;
                }
                OperatorTree inner(part);
                items += (items.empty() || items.back() == '.' ? "" : ", ") + GroupedText(inner, inner.Root());
            }
            return "[" + items + "]";
        }
        return e.HasAttr("text") ? e.GetAttr("text") : TreeText(e);
    }
    std::string right = GroupedText(tree, tree.At(node.right));
    if (node.left < 0) return "(" + node.op + " " + right + ")";
    return "(" + GroupedText(tree, tree.At(node.left)) + " " + node.op + " " + right + ")";
}

} // namespace orv::test
