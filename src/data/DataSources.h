// The data-access components as components of the model: a query that has a
// name, an owner and a life that references follow, and the data source
// through which data-aware components may reach a query instead.
#pragma once

#include "model/Persistent.h"
#include "platform/ZQuery.h"

namespace orv {

class TZQueryComponent : public TComponent, public TZQuery {
public:
    TZQueryComponent(TComponent* AOwner, TZConnection& connection) : TComponent(AOwner), TZQuery(connection) {}
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TDataSource : public TComponent {
public:
    using TComponent::TComponent;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    TZQueryComponent* DataSet() const { return FDataSet.Get(); }
    void SetDataSet(TZQueryComponent* value) { FDataSet.Set(value); }

private:
    TComponentLink<TZQueryComponent> FDataSet;
};

} // namespace orv
