// Conversions and operators of values between kinds that expressions cannot
// write as literals: currency, date-time, wide text, Empty and 64-bit integers.
#include "script/Value.h"

#include "platform/Exception.h"
#include "platform/FormatSettings.h"
#include "platform/Object.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace orv {
namespace {

std::string Shown(const Value& v) { return std::string(ValueKindName(v.Kind())) + " " + VarToStr(v); }

TEST(ValueOps, KindsCombineAsTheWiderOne)
{
    const ScopedFormatSettings spanish("es_ES");
    const Value cur(Currency{12345});  // 1,2345
    const Value day(DateTime{45000});
    const struct {
        VarOp op;
        Value a, b;
        const char* shown;
    } cases[] = {
        {VarOp::Add, cur, Value(1), "Currency 2,2345"},
        {VarOp::Mul, cur, cur, "Currency 1,524"},  // 1,52399025 to four decimals
        {VarOp::Add, cur, Value(0.5), "Double 1,7345"},
        {VarOp::Add, day, Value(1), "DateTime 16/03/2023"},
        {VarOp::Sub, day, Value(0.25), "DateTime 14/03/2023 18:00:00"},
        {VarOp::Sub, day, Value(DateTime{44999}), "Double 1"},
        {VarOp::Add, Value(std::int64_t{1}), Value(2), "Int64 3"},
        {VarOp::Mul, Value(std::int32_t{65536}), Value(65536), "Int64 4294967296"},
        {VarOp::Add, Value("1,5"), Value(1), "Double 2,5"},
        {VarOp::Add, Value(), Value("a"), "String a"},
        {VarOp::Add, Value(), Value(2), "Int32 2"},
        {VarOp::Add, Value(u"ancho"), Value("+"), "WideString ancho+"},
        {VarOp::Sub, Value::Null(), Value(1), "Null "},
        {VarOp::StrCat, Value("a"), Value::Null(), "String a"},
        {VarOp::StrCat, Value(1), Value(2), "Int32 3"},
        {VarOp::DivInt, Value(std::numeric_limits<std::int32_t>::min()), Value(-1), "Int64 2147483648"},
        {VarOp::Shl, Value(std::int64_t{1}), Value(40), "Int64 1099511627776"},
        {VarOp::Shr, Value(-1), Value(28), "Int32 15"},
        {VarOp::And, Value(true), Value("false"), "Boolean False"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(VarBinary(c.op, c.a, c.b)), c.shown) << c.shown;
    EXPECT_EQ(Shown(VarNegate(cur)), "Currency -1,2345");
    EXPECT_EQ(Shown(VarNegate(Value(std::numeric_limits<std::int32_t>::min()))), "Int64 2147483648");
    EXPECT_EQ(Shown(VarNot(Value::Null())), "Null ");
}

TEST(ValueOps, ComparisonAcrossKinds)
{
    const ScopedFormatSettings spanish("es_ES");
    using R = VarCompareResult;
    const struct {
        Value a, b;
        R result;
    } cases[] = {
        {Value::Null(), Value(0), R::Less},
        {Value(0), Value::Null(), R::Greater},
        {Value::Null(), Value::Null(), R::Equal},
        {Value(), Value(0), R::Equal},
        {Value(), Value(""), R::Equal},
        {Value("10"), Value(9), R::Greater},
        {Value("b"), Value("a"), R::Greater},
        {Value("\xE1"), Value("z"), R::Greater},
        {Value(u"a"), Value("a"), R::Equal},
        {Value(Currency{10000}), Value(1), R::Equal},
        {Value(DateTime{1.5}), Value(1.5), R::Equal},
        {Value(std::int64_t{1} << 62), Value(1.0), R::Greater},
        {Value(false), Value(true), R::Greater},  // True is -1 as a number
    };
    for (const auto& c : cases)
        EXPECT_EQ(VarCompare(c.a, c.b), c.result) << VarToStr(c.a) << " ? " << VarToStr(c.b);
    TObject x, y;
    EXPECT_TRUE(VarSame(Value(&x), Value(&x)));
    EXPECT_FALSE(VarSame(Value(&x), Value(&y)));
    EXPECT_THROW(VarCompare(Value(&x), Value(&y)), Exception);
    EXPECT_TRUE(VarSame(Value(ValueArray{Value(1), Value("a")}), Value(ValueArray{Value(1.0), Value("a")})));
}

TEST(ValueOps, ConversionsAndTheirFaults)
{
    const ScopedFormatSettings spanish("es_ES");
    EXPECT_EQ(VarToInt64(Value(2.5)), 2);
    EXPECT_EQ(VarToInt64(Value(3.5)), 4);
    EXPECT_EQ(VarToInt64(Value(" 12")), 12);
    EXPECT_EQ(VarToCurrency(Value(1.23456)).Scaled, 12346);
    EXPECT_TRUE(VarToBool(Value("TRUE")));
    EXPECT_FALSE(VarToBool(Value("0")));
    EXPECT_EQ(VarToStr(Value(true)), "True");
    EXPECT_EQ(VarToStr(Value(DateTime{45000})), "15/03/2023");
    EXPECT_EQ(VarToDateTime(Value("15/03/2023")).Days, 45000);
    const struct {
        std::function<void()> action;
        const char* message;
    } faults[] = {
        {[] { VarToFloat(Value::Null()); }, "Could not convert variant of type (Null) into type (Double)"},
        {[] { VarToFloat(Value("x")); }, "Could not convert variant of type (String) into type (Double)"},
        {[] { VarToBool(Value("quiz\xE1s")); }, "Could not convert variant of type (String) into type (Boolean)"},
        {[] { VarToInt64(Value(1e19)); }, "Integer overflow"},
        {[] { VarToInt32(Value(std::int64_t{1} << 40)); }, "Integer overflow"},
        {[] { VarToCurrency(Value(1e300)); }, "Floating point overflow"},
        {[] { VarToStr(Value(ValueArray{})); }, "Could not convert variant of type (Array) into type (String)"},
        {[] { VarBinary(VarOp::Add, Value(ValueArray{}), Value(1)); }, "Invalid variant operation"},
        {[] { VarBinary(VarOp::Add, Value(1e308), Value(1e308)); }, "Floating point overflow"},
        {[] { VarBinary(VarOp::Mul, Value(Currency{std::int64_t{1} << 62}), Value(Currency{40000})); }, "Floating point overflow"},
        {[] { VarNegate(Value(std::numeric_limits<std::int64_t>::min())); }, "Integer overflow"},
        {[] { VarBinary(VarOp::DivInt, Value(std::numeric_limits<std::int64_t>::min()), Value(-1)); }, "Integer overflow"},
    };
    for (const auto& f : faults) {
        try {
            f.action();
            ADD_FAILURE() << "no error for: " << f.message;
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), f.message);
        }
    }
}

} // namespace
} // namespace orv
