#include "model/Frame.h"

#include "model/PropertyRegistry.h"

namespace orv {

const TEnumInfo& FrameTypeEnum()
{
    static const TEnumInfo info("TfrxFrameType", {"ftLeft", "ftRight", "ftTop", "ftBottom"});
    return info;
}

const TEnumInfo& FrameStyleEnum()
{
    static const TEnumInfo info("TfrxFrameStyle", {"fsSolid", "fsDash", "fsDot", "fsDashDot", "fsDashDotDot",
                                                   "fsDouble", "fsAltDot", "fsSquare"});
    return info;
}

const TClassInfo& TfrxFrameLine::StaticClass()
{
    // A line is written only where it differs from its frame.
    static const auto info = MakeClass<TfrxFrameLine>("TfrxFrameLine", &TPersistent::StaticClass(), [](auto& b) {
        using L = TfrxFrameLine;
        b.Color("Color", &L::Color).StoredWhen([](const TPersistent& o) {
            const auto& l = static_cast<const L&>(o);
            return l.Color != l.Frame().Color();
        });
        b.Enum("Style", FrameStyleEnum(), &L::Style).StoredWhen([](const TPersistent& o) {
            const auto& l = static_cast<const L&>(o);
            return l.Style != l.Frame().Style();
        });
        b.Extended("Width", &L::Width).StoredWhen([](const TPersistent& o) {
            const auto& l = static_cast<const L&>(o);
            return l.Width != l.Frame().Width();
        });
    });
    return *info;
}

void TfrxFrameLine::Assign(const TfrxFrameLine& source)
{
    Color = source.Color;
    Style = source.Style;
    Width = source.Width;
}

const TClassInfo& TfrxFrame::StaticClass()
{
    static const auto info = MakeClass<TfrxFrame>("TfrxFrame", &TPersistent::StaticClass(), [](auto& b) {
        using F = TfrxFrame;
        b.Color("Color", &F::Color, &F::SetColor).WithDefault(0);
        b.Boolean("DropShadow", &F::DropShadow).WithDefault(false);
        b.Color("ShadowColor", &F::ShadowColor).WithDefault(0);
        b.Extended("ShadowWidth", &F::ShadowWidth).StoredWhen([](const TPersistent& o) {
            return static_cast<const F&>(o).ShadowWidth != 4;
        });
        b.Enum("Style", FrameStyleEnum(), &F::Style, &F::SetStyle).WithDefault(fsSolid);
        b.Set("Typ", FrameTypeEnum(), &F::Typ).WithDefault(0);
        b.Extended("Width", &F::Width, &F::SetWidth).StoredWhen([](const TPersistent& o) {
            return static_cast<const F&>(o).Width() != 1;
        });
        const TClassGetter line = &TfrxFrameLine::StaticClass;
        b.Object("LeftLine", line, [](F& f) { return &f.LeftLine; });
        b.Object("TopLine", line, [](F& f) { return &f.TopLine; });
        b.Object("RightLine", line, [](F& f) { return &f.RightLine; });
        b.Object("BottomLine", line, [](F& f) { return &f.BottomLine; });
    });
    return *info;
}

void TfrxFrame::SetColor(TColor value)
{
    FColor = value;
    ForEachLine([value](TfrxFrameLine& l) { l.Color = value; });
}

void TfrxFrame::SetStyle(TfrxFrameStyle value)
{
    FStyle = value;
    ForEachLine([value](TfrxFrameLine& l) { l.Style = value; });
}

void TfrxFrame::SetWidth(long double value)
{
    FWidth = value;
    ForEachLine([value](TfrxFrameLine& l) { l.Width = value; });
}

void TfrxFrame::Assign(const TfrxFrame& source)
{
    Typ = source.Typ;
    FColor = source.FColor;
    FStyle = source.FStyle;
    FWidth = source.FWidth;
    DropShadow = source.DropShadow;
    ShadowColor = source.ShadowColor;
    ShadowWidth = source.ShadowWidth;
    LeftLine.Assign(source.LeftLine);
    TopLine.Assign(source.TopLine);
    RightLine.Assign(source.RightLine);
    BottomLine.Assign(source.BottomLine);
}

} // namespace orv
