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

TEST(Utf8Test, EncodesEveryLengthAndDecodesBack) {
    const struct {
        std::u16string wide;
        std::string utf8;
    } cases[] = {
        {u"Ab", "Ab"},
        {u"\u00E1\u00F1", "\xC3\xA1\xC3\xB1"},
        {u"\u20AC\u4E2D", "\xE2\x82\xAC\xE4\xB8\xAD"},
        {u"\U0001F600", "\xF0\x9F\x98\x80"},
        {std::u16string(1, char16_t(0xD83D)) + u"x", "\xED\xA0\xBDx"},  // a lone surrogate is kept
        {std::u16string(1, char16_t(0)), std::string(1, '\0')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(Utf16ToUtf8(c.wide), c.utf8);
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.wide);
    }
}

TEST(Utf8Test, BytesOutsideWellFormedSequencesReadAsTheCodePage) {
    const struct {
        std::string utf8;
        std::u16string wide;
    } cases[] = {
        {"Caf\xE9", u"Caf\u00E9"},                      // a Windows-1252 accent
        {"\x80 \x9F", u"\u20AC \u0178"},                  // stray continuation bytes
        {"\xC0\xAF", u"\u00C0\u00AF"},                  // overlong form of '/'
        {"\xE2\x82", u"\u00E2\u201A"},                  // truncated sequence
        {"\xF4\x90\x80\x80", u"\u00F4\u0090\u20AC\u20AC"},  // above U+10FFFF
        {"\xF8\x88", u"\u00F8\u02C6"},                  // no such lead byte
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.wide);
    }
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
