// The report: the root of a component tree of pages, bands and views, with
// its dataset list, variables, styles, option groups, script text and the
// list of errors found while loading, preparing and exporting.
#pragma once

#include "data/DataSet.h"
#include "model/Collection.h"
#include "model/Component.h"
#include "model/ReportOptions.h"
#include "model/Styles.h"
#include "platform/StringList.h"
#include "script/Value.h"

#include <istream>
#include <ostream>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace orv {

class TfrxReport;
class TfrxCustomExportFilter;
class TfrxReportScript;
class TfrxExpressionCache;

// One entry of a report's dataset list.
class TfrxDataSetItem : public TfrxCollectionItem {
public:
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    TfrxDataSet* DataSet() const { return FBinding.DataSet(); }
    void SetDataSet(TfrxDataSet* value) { FBinding.SetDataSet(value); }
    // A name is looked up among the datasets that the list's report can see.
    std::string DataSetName() const { return FBinding.Name(); }
    void SetDataSetName(const std::string& value);

private:
    TfrxDataSetBinding FBinding;
};

class TfrxReportDataSets : public TfrxCollectionOf<TfrxDataSetItem> {
public:
    explicit TfrxReportDataSets(TfrxReport* report) : FReport(report) {}
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    TfrxReport* Report() const { return FReport; }

    // Adds an item at the end, even for a dataset already listed.
    void AppendDataset(TfrxDataSet* dataSet);
    // Tells each listed dataset its report and attaches it.
    void AttachAll();
    // Detaches every listed dataset, also when one of them fails; the first
    // failure is raised afterwards.
    void DetachAll();
    // The first item of that dataset, or of that user name (letter case
    // ignored); none when there is none.
    TfrxDataSetItem* ItemOfDataSet(const TfrxDataSet* dataSet) const;
    TfrxDataSetItem* ItemByUserName(std::string_view name) const;

private:
    TfrxReport* FReport;
};

// A report variable: a name and a value (Null at creation). A name that
// begins with a blank is a category heading.
class TfrxVariable : public TfrxCollectionItem {
public:
    TfrxVariable() : Value(orv::Value::Null()) {}
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    std::string Name;
    orv::Value Value;
};

class TfrxVariables : public TfrxCollectionOf<TfrxVariable> {
public:
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    // First variable of that name, ignoring letter case; -1 when absent.
    long IndexOf(std::string_view name) const;
    // Null when absent.
    Value Get(std::string_view name) const;
    // Appends a variable when absent.
    void Set(std::string_view name, const Value& value);
};

// The process-wide variables that scripts see as frxGlobalVariables.
TfrxVariables& frxGlobalVariables();

class TfrxReport : public TfrxComponent {
public:
    explicit TfrxReport(TComponent* AOwner);
    ~TfrxReport() override;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    TfrxComponentFlags ComponentFlags() const override { return {cfInOutput, cfOwnNestedElements}; }

    // Back to an empty report: pages and components destroyed (those from
    // an ancestor report excepted), lists emptied, settings of a new report.
    void Clear() override;

    // Turns the template and its datasets into prepared pages; true when the
    // run ended and no error was collected.
    bool PrepareDocument(bool DiscardPrevious = true);
    // Hands the prepared pages to an export filter; false when nothing was exported.
    bool ExportDocument(TfrxCustomExportFilter* filter);

    // The sorted list of distinct error texts (letter case ignored).
    const TStringList& Errors() const { return FErrors; }
    void AddError(const std::string& text);
    void ClearErrors() { FErrors.Clear(); }
    // Reports Text as EngineOptions.NewSilentMode says: an error message
    // box, nothing, or an Exception with Text as its message.
    void ReportFailure(const std::string& text);

    // Reads a template (plain, or in a compressed container when a
    // compressor class is registered) from the stream's position. Errors are
    // collected in Errors and reported once at the end; the program's engine
    // and preview settings stay in force over the template's.
    void LoadTemplateFromStream(std::istream& stream);
    // Clear, then the template in the file when it exists (or, with
    // RaiseIfMissing, whatever opening it raises). True when it existed.
    bool LoadFromFile(const std::string& fileName, bool raiseIfMissing = false);
    // Writes the template, through the compressed container when
    // ReportOptions.Compressed is set and a compressor class is registered.
    void SaveTemplateToStream(std::ostream& stream, bool saveChildren = true, bool writeAllValues = false);
    // Writes the file whole or not at all.
    void SaveTemplateToFile(const std::string& fileName);
    // The file of the last LoadFromFile, empty when it found none.
    const std::string& FileName() const { return FFileName; }

