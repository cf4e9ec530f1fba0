#include "model/Views.h"

#include "data/DataSet.h"
#include "model/ComponentProperties.h"
#include "model/FillProperties.h"
#include "model/Pages.h"
#include "model/Report.h"
#include "model/Units.h"
#include "model/ViewProperties.h"
#include "platform/Text.h"

namespace orv {

namespace {

const TEnumInfo& ShiftModeEnum()
{
    static const TEnumInfo info("TfrxShiftMode", {"smDontShift", "smAlways", "smWhenOverlapped"});
    return info;
}

const TEnumInfo& StretchModeEnum()
{
    static const TEnumInfo info("TfrxStretchMode", {"smDontStretch", "smActualHeight", "smMaxHeight"});
    return info;
}

const TEnumInfo& VisibilityEnum()
{
    static const TEnumInfo info("TfrxVisibilityType", {"vsPreview", "vsExport", "vsPrint"});
    return info;
}

const TEnumInfo& ShapeKindEnum()
{
    static const TEnumInfo info("TfrxShapeKind", {"skRectangle", "skRoundRectangle", "skEllipse", "skTriangle",
                                                  "skDiamond", "skDiagonal1", "skDiagonal2"});
    return info;
}

} // namespace

const TEnumInfo& HAlignEnum()
{
    static const TEnumInfo info("TfrxHAlign", {"haLeft", "haRight", "haCenter", "haBlock"});
    return info;
}

const TEnumInfo& VAlignEnum()
{
    static const TEnumInfo info("TfrxVAlign", {"vaTop", "vaBottom", "vaCenter"});
    return info;
}

const TEnumInfo& AlignEnum()
{
    static const TEnumInfo info("TfrxAlign", {"baNone", "baLeft", "baRight", "baCenter", "baWidth", "baBottom",
                                              "baClient"});
    return info;
}

// --- TfrxView ---

const TClassInfo& TfrxView::StaticClass()
{
    static const auto info = MakeClass<TfrxView>("TfrxView", &TfrxReportComponent::StaticClass(), [](auto& b) {
        using V = TfrxView;
        b.Enum("Align", AlignEnum(), &V::Align).WithDefault(baNone);
        b.Boolean("Printable", &V::Printable, &V::SetPrintable).Never();
        b.Enum("ShiftMode", ShiftModeEnum(), &V::ShiftMode).WithDefault(smAlways);
        AddGeometryProperties(b);
        b.Integer("GroupIndex", &V::GroupIndex).WithDefault(0);
        AddRestrictionsProperty(b);
        AddVisibleProperty(b);
        b.String("OnAfterData", &V::OnAfterData);
        b.String("OnAfterPrint", &V::OnAfterPrint);
        b.String("OnBeforePrint", &V::OnBeforePrint);
        b.String("OnMouseEnter", &V::OnMouseEnter);
        b.String("OnMouseLeave", &V::OnMouseLeave);
        b.String("OnMouseDown", &V::OnMouseDown);
        b.String("OnMouseMove", &V::OnMouseMove);
        b.String("OnMouseUp", &V::OnMouseUp);
        b.String("OnPreviewClick", &V::OnPreviewClick);
        b.String("OnPreviewDblClick", &V::OnPreviewDblClick);
        b.Object("Hyperlink", &TfrxHyperlink::StaticClass, [](V& v) { return &v.Hyperlink; });
        b.String("Hint", &V::Hint);
        b.Boolean("ShowHint", &V::ShowHint).WithDefault(false);
        b.Set("Visibility", VisibilityEnum(), &V::Visibility).WithDefault(AllVisibility.Mask());
    });
    return *info;
}

const TClassInfo& TfrxStretcheable::StaticClass()
{
    static const auto info = MakeClass<TfrxStretcheable>("TfrxStretcheable", &TfrxView::StaticClass(), [](auto& b) {
        b.Enum("StretchMode", StretchModeEnum(), &TfrxStretcheable::StretchMode).WithDefault(smDontStretch);
    });
    return *info;
}

// --- memos ---

TfrxCustomMemoView::TfrxCustomMemoView(TComponent* AOwner) : TfrxStretcheable(AOwner)
{
}

const TClassInfo& TfrxCustomMemoView::StaticClass()
{
    static const auto info =
        MakeClass<TfrxCustomMemoView>("TfrxCustomMemoView", &TfrxStretcheable::StaticClass(), [](auto& b) {
            using M = TfrxCustomMemoView;
            b.Boolean("FirstParaBreak", &M::FirstParaBreak).WithDefault(false);
            b.Boolean("LastParaBreak", &M::LastParaBreak).WithDefault(false);
            b.Integer("Cursor", &M::Cursor).WithDefault(0);
            b.String("TagStr", &M::TagStr);
            b.String("URL", &M::URL).Never();
        });
    return *info;
}

const TClassInfo& TfrxMemoView::StaticClass()
{
    static const auto info = MakeClass<TfrxMemoView>("TfrxMemoView", &TfrxCustomMemoView::StaticClass(), [](auto& b) {
        AddMemoProperties(b);
        b.Creatable();
    });
    return *info;
}

const TClassInfo& TfrxSysMemoView::StaticClass()
{
    static const auto info =
        MakeClass<TfrxSysMemoView>("TfrxSysMemoView", &TfrxCustomMemoView::StaticClass(), [](auto& b) {
            AddMemoProperties(b);
            for (const char* name : {"AllowExpressions", "AllowHTMLTags", "BrushStyle", "Clipped", "Color",
                                     "DataField", "DataSet", "DataSetName", "ExpressionDelimiters", "FlowTo",
                                     "LineSpacing", "ParagraphGap", "Underlines", "UseDefaultCharset", "WordBreak",
                                     "Wysiwyg"})
                b.Hide(name);
            b.Creatable();
        });
    return *info;
}

std::string TfrxCustomMemoView::AnsiText() const
{
    return Utf16ToCp1252(Text());
}

void TfrxCustomMemoView::SetAnsiText(std::string_view text)
{
    SetText(Cp1252ToUtf16(text));
}

TfrxFormat& TfrxCustomMemoView::DisplayFormat()
{
    return Formats.Count() == 0 ? Formats.Add() : Formats[0];
}

TfrxHighlight& TfrxCustomMemoView::Highlight()
{
    return Highlights.Count() == 0 ? Highlights.Add() : Highlights[0];
}

void TfrxCustomMemoView::SetStyle(const std::string& value)
{
    FStyle = value;
    if (TfrxReport* report = OwnerReport())
        if (const TfrxStyleItem* style = report->Styles.Find(value))
            ApplyStyle(*style);
}

void TfrxCustomMemoView::ApplyStyle(const TfrxStyleItem& style)
{
    if (style.ApplyFill)
        FillSlot.Assign(style.FillSlot);
    if (style.ApplyFont)
        SetFont(style.Font);
    if (style.ApplyFrame)
        Frame.Assign(style.Frame);
}

// --- lines, shapes, pictures, sub-reports ---

TfrxCustomLineView::TfrxCustomLineView(TComponent* AOwner) : TfrxStretcheable(AOwner)
{
    SetColor(clBlack);
}

const TClassInfo& TfrxCustomLineView::StaticClass()
{
    static const auto info =
        MakeClass<TfrxCustomLineView>("TfrxCustomLineView", &TfrxStretcheable::StaticClass(), [](auto& b) {
            using L = TfrxCustomLineView;
            AddFillColorProperty(b, &L::FillSlot).WithDefault(clTransparent);
            b.String("TagStr", &L::TagStr);
            b.Boolean("ArrowEnd", &L::ArrowEnd);
            b.Integer("ArrowLength", &L::ArrowLength).WithDefault(20);
            b.Boolean("ArrowSolid", &L::ArrowSolid);
            b.Boolean("ArrowStart", &L::ArrowStart);
            b.Integer("ArrowWidth", &L::ArrowWidth).WithDefault(5);
            AddFrameProperty(b);
            b.Boolean("Diagonal", &L::Diagonal);
            b.Creatable();
        });
    return *info;
}

const TClassInfo& TfrxLineView::StaticClass()
{
    static const auto info = MakeClass<TfrxLineView>("TfrxLineView", &TfrxCustomLineView::StaticClass(), [](auto& b) {
        b.Creatable();
    });
    return *info;
}

const TClassInfo& TfrxShapeView::StaticClass()
{
    static const auto info = MakeClass<TfrxShapeView>("TfrxShapeView", &TfrxView::StaticClass(), [](auto& b) {
        using S = TfrxShapeView;
        AddFillColorProperty(b, &S::FillSlot).Never();
        b.Integer("Cursor", &S::Cursor).WithDefault(0);
        b.Integer("Curve", &S::Curve).WithDefault(0);
        AddFillTypeProperty(b, &S::FillSlot).WithDefault(ftBrush);
        AddFillProperty(b, &S::FillSlot);
        AddFrameProperty(b);
        b.Enum("Shape", ShapeKindEnum(), &S::Shape).WithDefault(skRectangle);
        b.String("TagStr", &S::TagStr);
        b.String("URL", &S::URL).Never();
        b.Creatable();
    });
    return *info;
}

const TClassInfo& TfrxPictureView::StaticClass()
{
    static const auto info = MakeClass<TfrxPictureView>("TfrxPictureView", &TfrxView::StaticClass(), [](auto& b) {
        using P = TfrxPictureView;
        b.Integer("Cursor", &P::Cursor).WithDefault(0);
        b.Boolean("AutoSize", &P::AutoSize);
        b.Boolean("Center", &P::Center);
        AddDataFieldProperty(b);
        AddDataSetProperties(b);
        AddFrameProperty(b);
        AddFillTypeProperty(b, &P::FillSlot).WithDefault(ftBrush);
        AddFillProperty(b, &P::FillSlot);
        b.String("FileLink", &P::FileLink);
        b.Integer("ImageIndex", &P::ImageIndex).StoredWhen(When<P>([](const P& p) { return p.IsImageIndexStored; }));
        b.Boolean("KeepAspectRatio", &P::KeepAspectRatio).WithDefault(true);
        b.Object("Picture", &TPicture::StaticClass, [](P& p) { return &p.Picture; })
            .StoredWhen(When<P>([](const P& p) { return p.IsPictureStored; }));
        b.Boolean("Stretched", &P::Stretched).WithDefault(true);
        b.String("TagStr", &P::TagStr);
        b.String("URL", &P::URL).Never();
        b.Boolean("HightQuality", &P::HightQuality);
        b.Boolean("Transparent", &P::Transparent);
        b.Color("TransparentColor", &P::TransparentColor);
        b.Creatable();
    });
    return *info;
}

TfrxSubreport::TfrxSubreport(TComponent* AOwner) : TfrxView(AOwner)
{
    Frame.Typ = AllFrameSides;
    TFont font;
    font.SetName("Tahoma");
    font.SetSize(8);
    SetFont(font);
    SetColor(clSilver);
}

const TClassInfo& TfrxSubreport::StaticClass()
{
    static const auto info = MakeClass<TfrxSubreport>("TfrxSubreport", &TfrxView::StaticClass(), [](auto& b) {
        b.Reference("Page", &TfrxReportPage::StaticClass, &TfrxSubreport::SubreportPage,
                    &TfrxSubreport::SetSubreportPage);
        b.Boolean("PrintOnParent", &TfrxSubreport::PrintOnParent).WithDefault(false);
        b.Creatable();
    });
    return *info;
}

TfrxReportPage* TfrxSubreport::SubreportPage() const
{
    return FPage.Get();
}

void TfrxSubreport::SetSubreportPage(TfrxReportPage* page)
{
    FPage.Set(page);
}

} // namespace orv
