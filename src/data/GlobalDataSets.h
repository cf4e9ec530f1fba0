// The process-wide list of every report dataset, in creation order. Each
// dataset enters it when created and leaves it when destroyed; every access
// holds the list's lock.
#pragma once

#include <functional>
#include <mutex>
#include <vector>

namespace orv {

class TfrxDataSet;

class TfrxGlobalDataSetList {
public:
    void Add(TfrxDataSet* dataSet);
    void Remove(TfrxDataSet* dataSet);
    // A copy of the list as it is now.
    std::vector<TfrxDataSet*> Items() const;
    // The first dataset, in list order, that the test accepts; the test runs
    // under the lock and must not touch the list.
    TfrxDataSet* Find(const std::function<bool(const TfrxDataSet&)>& test) const;

private:
    mutable std::mutex FLock;
    std::vector<TfrxDataSet*> FItems;
};

// The one list of the process.
TfrxGlobalDataSetList& GlobalDataSets();

} // namespace orv
