// Further object kinds: what each is made with, the rules their setters
// keep, and a template written by hand that holds every kind, loaded,
// checked and saved again unchanged.
#include "model/Bands.h"
#include "model/Report.h"
#include "objects/BarCodeView.h"
#include "objects/CheckBoxView.h"
#include "objects/DMPObjects.h"
#include "objects/GradientView.h"
#include "objects/LoadOnlyViews.h"
#include "objects/ObjectKinds.h"
#include "platform/Exception.h"
#include "support/FileBytes.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orv {
namespace {

// A report of a program that holds every object-kind component.
struct ObjectKinds : ::testing::Test {
    TfrxBarCodeObject barcodes{nullptr};
    TfrxRichObject rich{nullptr};
    TfrxGradientObject gradients{nullptr};
    TfrxCheckBoxObject checkBoxes{nullptr};
    TfrxCrossObject crossTabs{nullptr};
    TfrxOLEObject ole{nullptr};
    TfrxDotMatrixExport dotMatrix{nullptr};
    TfrxReport report{nullptr};

    ObjectKinds() { report.EngineOptions.NewSilentMode = simSilent; }

    void Load(const std::string& bytes)
    {
        std::istringstream in(bytes);
        report.LoadTemplateFromStream(in);
    }
    std::string Saved()
    {
        std::ostringstream out;
        report.SaveTemplateToStream(out);
        return out.str();
    }
    template <class T>
    T& Find(const char* name)
    {
        auto* object = dynamic_cast<T*>(report.FindObject(name));
        if (!object)
            throw Exception(std::string("no ") + name);
        return *object;
    }
};

TEST_F(ObjectKinds, NewObjectsStartWithTheirOwnSettings)
{
    TfrxBarCodeView barcode(nullptr);
    EXPECT_EQ(barcode.BarType, bcCode39);
    EXPECT_EQ(barcode.Text, "12345678");
    EXPECT_TRUE(barcode.ShowText);
    EXPECT_EQ(barcode.WideBarRatio, 2);
    EXPECT_EQ(barcode.Zoom, 1);
    EXPECT_EQ(barcode.Font().Name(), "Arial");
    EXPECT_EQ(barcode.Font().Size(), 9);

    TfrxCheckBoxView box(nullptr);
    EXPECT_TRUE(box.Checked);
    EXPECT_EQ(box.CheckStyle, csCross);
    EXPECT_EQ(box.UncheckStyle, usEmpty);
    EXPECT_NEAR(static_cast<double>(box.Width()), 18.89765, 1e-9);
    EXPECT_NEAR(static_cast<double>(box.Height()), 18.89765, 1e-9);

    TfrxGradientView gradient(nullptr);
    EXPECT_EQ(gradient.BeginColor, 16777215);
    EXPECT_EQ(gradient.EndColor, 8421504);
    EXPECT_EQ(gradient.BlendColor(), 12632256); // 255 + MulDiv(127, -127, 255) = 192 per channel
}

TEST_F(ObjectKinds, SetterRules)
{
    TfrxBarCodeView barcode(nullptr);
    TFont big;
    big.SetSize(12);
    barcode.SetFont(big);
    EXPECT_EQ(barcode.Font().Size(), 9);
    barcode.Font().SetSize(14);
    EXPECT_EQ(barcode.Font().Size(), 9);

    TfrxGradientView gradient(nullptr);
    gradient.BeginColor = gradient.EndColor = 0x123456;
    EXPECT_EQ(gradient.BlendColor(), 0x123456);
    gradient.BeginColor = 0x0000FF; // red to black: red channel 255 + MulDiv(127, -255, 255) = 128
    gradient.EndColor = 0;
    EXPECT_EQ(gradient.BlendColor(), 128);
}

struct Snap {
    const char* what;
    long double expected;
    long double loaded;
};

TEST_F(ObjectKinds, DotMatrixGeometrySnapsToTheGrid)
{
    TfrxDMPMemoView memo(nullptr);
    TfrxDMPLineView line(nullptr);
    TfrxDMPCommand command(nullptr);
    const auto memoLeft = [&](TfrxAlign align, long double x) {
        memo.Align = align;
        memo.SetLeft(x);
        return memo.Left();
    };
    const Snap cases[] = {
        {"memo left 100", 96, memoLeft(baNone, 100)}, // 10 cells
        {"memo left 105 right-aligned", 96, memoLeft(baRight, 105)},
        {"memo left 105", 105.6L, memoLeft(baNone, 105)}, // Round(10.94) = 11 cells
        {"memo height 25.5", 34, (memo.SetHeight(25.5L), memo.Height())},
        {"memo height 8.5", 0, (memo.SetHeight(8.5L), memo.Height())}, // halves to even
        {"memo top 25.5", 34, (memo.SetTop(25.5L), memo.Top())},
        {"line top 40", 42.5L, (line.SetTop(40), line.Top())},
        {"line left 30", 33.6L, (line.SetLeft(30), line.Left())},
        {"line left -30", -33.6L, (line.SetLeft(-30), line.Left())},
        {"command left 13", 9.6L, (command.SetLeft(13), command.Left())},
        {"command top 9", 17, (command.SetTop(9), command.Top())},
    };
    for (const Snap& c : cases)
        EXPECT_NEAR(static_cast<double>(c.loaded), static_cast<double>(c.expected), 1e-9) << c.what;
}

TEST_F(ObjectKinds, DotMatrixPaperIsWholeCellsAndRows)
{
    TfrxDMPPage page(nullptr);
    page.SetPaperSize(9);
    EXPECT_EQ(page.PaperSize(), 9);
    EXPECT_NEAR(static_cast<double>(page.PaperWidth()), 83 * 9.6 / 3.77953, 1e-9);  // 210.82
    EXPECT_NEAR(static_cast<double>(page.PaperHeight()), 66 * 17 / 3.77953, 1e-9); // 296.86

    // A new page: the printer's A4 cut down to 82 cells (82.68) and 66 rows (66.03).
    TfrxDMPPage fresh(nullptr);
    fresh.SetDefaults();
    EXPECT_NEAR(static_cast<double>(fresh.LeftMargin), 9.6 / 3.77953, 1e-12);
    EXPECT_NEAR(static_cast<double>(fresh.TopMargin), 17 / 3.77953, 1e-12);
    EXPECT_NEAR(static_cast<double>(fresh.PaperWidth()), 82 * 9.6 / 3.77953, 1e-9);
    EXPECT_NEAR(static_cast<double>(fresh.PaperHeight()), 66 * 17 / 3.77953, 1e-9);
}

TEST_F(ObjectKinds, DotMatrixFontFollowsTheStyle)
{
    TfrxDMPPage page(nullptr);
    TfrxMasterData band(&page);
    TfrxDMPMemoView shared(&band), own(&band);
    own.SetFontStyle({fsxItalic});
    EXPECT_FALSE(own.ParentFont());
    EXPECT_EQ(own.Font().Name(), "Courier New");
    EXPECT_EQ(own.Font().Size(), 12);
    EXPECT_TRUE(own.Font().Style() == TFontStyles{fsItalic});
    EXPECT_EQ(own.LineSpacing, 1);
    EXPECT_EQ(own.GapX, 0);

    page.SetFontStyle({fsxBold, fsxCondensed});
    EXPECT_TRUE(shared.FontStyle() == (TfrxDMPFontStyles{fsxBold, fsxCondensed}));
    EXPECT_TRUE(shared.Font().Style() == TFontStyles{fsBold});
    EXPECT_TRUE(shared.ParentFont());
    EXPECT_TRUE(own.FontStyle() == TfrxDMPFontStyles{fsxItalic});

    // The fixed font's own changes clear nothing.
    shared.Font().SetName("Arial");
    EXPECT_TRUE(shared.ParentFont());
}

TEST_F(ObjectKinds, CommandTextToBytes)
{
    const std::pair<const char*, std::string> cases[] = {
        {"#27#64#15", "\x1B\x40\x0F"}, {"1b40", "\x1B\x40"}, {"1B4", "\x1B"}, {"", ""}, {"#65", "A"}};
    for (const auto& [command, bytes] : cases)
        EXPECT_EQ(DMPCommandBytes(command), bytes) << command;
    EXPECT_THROW(DMPCommandBytes("#27#x"), Exception);
    EXPECT_THROW(DMPCommandBytes("1G"), Exception);
}

TEST_F(ObjectKinds, TemplateWithEveryKindLoadsAndSavesUnchanged)
{
    Load(test::ReadFileBytes(ORVANTA_SOURCE_DIR "/tests/objects/fixtures/object_kinds.xml"));
    ASSERT_EQ(report.Errors().Lines(), std::vector<std::string>{});

    auto& barcode = Find<TfrxBarCodeView>("BarCode1");
    EXPECT_EQ(barcode.BarType, bcCodeEAN13);
    EXPECT_TRUE(barcode.CalcCheckSum);
    EXPECT_EQ(barcode.DataField, "ARTICULO");
    EXPECT_EQ(barcode.Font().Size(), 9); // stored as 12
    EXPECT_EQ(barcode.Zoom, 1.5L);
    auto& box = Find<TfrxCheckBoxView>("CheckBox1");
    EXPECT_FALSE(box.Checked);
    EXPECT_EQ(box.CheckStyle, csCheck);
    EXPECT_EQ(box.UncheckStyle, usMinus);
    EXPECT_EQ(box.Expression, "<Detalle.\"CANTIDAD\"> > 0");
    auto& gradient = Find<TfrxGradientView>("Gradient1");
    EXPECT_EQ(gradient.Style, gsVertCenter);
    EXPECT_EQ(gradient.BeginColor, 255);
    Find<TfrxRichView>("Rich1");
    Find<TfrxCrossView>("Cross1");
    Find<TfrxOLEView>("OLE1");

    auto& page = Find<TfrxDMPPage>("Page2");
    EXPECT_TRUE(page.FontStyle() == TfrxDMPFontStyles{fsxBold});
    EXPECT_NEAR(static_cast<double>(page.PaperWidth()), 83 * 9.6 / 3.77953, 1e-9);
    auto& memo = Find<TfrxDMPMemoView>("DMPMemo1");
    EXPECT_NEAR(static_cast<double>(memo.Left()), 96, 1e-9);
    EXPECT_NEAR(static_cast<double>(memo.Top()), 34, 1e-9);
    EXPECT_TRUE(memo.FontStyle() == TfrxDMPFontStyles{fsxBold}); // the page's
    auto& own = Find<TfrxDMPMemoView>("DMPMemo2");
    EXPECT_NEAR(static_cast<double>(own.Left()), 96, 1e-9);
    EXPECT_EQ(own.Height(), 0);
    EXPECT_TRUE(own.FontStyle() == (TfrxDMPFontStyles{fsxItalic, fsxUnderline}));
    EXPECT_NEAR(static_cast<double>(Find<TfrxDMPLineView>("DMPLine1").Top()), 42.5, 1e-9);
    EXPECT_EQ(DMPCommandBytes(Find<TfrxDMPCommand>("DMPCommand1").Command), "\x1B\x40");

    const std::string saved = Saved();
    TfrxReport again(nullptr);
    again.EngineOptions.NewSilentMode = simSilent;
    std::istringstream in(saved);
    again.LoadTemplateFromStream(in);
    EXPECT_EQ(again.Errors().Count(), 0u);
    std::ostringstream out;
    again.SaveTemplateToStream(out);
    EXPECT_EQ(out.str(), saved);
}

} // namespace
} // namespace orv
