#include "platform/Text.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(Cp1252Test, EveryByteRoundTripsThroughUtf16) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::u16string wide = Cp1252ToUtf16(all);
    ASSERT_EQ(wide.size(), 256u);
    EXPECT_EQ(Utf16ToCp1252(wide), all);
}

TEST(Cp1252Test, MapsTheSpecialRangeAndTheUndefinedBytes) {
    const struct {
        unsigned char byte;
        char16_t unit;
    } cases[] = {
        {0x80, u'\u20AC'}, {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090},
        {0x9D, 0x009D},    {0x9F, 0x0178}, {0x99, 0x2122}, {0xF1, u'\u00F1'}, {0xBA, 0x00BA},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.byte);
        EXPECT_EQ(Cp1252ToUtf16(std::string(1, static_cast<char>(c.byte))), std::u16string(1, c.unit));
    }
}

TEST(Cp1252Test, UnmappableCharactersBecomeOneQuestionMarkEach) {
    EXPECT_EQ(Utf16ToCp1252(u"a\u4E2D\U0001F600b"), "a??b");
}

TEST(Cp1252Test, Utf8ForTheConsole) {
    EXPECT_EQ(Cp1252ToUtf8("Par\xE1metro \x80"), "Par\xC3\xA1metro \xE2\x82\xAC");
}

TEST(TextTest, CaseAndTrimTouchOnlyAsciiLettersAndBlanks) {
    EXPECT_EQ(LowerCase("ABC-\xC1z"), "abc-\xC1z");
    EXPECT_EQ(UpperCase("compras\xE1"), "COMPRAS\xE1");
    EXPECT_TRUE(SameText("Pedido", "pEDIDO"));
    EXPECT_FALSE(SameText("Pedido", "Pedidos"));
    EXPECT_EQ(Trim(" \t\x01 a b \r\n"), "a b");
    EXPECT_EQ(Trim("   "), "");
}

} // namespace
} // namespace orv
