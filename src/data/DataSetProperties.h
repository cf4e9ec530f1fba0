// Publishing helpers shared by the dataset classes.
#pragma once

#include "data/DataSet.h"
#include "model/PropertyRegistry.h"

#include <string>

namespace orv {

// An event published as the name of the script procedure it runs.
template <class C, class E, class B>
void AddEventProperty(TClassBuilder<C>& b, const char* name, E B::*event)
{
    b.String(
        name, [event](const C& c) -> const std::string& { return (c.*event).ScriptName; },
        [event](C& c, const std::string& value) { (c.*event).ScriptName = value; });
}

} // namespace orv
