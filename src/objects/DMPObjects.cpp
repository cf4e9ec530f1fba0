#include "objects/DMPObjects.h"

#include "engine/ReportPrinters.h"
#include "model/ComponentProperties.h"
#include "model/Units.h"
#include "model/ViewProperties.h"
#include "platform/NumberFormat.h"

#include <cmath>

namespace orv {

namespace {

constexpr long double kCellWidth = fr1CharX;
constexpr long double kCellHeight = fr1CharY;

// Halves go to the even neighbour.
long double Round(long double v)
{
    return std::nearbyint(v);
}

long double Cells(long double v, long double cell, long double (*snap)(long double))
{
    return snap(v / cell) * cell;
}

long double Trunc(long double v)
{
    return std::trunc(v);
}

// Paper millimetres snapped to whole cells of the given size in pixels.
long double SnapPaper(long double millimetres, long double cell, long double (*snap)(long double))
{
    return snap(millimetres * fr01cm / cell) * cell / fr01cm;
}

// FontStyle is written only while the object keeps a font of its own.
template <class C>
void AddFontStyleProperty(TClassBuilder<C>& b)
{
    b.Set("FontStyle", DMPFontStyleEnum(), &C::FontStyle, &C::SetFontStyle)
        .StoredWhen(When<C>([](const C& c) { return !c.ParentFont(); }));
}

template <class C>
void AddDMPParentFontProperty(TClassBuilder<C>& b)
{
    b.Boolean("ParentFont", &C::ParentFont, &C::SetDMPParentFont).WithDefault(true);
}

// ParentFont of a dot-matrix memo or line: sharing the font on a
// dot-matrix page also means taking the page's style.
template <class C>
void SetSharedFont(C& c, bool value)
{
    c.SetParentFont(value);
    if (const auto* page = value ? dynamic_cast<const TfrxDMPPage*>(c.Page()) : nullptr)
        c.TakeStyle(page->FontStyle());
}

} // namespace

const TEnumInfo& DMPFontStyleEnum()
{
    static const TEnumInfo info("TfrxDMPFontStyle", {"fsxBold", "fsxItalic", "fsxUnderline", "fsxSuperScript",
                                                     "fsxSubScript", "fsxCondensed", "fsxWide", "fsx12cpi",
                                                     "fsx15cpi"});
    return info;
}

void SetDMPFont(TFont& font, TfrxDMPFontStyles style)
{
    TFont dmp;
    dmp.SetName("Courier New");
    dmp.SetSize(12);
    TFontStyles styles;
    styles.Set(fsBold, style.Has(fsxBold));
    styles.Set(fsItalic, style.Has(fsxItalic));
    styles.Set(fsUnderline, style.Has(fsxUnderline));
    dmp.SetStyle(styles);
    font.Assign(dmp);
}

std::string DMPCommandBytes(const std::string& command)
{
    std::string bytes;
    if (!command.empty() && command[0] == '#') {
        const std::string list = command.substr(1) + "#";
        std::string number;
        for (char c : list) {
            if (c != '#') {
                number += c;
                continue;
            }
            bytes += static_cast<char>(StrToInt(number));
            number.clear();
        }
        return bytes;
    }
    for (std::size_t i = 0; i + 1 < command.size(); i += 2)
        bytes += static_cast<char>(StrToInt("$" + command.substr(i, 2)));
    return bytes;
}

// --- page ---

TfrxDMPPage::TfrxDMPPage(TComponent* AOwner) : TfrxReportPage(AOwner)
{
    SetDMPFont(Font(), FFontStyle);
}

const TClassInfo& TfrxDMPPage::StaticClass()
{
    static const auto info = MakeClass<TfrxDMPPage>("TfrxDMPPage", &TfrxReportPage::StaticClass(), [](auto& b) {
        using P = TfrxDMPPage;
        b.Extended("PaperWidth", &P::PaperWidth, &P::SetPaperWidth);
        b.Extended("PaperHeight", &P::PaperHeight, &P::SetPaperHeight);
        b.Integer("PaperSize", &P::PaperSize, &P::SetPaperSize);
        b.Set("FontStyle", DMPFontStyleEnum(), &P::FontStyle, &P::SetFontStyle);
        b.Creatable();
    });
    return *info;
}

void TfrxDMPPage::SetFontStyle(TfrxDMPFontStyles value)
{
    FFontStyle = value;
    SetDMPFont(Font(), value);
    // Parents come before their children, so an ordinary object copies a
    // parent that already holds the new font.
    for (TfrxComponent* c : AllObjects()) {
        if (!c->ParentFont())
            continue;
        if (auto* memo = dynamic_cast<TfrxDMPMemoView*>(c))
            memo->TakeStyle(value);
        else if (auto* line = dynamic_cast<TfrxDMPLineView*>(c))
            line->TakeStyle(value);
        else
            c->SetParentFont(true);
    }
}

void TfrxDMPPage::SetPaperWidth(long double value)
{
    TfrxReportPage::SetPaperWidth(value);
    SetPaperDimensions(SnapPaper(PaperWidth(), kCellWidth, Round), PaperHeight());
}

void TfrxDMPPage::SetPaperHeight(long double value)
{
    TfrxReportPage::SetPaperHeight(value);
    SetPaperDimensions(PaperWidth(), SnapPaper(PaperHeight(), kCellHeight, Round));
}

void TfrxDMPPage::SetPaperSize(int value)
{
    TfrxReportPage::SetPaperSize(value);
    SetPaperDimensions(SnapPaper(PaperWidth(), kCellWidth, Round), SnapPaper(PaperHeight(), kCellHeight, Round));
}

void TfrxDMPPage::SetDefaults()
{
    ApplyPrinterDefaults(*this);
    LeftMargin = RightMargin = kCellWidth / fr01cm;
    TopMargin = BottomMargin = kCellHeight / fr01cm;
    SetPaperDimensions(SnapPaper(PaperWidth(), kCellWidth, Trunc), SnapPaper(PaperHeight(), kCellHeight, Trunc));
}

// --- memo ---

TfrxDMPMemoView::TfrxDMPMemoView(TComponent* AOwner) : TfrxCustomMemoView(AOwner)
{
    ApplyStyle();
    // Made on a band of a dot-matrix page, it shares the page's style.
    if (ParentFont())
        SetDMPParentFont(true);
}

const TClassInfo& TfrxDMPMemoView::StaticClass()
{
    static const auto info =
        MakeClass<TfrxDMPMemoView>("TfrxDMPMemoView", &TfrxCustomMemoView::StaticClass(), [](auto& b) {
            using M = TfrxDMPMemoView;
            AddMemoProperties(b);
            for (const char* name : {"AllowHTMLTags", "BrushStyle", "CharSpacing", "Clipped", "Color", "Font",
                                     "FillType", "Fill", "GapX", "GapY", "Highlight", "LineSpacing",
                                     "ParagraphGap", "Rotation", "Style", "Underlines", "UseDefaultCharset",
                                     "WordBreak", "Wysiwyg"})
                b.Hide(name);
            AddDMPParentFontProperty(b);
            AddFontStyleProperty(b);
            b.Boolean("TruncOutboundText", &M::TruncOutboundText);
            b.Creatable();
        });
    return *info;
}

void TfrxDMPMemoView::ApplyStyle()
{
    SetDMPFont(Font(), FFontStyle);
    CharSpacing = 0;
    LineSpacing = 1;
    GapX = 0;
    GapY = 0;
}

void TfrxDMPMemoView::SetFontStyle(TfrxDMPFontStyles value)
{
    SetParentFont(false);
    TakeStyle(value);
}

void TfrxDMPMemoView::TakeStyle(TfrxDMPFontStyles value)
{
    FFontStyle = value;
    ApplyStyle();
}

void TfrxDMPMemoView::SetDMPParentFont(bool value)
{
    SetSharedFont(*this, value);
}

void TfrxDMPMemoView::SetLeft(long double value)
{
    TfrxCustomMemoView::SetLeft(Cells(value, kCellWidth, Align == baRight ? Trunc : Round));
}

void TfrxDMPMemoView::SetTop(long double value)
{
    TfrxCustomMemoView::SetTop(Cells(value, kCellHeight, Round));
}

void TfrxDMPMemoView::SetWidth(long double value)
{
    TfrxCustomMemoView::SetWidth(Cells(value, kCellWidth, Round));
}

void TfrxDMPMemoView::SetHeight(long double value)
{
    TfrxCustomMemoView::SetHeight(Cells(value, kCellHeight, Round));
}

// --- line ---

TfrxDMPLineView::TfrxDMPLineView(TComponent* AOwner) : TfrxCustomLineView(AOwner)
{
    if (ParentFont())
        SetDMPParentFont(true);
}

const TClassInfo& TfrxDMPLineView::StaticClass()
{
    static const auto info =
        MakeClass<TfrxDMPLineView>("TfrxDMPLineView", &TfrxCustomLineView::StaticClass(), [](auto& b) {
            AddFontStyleProperty(b);
            AddDMPParentFontProperty(b);
            b.Creatable();
        });
    return *info;
}

void TfrxDMPLineView::SetFontStyle(TfrxDMPFontStyles value)
{
    SetParentFont(false);
    TakeStyle(value);
}

void TfrxDMPLineView::SetDMPParentFont(bool value)
{
    SetSharedFont(*this, value);
}

void TfrxDMPLineView::SetLeft(long double value)
{
    const long double half = kCellWidth / 2;
    if (value < 0)
        value = Cells(value, kCellWidth, Trunc) - half;
    else if (Align == baRight)
        value = Cells(value, kCellWidth, Round) - half;
    else
        value = Cells(value, kCellWidth, Trunc) + half;
    TfrxCustomLineView::SetLeft(value);
}

void TfrxDMPLineView::SetTop(long double value)
{
    TfrxCustomLineView::SetTop(Cells(value, kCellHeight, Trunc) + kCellHeight / 2);
}

void TfrxDMPLineView::SetWidth(long double value)
{
    TfrxCustomLineView::SetWidth(Cells(value, kCellWidth, Align == baWidth ? Trunc : Round));
}

// --- command ---

const TClassInfo& TfrxDMPCommand::StaticClass()
{
    static const auto info = MakeClass<TfrxDMPCommand>("TfrxDMPCommand", &TfrxView::StaticClass(), [](auto& b) {
        b.String("Command", &TfrxDMPCommand::Command);
        b.Creatable();
    });
    return *info;
}

void TfrxDMPCommand::SetLeft(long double value)
{
    TfrxView::SetLeft(Cells(value, kCellWidth, Round));
}

void TfrxDMPCommand::SetTop(long double value)
{
    TfrxView::SetTop(Cells(value, kCellHeight, Round));
}

} // namespace orv
