// The operators between values: arithmetic, logic, shifts and comparison.
#include "script/Value.h"

#include "platform/Exception.h"
#include "script/EvalMessages.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orv {

namespace {

// The kind in which two numbers combine, widest last.
enum class NumClass { Integer, Currency, DateTime, Double };

NumClass ClassOf(const Value& v)
{
    switch (v.Kind()) {
    case ValueKind::Currency:
        return NumClass::Currency;
    case ValueKind::DateTime:
        return NumClass::DateTime;
    case ValueKind::Double:
    case ValueKind::String:
    case ValueKind::WideString:
        return NumClass::Double;
    case ValueKind::Object:
    case ValueKind::Array:
        throw Exception(evalmsg::InvalidVariantOp);
    default:
        return NumClass::Integer;  // Empty, Boolean and the integer kinds
    }
}

bool IsWide(const Value& v) { return v.Kind() == ValueKind::Int64; }

// An integer result: Int64 when an operand was, else the narrowest that holds it.
Value IntegerResult(std::int64_t r, const Value& a, const Value& b)
{
    return IsWide(a) || IsWide(b) ? Value(r) : MakeInteger(r);
}

Value IntegerArith(VarOp op, const Value& a, const Value& b)
{
    const std::int64_t x = VarToInt64(a), y = VarToInt64(b);
    std::int64_t r = 0;
    bool overflow = false;
    switch (op) {
    case VarOp::Add:
        overflow = __builtin_add_overflow(x, y, &r);
        break;
    case VarOp::Sub:
        overflow = __builtin_sub_overflow(x, y, &r);
        break;
    default:
        overflow = __builtin_mul_overflow(x, y, &r);
        break;
    }
    if (overflow)
        throw Exception(evalmsg::IntOverflow);
    return IntegerResult(r, a, b);
}

Value CurrencyArith(VarOp op, const Value& a, const Value& b)
{
    const std::int64_t x = VarToCurrency(a).Scaled, y = VarToCurrency(b).Scaled;
    __int128 r = 0;
    switch (op) {
    case VarOp::Add:
        r = static_cast<__int128>(x) + y;
        break;
    case VarOp::Sub:
        r = static_cast<__int128>(x) - y;
        break;
    default: {
        // Both carry four decimals: the product has eight; back to four, halves to even.
        const __int128 p = static_cast<__int128>(x) * y;
        __int128 q = p / Currency::Scale, rem = p % Currency::Scale;
        const __int128 twice = (rem < 0 ? -rem : rem) * 2;
        if (twice > Currency::Scale || (twice == Currency::Scale && (q % 2 != 0)))
            q += p < 0 ? -1 : 1;
        r = q;
        break;
    }
    }
    if (r > std::numeric_limits<std::int64_t>::max() || r < std::numeric_limits<std::int64_t>::min())
        throw Exception(evalmsg::FloatOverflow);
    return Value(Currency{static_cast<std::int64_t>(r)});
}

Value FloatArith(VarOp op, double x, double y)
{
    switch (op) {
    case VarOp::Add:
        return FloatResult(x + y);
    case VarOp::Sub:
        return FloatResult(x - y);
    default:
        return FloatResult(x * y);
    }
}

// +, - and * once texts and Nulls are dealt with.
Value Arith(VarOp op, const Value& a, const Value& b)
{
    const NumClass ca = ClassOf(a), cb = ClassOf(b);
    const NumClass c = std::max(ca, cb);
    if (c == NumClass::Integer)
        return IntegerArith(op, a, b);
    if (c == NumClass::Currency)
        return CurrencyArith(op, a, b);
    const Value r = FloatArith(op, VarToFloat(a), VarToFloat(b));
    // A date moved by a number stays a date; the distance of two dates is a number.
    const bool dated = ca == NumClass::DateTime || cb == NumClass::DateTime;
    const bool moved = op == VarOp::Add || (op == VarOp::Sub && cb != NumClass::DateTime);
    return dated && moved ? Value(DateTime{r.AsDouble()}) : r;
}

Value JoinTexts(const Value& a, const Value& b)
{
    if (a.Kind() == ValueKind::WideString || b.Kind() == ValueKind::WideString)
        return Value(VarToWideStr(a) + VarToWideStr(b));
    return Value(VarToStr(a) + VarToStr(b));
}

bool TextOrEmpty(const Value& v) { return IsTextKind(v.Kind()) || v.IsEmpty(); }

Value Add(const Value& a, const Value& b)
{
    if (TextOrEmpty(a) && TextOrEmpty(b) && !(a.IsEmpty() && b.IsEmpty()))
        return JoinTexts(a, b);
    return Arith(VarOp::Add, a, b);
}

Value DivFloat(const Value& a, const Value& b)
{
    const double x = VarToFloat(a), y = VarToFloat(b);
    if (y == 0)
        throw Exception(x == 0 || std::isnan(x) ? evalmsg::InvalidFloatOp : evalmsg::FloatDivByZero);
    return FloatResult(x / y);
}

Value DivMod(VarOp op, const Value& a, const Value& b)
{
    ClassOf(a), ClassOf(b);  // objects and arrays have no quotient
    const std::int64_t x = VarToInt64(a), y = VarToInt64(b);
    if (y == 0)
        throw Exception(evalmsg::IntDivByZero);
    if (y == -1)  // the one quotient that overflows: the smallest integer negated
        return op == VarOp::Mod ? IntegerResult(0, a, b) : IntegerArith(VarOp::Sub, Value(std::int32_t{0}), a);
    return IntegerResult(op == VarOp::DivInt ? x / y : x % y, a, b);
}

bool LogicalOperands(const Value& a, const Value& b)
{
    const bool ba = a.Kind() == ValueKind::Boolean, bb = b.Kind() == ValueKind::Boolean;
    return (ba && (bb || IsTextKind(b.Kind()))) || (bb && IsTextKind(a.Kind()));
}

Value Logic(VarOp op, const Value& a, const Value& b)
{
    if (LogicalOperands(a, b)) {
        const bool x = VarToBool(a), y = VarToBool(b);
        return Value(op == VarOp::And ? (x && y) : op == VarOp::Or ? (x || y) : (x != y));
    }
    ClassOf(a), ClassOf(b);
    const std::int64_t x = VarToInt64(a), y = VarToInt64(b);
    return IntegerResult(op == VarOp::And ? (x & y) : op == VarOp::Or ? (x | y) : (x ^ y), a, b);
}

Value Shift(VarOp op, const Value& a, const Value& b)
{
    ClassOf(a), ClassOf(b);
    const std::int64_t x = VarToInt64(a), n = VarToInt64(b);
    if (IsWide(a)) {
        const auto u = static_cast<std::uint64_t>(x);
        return Value(static_cast<std::int64_t>(op == VarOp::Shl ? u << (n & 63) : u >> (n & 63)));
    }
    // 32-bit operands shift as 32-bit patterns.
    const auto u = static_cast<std::uint32_t>(x);
    return Value(static_cast<std::int32_t>(op == VarOp::Shl ? u << (n & 31) : u >> (n & 31)));
}

template <class T>
VarCompareResult Order(const T& x, const T& y)
{
    return x < y ? VarCompareResult::Less : y < x ? VarCompareResult::Greater : VarCompareResult::Equal;
}

VarCompareResult CompareTexts(const Value& a, const Value& b)
{
    if (a.Kind() == ValueKind::WideString || b.Kind() == ValueKind::WideString)
        return Order(VarToWideStr(a), VarToWideStr(b));
    // Bytes compare unsigned: accented letters sort after ASCII.
    const std::string x = VarToStr(a), y = VarToStr(b);
    const int c = x.compare(y);
    return c < 0 ? VarCompareResult::Less : c > 0 ? VarCompareResult::Greater : VarCompareResult::Equal;
}

bool IsReference(const Value& v) { return v.Kind() == ValueKind::Object || v.Kind() == ValueKind::Array; }

} // namespace

