#include "script/Evaluator.h"

#include "model/PropertyRegistry.h"
#include "model/Report.h"
#include "model/XmlItem.h"
#include "platform/Exception.h"
#include "platform/NumberFormat.h"
#include "platform/StringFormat.h"
#include "platform/Text.h"
#include "script/EvalMessages.h"
#include "script/OperatorTree.h"
#include "script/ScriptMessages.h"

#include <charconv>

namespace orv {

namespace {

struct StaticType {
    ScriptType type = ScriptType::Variant;
    const TClassInfo* cls = nullptr;  // an object's class, when known
};

struct BinaryInfo {
    const char* text;
    bool comparison;
    VarOp op;  // when not a comparison
    int compare; // when a comparison: index into the comparison table
};

// Comparisons in the order the runner tests them.
enum Comparison { cmpEq, cmpNe, cmpLt, cmpLe, cmpGt, cmpGe };

constexpr BinaryInfo kBinary[] = {
    {"=", true, VarOp::Add, cmpEq},         {"<>", true, VarOp::Add, cmpNe},
    {"<", true, VarOp::Add, cmpLt},         {"<=", true, VarOp::Add, cmpLe},
    {">", true, VarOp::Add, cmpGt},         {">=", true, VarOp::Add, cmpGe},
    {"+", false, VarOp::Add, 0},            {"-", false, VarOp::Sub, 0},
    {"*", false, VarOp::Mul, 0},            {"/", false, VarOp::DivFloat, 0},
    {"div", false, VarOp::DivInt, 0},       {"mod", false, VarOp::Mod, 0},
    {"and", false, VarOp::And, 0},          {"or", false, VarOp::Or, 0},
    {"xor", false, VarOp::Xor, 0},          {"shl", false, VarOp::Shl, 0},
    {"shr", false, VarOp::Shr, 0},          {"strcat", false, VarOp::StrCat, 0},
};

const BinaryInfo* FindBinary(std::string_view op)
{
    for (const BinaryInfo& b : kBinary)
        if (SameText(op, b.text))
            return &b;
    return nullptr;
}

[[noreturn]] void Incompatible() { throw Exception(evalmsg::IncompatibleTypes); }

// An argument converts to its parameter at run time unless one of them is
// an object or an array and the other is not.
bool ArgumentFits(ScriptType param, ScriptType arg)
{
    if (arg == ScriptType::None)
        return false;
    if (param == ScriptType::Variant || arg == ScriptType::Variant)
        return true;
    const auto structured = [](ScriptType t) { return t == ScriptType::Object || t == ScriptType::Array; };
    return structured(param) || structured(arg) ? param == arg : true;
}

bool Compatible(ScriptType a, ScriptType b)
{
    if (a == ScriptType::None || b == ScriptType::None)
        return false;
    if (a == ScriptType::Variant || b == ScriptType::Variant)
        return true;
    if (IsNumericType(a) && IsNumericType(b))
        return true;
    if (IsTextType(a) && IsTextType(b))
        return true;
    return a == b;
}

// What a left operand of each type allows.
bool LeftAllows(ScriptType left, const BinaryInfo& b)
{
    const std::string_view op = b.text;
    switch (left) {
    case ScriptType::Boolean:
        return op == "=" || op == "<>" || op == "and" || op == "or" || op == "xor";
    case ScriptType::Char:
    case ScriptType::String:
        return b.comparison || op == "+" || op == "strcat";
    case ScriptType::Object:
    case ScriptType::Array:
        return op == "=" || op == "<>";
    case ScriptType::None:
        return false;
    default:
        return true;
    }
}

StaticType BinaryResult(const BinaryInfo& b, StaticType l, StaticType r)
{
    if (!LeftAllows(l.type, b) || r.type == ScriptType::None)
        Incompatible();
    const bool textJoin = b.op == VarOp::StrCat && !b.comparison && IsTextType(l.type);
    if (!textJoin && !Compatible(l.type, r.type))
        Incompatible();
    const bool integral = !b.comparison && (b.op == VarOp::DivInt || b.op == VarOp::Mod || b.op == VarOp::Shl ||
                                            b.op == VarOp::Shr || b.op == VarOp::And || b.op == VarOp::Or ||
                                            b.op == VarOp::Xor);
    if (integral && (l.type == ScriptType::Float || r.type == ScriptType::Float))
        Incompatible();
    if (b.comparison)
        return {ScriptType::Boolean};
    if (textJoin)
        return {ScriptType::String};
    if (l.type == ScriptType::Variant)
        return {ScriptType::Variant};
    if ((b.op == VarOp::DivFloat && IsNumericType(l.type)) || (l.type == ScriptType::Integer && r.type == ScriptType::Float))
        return {ScriptType::Float};
    return l;
}

StaticType PropType(const TPropInfo& p)
{
    switch (p.Kind()) {
    case TPropKind::Boolean:
        return {ScriptType::Boolean};
    case TPropKind::Integer:
    case TPropKind::Enumeration:
    case TPropKind::Set:
    case TPropKind::Color:
        return {ScriptType::Integer};
    case TPropKind::Float:
    case TPropKind::Extended:
        return {ScriptType::Float};
    case TPropKind::String:
    case TPropKind::WideString:
    case TPropKind::StringList:
    case TPropKind::WideStrings:
        return {ScriptType::String};
    case TPropKind::Object:
    case TPropKind::Reference:
        return {ScriptType::Object, p.ValueClass()};
    default:
        return {ScriptType::Variant};
    }
}

// Line and column of a syntax tree place, as an offset into the source.
class SourceOffsets {
public:
    explicit SourceOffsets(std::string_view source) : FSource(source)
    {
        FLineStarts.push_back(0);
        for (std::size_t i = 0; i < source.size(); ++i)
            if (source[i] == '\n')
                FLineStarts.push_back(i + 1);
    }
    // The text from the element's pos up to its pos1.
    std::string Slice(const TfrxXMLItem& expr) const
    {
        const std::size_t from = Offset(expr.GetAttr("pos")), to = Offset(expr.GetAttr("pos1"));
        return to > from ? std::string(FSource.substr(from, to - from)) : std::string();
    }

private:
    std::size_t Offset(const std::string& pos) const
    {
        const std::size_t colon = pos.find(':');
        int line = 0, column = 0;
        std::from_chars(pos.data(), pos.data() + colon, line);
        std::from_chars(pos.data() + colon + 1, pos.data() + pos.size(), column);
        if (line < 1 || static_cast<std::size_t>(line) > FLineStarts.size() || column < 1)
            return FSource.size();
        return std::min(FSource.size(), FLineStarts[static_cast<std::size_t>(line - 1)] + static_cast<std::size_t>(column - 1));
    }

