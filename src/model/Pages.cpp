#include "model/Pages.h"

#include "model/Bands.h"
#include "model/ComponentProperties.h"
#include "model/ModelText.h"
#include "model/PaperTable.h"
#include "model/Units.h"
#include "model/Views.h"

#include <cmath>
#include <utility>

namespace orv {

namespace {

const TEnumInfo& OrientationEnum()
{
    static const TEnumInfo info("TPrinterOrientation", {"poPortrait", "poLandscape"});
    return info;
}

const TEnumInfo& DuplexEnum()
{
    static const TEnumInfo info("TfrxDuplexMode", {"dmNone", "dmVertical", "dmHorizontal", "dmSimplex"});
    return info;
}

long double RoundTo8Decimals(long double v)
{
    return std::nearbyint(v * 1e8L) / 1e8L;
}

} // namespace

const TClassInfo& TfrxPage::StaticClass()
{
    static const auto info = MakeClass<TfrxPage>("TfrxPage", &TfrxComponent::StaticClass(), [](auto& b) {
        AddFontProperty(b);
        AddVisibleProperty(b);
    });
    return *info;
}

// --- TfrxReportPage ---

TfrxReportPage::TfrxReportPage(TComponent* AOwner)
    : TfrxPage(AOwner), FBackPicture(std::make_unique<TfrxPictureView>(nullptr))
{
    FBackPicture->SetColor(clTransparent);
    FBackPicture->KeepAspectRatio = false;
    SetPaperSize(PaperA4);
}

TfrxReportPage::~TfrxReportPage() = default;

const TClassInfo& TfrxReportPage::StaticClass()
{
    static const auto info = MakeClass<TfrxReportPage>("TfrxReportPage", &TfrxPage::StaticClass(), [](auto& b) {
        using P = TfrxReportPage;
        b.Enum("Orientation", OrientationEnum(), &P::Orientation, &P::SetOrientation).WithDefault(poPortrait);
        b.Extended("PaperWidth", &P::PaperWidth, &P::SetPaperWidth);
        b.Extended("PaperHeight", &P::PaperHeight, &P::SetPaperHeight);
        b.Integer("PaperSize", &P::PaperSize, &P::SetPaperSize);
        b.Extended("LeftMargin", &P::LeftMargin);
        b.Extended("RightMargin", &P::RightMargin);
        b.Extended("TopMargin", &P::TopMargin);
        b.Extended("BottomMargin", &P::BottomMargin);
        b.Boolean("MirrorMargins", &P::MirrorMargins).WithDefault(false);
        b.Integer("Columns", &P::Columns, &P::SetColumns).WithDefault(0);
        b.Extended("ColumnWidth", &P::ColumnWidth);
        b.Strings("ColumnPositions", [](P& p) -> TStringList& { return p.ColumnPositions; });
        b.Integer("Bin", &P::Bin).WithDefault(7);
        b.Integer("BinOtherPages", &P::BinOtherPages).WithDefault(7);
        b.Object("BackPicture", &TPicture::StaticClass, [](P& p) { return &p.BackPicture(); });
        b.Boolean("BackPictureVisible", &P::BackPictureVisible).WithDefault(true);
        b.Boolean("BackPicturePrintable", &P::BackPicturePrintable).WithDefault(true);
        b.Integer("PageCount", &P::PageCount, &P::SetPageCount).WithDefault(1);
        b.Color("Color", &P::Color).WithDefault(clTransparent);
        b.Reference("DataSet", &TfrxDataSet::StaticClass, &P::DataSet, &P::SetDataSet);
        b.String("DataSetName", &P::DataSetName, &P::SetDataSetName);
        b.Enum("Duplex", DuplexEnum(), &P::Duplex).WithDefault(dmNone);
        b.Object("Frame", &TfrxFrame::StaticClass, [](P& p) { return &p.Frame; });
        b.Boolean("EndlessHeight", &P::EndlessHeight).WithDefault(false);
        b.Boolean("EndlessWidth", &P::EndlessWidth).WithDefault(false);
        b.Boolean("LargeDesignHeight", &P::LargeDesignHeight).WithDefault(false);
        b.Boolean("PrintOnPreviousPage", &P::PrintOnPreviousPage).WithDefault(false);
        b.Boolean("ResetPageNumbers", &P::ResetPageNumbers).WithDefault(false);
        b.String("OutlineText", &P::OutlineText);
        b.Boolean("PrintIfEmpty", &P::PrintIfEmpty).WithDefault(true);
        b.Boolean("TitleBeforeHeader", &P::TitleBeforeHeader).WithDefault(true);
        b.Strings("HGuides", [](P& p) -> TStringList& { return p.HGuides; });
        b.Strings("VGuides", [](P& p) -> TStringList& { return p.VGuides; });
        b.String("OnAfterPrint", &P::OnAfterPrint);
        b.String("OnBeforePrint", &P::OnBeforePrint);
        b.String("OnManualBuild", &P::OnManualBuild);
        b.Creatable();
    });
    return *info;
}

TPicture& TfrxReportPage::BackPicture() const
{
    return FBackPicture->Picture;
}

void TfrxReportPage::UpdatePixelSize()
{
    TfrxComponent::SetWidth(std::nearbyint(FPaperWidth * fr01cm));
    TfrxComponent::SetHeight(std::nearbyint(FPaperHeight * fr01cm));
}

namespace {

// Bands that span the whole printable width even on a page with columns.
bool SpansThePage(const TfrxBand& band)
{
    return dynamic_cast<const TfrxNullBand*>(&band) || dynamic_cast<const TfrxReportSummary*>(&band) ||
           dynamic_cast<const TfrxPageHeader*>(&band) || dynamic_cast<const TfrxPageFooter*>(&band) ||
           dynamic_cast<const TfrxReportTitle*>(&band) || dynamic_cast<const TfrxOverlay*>(&band);
}

} // namespace

void TfrxReportPage::AlignChildren()
{
    TfrxComponent::SetWidth((FPaperWidth - LeftMargin - RightMargin) * fr01cm);
    TfrxComponent::SetHeight((FPaperHeight - TopMargin - BottomMargin) * fr01cm);
    TfrxComponent::AlignChildren();
    for (TfrxComponent* child : Objects()) {
        auto* band = dynamic_cast<TfrxBand*>(child);
        if (!band)
            continue;
        if (band->Vertical)
            band->SetHeight(Height() - band->Top());
        else if (FColumns > 1 && !SpansThePage(*band))
            band->SetWidth(ColumnWidth * fr01cm);
        else
            band->SetWidth(Width() - band->Left());
        band->AlignChildren();
    }
    UpdatePixelSize();
}

void TfrxReportPage::SetOrientation(TPrinterOrientation value)
{
    if (value == FOrientation)
        return;
    FOrientation = value;
    std::swap(FPaperWidth, FPaperHeight);
    const long double left = LeftMargin, right = RightMargin, top = TopMargin, bottom = BottomMargin;
    if (value == poLandscape) {
        LeftMargin = top;
        RightMargin = bottom;
        TopMargin = right;
        BottomMargin = left;
    } else {
        LeftMargin = bottom;
        RightMargin = top;
        TopMargin = left;
        BottomMargin = right;
    }
    UpdatePixelSize();
}

void TfrxReportPage::SetPaperWidth(long double value)
{
    FPaperWidth = RoundTo8Decimals(value);
    FPaperSize = PaperCustom;
    UpdatePixelSize();
}

void TfrxReportPage::SetPaperHeight(long double value)
{
    FPaperHeight = RoundTo8Decimals(value);
    FPaperSize = PaperCustom;
    UpdatePixelSize();
}

void TfrxReportPage::SetPaperDimensions(long double width, long double height)
{
    FPaperWidth = width;
    FPaperHeight = height;
    UpdatePixelSize();
}

void TfrxReportPage::SetPaperSize(int value)
{
    FPaperSize = value;
    if (value >= PaperCustom)
        return;
    long double w = 0, h = 0;
    if (PaperDimensions(value, w, h)) {
        if (FOrientation == poLandscape)
            std::swap(w, h);
        FPaperWidth = w;
        FPaperHeight = h;
    }
    UpdatePixelSize();
}

void TfrxReportPage::SetColumns(int value)
{
    FColumns = value;
    ColumnPositions.Clear();
    if (value <= 0)
        return;
    ColumnWidth = (FPaperWidth - LeftMargin - RightMargin) / value;
    for (int i = 0; i < value; ++i)
        ColumnPositions.Add(FloatToText(i * ColumnWidth));
}

void TfrxReportPage::SetPageCount(int value)
{
    if (value >= 1)
        FPageCount = value;
}

// --- data and dialog pages ---

TfrxDataPage::TfrxDataPage(TComponent* AOwner) : TfrxPage(AOwner)
{
    SetWidth(1000);
    SetHeight(1000);
}

const TClassInfo& TfrxDataPage::StaticClass()
{
    static const auto info = MakeClass<TfrxDataPage>("TfrxDataPage", &TfrxPage::StaticClass(), [](auto& b) {
        b.Extended("Height", &TfrxDataPage::Height, &TfrxDataPage::SetHeight);
        b.Extended("Left", &TfrxDataPage::Left, &TfrxDataPage::SetLeft);
        b.Extended("Top", &TfrxDataPage::Top, &TfrxDataPage::SetTop);
        b.Extended("Width", &TfrxDataPage::Width, &TfrxDataPage::SetWidth);
        b.Creatable();
    });
    return *info;
}

const TClassInfo& TfrxDialogPage::StaticClass()
{
    static const auto info = MakeClass<TfrxDialogPage>("TfrxDialogPage", &TfrxPage::StaticClass(), [](auto& b) {
        AddGeometryProperties(b);
        b.String("Caption", &TfrxDialogPage::Caption);
        b.Creatable();
    });
    return *info;
}

} // namespace orv
