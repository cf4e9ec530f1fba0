// A report dataset whose rows and values come from event handlers; also the
// built-in dataset that gives a data band a fixed number of rows.
#pragma once

#include "data/DataSet.h"
#include "platform/StringList.h"

namespace orv {

class TfrxUserDataSet : public TfrxDataSet {
public:
    using TfrxDataSet::TfrxDataSet;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    // Null handed to OnGetValue, then to OnNewGetValue.
    orv::Value Value(std::string_view field) override;
    // As Value, the value turned into text after each handler.
    std::u16string DisplayText(std::string_view field) override;
    int FieldsCount() override { return static_cast<int>(Fields.Count()); }
    void GetFieldList(TStringList& list) override { list = Fields; }

    TStringList Fields;
    TfrxEvent<const std::string&, orv::Value&> OnGetValue;
    TfrxEvent<TfrxDataSet&, const std::string&, orv::Value&> OnNewGetValue;
};

} // namespace orv
