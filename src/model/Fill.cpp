#include "model/Fill.h"

#include "model/Font.h"
#include "model/PropertyRegistry.h"
#include "model/Units.h"

namespace orv {

const TEnumInfo& FillTypeEnum()
{
    static const TEnumInfo info("TfrxFillType", {"ftBrush", "ftGradient", "ftGlass"});
    return info;
}

const TEnumInfo& BrushStyleEnum()
{
    static const TEnumInfo info("TBrushStyle", {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                                "bsBDiagonal", "bsCross", "bsDiagCross"});
    return info;
}

const TEnumInfo& GradientStyleEnum()
{
    static const TEnumInfo info("TfrxGradientStyle", {"gsHorizontal", "gsVertical", "gsElliptic", "gsRectangle",
                                                      "gsVertCenter", "gsHorizCenter"});
    return info;
}

namespace {

const TEnumInfo& FillOrientationEnum()
{
    static const TEnumInfo info("TfrxFillOrientation",
                                {"foVertical", "foHorizontal", "foVerticalMirror", "foHorizontalMirror"});
    return info;
}

} // namespace

const TClassInfo& TfrxCustomFill::StaticClass()
{
    static const auto info = MakeClass<TfrxCustomFill>("TfrxCustomFill", &TPersistent::StaticClass(), [](auto&) {});
    return *info;
}

const TClassInfo& TfrxBrushFill::StaticClass()
{
    static const auto info = MakeClass<TfrxBrushFill>("TfrxBrushFill", &TfrxCustomFill::StaticClass(), [](auto& b) {
        b.Color("BackColor", &TfrxBrushFill::BackColor).WithDefault(clTransparent);
        b.Color("ForeColor", &TfrxBrushFill::ForeColor).WithDefault(0);
        b.Enum("Style", BrushStyleEnum(), &TfrxBrushFill::Style).WithDefault(bsSolid);
    });
    return *info;
}

const TClassInfo& TfrxGradientFill::StaticClass()
{
    static const auto info =
        MakeClass<TfrxGradientFill>("TfrxGradientFill", &TfrxCustomFill::StaticClass(), [](auto& b) {
            b.Color("StartColor", &TfrxGradientFill::StartColor).WithDefault(clWhite);
            b.Color("EndColor", &TfrxGradientFill::EndColor).WithDefault(0);
            b.Enum("GradientStyle", GradientStyleEnum(), &TfrxGradientFill::GradientStyle);
        });
    return *info;
}

const TClassInfo& TfrxGlassFill::StaticClass()
{
    static const auto info = MakeClass<TfrxGlassFill>("TfrxGlassFill", &TfrxCustomFill::StaticClass(), [](auto& b) {
        b.Color("Color", &TfrxGlassFill::Color).WithDefault(clWhite);
        b.Float("Blend", &TfrxGlassFill::Blend);
        b.Boolean("Hatch", &TfrxGlassFill::Hatch).WithDefault(false);
        b.Enum("Orientation", FillOrientationEnum(), &TfrxGlassFill::Orientation).WithDefault(foHorizontal);
    });
    return *info;
}

TColor TfrxGradientFill::MiddleColor() const
{
    const TColor start = ColorToRGB(StartColor);
    const TColor end = ColorToRGB(EndColor);
    TColor result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int s = (start >> shift) & 0xFF;
        const int e = (end >> shift) & 0xFF;
        result |= ((s + MulDiv(127, e - s, 255)) & 0xFF) << shift;
    }
    return result;
}

std::unique_ptr<TfrxCustomFill> CreateFill(TfrxFillType type)
{
    switch (type) {
    case ftGradient:
        return std::make_unique<TfrxGradientFill>();
    case ftGlass:
        return std::make_unique<TfrxGlassFill>();
    case ftBrush:
        break;
    }
    return std::make_unique<TfrxBrushFill>();
}

void TfrxFillSlot::SetFillType(TfrxFillType type)
{
    if (type != FillType())
        FFill = CreateFill(type);
}

TColor TfrxFillSlot::Color() const
{
    if (auto* brush = dynamic_cast<const TfrxBrushFill*>(FFill.get()))
        return brush->BackColor;
    if (auto* gradient = dynamic_cast<const TfrxGradientFill*>(FFill.get()))
        return gradient->MiddleColor();
    return clTransparent;
}

void TfrxFillSlot::SetColor(TColor value)
{
    if (auto* brush = dynamic_cast<TfrxBrushFill*>(FFill.get()))
        brush->BackColor = value;
}

TBrushStyle TfrxFillSlot::BrushStyle() const
{
    if (auto* brush = dynamic_cast<const TfrxBrushFill*>(FFill.get()))
        return brush->Style;
    return bsClear;
}

void TfrxFillSlot::SetBrushStyle(TBrushStyle value)
{
    if (auto* brush = dynamic_cast<TfrxBrushFill*>(FFill.get()))
        brush->Style = value;
}

} // namespace orv
