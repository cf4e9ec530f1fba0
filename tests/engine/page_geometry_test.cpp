// Pages before a run and the printers they take their defaults from.
#include "engine/ReportPrinters.h"
#include "model/Bands.h"
#include "model/Units.h"
#include "model/Views.h"
#include "platform/Exception.h"
#include "platform/Printers.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(ReportPrinters, WithoutPrintersTheVirtualPrinterStandsIn)
{
    TfrxPrinters printers{TPrinter(std::vector<std::string>{})};
    ASSERT_EQ(printers.Count(), 1);
    const TfrxCustomPrinter& p = printers.Printer();
    EXPECT_NE(dynamic_cast<const TfrxVirtualPrinter*>(&p), nullptr);
    EXPECT_EQ(p.Name(), "Virtual");
    EXPECT_TRUE(p.Initialized());
    EXPECT_EQ(p.DPIX, 600);
    EXPECT_EQ(p.DPIY, 600);
    EXPECT_EQ(p.Paper, 9);
    EXPECT_EQ(p.PaperWidth, 210);
    EXPECT_EQ(p.PaperHeight, 297);
    EXPECT_EQ(p.LeftMargin, 5);
    ASSERT_EQ(p.Bins.size(), 1u);
    EXPECT_EQ(p.Bins[0].Name, "Por defecto");
    EXPECT_EQ(p.Bins[0].Code, 7);
    ASSERT_EQ(p.Papers.size(), 67u);
    EXPECT_EQ(p.Papers[0].Name, "Personalizar");
    EXPECT_EQ(p.Papers[0].Code, 256);
    EXPECT_EQ(p.Papers[1].Code, 1);
    EXPECT_EQ(p.Papers[66].Code, 68);
}

TEST(ReportPrinters, InstalledPrintersWithTheSystemDefaultCurrent)
{
    TfrxPrinters printers{TPrinter({"Oficina", "Almacen"}, 1)};
    EXPECT_EQ(printers.Count(), 2);
    EXPECT_EQ(printers.PrinterIndex(), 1);
    EXPECT_EQ(printers.Printer().Name(), "Almacen");
    EXPECT_EQ(printers.IndexOf("oficina"), 0);
    EXPECT_EQ(printers.IndexOf("Virtual"), -1);
    EXPECT_FALSE(printers.Item(0).Initialized()); // only when it becomes current
    printers.SetPrinterIndex(0);
    EXPECT_TRUE(printers.Item(0).Initialized());
    printers.SetPrinterIndex(-1);
    EXPECT_EQ(printers.PrinterIndex(), 1);
    EXPECT_THROW(printers.SetPrinterIndex(2), Exception);

    // A system default that is not in the list: the first printer.
    EXPECT_EQ(TfrxPrinters(TPrinter({"Oficina"}, -1)).PrinterIndex(), 0);
}

TEST(ReportPrinters, SettingThePaper)
{
    struct Case {
        int code;
        TPrinterOrientation orientation;
        long double width, height;
        int paper;
        long double paperWidth, paperHeight;
    };
    const Case cases[] = {
        {9, poPortrait, 0, 0, 9, 210, 297},   {9, poLandscape, 0, 0, 9, 297, 210},
        {256, poPortrait, 100, 50, 256, 100, 50}, {48, poPortrait, 120, 80, 256, 120, 80},
        {5, poLandscape, 1, 1, 5, 355.6L, 215.9L},
    };
    TfrxVirtualPrinter p;
    for (const Case& c : cases) {
        p.SetViewParams(c.code, c.width, c.height, c.orientation);
        EXPECT_EQ(p.Paper, c.paper) << c.code;
        EXPECT_EQ(p.PaperWidth, c.paperWidth) << c.code;
        EXPECT_EQ(p.PaperHeight, c.paperHeight) << c.code;
        EXPECT_EQ(p.Orientation, c.orientation) << c.code;
        EXPECT_EQ(p.BottomMargin, 5) << c.code;
    }
}

TEST(PageGeometry, AlignmentSizesBandsToThePrintableAreaAndColumns)
{
    TfrxReportPage page(nullptr);
    page.LeftMargin = page.RightMargin = 10;
    page.TopMargin = page.BottomMargin = 20;
    page.SetColumns(2);
    auto* title = new TfrxReportTitle(&page);
    auto* data = new TfrxMasterData(&page);
    data->SetLeft(5);
    auto* side = new TfrxMasterData(&page);
    side->Vertical = true;
    side->SetTop(30);
    auto* memo = new TfrxMemoView(data);
    memo->SetBounds(40, 0, 10, 18);
    memo->Align = baWidth;

    page.AlignChildren();

    const long double printableWidth = 190 * fr01cm;
    EXPECT_EQ(title->Width(), printableWidth);
    EXPECT_EQ(data->Width(), 95 * fr01cm); // the page column
    EXPECT_EQ(side->Height(), 257 * fr01cm - 30);
    EXPECT_EQ(memo->Left(), 0);
    EXPECT_EQ(memo->Width(), data->Width());
    // The page is its whole paper again.
    EXPECT_EQ(page.Width(), 794);
    EXPECT_EQ(page.Height(), 1123);

    page.SetColumns(0);
    page.AlignChildren();
    EXPECT_EQ(data->Width(), printableWidth - 5);
}

TEST(PageGeometry, PrinterDefaultsForANewPage)
{
    TfrxReportPage page(nullptr);
    page.SetOrientation(poLandscape);
    page.SetPaperWidth(100);
    ApplyPrinterDefaults(page);
    const TfrxCustomPrinter& printer = frxPrinters().Printer();
    EXPECT_EQ(page.LeftMargin, 10);
    EXPECT_EQ(page.BottomMargin, 10);
    EXPECT_EQ(page.Orientation(), printer.DefOrientation);
    EXPECT_EQ(page.PaperSize(), printer.DefPaper);
    EXPECT_EQ(page.PaperWidth(), printer.DefPaperWidth);
    EXPECT_EQ(page.PaperHeight(), printer.DefPaperHeight);
}

} // namespace
} // namespace orv
