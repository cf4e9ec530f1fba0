#include "model/Component.h"

#include "data/DataSet.h"
#include "model/Bands.h"
#include "model/Pages.h"
#include "model/PropertyRegistry.h"
#include "model/Report.h"
#include "model/Units.h"
#include "model/Views.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

#include <string>

namespace orv {
namespace {

// A report with one page, one master band and two memos, built in code.
struct SmallReport : ::testing::Test {
    TfrxReport report{nullptr};
    TfrxReportPage* page = new TfrxReportPage(&report);
    TfrxMasterData* band = new TfrxMasterData(page);
    TfrxMemoView* memo1 = new TfrxMemoView(band);
    TfrxMemoView* memo3 = new TfrxMemoView(band);

    void SetUp() override
    {
        page->SetName("Page1");
        band->SetName("MasterData1");
        band->SetBounds(10, 20, 700, 40);
        memo1->SetName("Memo1");
        memo1->SetBounds(5, 2, 100, 18);
        memo1->SetText(u"Pedido [Cabecera.\"NUMERO\"]");
        memo3->SetName("Memo3");
    }
};

TEST_F(SmallReport, TheTreeIsBuiltInCode)
{
    EXPECT_EQ(report.Objects(), std::vector<TfrxComponent*>{page});
    EXPECT_EQ(band->Objects(), (std::vector<TfrxComponent*>{memo1, memo3}));
    EXPECT_EQ(report.AllObjects(), (std::vector<TfrxComponent*>{page, band, memo1, memo3}));
    EXPECT_EQ(memo1->Parent(), band);
    EXPECT_EQ(memo1->Owner(), &report);
    EXPECT_EQ(memo1->OwnerReport(), &report);
    EXPECT_EQ(memo1->Page(), page);
    EXPECT_EQ(memo1->Memo.Count(), 1u);
    EXPECT_EQ(page->Width(), 794);
    EXPECT_EQ(page->Height(), 1123);
}

TEST_F(SmallReport, FindObjectIgnoresLetterCaseAndSearchesBelowOnly)
{
    EXPECT_EQ(report.FindObject("MEMO1"), memo1);
    EXPECT_EQ(report.FindObject("masterdata1"), band);
    EXPECT_EQ(band->FindObject("memo3"), memo3);
    EXPECT_EQ(memo1->FindObject("Memo3"), nullptr);
    EXPECT_EQ(report.FindObject("Memo2"), nullptr);
    EXPECT_EQ(report.FindObject(""), nullptr);
}

TEST_F(SmallReport, NamesAreUniqueInTheReport)
{
    memo1->SetName("MEMO1");
    EXPECT_EQ(memo1->Name(), "Memo1"); // a change of letter case alone is not applied
    try {
        memo3->SetName("memo1");
        FAIL();
    } catch (const EDuplicateName& e) {
        EXPECT_STREQ(e.what(), "Nombre Duplicado");
    }
    EXPECT_EQ(memo3->Name(), "Memo3");
    EXPECT_THROW(memo3->SetName("Page1"), EDuplicateName);
    try {
        memo3->SetName("1st memo");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "'1st memo' is not a valid component name");
    }
    memo3->FromAncestor = true;
    try {
        memo3->SetName("Total");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "No se puede renombrar Memo3, se ha instroducido en el informe ascendiente");
    }
}

TEST_F(SmallReport, UniqueNamesTakeTheFirstFreeNumber)
{
    auto* memo = new TfrxMemoView(band);
    memo->MakeUniqueName();
    EXPECT_EQ(memo->Name(), "Memo2");
    auto* second = new TfrxReportPage(&report);
    second->MakeUniqueName();
    EXPECT_EQ(second->Name(), "Page2");
    auto* line = new TfrxLineView(band);
    line->MakeUniqueName();
    EXPECT_EQ(line->Name(), "Line1");

    TfrxReport empty(nullptr);
    auto* first = new TfrxReportPage(&empty);
    first->MakeUniqueName();
    EXPECT_EQ(first->Name(), "Page1");
}

TEST_F(SmallReport, AbsolutePositionAddsTheParents)
{
    page->SetLeft(3);
    report.SetLeft(1);
    EXPECT_EQ(memo1->AbsLeft(), 5 + 10 + 3 + 1);
    EXPECT_EQ(memo1->AbsTop(), 2 + 20);

    TfrxDialogPage dialog(nullptr);
    TfrxMemoView onDialog(&dialog);
    dialog.SetLeft(50);
    onDialog.SetLeft(7);
    EXPECT_EQ(onDialog.AbsLeft(), 7);
}