    std::string_view FSource;
    std::vector<std::size_t> FLineStarts;
};

Value NumberLiteral(const std::string& text)
{
    if (!text.empty() && text[0] == '$')
        return MakeInteger(StrToInt64(text));
    if (text.find_first_of(".eE") == std::string::npos) {
        std::int64_t i = 0;
        const auto r = std::from_chars(text.data(), text.data() + text.size(), i);
        if (r.ec == std::errc() && r.ptr == text.data() + text.size())
            return MakeInteger(i);
    }
    double d = 0;
    std::from_chars(text.data(), text.data() + text.size(), d);
    return Value(d);
}

// The token text of a string element is its content between single quotes.
std::string StringLiteral(const std::string& text)
{
    return text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string();
}

bool IsTag(const TfrxXMLItem& item, std::string_view tag) { return SameText(item.TagName(), tag); }

} // namespace

class ExpressionCompiler {
public:
    ExpressionCompiler(CompiledExpression& out, std::string_view source, ScriptScope& scope, bool declareVars)
        : FOut(out), FSource(source), FScope(scope), FDeclareVars(declareVars)
    {
    }

    void Compile(const TfrxXMLItem& expr)
    {
        const StaticType t = CompileExpr(expr);
        if (t.type == ScriptType::None)
            Incompatible();
        FOut.FType = t.type;
    }

private:
    using Op = CompiledExpression::Op;

