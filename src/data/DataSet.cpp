#include "data/DataSet.h"

#include "model/ModelMessages.h"
#include "model/PropertyRegistry.h"
#include "model/Report.h"
#include "platform/Exception.h"
#include "platform/Text.h"

#include <algorithm>
#include <mutex>

namespace orv {

namespace {

struct GlobalList {
    std::mutex Lock;
    std::vector<TfrxDataSet*> Items;
};

GlobalList& Global()
{
    static GlobalList list;
    return list;
}

// The report a dataset belongs to through its owner, if any.
const TfrxReport* OwningReport(const TfrxDataSet* ds)
{
    if (const TfrxReport* r = ds->OwnerReport())
        return r;
    return dynamic_cast<const TfrxReport*>(ds->Owner());
}

} // namespace

const TClassInfo& TfrxDataSet::StaticClass()
{
    static const auto info = MakeClass<TfrxDataSet>("TfrxDataSet", &TfrxDialogComponent::StaticClass(), [](auto& b) {
        b.String("UserName", &TfrxDataSet::UserName, &TfrxDataSet::SetUserName);
    });
    return *info;
}

TfrxDataSet::TfrxDataSet(TComponent* AOwner) : TfrxDialogComponent(AOwner)
{
    GlobalList& g = Global();
    std::lock_guard lock(g.Lock);
    g.Items.push_back(this);
}

TfrxDataSet::~TfrxDataSet()
{
    GlobalList& g = Global();
    std::lock_guard lock(g.Lock);
    std::erase(g.Items, this);
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

std::vector<TfrxDataSet*> GlobalDataSets()
{
    GlobalList& g = Global();
    std::lock_guard lock(g.Lock);
    return g.Items;
}

TfrxDataSet* LookupDataSet(const TfrxComponent* component, TfrxDataSet* current, std::string_view name)
{
    if (name.empty())
        return nullptr;
    const TfrxReport* report = component ? component->OwnerReport() : nullptr;
    if (!report)
        return current;
    GlobalList& g = Global();
    std::lock_guard lock(g.Lock);
    for (TfrxDataSet* ds : g.Items) {
        const TfrxReport* owner = OwningReport(ds);
        if ((!owner || owner == report) && SameText(ds->UserName(), name))
            return ds;
    }
    return current;
}

} // namespace orv