Value FloatResult(double d)
{
    if (std::isnan(d))
        throw Exception(evalmsg::InvalidFloatOp);
    if (std::isinf(d))
        throw Exception(evalmsg::FloatOverflow);
    return Value(d);
}

Value VarBinary(VarOp op, const Value& a, const Value& b)
{
    if (op == VarOp::StrCat && a.Kind() == ValueKind::String)
        return Value(VarToStr(a) + VarToStr(b));
    if (a.IsNull() || b.IsNull())
        return Value::Null();
    switch (op) {
    case VarOp::Add:
    case VarOp::StrCat:
        return Add(a, b);
    case VarOp::Sub:
    case VarOp::Mul:
        return Arith(op, a, b);
    case VarOp::DivFloat:
        return DivFloat(a, b);
    case VarOp::DivInt:
    case VarOp::Mod:
        return DivMod(op, a, b);
    case VarOp::And:
    case VarOp::Or:
    case VarOp::Xor:
        return Logic(op, a, b);
    case VarOp::Shl:
    case VarOp::Shr:
        return Shift(op, a, b);
    }
    throw Exception(evalmsg::InvalidVariantOp);
}

Value VarNot(const Value& v)
{
    switch (v.Kind()) {
    case ValueKind::Null:
        return v;
    case ValueKind::Boolean:
        return Value(!v.AsBoolean());
    case ValueKind::String:
    case ValueKind::WideString:
        return Value(!VarToBool(v));
    default:
        ClassOf(v);
        return IsWide(v) ? Value(~v.AsInt64()) : MakeInteger(~VarToInt64(v));
    }
}

