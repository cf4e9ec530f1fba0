#include "script/Value.h"

#include "platform/Exception.h"
#include "platform/Object.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(Value, EachKindKeepsWhatItWasMadeFrom)
{
    TObject object;
    struct Case {
        Value V;
        ValueKind Kind;
    };
    const Case cases[] = {
        {Value(), ValueKind::Empty},
        {Value::Null(), ValueKind::Null},
        {Value(true), ValueKind::Boolean},
        {Value(std::int8_t{-5}), ValueKind::Int8},
        {Value(std::int16_t{300}), ValueKind::Int16},
        {Value(std::int32_t{70000}), ValueKind::Int32},
        {Value(std::int64_t{1} << 40), ValueKind::Int64},
        {Value(2.5), ValueKind::Double},
        {Value(Currency{12345}), ValueKind::Currency},
        {Value(DateTime{45000.5}), ValueKind::DateTime},
        {Value("texto"), ValueKind::String},
        {Value(u"texto"), ValueKind::WideString},
        {Value(&object), ValueKind::Object},
        {Value(ValueArray{Value(1), Value("a")}), ValueKind::Array},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.V.Kind(), c.Kind) << ValueKindName(c.Kind);
    EXPECT_EQ(Value(std::int16_t{300}).IntegerValue(), 300);
    EXPECT_EQ(Value(Currency{12345}).AsCurrency().Scaled, 12345); // 1.2345
    EXPECT_EQ(Value(&object).AsObject(), &object);
    EXPECT_EQ(Value(ValueArray{Value(1), Value("a")}).AsArray()[1], Value("a"));
    EXPECT_TRUE(Value(Currency{1}).IsNumber());
    EXPECT_FALSE(Value("1").IsNumber());
}

TEST(Value, AskingForAnotherKindFails)
{
    try {
        (void)Value("x").AsInt32();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Invalid variant type conversion from String");
    }
    EXPECT_THROW((void)Value::Null().IntegerValue(), Exception);
    EXPECT_NE(Value(std::int32_t{1}), Value(std::int64_t{1})); // the kinds differ
}

} // namespace
} // namespace orv
