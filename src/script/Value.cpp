#include "script/Value.h"

#include "platform/Exception.h"

#include <array>

namespace orv {

namespace {

constexpr std::array<const char*, 14> KindNames = {
    "Empty", "Null", "Boolean", "Int8", "Int16", "Int32", "Int64",
    "Double", "Currency", "DateTime", "String", "WideString", "Object", "Array",
};

} // namespace

const char* ValueKindName(ValueKind kind)
{
    return KindNames[static_cast<std::size_t>(kind)];
}

Value Value::Null()
{
    Value v;
    v.FData = NullTag{};
    return v;
}

bool Value::IsInteger() const
{
    switch (Kind()) {
    case ValueKind::Int8:
    case ValueKind::Int16:
    case ValueKind::Int32:
    case ValueKind::Int64:
        return true;
    default:
        return false;
    }
}

bool Value::IsNumber() const
{
    switch (Kind()) {
    case ValueKind::Double:
    case ValueKind::Currency:
    case ValueKind::DateTime:
        return true;
    default:
        return IsInteger();
    }
}

std::int64_t Value::IntegerValue() const
{
    switch (Kind()) {
    case ValueKind::Int8:
        return AsInt8();
    case ValueKind::Int16:
        return AsInt16();
    case ValueKind::Int32:
        return AsInt32();
    case ValueKind::Int64:
        return AsInt64();
    default:
        ThrowWrongKind();
    }
}

Value::Data& Value::Checked(ValueKind kind)
{
    if (Kind() != kind)
        ThrowWrongKind();
    return FData;
}

void Value::ThrowWrongKind() const
{
    throw Exception(std::string("Invalid variant type conversion from ") + ValueKindName(Kind()));
}

} // namespace orv
