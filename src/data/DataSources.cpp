#include "data/DataSources.h"

#include "model/PropertyRegistry.h"

namespace orv {

const TClassInfo& TZQueryComponent::StaticClass()
{
    static const auto info = MakeClass<TZQueryComponent>("TZQuery", &TComponent::StaticClass(), [](auto&) {});
    return *info;
}

const TClassInfo& TDataSource::StaticClass()
{
    static const auto info = MakeClass<TDataSource>("TDataSource", &TComponent::StaticClass(), [](auto& b) {
        b.Reference("DataSet", &TZQueryComponent::StaticClass, &TDataSource::DataSet, &TDataSource::SetDataSet);
    });
    return *info;
}

} // namespace orv
