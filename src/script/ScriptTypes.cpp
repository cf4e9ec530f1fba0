#include "script/ScriptTypes.h"

#include "model/PropertyRegistry.h"
#include "platform/Exception.h"
#include "platform/NumberFormat.h"
#include "platform/StringFormat.h"
#include "platform/Text.h"
#include "script/EvalMessages.h"

#include <cctype>

namespace orv {

namespace {

struct TypeName {
    const char* name;
    ScriptType type;
};

constexpr TypeName kTypeNames[] = {
    {"Byte", ScriptType::Integer},       {"Word", ScriptType::Integer},      {"Integer", ScriptType::Integer},
    {"Longint", ScriptType::Integer},    {"Cardinal", ScriptType::Integer},  {"Int64", ScriptType::Integer},
    {"TColor", ScriptType::Integer},     {"TAlphaColor", ScriptType::Integer}, {"Boolean", ScriptType::Boolean},
    {"Real", ScriptType::Float},         {"Single", ScriptType::Float},      {"Double", ScriptType::Float},
    {"Extended", ScriptType::Float},     {"Currency", ScriptType::Float},    {"TDate", ScriptType::Float},
    {"TTime", ScriptType::Float},        {"TDateTime", ScriptType::Float},   {"Char", ScriptType::Char},
    {"String", ScriptType::String},      {"WideString", ScriptType::String}, {"Variant", ScriptType::Variant},
    {"Pointer", ScriptType::Variant},    {"Array", ScriptType::Array},
};

// Splits a declaration into words and single punctuation characters.
class DeclReader {
public:
    explicit DeclReader(std::string_view text) : FText(text) {}

    std::string Next()
    {
        while (FPos < FText.size() && static_cast<unsigned char>(FText[FPos]) <= ' ')
            ++FPos;
        if (FPos >= FText.size())
            return {};
        const std::size_t start = FPos;
        if (IsWordChar(FText[FPos]))
            while (FPos < FText.size() && IsWordChar(FText[FPos]))
                ++FPos;
        else
            ++FPos;
        return std::string(FText.substr(start, FPos - start));
    }
    std::string Peek()
    {
        const std::size_t keep = FPos;
        std::string t = Next();
        FPos = keep;
        return t;
    }
    void Expect(std::string_view token)
    {
        if (!SameText(Next(), token))
            Fail();
    }
    [[noreturn]] void Fail() const { throw Exception("Invalid routine declaration: " + std::string(FText)); }

private:
    static bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-'; }

    std::string_view FText;
    std::size_t FPos = 0;
};

void ReadParams(DeclReader& r, RoutineDecl& decl)
{
    if (r.Peek() != "(")
        return;
    r.Next();
    while (r.Peek() != ")") {
        std::string word = r.Next();
        const bool byRef = SameText(word, "var");
        if (byRef || SameText(word, "const"))
            word = r.Next();
        std::vector<std::string> names{word};
        while (r.Peek() == ",") {
            r.Next();
            names.push_back(r.Next());
        }
        r.Expect(":");
        const ScriptType type = TypeOfName(r.Next());
        ParamDecl p{{}, type, byRef, false, {}};
        if (r.Peek() == "=") {
            r.Next();
            p.hasDefault = true;
            p.defaultValue = MakeInteger(StrToInt64(r.Next()));
        }
        for (std::string& n : names) {
            if (n.empty())
                r.Fail();
            p.name = std::move(n);
            decl.params.push_back(p);
        }
        if (r.Peek() == ";")
            r.Next();
        else if (r.Peek() != ")")
            r.Fail();
    }
    r.Next();
}

} // namespace

ScriptType TypeOfName(std::string_view name)
{
    for (const TypeName& t : kTypeNames)
        if (SameText(name, t.name))
            return t.type;
    if (FindClass(name))
        return ScriptType::Object;
    throw Exception(Format(evalmsg::UnknownType, {std::string(name)}));
}

bool IsNumericType(ScriptType t) { return t == ScriptType::Integer || t == ScriptType::Float; }
bool IsTextType(ScriptType t) { return t == ScriptType::Char || t == ScriptType::String; }

ScriptType TypeOfValue(const Value& v)
{
    switch (v.Kind()) {
    case ValueKind::Boolean:
        return ScriptType::Boolean;
    case ValueKind::Int8:
    case ValueKind::Int16:
    case ValueKind::Int32:
    case ValueKind::Int64:
        return ScriptType::Integer;
    case ValueKind::Double:
    case ValueKind::Currency:
    case ValueKind::DateTime:
        return ScriptType::Float;
    case ValueKind::String:
    case ValueKind::WideString:
        return ScriptType::String;
    case ValueKind::Object:
        return ScriptType::Object;
    case ValueKind::Array:
        return ScriptType::Array;
    default:
        return ScriptType::Variant;
    }
}

std::size_t RoutineDecl::MinArgs() const
{
    std::size_t n = 0;
    while (n < params.size() && !params[n].hasDefault)
        ++n;
    return n;
}

RoutineDecl ParseDeclaration(std::string_view text)
{
    DeclReader r(text);
    RoutineDecl decl;
    const std::string kind = r.Next();
    decl.macro = SameText(kind, "macrofunction");
    const bool function = decl.macro || SameText(kind, "function");
    if (!function && !SameText(kind, "procedure"))
        r.Fail();
    decl.name = r.Next();
    if (decl.name.empty())
        r.Fail();
    ReadParams(r, decl);
    if (function) {
        r.Expect(":");
        decl.result = TypeOfName(r.Next());
    }
    if (r.Peek() == ";")
        r.Next();
    if (!r.Next().empty())
        r.Fail();
    return decl;
}

} // namespace orv
