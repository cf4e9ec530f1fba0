// Conversions of a Value to the plain types that functions and operators use.
#include "script/Value.h"

#include "platform/DateTimeFormat.h"
#include "platform/DateTimeParse.h"
#include "platform/Exception.h"
#include "platform/NumberFormat.h"
#include "platform/StringFormat.h"
#include "platform/Text.h"
#include "script/EvalMessages.h"

#include <cmath>
#include <limits>

namespace orv {

namespace {

[[noreturn]] void CannotConvert(const Value& v, const char* target)
{
    throw Exception(Format(evalmsg::CannotConvert, {ValueKindName(v.Kind()), target}));
}

// A float as a 64-bit integer, halves to even; out of range is an overflow.
std::int64_t RoundToInt64(double d)
{
    if (std::isnan(d))
        throw Exception(evalmsg::InvalidFloatOp);
    const double r = std::nearbyint(d);
    // 2^63 is exactly representable; anything at or above it does not fit.
    if (r >= 9223372036854775808.0 || r < -9223372036854775808.0)
        throw Exception(evalmsg::IntOverflow);
    return static_cast<std::int64_t>(r);
}

double TextToFloat(const Value& v, const std::string& text)
{
    long double d = 0;
    if (!TryStrToFloat(text, d))
        CannotConvert(v, "Double");
    return static_cast<double>(d);
}

} // namespace

bool IsTextKind(ValueKind kind)
{
    return kind == ValueKind::String || kind == ValueKind::WideString;
}

Value MakeInteger(std::int64_t v)
{
    if (v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max())
        return Value(static_cast<std::int32_t>(v));
    return Value(v);
}

std::string VarToStr(const Value& v)
{
    switch (v.Kind()) {
    case ValueKind::Empty:
    case ValueKind::Null:
        return {};
    case ValueKind::Boolean:
        return v.AsBoolean() ? "True" : "False";
    case ValueKind::Int8:
    case ValueKind::Int16:
    case ValueKind::Int32:
    case ValueKind::Int64:
        return IntToStr(v.IntegerValue());
    case ValueKind::Double:
        return FloatToStr(v.AsDouble());
    case ValueKind::Currency:
        return FloatToStr(static_cast<long double>(v.AsCurrency().Scaled) / Currency::Scale);
    case ValueKind::DateTime:
        return DateTimeToStr(v.AsDateTime().Days);
    case ValueKind::String:
        return v.AsString();
    case ValueKind::WideString:
        return Utf16ToCp1252(v.AsWideString());
    default:
        CannotConvert(v, "String");
    }
}

std::u16string VarToWideStr(const Value& v)
{
    return v.Kind() == ValueKind::WideString ? v.AsWideString() : Cp1252ToUtf16(VarToStr(v));
}

double VarToFloat(const Value& v)
{
    switch (v.Kind()) {
    case ValueKind::Empty:
        return 0;
    case ValueKind::Boolean:
        return v.AsBoolean() ? -1 : 0;
    case ValueKind::Int8:
    case ValueKind::Int16:
    case ValueKind::Int32:
    case ValueKind::Int64:
        return static_cast<double>(v.IntegerValue());
    case ValueKind::Double:
        return v.AsDouble();
    case ValueKind::Currency:
        return static_cast<double>(static_cast<long double>(v.AsCurrency().Scaled) / Currency::Scale);
    case ValueKind::DateTime:
        return v.AsDateTime().Days;
    case ValueKind::String:
    case ValueKind::WideString:
        return TextToFloat(v, VarToStr(v));
    default:
        CannotConvert(v, "Double");
    }
}

std::int64_t VarToInt64(const Value& v)
{
    if (v.IsInteger())
        return v.IntegerValue();
    if (IsTextKind(v.Kind())) {
        std::int64_t i = 0;
        long double d = 0;
        const std::string text = VarToStr(v);
        if (TryStrToInt64(text, i))
            return i;
        if (!TryStrToFloat(text, d))
            CannotConvert(v, "Integer");
    }
    if (v.Kind() == ValueKind::Currency)
        return RoundToInt64(static_cast<double>(v.AsCurrency().Scaled) / Currency::Scale);
    return RoundToInt64(VarToFloat(v));
}

std::int32_t VarToInt32(const Value& v)
{
    const std::int64_t i = VarToInt64(v);
    if (i < std::numeric_limits<std::int32_t>::min() || i > std::numeric_limits<std::int32_t>::max())
        throw Exception(evalmsg::IntOverflow);
    return static_cast<std::int32_t>(i);
}

bool VarToBool(const Value& v)
{
    switch (v.Kind()) {
    case ValueKind::Boolean:
        return v.AsBoolean();
    case ValueKind::String:
    case ValueKind::WideString: {
        const std::string text = Trim(VarToStr(v));
        if (SameText(text, "True"))
            return true;
        if (SameText(text, "False"))
            return false;
        long double d = 0;
        if (!TryStrToFloat(text, d))
            CannotConvert(v, "Boolean");
        return d != 0;
    }
    case ValueKind::Null:
    case ValueKind::Object:
    case ValueKind::Array:
        CannotConvert(v, "Boolean");
    default:
        return VarToFloat(v) != 0;
    }
}

Currency VarToCurrency(const Value& v)
{
    if (v.Kind() == ValueKind::Currency)
        return v.AsCurrency();
    if (v.IsInteger()) {
        const std::int64_t i = v.IntegerValue();
        if (i > std::numeric_limits<std::int64_t>::max() / Currency::Scale ||
            i < std::numeric_limits<std::int64_t>::min() / Currency::Scale)
            throw Exception(evalmsg::FloatOverflow);
        return Currency{i * Currency::Scale};
    }
    const double scaled = VarToFloat(v) * Currency::Scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18)
        throw Exception(evalmsg::FloatOverflow);
    return Currency{static_cast<std::int64_t>(std::nearbyint(scaled))};
}

DateTime VarToDateTime(const Value& v)
{
    if (IsTextKind(v.Kind())) {
        TDateTime d = 0;
        if (!TryStrToDateTime(VarToStr(v), d))
            CannotConvert(v, "Date");
        return DateTime{d};
    }
    return DateTime{VarToFloat(v)};
}

TObject* VarToObject(const Value& v)
{
    switch (v.Kind()) {
    case ValueKind::Object:
        return v.AsObject();
    case ValueKind::Null:
    case ValueKind::Empty:
        return nullptr;
    default:
        CannotConvert(v, "Object");
    }
}

} // namespace orv
