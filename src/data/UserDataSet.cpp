#include "data/UserDataSet.h"

#include "data/DataSetProperties.h"
#include "script/Value.h"

namespace orv {

const TClassInfo& TfrxUserDataSet::StaticClass()
{
    static const auto info = MakeClass<TfrxUserDataSet>("TfrxUserDataSet", &TfrxDataSet::StaticClass(), [](auto& b) {
        using D = TfrxUserDataSet;
        b.Strings("Fields", [](D& d) -> TStringList& { return d.Fields; });
        AddEventProperty(b, "OnGetValue", &D::OnGetValue);
        AddEventProperty(b, "OnNewGetValue", &D::OnNewGetValue);
        b.Creatable();
    });
    return *info;
}

orv::Value TfrxUserDataSet::Value(std::string_view field)
{
    const std::string name(field);
    orv::Value value = orv::Value::Null();
    OnGetValue(name, value);
    OnNewGetValue(*this, name, value);
    return value;
}

std::u16string TfrxUserDataSet::DisplayText(std::string_view field)
{
    const std::string name(field);
    orv::Value value = orv::Value::Null();
    if (OnGetValue) {
        OnGetValue(name, value);
        value = VarToWideStr(value);
    }
    if (OnNewGetValue) {
        OnNewGetValue(*this, name, value);
        value = VarToWideStr(value);
    }
    return VarToWideStr(value);
}

} // namespace orv
