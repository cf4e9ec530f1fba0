#include "platform/SystemColors.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(SystemColors, ResolveToFixedRgbValues)
{
    struct Case {
        TColor Color;
        TColor Rgb;
    };
    const Case cases[] = {
        {0x000000FF, 0x000000FF},                         // a plain colour stays
        {static_cast<TColor>(0x8000000Fu), 0x00F0F0F0},   // button face
        {static_cast<TColor>(0x80000005u), 0x00FFFFFF},   // window
        {static_cast<TColor>(0x80000008u), 0x00000000},   // window text
        {static_cast<TColor>(0x80000018u), 0x00E1FFFF},   // tooltip background
        {static_cast<TColor>(0x800000FEu), 0x00000000},   // no such index
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorToRGB(c.Color), c.Rgb) << std::hex << c.Color;
    EXPECT_FALSE(IsSystemColor(536870911));

    TColor color = 0;
    ASSERT_TRUE(SystemColorByName("CLBTNFACE", color));
    EXPECT_EQ(color, static_cast<TColor>(0x8000000Fu));
    EXPECT_FALSE(SystemColorByName("clNothing", color));
}

} // namespace
} // namespace orv
