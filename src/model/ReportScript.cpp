#include "model/ReportScript.h"

#include "model/PropertyRegistry.h"
#include "model/Report.h"
#include "platform/Exception.h"
#include "platform/StringFormat.h"
#include "platform/Text.h"
#include "script/EvalMessages.h"

#include <mutex>

namespace orv {

namespace {

constexpr const char* kAggregates[] = {
    "macrofunction SUM(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant",
    "macrofunction AVG(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant",
    "macrofunction MIN(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant",
    "macrofunction MAX(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant",
    "macrofunction COUNT(Band: Variant = 0; Flags: Integer = 0): Variant",
};

TfrxDataSet& DataSetOf(TObject& self) { return static_cast<TfrxDataSet&>(self); }

using MethodImpl = Value (*)(TObject& self, CallArgs& args);

struct MethodRow {
    const TClassInfo& (*cls)();
    const char* declaration;
    MethodImpl impl;
};

// What scripts may ask of the report and of its datasets by name.
const MethodRow kMethods[] = {
    {&TfrxReport::StaticClass, "function Calc(const Expr: String): Variant",
     [](TObject& self, CallArgs& a) { return static_cast<TfrxReport&>(self).CalcFromScript(a.Str(0)); }},
    {&TfrxDataSet::StaticClass, "function Value(Index: String): Variant",
     [](TObject& self, CallArgs& a) { return DataSetOf(self).Value(a.Str(0)); }},
    {&TfrxDataSet::StaticClass, "function DisplayText(Index: String): String",
     [](TObject& self, CallArgs& a) { return Value(DataSetOf(self).DisplayText(a.Str(0))); }},
    {&TfrxDataSet::StaticClass, "function DisplayWidth(Index: String): Integer",
     [](TObject& self, CallArgs& a) { return Value(std::int32_t{DataSetOf(self).DisplayWidth(a.Str(0))}); }},
    {&TfrxDataSet::StaticClass, "function FieldType(Index: String): Integer",
     [](TObject& self, CallArgs& a) { return Value(static_cast<std::int32_t>(DataSetOf(self).FieldType(a.Str(0)))); }},
    {&TfrxDataSet::StaticClass, "function HasField(Index: String): Boolean",
     [](TObject& self, CallArgs& a) { return Value(DataSetOf(self).HasField(a.Str(0))); }},
    {&TfrxDataSet::StaticClass, "function IsBlobField(Index: String): Boolean",
     [](TObject& self, CallArgs& a) { return Value(DataSetOf(self).IsBlobField(a.Str(0))); }},
    {&TfrxDataSet::StaticClass, "function FieldsCount: Integer",
     [](TObject& self, CallArgs&) { return Value(std::int32_t{DataSetOf(self).FieldsCount()}); }},
    {&TfrxDataSet::StaticClass, "function RecordCount: Integer",
     [](TObject& self, CallArgs&) { return Value(std::int32_t{DataSetOf(self).RecordCount()}); }},
    {&TfrxDataSet::StaticClass, "function RecNo: Integer",
     [](TObject& self, CallArgs&) { return Value(std::int32_t{DataSetOf(self).RecNo}); }},
    {&TfrxDataSet::StaticClass, "function Eof: Boolean",
     [](TObject& self, CallArgs&) { return Value(DataSetOf(self).Eof()); }},
};

void RegisterMethods()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (const MethodRow& m : kMethods)
            RegisterScriptMethod(m.cls(), m.declaration, m.impl);
    });
}

} // namespace

TfrxReportScript::TfrxReportScript(TfrxReport& report) : ScriptScope(&GlobalScriptScope()), FReport(report)
{
    RegisterMethods();
    AddComponent("Report", &report);
    FValue = &AddVariable("Value");
    FSelf = &AddVariable("Self", ScriptType::Object);
    AddReportFunctions();
    FCache.SetLanguage(report.ScriptLanguage);
}

bool TfrxReportScript::FindOwn(std::string_view name, Symbol& out) const
{
    if (ScriptScope::FindOwn(name, out))
        return true;
    TComponent* c = FReport.FindObject(name);
    if (!c)
        c = FReport.FindComponent(name);
    if (!c)
        return false;
    out = Symbol{Symbol::Kind::Object, c->Name()};
    out.type = ScriptType::Object;
    out.object = c;
    out.component = c;
    out.cls = &c->ClassInfo();
    return true;
}

void TfrxReportScript::AddReportFunctions()
{
    TfrxReport* r = &FReport;
    AddFunction(MakeFunction("function Get(Name: String): Variant", [r](CallArgs& a) { return r->Get(a.Str(0)); }));
    AddFunction(MakeFunction("procedure Set(Name: String; Value: Variant)", [r](CallArgs& a) {
        r->Set(a.Str(0), a[1]);
        return Value();
    }));
    // Only the chosen branch runs; a failure anywhere gives an empty value.
    AddFunction(MakeFunction("macrofunction IIF(Expr: Boolean; TrueValue, FalseValue: Variant): Variant",
                             [r](CallArgs& a) {
                                 // Failures it drops are not recorded in the report's errors either.
                                 const ScopedIncrement quiet(r->FQuietCalcs);
                                 try {
                                     const bool chosen = VarSame(r->Calc(a.Text(0)), Value(true));
                                     return r->Calc(a.Text(chosen ? 1 : 2));
                                 } catch (const std::exception&) {
                                     return Value();
                                 }
                             }));
    // The aggregates' values come from the band engine while it prepares the report.
    for (const char* declaration : kAggregates) {
        const RoutineDecl decl = ParseDeclaration(declaration);
        AddFunction(MakeFunction(declaration, [name = decl.name](CallArgs&) -> Value {
            throw Exception(Format(evalmsg::AggregateOutsideRun, {name}));
        }));
    }
}

} // namespace orv
