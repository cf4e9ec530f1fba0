#include "model/Modules.h"

#include "model/Persistent.h"
#include "platform/Text.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace orv {

namespace {

struct ModuleList {
    std::mutex Lock;
    std::vector<TComponent*> Items;
};

ModuleList& Modules()
{
    static ModuleList list;
    return list;
}

} // namespace

void RegisterModule(TComponent& module)
{
    ModuleList& list = Modules();
    std::lock_guard lock(list.Lock);
    if (std::find(list.Items.begin(), list.Items.end(), &module) == list.Items.end())
        list.Items.push_back(&module);
}

void UnregisterModule(TComponent& module)
{
    ModuleList& list = Modules();
    std::lock_guard lock(list.Lock);
    std::erase(list.Items, &module);
}

TComponent* FindModule(std::string_view name)
{
    if (name.empty())
        return nullptr;
    ModuleList& list = Modules();
    std::lock_guard lock(list.Lock);
    for (TComponent* m : list.Items)
        if (SameText(m->Name(), name))
            return m;
    return nullptr;
}

bool IsModule(const TComponent* component)
{
    ModuleList& list = Modules();
    std::lock_guard lock(list.Lock);
    return std::find(list.Items.begin(), list.Items.end(), component) != list.Items.end();
}

} // namespace orv
