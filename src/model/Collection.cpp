#include "model/Collection.h"

#include "model/PropertyRegistry.h"

namespace orv {

const TClassInfo& TfrxCollection::StaticClass()
{
    static const auto info = MakeClass<TfrxCollection>("TfrxCollection", &TPersistent::StaticClass(), [](auto&) {});
    return *info;
}

TfrxCollectionItem& TfrxCollection::AddItem()
{
    FItems.push_back(NewItem());
    FItems.back()->FCollection = this;
    return *FItems.back();
}

void TfrxCollection::Delete(std::size_t index)
{
    FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(index));
}

} // namespace orv
