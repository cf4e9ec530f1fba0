#include "model/Highlight.h"

#include "model/FillProperties.h"
#include "model/Units.h"

namespace orv {

const TClassInfo& TfrxFormat::StaticClass()
{
    static const TEnumInfo kinds("TfrxFormatKind", {"fkText", "fkNumeric", "fkDateTime", "fkBoolean"});
    static const auto info = MakeClass<TfrxFormat>("TfrxFormat", &TPersistent::StaticClass(), [](auto& b) {
        b.String("DecimalSeparator", &TfrxFormat::DecimalSeparator);
        b.String("ThousandSeparator", &TfrxFormat::ThousandSeparator);
        b.String("FormatStr", &TfrxFormat::FormatStr);
        b.Enum("Kind", kinds, &TfrxFormat::Kind).WithDefault(fkText);
    });
    return *info;
}

void TfrxFormat::Assign(const TfrxFormat& source)
{
    DecimalSeparator = source.DecimalSeparator;
    ThousandSeparator = source.ThousandSeparator;
    FormatStr = source.FormatStr;
    Kind = source.Kind;
}

const TClassInfo& TfrxHighlight::StaticClass()
{
    static const auto info = MakeClass<TfrxHighlight>("TfrxHighlight", &TPersistent::StaticClass(), [](auto& b) {
        using H = TfrxHighlight;
        b.Boolean("Active", &H::Active).Never();
        b.Boolean("ApplyFont", &H::ApplyFont).WithDefault(true);
        b.Boolean("ApplyFill", &H::ApplyFill).WithDefault(true);
        b.Boolean("ApplyFrame", &H::ApplyFrame).WithDefault(false);
        b.Object("Font", &TFont::StaticClass, [](H& h) { return &h.Font; });
        AddFillColorProperty(b, &H::FillSlot).WithDefault(clTransparent);
        b.String("Condition", &H::Condition);
        AddFillTypeProperty(b, &H::FillSlot).WithDefault(ftBrush);
        AddFillProperty(b, &H::FillSlot);
        b.Object("Frame", &TfrxFrame::StaticClass, [](H& h) { return &h.Frame; });
        b.Boolean("Visible", &H::Visible).WithDefault(true);
    });
    return *info;
}

void TfrxHighlight::Assign(const TfrxHighlight& source)
{
    Active = source.Active;
    ApplyFont = source.ApplyFont;
    ApplyFill = source.ApplyFill;
    ApplyFrame = source.ApplyFrame;
    Font.Assign(source.Font);
    Condition = source.Condition;
    FillSlot.Assign(source.FillSlot);
    Frame.Assign(source.Frame);
    Visible = source.Visible;
}

} // namespace orv
