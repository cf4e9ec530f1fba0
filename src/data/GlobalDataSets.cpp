#include "data/GlobalDataSets.h"

#include <algorithm>

namespace orv {

void TfrxGlobalDataSetList::Add(TfrxDataSet* dataSet)
{
    std::lock_guard lock(FLock);
    FItems.push_back(dataSet);
}

void TfrxGlobalDataSetList::Remove(TfrxDataSet* dataSet)
{
    std::lock_guard lock(FLock);
    std::erase(FItems, dataSet);
}

std::vector<TfrxDataSet*> TfrxGlobalDataSetList::Items() const
{
    std::lock_guard lock(FLock);
    return FItems;
}

TfrxDataSet* TfrxGlobalDataSetList::Find(const std::function<bool(const TfrxDataSet&)>& test) const
{
    std::lock_guard lock(FLock);
    auto it = std::find_if(FItems.begin(), FItems.end(), [&](const TfrxDataSet* ds) { return test(*ds); });
    return it == FItems.end() ? nullptr : *it;
}

TfrxGlobalDataSetList& GlobalDataSets()
{
    static TfrxGlobalDataSetList list;
    return list;
}

} // namespace orv
