#include "data/DataSet.h"

#include "data/DBDataSet.h"
#include "data/DataSetProperties.h"
#include "data/GlobalDataSets.h"
#include "data/UserDataSet.h"
#include "model/ModelMessages.h"
#include "model/PropertyRegistry.h"
#include "model/Report.h"
#include "platform/Exception.h"
#include "platform/StringList.h"
#include "platform/Text.h"

namespace orv {

namespace {

// The report a dataset belongs to through its owner, if any.
const TfrxReport* OwningReport(const TfrxDataSet& ds)
{
    if (const TfrxReport* r = ds.OwnerReport())
        return r;
    return dynamic_cast<const TfrxReport*>(ds.Owner());
}

} // namespace

const TEnumInfo& RangeBeginEnum()
{
    static const TEnumInfo info("TfrxRangeBegin", {"rbFirst", "rbCurrent"});
    return info;
}

const TEnumInfo& RangeEndEnum()
{
    static const TEnumInfo info("TfrxRangeEnd", {"reLast", "reCurrent", "reCount"});
    return info;
}

const TClassInfo& TfrxDataSet::StaticClass()
{
    static const auto info = MakeClass<TfrxDataSet>("TfrxDataSet", &TfrxDialogComponent::StaticClass(), [](auto& b) {
        using D = TfrxDataSet;
        b.String("UserName", &D::UserName, &D::SetUserName);
        b.Boolean("Enabled", &D::Enabled).WithDefault(true);
        b.Enum("RangeBegin", RangeBeginEnum(), &D::RangeBegin).WithDefault(rbFirst);
        b.Enum("RangeEnd", RangeEndEnum(), &D::RangeEnd).WithDefault(reLast);
        b.Integer("RangeEndCount", &D::RangeEndCount).WithDefault(0);
        AddEventProperty(b, "OnCheckEOF", &D::OnCheckEOF);
        AddEventProperty(b, "OnFirst", &D::OnFirst);
        AddEventProperty(b, "OnNext", &D::OnNext);
        AddEventProperty(b, "OnPrior", &D::OnPrior);
    });
    return *info;
}

TfrxDataSet::TfrxDataSet(TComponent* AOwner) : TfrxDialogComponent(AOwner)
{
    GlobalDataSets().Add(this);
}

TfrxDataSet::~TfrxDataSet()
{
    GlobalDataSets().Remove(this);
}

void TfrxDataSet::SetName(const std::string& value)
{
    TfrxDialogComponent::SetName(value);
    if (FUserName.empty())
        FUserName = value;
}

void TfrxDataSet::SetUserName(const std::string& value)
{
    if (Trim(value).empty())
        throw Exception(msg::InvalidUserName);
    FUserName = value;
}

std::u16string TfrxDataSet::DisplayText(std::string_view)
{
    return {};
}

int TfrxDataSet::DisplayWidth(std::string_view)
{
    return 10;
}

TfrxFieldType TfrxDataSet::FieldType(std::string_view)
{
    return fftNumeric;
}

orv::Value TfrxDataSet::Value(std::string_view)
{
    return orv::Value::Null();
}

void TfrxDataSet::Open()
{
    OnOpen(*this);
}

void TfrxDataSet::Close()
{
    OnClose(*this);
}

void TfrxDataSet::First()
{
    RecNo = 0;
    FEndOfRange = false;
    OnFirst(*this);
}

// A counted range stops on its last record and raises the end flag instead
// of moving on.
void TfrxDataSet::Next()
{
    FEndOfRange = false;
    ++RecNo;
    if (RangeEnd == reCount && RecNo >= RangeEndCount) {
        RecNo = RangeEndCount - 1;
        FEndOfRange = true;
        return;
    }
    OnNext(*this);
}

void TfrxDataSet::Prior()
{
    --RecNo;
    OnPrior(*this);
}

bool TfrxDataSet::Eof()
{
    bool result = RangeEnd == reCount && (RecNo >= RangeEndCount || FEndOfRange);
    OnCheckEOF(*this, result);
    return result;
}

int TfrxDataSet::RecordCount()
{
    return RangeBegin == rbFirst && RangeEnd == reCount ? RangeEndCount : 0;
}

void TfrxDataSet::GetFieldList(TStringList& list)
{
    list.Clear();
}

bool TfrxDataSet::HasField(std::string_view field)
{
    TStringList list;
    GetFieldList(list);
    for (const std::string& name : list.Lines())
        if (SameText(name, field))
            return true;
    return false;
}

TfrxReport* TfrxDataSet::ReportRef() const
{
    return static_cast<TfrxReport*>(FReport.Get());
}

void TfrxDataSet::SetReportRef(TfrxReport* report)
{
    FReport.Set(report);
}

void TfrxDataSet::ReportError(const std::string& text) const
{
    if (TfrxReport* report = ReportRef())
        report->AddError(report->CurrentObjectName + ": " + text);
}

// --- DataSet / DataSetName pairs ---

void TfrxDataSetBinding::SetDataSet(TfrxDataSet* value)
{
    FDataSet.Set(value);
    FName = value ? value->UserName() : std::string();
}

std::string TfrxDataSetBinding::Name() const
{
    const TfrxDataSet* ds = FDataSet.Get();
    return ds ? ds->UserName() : FName;
}

void TfrxDataSetBinding::SetName(const TfrxComponent* context, const std::string& value)
{
    FName = value;
    FDataSet.Set(LookupDataSet(context, FDataSet.Get(), value));
}

TfrxDataSet* LookupDataSet(const TfrxComponent* component, TfrxDataSet* current, std::string_view name)
{
    if (name.empty())
        return nullptr;
    const TfrxReport* report = component ? component->OwnerReport() : nullptr;
    if (!report)
        return current;
    TfrxDataSet* found = GlobalDataSets().Find([&](const TfrxDataSet& ds) {
        const TfrxReport* owner = OwningReport(ds);
        return (!owner || owner == report) && SameText(ds.UserName(), name);
    });
    return found ? found : current;
}

void RegisterDataSetClasses()
{
    for (const TClassInfo* cls : {&TfrxUserDataSet::StaticClass(), &TfrxDBDataset::StaticClass()})
        RegisterClass(*cls);
}

} // namespace orv
