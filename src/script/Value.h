// The variant that datasets return, expressions compute and memos format.
// This file holds the kinds and their plain construction and access; the
// conversions and operators between kinds are built on top of it.
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

} // namespace orv
