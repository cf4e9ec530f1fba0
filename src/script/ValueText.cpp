#include "script/ValueText.h"

#include "platform/DateTimeFormat.h"
#include "platform/NumberFormat.h"
#include "platform/Text.h"

namespace orv {

std::string VarToStr(const Value& value)
{
    switch (value.Kind()) {
    case ValueKind::Empty:
    case ValueKind::Null:
        return {};
    case ValueKind::Boolean:
        return value.AsBoolean() ? "True" : "False";
    case ValueKind::Double:
        return FloatToStr(value.AsDouble());
    case ValueKind::Currency:
        return FloatToStr(static_cast<long double>(value.AsCurrency().Scaled) / Currency::Scale);
    case ValueKind::DateTime:
        return DateTimeToStr(value.AsDateTime().Days);
    case ValueKind::String:
        return value.AsString();
    case ValueKind::WideString:
        return Utf16ToCp1252(value.AsWideString());
    case ValueKind::Object:
    case ValueKind::Array:
        return value.AsString();  // fails with the variant's wrong-kind error
    default:
        return IntToStr(value.IntegerValue());
    }
}

std::u16string VarToWideStr(const Value& value)
{
    if (value.Kind() == ValueKind::WideString)
        return value.AsWideString();
    return Cp1252ToUtf16(VarToStr(value));
}

} // namespace orv
