#include "script/Value.h"

#include "platform/DateTimeFormat.h"
#include "platform/Exception.h"
#include "platform/FormatSettings.h"
#include "platform/Object.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(ValueText, EachKindTurnsIntoTextByTheFormatSettings)
{
    ScopedFormatSettings spanish{"es_ES"};
    struct Case {
        Value V;
        const char* text;
    };
    const Case cases[] = {
        {Value(), ""},
        {Value::Null(), ""},
        {Value(true), "True"},
        {Value(std::int8_t{-5}), "-5"},
        {Value(std::int64_t{9000000000}), "9000000000"},
        {Value(2.5), "2,5"},
        {Value(Currency{12345}), "1,2345"},
        {Value(DateTime{EncodeDate(2024, 3, 15)}), "15/03/2024"},
        {Value("Pe\xF1" "alara"), "Pe\xF1" "alara"},
        {Value(u"300 \u20AC"), "300 \x80"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VarToStr(c.V), c.text) << ValueKindName(c.V.Kind());
        EXPECT_EQ(VarToWideStr(c.V), Cp1252ToUtf16(c.text)) << ValueKindName(c.V.Kind());
    }
    EXPECT_EQ(VarToWideStr(Value(u"\u4E2D")), u"\u4E2D") << "wide text stays whole";
}

TEST(ValueText, ObjectsAndArraysHaveNoText)
{
    TObject object;
    for (const Value& v : {Value(&object), Value(ValueArray{Value(1)})})
        EXPECT_THROW(VarToStr(v), Exception) << ValueKindName(v.Kind());
}

} // namespace
} // namespace orv