Value VarNegate(const Value& v)
{
    switch (v.Kind()) {
    case ValueKind::Null:
        return v;
    case ValueKind::Double:
    case ValueKind::String:
    case ValueKind::WideString:
        return Value(-VarToFloat(v));
    case ValueKind::DateTime:
        return Value(DateTime{-v.AsDateTime().Days});
    case ValueKind::Currency:
        return CurrencyArith(VarOp::Sub, Value(Currency{0}), v);
    default:
        return IntegerArith(VarOp::Sub, Value(std::int32_t{0}), v);
    }
}

VarCompareResult VarCompare(const Value& a, const Value& b)
{
    if (a.IsNull() || b.IsNull())
        return Order(!a.IsNull(), !b.IsNull());
    if (IsReference(a) || IsReference(b)) {
        if (VarSame(a, b))
            return VarCompareResult::Equal;
        throw Exception(evalmsg::InvalidVariantOp);
    }
    if (TextOrEmpty(a) && TextOrEmpty(b))
        return CompareTexts(a, b);
    const NumClass c = std::max(ClassOf(a), ClassOf(b));
    if (c == NumClass::Integer)
        return Order(VarToInt64(a), VarToInt64(b));
    if (c == NumClass::Currency)
        return Order(VarToCurrency(a).Scaled, VarToCurrency(b).Scaled);
    return Order(VarToFloat(a), VarToFloat(b));
}

bool VarSame(const Value& a, const Value& b)
{
    if (a.Kind() == ValueKind::Object || b.Kind() == ValueKind::Object)
        return a.Kind() == b.Kind() && a.AsObject() == b.AsObject();
    if (a.Kind() == ValueKind::Array || b.Kind() == ValueKind::Array) {
        if (a.Kind() != b.Kind() || a.AsArray().size() != b.AsArray().size())
            return false;
        return std::equal(a.AsArray().begin(), a.AsArray().end(), b.AsArray().begin(), VarSame);
    }
    return VarCompare(a, b) == VarCompareResult::Equal;
}

} // namespace orv