    std::size_t Emit(Op op, int a = 0, int b = 0, int stackChange = 1)
    {
        FOut.FCode.push_back({op, a, b});
        FDepth += stackChange;
        FOut.FMaxStack = std::max(FOut.FMaxStack, static_cast<std::size_t>(std::max(FDepth, 0)));
        return FOut.FCode.size() - 1;
    }
    template <class T>
    static int Add(std::vector<T>& pool, T item)
    {
        pool.push_back(std::move(item));
        return static_cast<int>(pool.size() - 1);
    }

    // Operators in a loop over the grouped tree: a long chain costs no recursion.
    StaticType CompileExpr(const TfrxXMLItem& expr)
    {
        const OperatorTree tree(expr);
        struct Frame {
            int node;
            int state = 0;
            std::size_t jump = 0;
            bool hasJump = false;
        };
        std::vector<Frame> frames{{-1}};
        frames.back().node = RootIndex(tree);
        std::vector<StaticType> results;
        while (!frames.empty()) {
            Frame& f = frames.back();
            const OperatorTree::Node& n = tree.At(f.node);
            if (n.operand) {
                results.push_back(CompileOperand(*n.operand));
                frames.pop_back();
                continue;
            }
            if (IsUnaryOperator(n.op)) {
                if (f.state++ == 0) {
                    frames.push_back({n.right});
                    continue;
                }
                results.back() = Unary(n.op, results.back());
                frames.pop_back();
                continue;
            }
            if (SameText(n.op, "is")) {
                if (f.state++ == 0) {
                    frames.push_back({n.left});
                    continue;
                }
                results.back() = IsClass(results.back(), tree.At(n.right));
                frames.pop_back();
                continue;
            }
            if (f.state == 0) {
                f.state = 1;
                frames.push_back({n.left});
                continue;
            }
            const BinaryInfo* b = FindBinary(n.op);
            if (!b && !SameText(n.op, "in"))
                throw Exception(Format(scriptmsg::MalformedExpression, {expr.GetAttr("pos")}));
            if (f.state == 1) {
                f.state = 2;
                const bool shortCircuit = b && results.back().type == ScriptType::Boolean &&
                                          (b->op == VarOp::And || b->op == VarOp::Or) && !b->comparison;
                if (shortCircuit) {
                    f.jump = Emit(b->op == VarOp::And ? Op::JumpIfFalse : Op::JumpIfTrue, 0, 0, 0);
                    f.hasJump = true;
                }
                const int right = n.right;
                frames.push_back({right});
                continue;
            }
            const StaticType r = results.back();
            results.pop_back();
            const StaticType l = results.back();
            results.back() = b ? Binary(*b, l, r) : In(l, r);
            if (f.hasJump) {
                // Short-circuit only when both sides are Boolean; otherwise both always run.
                if (r.type == ScriptType::Boolean)
                    FOut.FCode[f.jump].a = static_cast<int>(FOut.FCode.size());
                else
                    FOut.FCode[f.jump].op = Op::JumpIfFalse, FOut.FCode[f.jump].a = -1;
            }
            frames.pop_back();
        }
        return results.back();
    }

    static int RootIndex(const OperatorTree& tree)
    {
        // The root is the last node built; find its index by address.
        const OperatorTree::Node* root = &tree.Root();
        for (int i = 0;; ++i)
            if (&tree.At(i) == root)
                return i;
    }

    StaticType Unary(const std::string& op, StaticType t)
    {
        const bool isNot = SameText(op, "not");
        const bool ok = t.type == ScriptType::Variant || t.type == ScriptType::Integer ||
                        (isNot ? t.type == ScriptType::Boolean : t.type == ScriptType::Float);
        if (!ok)
            Incompatible();
        Emit(isNot ? Op::Not : Op::Negate, 0, 0, 0);
        return t;
    }

