#include "platform/SystemColors.h"

#include "platform/Text.h"

#include <array>

namespace orv {

namespace {

constexpr TColor Rgb(unsigned r, unsigned g, unsigned b)
{
    return static_cast<TColor>(r | (g << 8) | (b << 16));
}

struct SystemColor {
    const char* Name;
    TColor Rgb;
};

// Indexed by the low byte of the constant, as the desktop numbers them.
constexpr std::array<SystemColor, 31> SystemColors = {{
    {"clScrollBar", Rgb(200, 200, 200)},
    {"clBackground", Rgb(0, 0, 0)},
    {"clActiveCaption", Rgb(153, 180, 209)},
    {"clInactiveCaption", Rgb(191, 205, 219)},
    {"clMenu", Rgb(240, 240, 240)},
    {"clWindow", Rgb(255, 255, 255)},
    {"clWindowFrame", Rgb(100, 100, 100)},
    {"clMenuText", Rgb(0, 0, 0)},
    {"clWindowText", Rgb(0, 0, 0)},
    {"clCaptionText", Rgb(0, 0, 0)},
    {"clActiveBorder", Rgb(180, 180, 180)},
    {"clInactiveBorder", Rgb(244, 247, 252)},
    {"clAppWorkSpace", Rgb(171, 171, 171)},
    {"clHighlight", Rgb(0, 120, 215)},
    {"clHighlightText", Rgb(255, 255, 255)},
    {"clBtnFace", Rgb(240, 240, 240)},
    {"clBtnShadow", Rgb(160, 160, 160)},
    {"clGrayText", Rgb(109, 109, 109)},
    {"clBtnText", Rgb(0, 0, 0)},
    {"clInactiveCaptionText", Rgb(0, 0, 0)},
    {"clBtnHighlight", Rgb(255, 255, 255)},
    {"cl3DDkShadow", Rgb(105, 105, 105)},
    {"cl3DLight", Rgb(227, 227, 227)},
    {"clInfoText", Rgb(0, 0, 0)},
    {"clInfoBk", Rgb(255, 255, 225)},
    {"", Rgb(0, 0, 0)}, // index 25 is not assigned
    {"clHotLight", Rgb(0, 102, 204)},
    {"clGradientActiveCaption", Rgb(185, 209, 234)},
    {"clGradientInactiveCaption", Rgb(215, 228, 242)},
    {"clMenuHighlight", Rgb(0, 120, 215)},
    {"clMenuBar", Rgb(240, 240, 240)},
}};

} // namespace

bool IsSystemColor(TColor color)
{
    return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0x80000000u;
}

TColor ColorToRGB(TColor color)
{
    if (!IsSystemColor(color))
        return color;
    const std::uint32_t index = static_cast<std::uint32_t>(color) & 0xFFu;
    return index < SystemColors.size() ? SystemColors[index].Rgb : Rgb(0, 0, 0);
}

bool SystemColorByName(std::string_view name, TColor& color)
{
    if (name.empty())
        return false;
    for (std::size_t i = 0; i < SystemColors.size(); ++i) {
        if (SameText(SystemColors[i].Name, name)) {
            color = static_cast<TColor>(0x80000000u | static_cast<std::uint32_t>(i));
            return true;
        }
    }
    return false;
}

} // namespace orv
