#include "script/ExpressionCache.h"

#include "model/XmlDocument.h"
#include "model/XmlItem.h"
#include "platform/StringFormat.h"
#include "platform/Text.h"
#include "script/EvalMessages.h"
#include "script/ScriptLanguages.h"

namespace orv {

namespace {

struct Wrapping {
    const char* language;
    const char* head;  // followed by N
    const char* middle; // followed by the text
    const char* tail;
};

constexpr Wrapping kWrappings[] = {
    {"PascalScript", "function fr3f", ": Variant; begin Result := ", " end; begin end."},
    {"C++Script", "Variant fr3f", "() { return ", "; } {}"},
    {"BasicScript", "function fr3f", "\r\nreturn ", "\r\nend function"},
    {"JScript", "function fr3f", "() { return ", "; }"},
};

bool IsTag(const TfrxXMLItem& item, std::string_view tag) { return SameText(item.TagName(), tag); }

// The expression the wrapper returns: the one statement of the function's
// body, `Result := expr` or `return expr`; null when the text made anything
// else of the wrapper.
const TfrxXMLItem* ReturnedExpression(const TfrxXMLItem& program)
{
    const TfrxXMLItem* function = nullptr;
    for (int i = 0; i < program.ChildCount(); ++i) {
        const TfrxXMLItem& c = program.ChildAt(i);
        if (IsTag(c, "function") && !function)
            function = &c;
        else if (!IsTag(c, "types") && !(IsTag(c, "compoundstmt") && c.ChildCount() == 0))
            return nullptr;
    }
    if (!function)
        return nullptr;
    const TfrxXMLItem* body = function;
    std::vector<const TfrxXMLItem*> statements;
    for (int i = 0; i < function->ChildCount(); ++i)
        if (IsTag(function->ChildAt(i), "compoundstmt"))
            body = &function->ChildAt(i);
    for (int i = 0; i < body->ChildCount(); ++i) {
        const TfrxXMLItem& c = body->ChildAt(i);
        if (!IsTag(c, "name") && !IsTag(c, "type") && !IsTag(c, "parameters") && !IsTag(c, "compoundstmt"))
            statements.push_back(&c);
    }
    if (statements.size() != 1)
        return nullptr;
    const TfrxXMLItem& s = *statements[0];
    if (IsTag(s, "exit") && s.ChildCount() == 1 && IsTag(s.ChildAt(0), "expr"))
        return &s.ChildAt(0);
    if (IsTag(s, "assignstmt") && s.ChildCount() == 2 && s.ChildAt(0).ChildCount() == 1 &&
        SameText(s.ChildAt(0).ChildAt(0).GetAttr("text"), "Result") && IsTag(s.ChildAt(1), "expr"))
        return &s.ChildAt(1);
    return nullptr;
}

} // namespace

TfrxExpressionCache::TfrxExpressionCache(const ScriptScope* parent) : FScope(parent) {}

void TfrxExpressionCache::Clear()
{
    FItems.clear();
    FScope.Clear();
}

std::string TfrxExpressionCache::Wrap(std::string_view language, std::size_t n, std::string_view text)
{
    for (const Wrapping& w : kWrappings)
        if (SameText(language, w.language))
            return w.head + std::to_string(n) + w.middle + std::string(text) + w.tail;
    // A language without a wrapper of its own is parsed as PascalScript would be.
    const Wrapping& w = kWrappings[0];
    return w.head + std::to_string(n) + w.middle + std::string(text) + w.tail;
}

std::shared_ptr<const CompiledExpression> TfrxExpressionCache::Compile(std::string_view text, std::string& error)
{
    ++FCompilations;
    const std::string source = Wrap(FLanguage, FItems.size(), text);
    std::string message;
    try {
        ParseResult parsed = ParseScript(source, FLanguage);
        if (parsed.Ok()) {
            const TfrxXMLItem* expr = ReturnedExpression(parsed.tree->RootItem());
            if (!expr)
                message = evalmsg::NotAnExpression;
            else
                return CompileExpression(*expr, source, FScope, !parsed.grammar->Settings().declareVars);
        } else {
            message = parsed.error.message;
        }
    } catch (const ECalcError&) {
        throw;
    } catch (const std::exception& e) {
        message = e.what();
    }
    error = Format(evalmsg::ExpressionError, {std::string(text), message});
    return nullptr;
}

Value TfrxExpressionCache::Evaluate(std::string_view text, std::string& error)
{
    error.clear();
    const std::string key(text);
    auto it = FItems.find(key);
    if (it == FItems.end()) {
        auto compiled = Compile(text, error);
        if (!compiled)
            return Value::Null();
        it = FItems.emplace(key, std::move(compiled)).first;
    }
    // Held here: a nested evaluation may clear the cache while this one runs.
    const std::shared_ptr<const CompiledExpression> run = it->second;
    try {
        return run->Run();
    } catch (const ECalcError&) {
        throw;
    } catch (const std::exception& e) {
        error = e.what();
    }
    return Value::Null();
}

} // namespace orv