    StaticType Binary(const BinaryInfo& b, StaticType l, StaticType r)
    {
        const StaticType result = BinaryResult(b, l, r);
        if (b.comparison)
            Emit(Op::Compare, b.compare, 0, -1);
        else
            Emit(Op::Binary, static_cast<int>(b.op), 0, -1);
        return result;
    }

    StaticType In(StaticType l, StaticType r)
    {
        const bool leftOk = l.type != ScriptType::Object && l.type != ScriptType::Array && l.type != ScriptType::None;
        if (!leftOk || (r.type != ScriptType::Array && r.type != ScriptType::Variant))
            Incompatible();
        Emit(Op::In, 0, 0, -1);
        return {ScriptType::Boolean};
    }

    StaticType IsClass(StaticType l, const OperatorTree::Node& right)
    {
        if (l.type != ScriptType::Object && l.type != ScriptType::Variant)
            Incompatible();
        const TfrxXMLItem* d = right.operand;
        Symbol s;
        if (!d || !IsTag(*d, "dsgn") || d->ChildCount() != 1 || !FScope.Find(d->ChildAt(0).GetAttr("text"), s) ||
            s.kind != Symbol::Kind::Class)
            Incompatible();
        Emit(Op::IsClass, Add(FOut.FClasses, s.cls), 0, 0);
        return {ScriptType::Boolean};
    }

    StaticType CompileOperand(const TfrxXMLItem& item)
    {
        const std::string& tag = item.TagName();
        if (IsTag(item, "number"))
            return Constant(NumberLiteral(item.GetAttr("text")));
        if (IsTag(item, "string"))
            return Constant(Value(StringLiteral(item.GetAttr("text"))));
        if (IsTag(item, "expr"))
            return CompileExpr(item);
        if (IsTag(item, "set"))
            return SetConstructor(item);
        if (IsTag(item, "dsgn"))
            return Designator(item);
        throw Exception(Format(scriptmsg::MalformedExpression, {item.GetAttr("pos") + " (" + tag + ")"}));
    }

    StaticType Constant(Value v)
    {
        const ScriptType t = TypeOfValue(v);
        Emit(Op::PushConst, Add(FOut.FConstants, std::move(v)));
        return {t};
    }

    // [a, b..c] becomes the array a, b, Null, c: a Null between two elements marks a range.
    StaticType SetConstructor(const TfrxXMLItem& set)
    {
        int count = 0;
        for (int i = 0; i < set.ChildCount(); ++i) {
            const TfrxXMLItem& c = set.ChildAt(i);
            if (IsTag(c, "range"))
                Constant(Value::Null());
            else if (CompileExpr(c).type == ScriptType::None)
                Incompatible();
            ++count;
        }
        Emit(Op::MakeArray, 0, count, 1 - count);
        return {ScriptType::Array};
    }

    // The expr children that follow child `i` of a designator.
    static std::vector<const TfrxXMLItem*> ArgsAfter(const TfrxXMLItem& d, int& i)
    {
        std::vector<const TfrxXMLItem*> args;
        while (i + 1 < d.ChildCount() && IsTag(d.ChildAt(i + 1), "expr"))
            args.push_back(&d.ChildAt(++i));
        return args;
    }

    StaticType Designator(const TfrxXMLItem& d)
    {
        if (d.ChildCount() == 0 || !IsTag(d.ChildAt(0), "node"))
            Incompatible();  // an address (@x) has no value in an expression
        int i = 0;
        const std::string name = d.ChildAt(0).GetAttr("text");
        std::vector<const TfrxXMLItem*> args = ArgsAfter(d, i);
        StaticType t = First(name, args);
        while (++i < d.ChildCount()) {
            const std::string member = d.ChildAt(i).GetAttr("text");
            args = ArgsAfter(d, i);
            t = Member(t, member, args);
        }
        return t;
    }

    Symbol Resolve(const std::string& name)
    {
        Symbol s;
        if (FScope.Find(name, s))
            return s;
        if (FDeclareVars) {
            FScope.AddVariable(name);
            FScope.FindOwn(name, s);
            return s;
        }
        throw Exception(Format(evalmsg::UndeclaredIdentifier, {name}));
    }

