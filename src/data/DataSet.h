// The report dataset base as the component model needs it: a non-visual
// component with the user name that templates and expressions use, kept in
// the process-wide list through which templates resolve dataset names.
#pragma once

#include "model/Component.h"

#include <string>
#include <string_view>
#include <vector>

namespace orv {

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

private:
    std::string FUserName;
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

// Every report dataset of the process, in creation order.
std::vector<TfrxDataSet*> GlobalDataSets();

// The dataset a template names: none for an empty name; without a report
// around the component, current; otherwise the first dataset of the process
// with that user name (letter case ignored) that no other report owns, or
// current when there is none.
TfrxDataSet* LookupDataSet(const TfrxComponent* component, TfrxDataSet* current, std::string_view name);

} // namespace orv