    // The first dataset of the list whose user name is alias (letter case
    // ignored); items without a dataset are skipped.
    TfrxDataSet* GetDataset(std::string_view alias) const;
    // Splits Dataset."Field" at the first period followed by a double quote;
    // both parts empty when the text has none.
    struct TfrxDataSetAndField {
        TfrxDataSet* DataSet = nullptr;
        std::string Field;
    };
    TfrxDataSetAndField GetDataSetAndField(std::string_view text) const;

    const std::string& Version() const { return FVersion; }
    TfrxDataSet* DataSet() const { return FDataSet.DataSet(); }
    void SetDataSet(TfrxDataSet* value) { FDataSet.SetDataSet(value); }
    std::string DataSetName() const { return FDataSet.Name(); }
    void SetDataSetName(const std::string& value) { FDataSet.SetName(this, value); }

    TfrxReportDataSets Datasets{this};
    TfrxReportDataSets EnabledDataSets{this};
    TfrxVariables Variables;
    TfrxStyles Styles{this};
    TfrxEngineOptions EngineOptions;
    TfrxPreviewOptions PreviewOptions;
    TfrxPrintOptions PrintOptions;
    TfrxReportOptions ReportOptions;
    TStringList ScriptText;
    std::string ScriptLanguage;
    std::string ParentReport;
    bool DotMatrixReport = false;
    std::string IniFile = "\\Software\\Reports";
    bool OldStyleProgress = false;
    TComponentLink<TComponent> Preview;
    bool ShowProgress = true;
    bool StoreInDFM = true;
    std::string OnRunDialogs;
    std::string OnStartReport;
    std::string OnStopReport;
    std::string OnReportPrint;
    // The band or view whose expressions are being evaluated; error texts
    // begin with it.
    std::string CurrentObjectName;
    // The names of the system variables that expressions can use.
    TStringList SystemVariableNames;

    // --- expressions (Report_calc.cpp) ---
    // The value of an expression text: a plain name through LookUpValue,
    // otherwise the text compiled (once) and run. A failure is added to
    // Errors, prefixed by CurrentObjectName, and raised as ECalcError.
    Value Calc(std::string_view expression);
    // Calc as a script asks for it: the failure is worded for the script and
    // not added to Errors.
    Value CalcFromScript(std::string_view expression);
    // A dataset field, system variable, event value, report, global or
    // script variable of that name.
    bool LookUpValue(std::string_view name, Value& value);
    // The report functions Get and Set of scripts: an unknown name gives Null
    // and an entry in Errors; Set adds a missing variable.
    Value Get(std::string_view name);
    void Set(std::string_view name, const Value& value);
    TfrxExpressionCache& ExpressionCache();
    // Forgets compiled expressions and the script's names (the report's
    // objects may have changed); the next Calc sees them anew.
    void ResetScript();

    std::function<void(const std::string& name, Value& value)> OnGetValue;
    std::function<void(TfrxReport& report, const std::string& name, Value& value)> OnNewGetValue;

    // The script environment expressions see (made on first use): the engine
    // sets its variables Value and Self.
    TfrxReportScript& Script();

private:
    void ReadTemplate(std::istream& stream);
    void EnsureDataPage();
    bool CheckPassword();
    void ReportErrors();
    friend class TfrxReportScript;
    Value CalcText(std::string_view expression, bool fromScript);
    Value SystemVariable(long index) const;

    std::shared_ptr<TfrxReportScript> FScript;  // made on first use
    int FCalcDepth = 0;
    int FQuietCalcs = 0;  // while above 0, failures are not added to Errors

    std::string FVersion = "5.1.12";
    TfrxDataSetBinding FDataSet;
    TStringList FErrors;
    std::string FFileName;
    // The password last answered correctly: not asked again.
    std::string FAcceptedPassword;
};

} // namespace orv