    StaticType First(const std::string& name, const std::vector<const TfrxXMLItem*>& args)
    {
        Symbol s = Resolve(name);
        StaticType t;
        switch (s.kind) {
        case Symbol::Kind::Function:
            return Call(*s.function, args);
        case Symbol::Kind::Constant:
            t = Constant(s.constant);
            break;
        case Symbol::Kind::Variable:
            Emit(Op::PushVar, Add(FOut.FVariables, s.variable));
            t = {s.type};
            break;
        case Symbol::Kind::Object: {
            CompiledExpression::ObjectRef ref{s.name, s.object, {}, s.component != nullptr};
            ref.component.Set(s.component);
            Emit(Op::PushObject, Add(FOut.FObjects, std::move(ref)));
            t = {ScriptType::Object, s.cls};
            break;
        }
        case Symbol::Kind::Class:
            // A type cast: the value itself, seen as an object of the class.
            if (args.size() != 1 || !Compatible(ScriptType::Object, CompileExpr(*args[0]).type))
                Incompatible();
            return {ScriptType::Object, s.cls};
        }
        return Indexed(t, args);
    }

    StaticType Indexed(StaticType t, const std::vector<const TfrxXMLItem*>& args)
    {
        if (args.empty())
            return t;
        if (t.type != ScriptType::Variant && t.type != ScriptType::Object && t.type != ScriptType::Array &&
            !IsTextType(t.type))
            Incompatible();
        for (const TfrxXMLItem* a : args)
            if (CompileExpr(*a).type == ScriptType::None)
                Incompatible();
        const int n = static_cast<int>(args.size());
        Emit(Op::Index, 0, n, -n);
        return {ScriptType::Variant};
    }

    void CheckArgCount(const RoutineDecl& decl, std::size_t given)
    {
        if (given < decl.MinArgs())
            throw Exception(evalmsg::NotEnoughParams);
        if (given > decl.MaxArgs())
            throw Exception(evalmsg::TooManyParams);
    }

    void CompileArgs(const RoutineDecl& decl, const std::vector<const TfrxXMLItem*>& args)
    {
        CheckArgCount(decl, args.size());
        for (std::size_t k = 0; k < decl.params.size(); ++k) {
            const ParamDecl& p = decl.params[k];
            if (k >= args.size()) {
                Constant(p.defaultValue);
                continue;
            }
            if (p.byRef && !IsPlainName(*args[k]))
                throw Exception(evalmsg::NotAssignable);
            if (!ArgumentFits(p.type, CompileExpr(*args[k]).type))
                Incompatible();
        }
    }

    static bool IsPlainName(const TfrxXMLItem& arg)
    {
        return arg.ChildCount() == 1 && IsTag(arg.ChildAt(0), "dsgn") && arg.ChildAt(0).ChildCount() == 1;
    }

    StaticType Call(const FunctionEntry& f, const std::vector<const TfrxXMLItem*>& args)
    {
        const int fn = Add(FOut.FFunctions, &f);
        if (f.decl.macro) {
            CheckArgCount(f.decl, args.size());
            std::vector<std::string> texts;
            for (const TfrxXMLItem* a : args)
                texts.push_back(FSource.Slice(*a));
            Emit(Op::CallMacro, fn, Add(FOut.FTexts, std::move(texts)));
        } else {
            CompileArgs(f.decl, args);
            const int n = static_cast<int>(f.decl.params.size());
            Emit(Op::Call, fn, n, 1 - n);
        }
        return {f.decl.result};
    }