TEST_F(SmallReport, ChildrenShareTheirParentsFontUntilTheyGetTheirOwn)
{
    TFont bold;
    bold.SetName("Tahoma");
    bold.SetStyle({fsBold});
    band->SetFont(bold);
    EXPECT_FALSE(band->ParentFont());
    EXPECT_TRUE(memo1->ParentFont());
    EXPECT_EQ(memo1->Font().Name(), "Tahoma");
    EXPECT_FALSE(memo1->ClassInfo().FindProperty("Font")->IsStored(*memo1));

    memo1->Font().SetSize(14);
    EXPECT_FALSE(memo1->ParentFont());
    EXPECT_TRUE(memo1->ClassInfo().FindProperty("Font")->IsStored(*memo1));
    band->Font().SetColor(255);
    EXPECT_EQ(memo1->Font().Color(), 0); // has its own font now
    EXPECT_EQ(memo3->Font().Color(), 255);

    memo1->SetParentFont(true);
    EXPECT_TRUE(memo1->Font().SameAs(band->Font()));

    auto* moved = new TfrxMemoView(nullptr);
    moved->SetParent(band);
    EXPECT_EQ(moved->Font().Name(), "Tahoma");
    EXPECT_EQ(moved->Owner(), &report);
}

TEST_F(SmallReport, ViewsAlignAgainstEachOther)
{
    band->SetWidth(300);
    auto* left = new TfrxMemoView(band);
    auto* middle = new TfrxMemoView(band);
    auto* right = new TfrxMemoView(band);
    left->SetBounds(40, 0, 50, 18);
    middle->SetBounds(100, 0, 10, 18);
    right->SetBounds(150, 0, 60, 18);
    memo1->SetTop(100);
    memo3->SetTop(100);
    left->Align = baLeft;
    middle->Align = baWidth;
    right->Align = baRight;
    band->AlignChildren();
    EXPECT_EQ(left->Left(), 0);
    EXPECT_EQ(middle->Left(), 50);
    EXPECT_EQ(right->Left(), 240);
    EXPECT_EQ(middle->Width(), 190);

    memo3->Align = baClient;
    band->AlignChildren();
    EXPECT_EQ(memo3->Left(), 0);
    EXPECT_EQ(memo3->Width(), 300);
    EXPECT_EQ(memo3->Height(), 40);
}

TEST_F(SmallReport, DestroyingAComponentDetachesItAndClearsLinksToIt)
{
    memo1->FlowTo.Set(memo3);
    delete memo3;
    EXPECT_EQ(band->Objects(), std::vector<TfrxComponent*>{memo1});
    EXPECT_EQ(memo1->FlowTo.Get(), nullptr);
    EXPECT_EQ(report.FindComponent("Memo3"), nullptr);

    EXPECT_THROW(band->SetParent(memo1), Exception); // a band inside its own memo
    EXPECT_EQ(band->Parent(), page);
}

TEST_F(SmallReport, ClearKeepsComponentsOfAnAncestorReport)
{
    page->FromAncestor = true;
    memo1->FromAncestor = true;
    band->FromAncestor = true;
    report.Clear();
    EXPECT_EQ(report.AllObjects(), (std::vector<TfrxComponent*>{page, band, memo1}));
}

TEST_F(SmallReport, MemoStylesComeFromTheReport)
{
    TfrxStyleItem& style = report.Styles.Add();
    style.Name = "Titulo";
    style.Font.SetSize(16);
    style.FillSlot.SetColor(clSilver);
    style.Frame.Typ = AllFrameSides;
    style.ApplyFrame = false;
    memo1->SetStyle("titulo");
    EXPECT_EQ(memo1->Font().Size(), 16);
    EXPECT_FALSE(memo1->ParentFont());
    EXPECT_EQ(memo1->Color(), clSilver);
    EXPECT_TRUE(memo1->Frame.Typ.Empty());
    memo3->SetStyle("Missing");
    EXPECT_EQ(memo3->Style(), "Missing");
    EXPECT_TRUE(memo3->ParentFont());
}

TEST_F(SmallReport, DataSetNamesResolveThroughTheDataSetList)
{
    TfrxDataSet detalle(nullptr);
    detalle.SetName("frxDetalle");
    EXPECT_EQ(detalle.UserName(), "frxDetalle");
    detalle.SetUserName("Detalle");
    band->SetDataSetName("DETALLE");
    EXPECT_EQ(band->DataSet(), &detalle);
    EXPECT_EQ(band->DataSetName(), "Detalle");
    band->SetDataSetName("");
    EXPECT_EQ(band->DataSet(), nullptr);

    TfrxDataSetItem& item = report.Datasets.Add();
    item.SetDataSetName("Detalle");
    EXPECT_EQ(item.DataSet(), &detalle);
    try {
        detalle.SetUserName("  ");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Valor no v\xE1lido");
    }
}

TEST(Fills, ColorDependsOnTheKindOfFill)
{
    TfrxShapeView shape(nullptr);
    shape.SetColor(255);
    EXPECT_EQ(shape.Color(), 255);
    shape.SetFillType(ftGradient);
    EXPECT_EQ(shape.Color(), 8421504); // white to black meets at the middle grey
    shape.SetFillType(ftGlass);
    shape.SetColor(255);
    EXPECT_EQ(shape.Color(), clTransparent);
    EXPECT_EQ(shape.BrushStyle(), bsClear);
    shape.SetFillType(ftBrush);
    EXPECT_EQ(shape.Color(), clTransparent); // a fresh brush, not the first one
    EXPECT_FALSE(shape.ClassInfo().FindProperty("Color")->IsStored(shape));
}

