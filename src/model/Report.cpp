#include "model/Report.h"

#include "model/PropertyRegistry.h"
#include "platform/Text.h"

#include <algorithm>

namespace orv {

namespace {

constexpr const char* SystemVariables[] = {"Date",     "Time",        "Page", "Page#",    "TotalPages",
                                           "TotalPages#", "Line", "Line#", "CopyName#"};

} // namespace

// --- dataset list ---

const TClassInfo& TfrxDataSetItem::StaticClass()
{
    static const auto info = MakeClass<TfrxDataSetItem>("TfrxDataSetItem", &TPersistent::StaticClass(), [](auto& b) {
        using I = TfrxDataSetItem;
        b.Reference("DataSet", &TfrxDataSet::StaticClass, &I::DataSet, &I::SetDataSet);
        b.String("DataSetName", &I::DataSetName, &I::SetDataSetName);
    });
    return *info;
}

void TfrxDataSetItem::SetDataSetName(const std::string& value)
{
    auto* list = dynamic_cast<TfrxReportDataSets*>(Collection());
    FBinding.SetName(list ? list->Report() : nullptr, value);
}

const TClassInfo& TfrxReportDataSets::StaticClass()
{
    static const auto info =
        MakeClass<TfrxReportDataSets>("TfrxReportDataSets", &TfrxCollection::StaticClass(), [](auto&) {});
    return *info;
}

// --- variables ---

const TClassInfo& TfrxVariable::StaticClass()
{
    static const auto info = MakeClass<TfrxVariable>("TfrxVariable", &TPersistent::StaticClass(), [](auto& b) {
        b.String("Name", &TfrxVariable::Name);
        b.Variant("Value", [](const TfrxVariable& v) { return v.Value; },
                  [](TfrxVariable& v, const orv::Value& value) { v.Value = value; });
    });
    return *info;
}

const TClassInfo& TfrxVariables::StaticClass()
{
    static const auto info = MakeClass<TfrxVariables>("TfrxVariables", &TfrxCollection::StaticClass(), [](auto&) {});
    return *info;
}

long TfrxVariables::IndexOf(std::string_view name) const
{
    for (std::size_t i = 0; i < Count(); ++i)
        if (SameText((*this)[i].Name, name))
            return static_cast<long>(i);
    return -1;
}

Value TfrxVariables::Get(std::string_view name) const
{
    const long i = IndexOf(name);
    return i < 0 ? Value::Null() : (*this)[static_cast<std::size_t>(i)].Value;
}

void TfrxVariables::Set(std::string_view name, const Value& value)
{
    const long i = IndexOf(name);
    TfrxVariable& v = i < 0 ? Add() : (*this)[static_cast<std::size_t>(i)];
    if (i < 0)
        v.Name = std::string(name);
    v.Value = value;
}

// --- the report ---

const TClassInfo& TfrxReport::StaticClass()
{
    static const auto info = MakeClass<TfrxReport>("TfrxReport", &TfrxComponent::StaticClass(), [](auto& b) {
        using R = TfrxReport;
        // The version read from a template is ignored: a report is always this version.
        b.String("Version", &R::Version, [](R&, const std::string&) {});
        b.String("ParentReport", &R::ParentReport);
        b.Reference("DataSet", &TfrxDataSet::StaticClass, &R::DataSet, &R::SetDataSet);
        b.String("DataSetName", &R::DataSetName, &R::SetDataSetName);
        b.Boolean("DotMatrixReport", &R::DotMatrixReport);
        b.Object("EngineOptions", &TfrxEngineOptions::StaticClass, [](R& r) { return &r.EngineOptions; });
        b.String("IniFile", &R::IniFile);
        b.Boolean("OldStyleProgress", &R::OldStyleProgress).WithDefault(false);
        b.Reference("Preview", &R::Preview);
        b.Object("PreviewOptions", &TfrxPreviewOptions::StaticClass, [](R& r) { return &r.PreviewOptions; });
        b.Object("PrintOptions", &TfrxPrintOptions::StaticClass, [](R& r) { return &r.PrintOptions; });
        b.Object("ReportOptions", &TfrxReportOptions::StaticClass, [](R& r) { return &r.ReportOptions; });
        b.String("ScriptLanguage", &R::ScriptLanguage);
        b.Strings("ScriptText", [](R& r) -> TStringList& { return r.ScriptText; });
        b.Boolean("ShowProgress", &R::ShowProgress).WithDefault(true);
        b.Boolean("StoreInDFM", &R::StoreInDFM).WithDefault(true);
        b.String("OnRunDialogs", &R::OnRunDialogs);
        b.String("OnStartReport", &R::OnStartReport);
        b.String("OnStopReport", &R::OnStopReport);
        b.String("OnReportPrint", &R::OnReportPrint);
        b.Collection("Datasets", [](R& r) -> TfrxCollection& { return r.Datasets; });
        b.Collection("Variables", [](R& r) -> TfrxCollection& { return r.Variables; });
        b.Collection("Styles", [](R& r) -> TfrxCollection& { return r.Styles; });
        b.Creatable();
    });
    return *info;
}

TfrxReport::TfrxReport(TComponent* AOwner) : TfrxComponent(AOwner)
{
    Clear();
}

TfrxReport::~TfrxReport()
{
    // The tree goes while the report's own lists are still there.
    BeginDestroy();
    DestroyChildren();
    DestroyComponents();
}

void TfrxReport::Clear()
{
    TfrxComponent::Clear();
    Datasets.Clear();
    EnabledDataSets.Clear();
    Variables.Clear();
    Styles.Clear();
    EngineOptions.ConvertNulls = true;
    EngineOptions.IgnoreDevByZero = false;
    EngineOptions.DoublePass = false;
    PreviewOptions.OutlineExpand = true;
    PreviewOptions.OutlineVisible = false;
    PreviewOptions.OutlineWidth = 120;
    PreviewOptions.PagesInCache = 50;
    PreviewOptions.ThumbnailVisible = false;
    PrintOptions.Clear();
    ReportOptions.Clear();
    SetDataSet(nullptr);
    DotMatrixReport = false;
    ParentReport.clear();
    ScriptLanguage = "PascalScript";
    ScriptText.Clear();
    for (const char* line : {"begin", "", "end."})
        ScriptText.Add(line);
    OnRunDialogs.clear();
    OnStartReport.clear();
    OnStopReport.clear();
    SystemVariableNames.Clear();
    for (const char* name : SystemVariables)
        SystemVariableNames.Add(name);
    ResetScript();
}

void TfrxReport::AddError(const std::string& text)
{
    const auto& lines = FErrors.Lines();
    auto before = [](const std::string& a, const std::string& b) { return LowerCase(a) < LowerCase(b); };
    auto it = std::lower_bound(lines.begin(), lines.end(), text, before);
    if (it != lines.end() && SameText(*it, text))
        return;
    // TStringList has no insertion; rebuild it in order.
    TStringList sorted;
    for (auto i = lines.begin(); i != it; ++i)
        sorted.Add(*i);
    sorted.Add(text);
    for (auto i = it; i != lines.end(); ++i)
        sorted.Add(*i);
    FErrors = std::move(sorted);
}

} // namespace orv