    StaticType Member(StaticType t, const std::string& name, const std::vector<const TfrxXMLItem*>& args)
    {
        if (t.type == ScriptType::Object && t.cls) {
            if (const TPropInfo* p = t.cls->FindProperty(name)) {
                Emit(Op::GetProp, Add(FOut.FProps, p), 0, 0);
                return Indexed(PropType(*p), args);
            }
            if (const ScriptMethod* m = FindScriptMethod(*t.cls, name)) {
                CompileArgs(m->decl, args);
                const int n = static_cast<int>(m->decl.params.size());
                Emit(Op::CallMethod, Add(FOut.FMethods, m), n, -n);
                return {m->decl.result};
            }
            throw Exception(Format(evalmsg::UndeclaredIdentifier, {name}));
        }
        if (t.type != ScriptType::Object && t.type != ScriptType::Variant)
            Incompatible();
        Emit(Op::GetMember, Add(FOut.FNames, name), 0, 0);
        return Indexed({ScriptType::Variant}, args);
    }

    CompiledExpression& FOut;
    SourceOffsets FSource;
    ScriptScope& FScope;
    bool FDeclareVars;
    int FDepth = 0;
};

namespace {

bool CompareHolds(int comparison, const Value& a, const Value& b)
{
    if (comparison == cmpEq)
        return VarSame(a, b);
    if (comparison == cmpNe)
        return !VarSame(a, b);
    const VarCompareResult c = VarCompare(a, b);
    switch (comparison) {
    case cmpLt:
        return c == VarCompareResult::Less;
    case cmpLe:
        return c != VarCompareResult::Greater;
    case cmpGt:
        return c == VarCompareResult::Greater;
    default:
        return c != VarCompareResult::Less;
    }
}

// Membership in an array whose Null elements join their neighbours into a range.
bool InArray(const Value& v, const Value& set)
{
    if (set.IsNull() || set.IsEmpty())
        return false;
    if (set.Kind() != ValueKind::Array)
        throw Exception(evalmsg::InvalidVariantOp);
    const ValueArray& items = set.AsArray();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i + 2 < items.size() && items[i + 1].IsNull()) {
            if (VarCompare(v, items[i]) != VarCompareResult::Less && VarCompare(v, items[i + 2]) != VarCompareResult::Greater)
                return true;
            i += 2;
        } else if (VarSame(v, items[i])) {
            return true;
        }
    }
    return false;
}

TPersistent& PersistentOf(const Value& v)
{
    auto* p = dynamic_cast<TPersistent*>(VarToObject(v));
    if (!p)
        throw Exception(evalmsg::InvalidVariantOp);
    return *p;
}

Value IndexValue(const Value& target, std::span<Value> indexes)
{
    if (indexes.size() == 1) {
        if (target.Kind() == ValueKind::Array) {
            const std::int64_t i = VarToInt64(indexes[0]);
            if (i < 0 || i >= static_cast<std::int64_t>(target.AsArray().size()))
                throw Exception(evalmsg::RangeError);
            return target.AsArray()[static_cast<std::size_t>(i)];
        }
        if (IsTextKind(target.Kind())) {
            const std::string s = VarToStr(target);
            const std::int64_t i = VarToInt64(indexes[0]);
            if (i < 1 || i > static_cast<std::int64_t>(s.size()))
                throw Exception(evalmsg::RangeError);
            return Value(std::string(1, s[static_cast<std::size_t>(i - 1)]));
        }
        if (auto* vars = dynamic_cast<TfrxVariables*>(VarToObject(target)))
            return vars->Get(VarToStr(indexes[0]));
    }
    throw Exception(evalmsg::InvalidVariantOp);
}

} // namespace