TEST(Views, PrintableIsTheVisibilityForPrinting)
{
    TfrxMemoView memo(nullptr);
    memo.SetPrintable(false);
    EXPECT_EQ(memo.Visibility, (TfrxVisibilityTypes{vsPreview, vsExport}));
    EXPECT_TRUE(memo.ClassInfo().FindProperty("Visibility")->IsStored(memo));
}

TEST(Views, SubreportsStartFramedInASmallFont)
{
    TfrxSubreport sub(nullptr);
    EXPECT_EQ(sub.Frame.Typ, AllFrameSides);
    EXPECT_EQ(sub.Font().Name(), "Tahoma");
    EXPECT_EQ(sub.Font().Size(), 8);
    EXPECT_FALSE(sub.ParentFont());
    EXPECT_FALSE(sub.ComponentFlags().Has(cfInOutput));
}

TEST(ReportPages, PaperSizeOrientationAndColumns)
{
    TfrxReportPage page(nullptr);
    page.LeftMargin = 10;
    page.RightMargin = 20;
    page.TopMargin = 30;
    page.BottomMargin = 40;
    page.SetOrientation(poLandscape);
    EXPECT_EQ(page.PaperWidth(), 297);
    EXPECT_EQ(page.PaperHeight(), 210);
    EXPECT_EQ(page.Width(), 1123);
    EXPECT_EQ(page.Height(), 794);
    EXPECT_EQ(page.LeftMargin, 30);
    EXPECT_EQ(page.RightMargin, 40);
    EXPECT_EQ(page.TopMargin, 20);
    EXPECT_EQ(page.BottomMargin, 10);
    page.SetOrientation(poPortrait);
    EXPECT_EQ(page.LeftMargin, 10);
    EXPECT_EQ(page.BottomMargin, 40);

    page.SetPaperWidth(100.123456789);
    EXPECT_EQ(page.PaperSize(), 256);
    EXPECT_EQ(page.PaperWidth(), 100.12345679L);
    page.SetPaperSize(48); // not in the table: the size stays
    EXPECT_EQ(page.PaperSize(), 48);
    EXPECT_EQ(page.PaperWidth(), 100.12345679L);

    page.SetPaperSize(9);
    page.LeftMargin = page.RightMargin = 10;
    page.SetColumns(3);
    EXPECT_EQ(page.ColumnWidth, 190.0L / 3);
    ASSERT_EQ(page.ColumnPositions.Count(), 3u);
    EXPECT_EQ(page.ColumnPositions[0], "0");
    EXPECT_EQ(page.ColumnPositions[1], "63.3333333333333");
    page.SetPageCount(0);
    EXPECT_EQ(page.PageCount(), 1);
}

TEST(Reports, ErrorsAreSortedAndDistinct)
{
    TfrxReport report(nullptr);
    for (const char* e : {"b error", "A error", "B ERROR", "c error"})
        report.AddError(e);
    EXPECT_EQ(report.Errors().Lines(), (std::vector<std::string>{"A error", "b error", "c error"}));
}

TEST(Reports, LoadedNotificationSkipsTheReport)
{
    struct Counting : TfrxMemoView {
        using TfrxMemoView::TfrxMemoView;
        void Loaded() override { ++Count; }
        int Count = 0;
    };
    struct CountingReport : TfrxReport {
        using TfrxReport::TfrxReport;
        void Loaded() override { ++Count; }
        int Count = 0;
    };
    CountingReport report(nullptr);
    auto* memo = new Counting(&report);
    memo->LoadingInProgress = true;
    NotifyLoaded({&report, memo});
    EXPECT_EQ(memo->Count, 1);
    EXPECT_FALSE(memo->LoadingInProgress);
    EXPECT_EQ(report.Count, 0);
}

TEST(WideStrings, TextSplitsAtEveryKindOfBreak)
{
    struct Case {
        std::u16string Text;
        std::vector<std::u16string> Lines;
    };
    const Case cases[] = {
        {u"", {}},
        {u"one", {u"one"}},
        {u"one\r\ntwo\r\n", {u"one", u"two"}},
        {u"a\nb\rc", {u"a", u"b", u"c"}},
        {u"a\r\n\r\nb", {u"a", u"", u"b"}},
        {u"a\r\n\u2028b", {u"a", u"b"}},
        {u"a\u2028b", {u"a", u"b"}},
        {std::u16string(u"a\0b", 3), {u"a", u"b"}},
    };
    for (const Case& c : cases) {
        TWideStrings list;
        list.SetText(c.Text);
        EXPECT_EQ(list.Lines(), c.Lines);
    }
    TWideStrings list;
    list.SetText(u"x\ny");
    EXPECT_EQ(list.Text(), u"x\r\ny\r\n");
    list.Put(2, u"z");
    EXPECT_EQ(list.Count(), 3u);
    try {
        list.Put(4, u"w");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Wide String Out of Bounds");
    }
}

} // namespace
} // namespace orv
