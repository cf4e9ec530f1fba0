// The variant that datasets return, expressions compute and memos format:
// its kinds, plain construction and access, and the conversions and
// operators between kinds (ValueConvert.cpp, ValueOps.cpp).
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace orv {

class TObject;

enum class ValueKind {
    Empty,
    Null,
    Boolean,
    Int8,
    Int16,
    Int32,
    Int64,
    Double,
    Currency,
    DateTime,
    String,
    WideString,
    Object,
    Array,
};

// Fixed point with four decimals: the amount times 10000.
struct Currency {
    std::int64_t Scaled = 0;
    static constexpr std::int64_t Scale = 10000;
    friend bool operator==(Currency, Currency) = default;
};

// Days since 30 December 1899; the fraction is the time of day.
struct DateTime {
    double Days = 0;
    friend bool operator==(DateTime, DateTime) = default;
};

class Value;
using ValueArray = std::vector<Value>;

class Value {
public:
    Value() = default;                       // Empty
    static Value Null();
    Value(bool v) : FData(v) {}
    Value(std::int8_t v) : FData(v) {}
    Value(std::int16_t v) : FData(v) {}
    Value(std::int32_t v) : FData(v) {}
    Value(std::int64_t v) : FData(v) {}
    Value(double v) : FData(v) {}
    Value(Currency v) : FData(v) {}
    Value(DateTime v) : FData(v) {}
    Value(std::string v) : FData(std::move(v)) {}
    Value(const char* v) : FData(std::string(v)) {}
    Value(std::u16string v) : FData(std::move(v)) {}
    Value(const char16_t* v) : FData(std::u16string(v)) {}
    Value(TObject* v) : FData(v) {}
    Value(ValueArray v) : FData(std::move(v)) {}

    ValueKind Kind() const { return static_cast<ValueKind>(FData.index()); }
    bool IsEmpty() const { return Kind() == ValueKind::Empty; }
    bool IsNull() const { return Kind() == ValueKind::Null; }
    bool IsInteger() const;   // any of the four integer kinds
    bool IsNumber() const;    // an integer, double, currency or date-time

    // Typed access: each fails with an exception when the kind differs.
    bool AsBoolean() const { return Get<bool>(); }
    std::int8_t AsInt8() const { return Get<std::int8_t>(); }
    std::int16_t AsInt16() const { return Get<std::int16_t>(); }
    std::int32_t AsInt32() const { return Get<std::int32_t>(); }
    std::int64_t AsInt64() const { return Get<std::int64_t>(); }
    double AsDouble() const { return Get<double>(); }
    Currency AsCurrency() const { return Get<Currency>(); }
    DateTime AsDateTime() const { return Get<DateTime>(); }
    const std::string& AsString() const { return Get<std::string>(); }
    const std::u16string& AsWideString() const { return Get<std::u16string>(); }
    TObject* AsObject() const { return Get<TObject*>(); }
    const ValueArray& AsArray() const { return Get<ValueArray>(); }
    ValueArray& AsArray() { return std::get<ValueArray>(Checked(ValueKind::Array)); }

    // Any integer kind widened to 64 bits.
    std::int64_t IntegerValue() const;

    // Same kind and same content; the variant comparison rules between
    // kinds live with the operators.
    friend bool operator==(const Value&, const Value&) = default;

private:
    struct NullTag {
        friend bool operator==(NullTag, NullTag) = default;
    };
    // Alternatives in the order of ValueKind.
    using Data = std::variant<std::monostate, NullTag, bool, std::int8_t, std::int16_t, std::int32_t,
                              std::int64_t, double, Currency, DateTime, std::string, std::u16string,
                              TObject*, ValueArray>;

    template <class T>
    const T& Get() const
    {
        const T* p = std::get_if<T>(&FData);
        if (!p)
            ThrowWrongKind();
        return *p;
    }
    Data& Checked(ValueKind kind);
    [[noreturn]] void ThrowWrongKind() const;

    Data FData;
};

// The kind's name as messages show it ("Empty", "Int32", ...).
const char* ValueKindName(ValueKind kind);

// --- conversions (ValueConvert.cpp) ---
// Numbers and dates are written and read by the process's format settings.
// A value that has no such form fails with "Could not convert variant of
// type (KIND) into type (TARGET)".

// Text: Empty and Null give "", Booleans "True" / "False", numbers as
// FloatToStr writes them, date-times as DateTimeToStr. Wide text is narrowed
// to Windows-1252.
std::string VarToStr(const Value& v);
std::u16string VarToWideStr(const Value& v);
// Empty is 0, True -1; text is read as a float.
double VarToFloat(const Value& v);
// Floats are rounded, halves to even; outside the 64-bit range fails with
// "Integer overflow".
std::int64_t VarToInt64(const Value& v);
// As VarToInt64, within the 32-bit range.
std::int32_t VarToInt32(const Value& v);
// Numbers: non-zero is true; text: "True" / "False" in any case, or a number.
bool VarToBool(const Value& v);
Currency VarToCurrency(const Value& v);
// Any number taken as days since 30 December 1899; text read as a date-time.
DateTime VarToDateTime(const Value& v);
// Fails with the conversion message unless the value is an object reference
// (Null and Empty give none).
TObject* VarToObject(const Value& v);
bool IsTextKind(ValueKind kind);
// An Int32 when the number fits in 32 bits, else an Int64.
Value MakeInteger(std::int64_t v);
// A float result: NaN fails with "Invalid floating point operation", an
// infinity with "Floating point overflow".
Value FloatResult(double d);

// --- operators (ValueOps.cpp) ---
enum class VarOp { Add, Sub, Mul, DivFloat, DivInt, Mod, And, Or, Xor, Shl, Shr, StrCat };

// Null in any operand gives Null; Empty counts as 0 or "". Numbers combine
// in the wider kind (integers widen to Int64 instead of overflowing; a
// date-time plus or minus a number stays a date-time); texts join under Add;
// text against a number is read as a number. Faults raise orv::Exception with
// the platform's texts ("Division by zero", "Floating point division by
// zero", "Integer overflow", "Floating point overflow", "Invalid floating
// point operation", "Invalid variant operation").
Value VarBinary(VarOp op, const Value& a, const Value& b);
Value VarNot(const Value& v);
Value VarNegate(const Value& v);

enum class VarCompareResult { Less, Equal, Greater };
// Null equals Null and is less than anything else; Empty counts as 0 or "";
// texts compare by their characters (letter case counts), text against a
// number as numbers. Objects compare only for equality.
VarCompareResult VarCompare(const Value& a, const Value& b);
bool VarSame(const Value& a, const Value& b);  // VarCompare(a, b) == Equal

} // namespace orv