Value CompiledExpression::Run() const
{
    std::vector<Value> stack;
    stack.reserve(FMaxStack + 1);
    auto top = [&stack](std::size_t n) { return std::span<Value>(stack.data() + stack.size() - n, n); };
    auto drop = [&stack](std::size_t n) { stack.resize(stack.size() - n); };
    for (std::size_t pc = 0; pc < FCode.size(); ++pc) {
        const Instr& in = FCode[pc];
        switch (in.op) {
        case Op::PushConst:
            stack.push_back(FConstants[static_cast<std::size_t>(in.a)]);
            break;
        case Op::PushVar:
            stack.push_back(FVariables[static_cast<std::size_t>(in.a)]->value);
            break;
        case Op::PushObject: {
            const ObjectRef& ref = FObjects[static_cast<std::size_t>(in.a)];
            TObject* obj = ref.isComponent ? ref.component.Get() : ref.object;
            if (ref.isComponent && !obj)
                throw Exception(Format(evalmsg::ObjectGone, {ref.name}));
            stack.push_back(Value(obj));
            break;
        }
        case Op::GetProp:
            stack.back() = FProps[static_cast<std::size_t>(in.a)]->GetValue(PersistentOf(stack.back()));
            break;
        case Op::GetMember: {
            TPersistent& obj = PersistentOf(stack.back());
            const std::string& name = FNames[static_cast<std::size_t>(in.a)];
            const TPropInfo* p = obj.ClassInfo().FindProperty(name);
            if (!p)
                throw Exception(Format(evalmsg::UndeclaredIdentifier, {name}));
            stack.back() = p->GetValue(obj);
            break;
        }
        case Op::CallMethod: {
            const auto n = static_cast<std::size_t>(in.b);
            CallArgs args(top(n));
            TObject* self = VarToObject(stack[stack.size() - n - 1]);
            if (!self)
                throw Exception(evalmsg::InvalidVariantOp);
            Value r = FMethods[static_cast<std::size_t>(in.a)]->impl(*self, args);
            drop(n);
            stack.back() = std::move(r);
            break;
        }
        case Op::Index: {
            const auto n = static_cast<std::size_t>(in.b);
            Value r = IndexValue(stack[stack.size() - n - 1], top(n));
            drop(n);
            stack.back() = std::move(r);
            break;
        }
        case Op::Call: {
            const auto n = static_cast<std::size_t>(in.b);
            CallArgs args(top(n));
            Value r = FFunctions[static_cast<std::size_t>(in.a)]->impl(args);
            drop(n);
            stack.push_back(std::move(r));
            break;
        }
        case Op::CallMacro: {
            CallArgs args{std::span<const std::string>(FTexts[static_cast<std::size_t>(in.b)])};
            stack.push_back(FFunctions[static_cast<std::size_t>(in.a)]->impl(args));
            break;
        }
        case Op::Binary: {
            Value r = VarBinary(static_cast<VarOp>(in.a), stack[stack.size() - 2], stack.back());
            drop(1);
            stack.back() = std::move(r);
            break;
        }
        case Op::Compare: {
            const bool r = CompareHolds(in.a, stack[stack.size() - 2], stack.back());
            drop(1);
            stack.back() = Value(r);
            break;
        }
        case Op::Not:
            stack.back() = VarNot(stack.back());
            break;
        case Op::Negate:
            stack.back() = VarNegate(stack.back());
            break;
        case Op::JumpIfFalse:
        case Op::JumpIfTrue: {
            const Value& v = stack.back();
            if (in.a >= 0 && v.Kind() == ValueKind::Boolean && v.AsBoolean() == (in.op == Op::JumpIfTrue))
                pc = static_cast<std::size_t>(in.a) - 1;
            break;
        }
        case Op::In: {
            const bool r = InArray(stack[stack.size() - 2], stack.back());
            drop(1);
            stack.back() = Value(r);
            break;
        }
        case Op::IsClass: {
            auto* p = dynamic_cast<TPersistent*>(VarToObject(stack.back()));
            stack.back() = Value(p != nullptr && p->InheritsFrom(*FClasses[static_cast<std::size_t>(in.a)]));
            break;
        }
        case Op::MakeArray: {
            const auto n = static_cast<std::size_t>(in.b);
            ValueArray items(top(n).begin(), top(n).end());
            drop(n);
            stack.push_back(Value(std::move(items)));
            break;
        }
        }
    }
    return stack.empty() ? Value() : std::move(stack.back());
}

std::shared_ptr<const CompiledExpression> CompileExpression(const TfrxXMLItem& expr, std::string_view source,
                                                            ScriptScope& scope, bool declareVars)
{
    auto out = std::make_shared<CompiledExpression>();
    ExpressionCompiler(*out, source, scope, declareVars).Compile(expr);
    return out;
}

} // namespace orv
