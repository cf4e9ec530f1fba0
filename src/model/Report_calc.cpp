// TfrxReport's expression evaluation: Calc, the plain-name look-up and the
// report functions Get and Set.
#include "model/Report.h"

#include "model/ReportScript.h"
#include "platform/StringFormat.h"
#include "platform/Text.h"
#include "script/EvalMessages.h"
#include "script/FunctionLibrary.h"

#include <cmath>

namespace orv {

namespace {

// Calc inside Calc (a variable holding an expression, Get, IIF) nests no
// deeper than this: a variable that names itself ends here instead of
// exhausting the stack.
constexpr int kMaxCalcDepth = 64;

constexpr const char* kAggregateNames[] = {"SUM", "MIN", "MAX", "AVG", "COUNT"};

bool IsAggregateCall(std::string_view name)
{
    const std::size_t paren = name.find('(');
    if (paren == std::string_view::npos)
        return false;
    const std::string head = UpperCase(Trim(name.substr(0, paren)));
    for (const char* a : kAggregateNames)
        if (head == a)
            return true;
    return false;
}

// What a Null field reads as when the report converts Nulls.
Value NullAs(TfrxFieldType type)
{
    switch (type) {
    case fftString:
        return Value(std::string());
    case fftBoolean:
        return Value(false);
    default:
        return Value(std::int32_t{0});
    }
}

bool HasLineBreak(const Value& v)
{
    return v.Kind() == ValueKind::String ? v.AsString().find("\r\n") != std::string::npos
                                         : v.AsWideString().find(u"\r\n") != std::u16string::npos;
}

} // namespace

TfrxVariables& frxGlobalVariables()
{
    static TfrxVariables variables;
    return variables;
}

TfrxReportScript& TfrxReport::Script()
{
    if (!FScript)
        FScript = std::make_shared<TfrxReportScript>(*this);
    return *FScript;
}

TfrxExpressionCache& TfrxReport::ExpressionCache() { return Script().Cache(); }

void TfrxReport::ResetScript() { FScript.reset(); }

Value TfrxReport::Calc(std::string_view expression) { return CalcText(expression, false); }

Value TfrxReport::CalcFromScript(std::string_view expression) { return CalcText(expression, true); }

Value TfrxReport::CalcText(std::string_view expression, bool fromScript)
{
    const ScopedIncrement depth(FCalcDepth);
    std::string error;
    Value result;
    if (FCalcDepth > kMaxCalcDepth) {
        error = Format(evalmsg::CalcTooDeep, {kMaxCalcDepth});
    } else {
        if (LookUpValue(expression, result))
            return result;
        // Held for the call: a script may reset the environment while it runs.
        const std::shared_ptr<TfrxReportScript> script = (Script(), FScript);
        result = script->Cache().Evaluate(expression, error);
        if (error.empty())
            return result;
    }
    if (EngineOptions.IgnoreDevByZero && error == evalmsg::FloatDivByZero)
        return Value::Null();
    if (fromScript)
        throw ECalcError(evalmsg::ScriptCalcError + error);
    const std::string message = CurrentObjectName.empty() ? error : CurrentObjectName + ": " + error;
    if (FQuietCalcs == 0)
        AddError(message);
    throw ECalcError(message);
}

bool TfrxReport::LookUpValue(std::string_view name, Value& value)
{
    value = Value::Null();
    const std::string text(name);
    // A dataset field; the text must end with the field's closing quote, so
    // that Dataset."A" + 1 is not taken for a field named A" + .
    if (const TfrxDataSetAndField ref = GetDataSetAndField(text);
        ref.DataSet && !ref.Field.empty() && text.back() == '"') {
        value = ref.DataSet->Value(ref.Field);
        if (value.IsNull() && EngineOptions.ConvertNulls)
            value = NullAs(ref.DataSet->FieldType(ref.Field));
        return true;
    }
    for (std::size_t i = 0; i < SystemVariableNames.Count(); ++i)
        if (SameText(SystemVariableNames[i], text)) {
            value = SystemVariable(static_cast<long>(i));
            return true;
        }
    Value event;
    if (OnGetValue)
        OnGetValue(text, event);
    if (OnNewGetValue)
        OnNewGetValue(*this, text, event);
    if (!event.IsEmpty()) {
        value = event;
        return true;
    }
    if (const long i = Variables.IndexOf(text); i >= 0) {
        const Value& stored = Variables[static_cast<std::size_t>(i)].Value;
        // A one-line text is an expression; anything else is the value itself.
        value = IsTextKind(stored.Kind()) && !HasLineBreak(stored) ? Calc(VarToStr(stored)) : stored;
        return true;
    }
    if (const long i = frxGlobalVariables().IndexOf(text); i >= 0) {
        value = frxGlobalVariables()[static_cast<std::size_t>(i)].Value;
        return true;
    }
    Symbol s;
    if (Script().FindOwn(text, s)) {
        switch (s.kind) {
        case Symbol::Kind::Variable:
            value = s.variable->value;
            return true;
        case Symbol::Kind::Constant:
            value = s.constant;
            return true;
        case Symbol::Kind::Object:
            value = Value(s.object);
            return true;
        default:
            break;
        }
    }
    return false;
}

Value TfrxReport::SystemVariable(long index) const
{
    switch (index) {
    case 0:  // the date and time the run started; outside a run, now
        return Value(DateTime{std::floor(CurrentDateTime())});
    case 1: {
        const double now = CurrentDateTime();
        return Value(DateTime{now - std::floor(now)});
    }
    case 8:
        return frxGlobalVariables().Get("CopyName0");
    default:
        // Page and line numbers are the band engine's; outside a run they are 0.
        return Value(std::int32_t{0});
    }
}

Value TfrxReport::Get(std::string_view name)
{
    Value value;
    if (LookUpValue(name, value))
        return value;
    if (IsAggregateCall(name))
        return Calc(name);
    AddError(Format(evalmsg::UnknownVariable, {std::string(name)}));
    return Value::Null();
}

void TfrxReport::Set(std::string_view name, const Value& value) { Variables.Set(name, value); }


} // namespace orv
