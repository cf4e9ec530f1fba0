// The report dataset base: a non-visual component with the user name that
// templates and expressions use, record navigation with optional ranges,
// and field access by name. Every dataset of the process is kept in the
// global list through which templates resolve dataset names.
#pragma once

#include "model/Component.h"
#include "script/Value.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TfrxDataSet;
class TStringList;
class TWideStrings;

enum TfrxRangeBegin { rbFirst, rbCurrent };
enum TfrxRangeEnd { reLast, reCurrent, reCount };
const TEnumInfo& RangeBeginEnum();
const TEnumInfo& RangeEndEnum();

// What kind of data a field holds, as the engine's null conversion needs it.
enum TfrxFieldType { fftNumeric, fftString, fftBoolean, fftTemporal };

// An event of a dataset: the script procedure that a template names, and the
// program handler that runs when the event fires. The event counts as
// assigned while it has a handler.
template <class... Args>
class TfrxEvent {
public:
    std::string ScriptName;
    std::function<void(Args...)> Handler;

    explicit operator bool() const { return static_cast<bool>(Handler); }
    void operator()(Args... args) const
    {
        if (Handler)
            Handler(args...);
    }
};
using TfrxNotifyEvent = TfrxEvent<TfrxDataSet&>;
using TfrxCheckEOFEvent = TfrxEvent<TfrxDataSet&, bool&>;

class TfrxDataSet : public TfrxDialogComponent {
public:
    explicit TfrxDataSet(TComponent* AOwner);
    ~TfrxDataSet() override;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    // Setting the component name also sets an empty user name.
    void SetName(const std::string& value) override;
    const std::string& UserName() const { return FUserName; }
    // A blank value fails with "Valor no válido"; otherwise stored as given.
    virtual void SetUserName(const std::string& value);

    // Field access by the name the report sees.
    virtual std::u16string DisplayText(std::string_view field);
    virtual int DisplayWidth(std::string_view field);
    virtual TfrxFieldType FieldType(std::string_view field);
    virtual orv::Value Value(std::string_view field);

    // The run: attached to a report, opened on first use, navigated, detached.
    virtual void Attach() {}
    virtual void Detach() {}
    virtual void Open();
    virtual void Close();
    virtual void First();
    virtual void Next();
    virtual void Prior();
    virtual bool Eof();

    virtual int FieldsCount() { return 0; }
    virtual bool IsBlobField(std::string_view) { return false; }
    // RangeEndCount for a counted range from the first record, else 0.
    virtual int RecordCount();
    // Blob contents as lines of text, or as bytes written to a stream that
    // is then positioned at its start.
    virtual void CopyBlobTo(std::string_view, TWideStrings&) {}
    virtual void CopyBlobTo(std::string_view, std::iostream&) {}
    // The names the report can read, in order.
    virtual void GetFieldList(TStringList& list);
    // Whether GetFieldList holds the name, letter case ignored.
    bool HasField(std::string_view field);

    // The report that attached the dataset: its Errors receive field errors.
    TfrxReport* ReportRef() const;
    void SetReportRef(TfrxReport* report);

    bool Enabled = true;
    TfrxRangeBegin RangeBegin = rbFirst;
    TfrxRangeEnd RangeEnd = reLast;
    int RangeEndCount = 0;
    // Counted from 0 by the navigation.
    int RecNo = 0;

    TfrxCheckEOFEvent OnCheckEOF;
    TfrxNotifyEvent OnFirst;
    TfrxNotifyEvent OnNext;
    TfrxNotifyEvent OnPrior;
    TfrxNotifyEvent OnOpen;
    TfrxNotifyEvent OnClose;

protected:
    // Adds "<current object>: <text>" to the attached report's Errors.
    void ReportError(const std::string& text) const;

private:
    std::string FUserName;
    bool FEndOfRange = false;
    TComponentLink<TComponent> FReport;
};

// A DataSet / DataSetName property pair: setting the dataset also takes its
// user name; setting a name looks the dataset up around the given component;
// the name read is the dataset's while one is set.
class TfrxDataSetBinding {
public:
    TfrxDataSet* DataSet() const { return FDataSet.Get(); }
    void SetDataSet(TfrxDataSet* value);
    std::string Name() const;
    void SetName(const TfrxComponent* context, const std::string& value);

private:
    TComponentLink<TfrxDataSet> FDataSet;
    std::string FName;
};

// The dataset a template names: none for an empty name; without a report
// around the component, current; otherwise the first dataset of the process
// with that user name (letter case ignored) that no other report owns, or
// current when there is none.
TfrxDataSet* LookupDataSet(const TfrxComponent* component, TfrxDataSet* current, std::string_view name);

// Makes the dataset classes known to the class registry, so that templates
// holding them load.
void RegisterDataSetClasses();

} // namespace orv
