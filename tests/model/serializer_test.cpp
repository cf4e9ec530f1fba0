#include "model/Serializer.h"

#include "data/DataSet.h"
#include "model/Bands.h"
#include "model/Modules.h"
#include "model/Pages.h"
#include "model/PropertyRegistry.h"
#include "model/Report.h"
#include "model/Units.h"
#include "model/Views.h"
#include "model/XmlDocument.h"
#include "platform/BinaryProperties.h"
#include "platform/FormatSettings.h"
#include "platform/StringsText.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace orv {
namespace {

std::string Fixture(const std::string& name)
{
    std::ifstream in(std::string(ORVANTA_SOURCE_DIR) + "/tests/model/fixtures/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// --- a readable dump of a component tree, through the registry alone ---

void DumpObject(TPersistent& obj, const std::string& prefix, std::string& out);

void DumpProperty(TPersistent& obj, const TPropInfo& p, const std::string& prefix, std::string& out)
{
    const std::string name = prefix + p.Name();
    switch (p.Kind()) {
    case TPropKind::Object:
        // Stored objects only: a memo's DisplayFormat and Highlight make an item when asked for.
        if (p.IsStored(obj))
            if (TPersistent* sub = p.GetObject(obj))
                DumpObject(*sub, name + ".", out);
        return;
    case TPropKind::WideStrings:
        out += name + "=" + Utf16ToUtf8(p.WideStrings(obj).Text()) + "\n";
        return;
    default:
        out += name + "=" + p.GetText(obj) + "\n";
    }
}

void DumpObject(TPersistent& obj, const std::string& prefix, std::string& out)
{
    const TClassInfo& cls = obj.ClassInfo();
    out += prefix + "<" + cls.Name() + ">\n";
    for (const TPropInfo& p : cls.Properties())
        DumpProperty(obj, p, prefix, out);
    for (const TBinaryPropInfo& b : cls.BinaryProperties())
        out += prefix + b.Name + "#=" + std::to_string(b.Read(obj).size()) + ":" + b.Read(obj) + "\n";
    for (const TCollectionInfo& c : cls.Collections()) {
        TfrxCollection& items = c.Get(obj);
        for (std::size_t i = 0; i < items.Count(); ++i)
            DumpObject(items.Item(i), prefix + c.Name + "[" + std::to_string(i) + "].", out);
    }
}

std::string DumpTree(TfrxComponent& c, const std::string& indent = {})
{
    std::string out;
    DumpObject(c, indent, out);
    out += indent + "Name:" + c.Name() + "\n";
    for (TfrxComponent* child : c.Objects())
        out += DumpTree(*child, indent + "  ");
    return out;
}

std::string Save(TfrxComponent& c)
{
    std::ostringstream out;
    c.SaveToStream(out);
    return out.str();
}

void Load(TfrxComponent& c, const std::string& text)
{
    std::istringstream in(text);
    c.LoadFromStream(in);
}

std::vector<std::string> ErrorLines(const TfrxReport& report)
{
    return report.Errors().Lines();
}

// The program's data module: it owns the report and the datasets that the
// template names.
struct DataModule {
    TComponent module{nullptr};
    TModuleRegistration registration{module};
    TfrxDataSet* cabecera = new TfrxDataSet(&module);
    TfrxDataSet* detalle = new TfrxDataSet(&module);

    DataModule()
    {
        module.SetName("DM1");
        cabecera->SetName("Cabecera");
        detalle->SetName("Detalle");
    }
};

constexpr TColor Red = 255;
constexpr TColor Blue = 16711680;
constexpr TColor Yellow = 65535;

// A memo text with Windows-1252 accents, the euro sign, CJK and an emoji.
const std::u16string MixedText = u"Ca\u00F1\u00F3n \u20AC 12\r\n\u8A02\u5355 \U0001F600\r\n\"<&>\"";

// A report with every kind of band and view, built in code.
void BuildReport(TfrxReport& report, const DataModule& dm)
{
    report.ScriptText.Clear();
    report.ScriptText.Add("begin");
    report.ScriptText.Add("  ShowMessage('Pedido');");
    report.ScriptText.Add("end.");
    report.ReportOptions.Author = "Compras \xC1rea";
    report.ReportOptions.CreateDate = 45000.5;
    report.ReportOptions.LastChange = 45001.25;
    report.ReportOptions.Description.Add("L\xEDnea uno");
    report.ReportOptions.Description.Add("L\xEDnea dos");
    report.ReportOptions.Picture.SetGraphic("TPNGObject", Fixture("dot.png"));
    report.EngineOptions.DoublePass = true;
    report.PrintOptions.Copies = 2;
    report.PreviewOptions.Zoom = 1.5;
    report.Datasets.Add().SetDataSet(dm.cabecera);
    report.Datasets.Add().SetDataSet(dm.detalle);
    TfrxVariable& variable = report.Variables.Add();
    variable.Name = "IVA";
    variable.Value = std::string("21");
    TfrxStyleItem& style = report.Styles.Add();
    style.Name = "Titulo";
    style.Font.SetStyle({fsBold});

    auto* data = new TfrxDataPage(&report);
    data->SetName("Data");
    auto* page = new TfrxReportPage(&report);
    page->SetName("Page1");
    page->LeftMargin = 10;
    page->TopMargin = 12.5;
    page->SetOrientation(poLandscape);
    page->BackPicture().SetGraphic("TBitmap", Fixture("dot.bmp"));
    auto* second = new TfrxReportPage(&report);
    second->SetName("Page2");
    second->SetPaperSize(256);
    second->SetPaperWidth(100);

    const char* bandClasses[] = {"TfrxReportTitle", "TfrxPageHeader", "TfrxColumnHeader", "TfrxHeader",
                                 "TfrxGroupHeader", "TfrxMasterData", "TfrxDetailData", "TfrxSubdetailData",
                                 "TfrxDataBand4", "TfrxDataBand5", "TfrxDataBand6", "TfrxGroupFooter",
                                 "TfrxFooter", "TfrxChild", "TfrxColumnFooter", "TfrxReportSummary",
                                 "TfrxOverlay", "TfrxPageFooter", "TfrxNullBand"};
    long double top = 0;
    for (const char* cls : bandClasses) {
        auto* band = dynamic_cast<TfrxBand*>(CreateComponent(cls, page));
        band->MakeUniqueName();
        band->SetBounds(0, top, 718.1107, 18.89765);
        top += 20;
    }
    auto* master = dynamic_cast<TfrxMasterData*>(report.FindObject("MasterData1"));
    master->SetDataSet(dm.cabecera);
    master->Child.Set(dynamic_cast<TfrxChild*>(report.FindObject("Child1")));
    master->RowCount = 3;
    master->Stretched = true;
    auto* group = dynamic_cast<TfrxGroupHeader*>(report.FindObject("GroupHeader1"));
    group->Condition = "Cabecera.\"PROVEEDOR\"";
    group->FillGap.Left = 3;
    group->FillSlot.SetFillType(ftGlass);

    auto* memo = new TfrxMemoView(master);
    memo->SetName("Memo1");
    memo->SetBounds(1.5, 2.25, 100, 18.9);
    memo->SetText(MixedText);
    memo->AllowExpressions = false;
    memo->AllowHTMLTags = true;
    memo->AutoWidth = true;
    memo->Clipped = false;
    memo->HAlign = haBlock;
    memo->VAlign = vaCenter;
    memo->WordWrap = false;
    memo->WordBreak = true;
    memo->Wysiwyg = false;
    memo->Underlines = true;
    memo->RTLReading = true;
    memo->HideZeros = true;
    memo->SuppressRepeated = true;
    memo->UseDefaultCharset = true;
    memo->FirstParaBreak = true;
    memo->LastParaBreak = true;
    memo->Rotation = 90;
    memo->CharSpacing = 0.5;
    memo->LineSpacing = 3;
    memo->GapX = 4;
    memo->GapY = 0;
    memo->ParagraphGap = 1.25;
    memo->ExpressionDelimiters = "<,>";
    memo->Hint = "Ca\xF1\xF3n \x80";
    memo->StretchMode = smMaxHeight;
    memo->Visibility = {vsPreview};
    memo->Restrictions = {rfDontMove, rfDontSize};
    TFont font;
    font.SetName("Tahoma");
    font.SetSize(9);
    font.SetStyle({fsBold, fsUnderline});
    font.SetColor(Red);
    memo->SetFont(font);
    memo->Frame.Typ = {ftLeft, ftBottom};
    memo->Frame.SetWidth(2);
    memo->Frame.BottomLine.Color = Blue;
    memo->Frame.LeftLine.Style = fsDot;
    memo->SetFillType(ftGradient);
    memo->DisplayFormat().Kind = fkNumeric;
    memo->DisplayFormat().FormatStr = "%2.2n";
    memo->Highlight().Condition = "Value < 0";
    memo->Highlight().Font.SetColor(Red);
    memo->Hyperlink.Kind = hkAnchor;
    memo->Hyperlink.Value = "Pedido";
    memo->SetDataSet(dm.detalle);
    memo->DataField = "CANTIDAD";
    memo->TagStr = "[Detalle.\"CODIGO\"]";

    auto* memo2 = new TfrxMemoView(master);
    memo2->SetName("Memo2");
    memo2->SetBounds(110, 0, 80, 18.9);
    memo2->SetAnsiText("Total: [SUM(<Detalle.\"IMPORTE\">)]");
    memo2->Formats.Add().Kind = fkDateTime;
    memo2->Formats.Add().FormatStr = "#,##0.00";
    memo2->Highlights.Add().Condition = "Value > 100";
    memo2->Highlights.Add().ApplyFrame = true;
    memo->FlowTo.Set(memo2);
    memo2->SetStyle("Titulo");

    auto* sys = new TfrxSysMemoView(report.FindObject("PageFooter1"));
    sys->SetName("SysMemo1");
    sys->SetText(u"[Page#] / [TotalPages#]");
    sys->HAlign = haRight;

    auto* line = new TfrxLineView(master);
    line->SetName("Line1");
    line->SetBounds(0, 19, 700, 0);
    line->Diagonal = true;
    line->ArrowStart = true;
    line->ArrowLength = 30;
    line->Frame.SetWidth(0.5);
    line->Frame.SetColor(clGray);

    auto* shape = new TfrxShapeView(master);
    shape->SetName("Shape1");
    shape->Shape = skEllipse;
    shape->Curve = 4;
    shape->SetColor(Yellow);

    auto* picture = new TfrxPictureView(report.FindObject("ReportTitle1"));
    picture->SetName("Picture1");
    picture->Picture.SetGraphic("TPNGObject", Fixture("dot.png"));
    picture->KeepAspectRatio = false;
    picture->Transparent = true;

    auto* bitmap = new TfrxPictureView(report.FindObject("ReportTitle1"));
    bitmap->SetName("Picture2");
    bitmap->Picture.SetGraphic("TBitmap", Fixture("dot.bmp"));

    auto* sub = new TfrxSubreport(report.FindObject("ReportSummary1"));
    sub->SetName("Subreport1");
    sub->SetSubreportPage(second);
    sub->PrintOnParent = true;
}

// --- round trip ---

TEST(Serializer, AReportBuiltInCodeRoundTripsUnchanged)
{
    DataModule dm;
    auto* report = new TfrxReport(&dm.module);
    BuildReport(*report, dm);
    const std::string first = Save(*report);

    auto* loaded = new TfrxReport(&dm.module);
    Load(*loaded, first);
    EXPECT_EQ(ErrorLines(*loaded), std::vector<std::string>{});
    EXPECT_EQ(Save(*loaded), first);
    EXPECT_EQ(DumpTree(*loaded), DumpTree(*report));

    // The references found their targets again, inside and outside the report.
    auto* master = dynamic_cast<TfrxMasterData*>(loaded->FindObject("MasterData1"));
    ASSERT_NE(master, nullptr);
    EXPECT_EQ(master->DataSet(), dm.cabecera);
    EXPECT_EQ(master->Child.Get(), loaded->FindObject("Child1"));
    auto* memo = dynamic_cast<TfrxMemoView*>(loaded->FindObject("Memo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->FlowTo.Get(), loaded->FindObject("Memo2"));
    EXPECT_EQ(memo->Text(), MixedText + u"\r\n");
    EXPECT_EQ(dynamic_cast<TfrxSubreport*>(loaded->FindObject("Subreport1"))->SubreportPage(),
              loaded->FindObject("Page2"));
    EXPECT_EQ(loaded->Datasets[1].DataSet(), dm.detalle);
    auto* picture = dynamic_cast<TfrxPictureView*>(loaded->FindObject("Picture1"));
    EXPECT_EQ(picture->Picture.Bytes(), Fixture("dot.png"));
}

TEST(Serializer, TheWrittenDocumentHasTheTemplateShape)
{
    DataModule dm;
    TfrxReport report(&dm.module);
    BuildReport(report, dm);
    const std::string text = Save(report);

    EXPECT_TRUE(text.starts_with("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<TfrxReport Version=\"5.1.12\""));
    // The lists come before the pages, the data page first among them.
    const auto datasets = text.find("\r\n  <Datasets>");
    const auto variables = text.find("\r\n  <Variables>");
    const auto styles = text.find("\r\n  <Styles>");
    const auto dataPage = text.find("\r\n  <TfrxDataPage Name=\"Data\"");
    ASSERT_NE(datasets, std::string::npos);
    EXPECT_LT(datasets, variables);
    EXPECT_LT(variables, styles);
    EXPECT_LT(styles, dataPage);
    EXPECT_NE(text.find("<item DataSet=\"Cabecera\" DataSetName=\"Cabecera\"/>"), std::string::npos);
    EXPECT_NE(text.find(" ScriptText.Text=\"begin&#13;&#10;  ShowMessage('Pedido');&#13;&#10;end.\""),
              std::string::npos);
    // Memo text in UTF-8, other strings in the system code page.
    EXPECT_NE(text.find(" Text=\"Ca\xC3\xB1\xC3\xB3n \xE2\x82\xAC 12&#13;&#10;\xE8\xA8\x82\xE5\x8D\x95 \xF0\x9F\x98\x80"
                        "&#13;&#10;&#34;&#60;&#38;&#62;&#34;\""),
              std::string::npos);
    EXPECT_NE(text.find(" Hint=\"Ca\xF1\xF3n \x80\""), std::string::npos);
    // One format and one highlight as attributes; two of each as elements.
    EXPECT_NE(text.find(" DisplayFormat.FormatStr=\"%2.2n\" DisplayFormat.Kind=\"fkNumeric\""), std::string::npos);
    EXPECT_NE(text.find(" Highlight.Condition=\"Value &#60; 0\""), std::string::npos);
    EXPECT_NE(text.find("<Formats>\r\n          <item Kind=\"fkDateTime\"/>\r\n          <item FormatStr=\"#,##0.00\"/>"),
              std::string::npos);
    EXPECT_NE(text.find("<Highlights>"), std::string::npos);
    EXPECT_NE(text.find(" Picture.PropData=\"0444617461"), std::string::npos);
    EXPECT_NE(text.find(" BackPicture.PropData=\"0444617461"), std::string::npos);
    EXPECT_NE(text.find(" ReportOptions.Picture.PropData=\"0444617461"), std::string::npos);
}

TEST(Serializer, TheDemoOrderTemplateLoadsAndWritesBackStably)
{
    std::ifstream in(std::string(ORVANTA_SOURCE_DIR) + "/templates/pedido.xml", std::ios::binary);
    const std::string original{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(original.empty());
    TComponent module(nullptr);
    for (const char* name : {"dsPedido", "dsPedidoDetalle", "dsEmpresa"})
        (new TfrxDataSet(&module))->SetName(name);
    auto* report = new TfrxReport(&module);
    Load(*report, original);
    EXPECT_EQ(ErrorLines(*report), std::vector<std::string>{});
    ASSERT_EQ(report->Datasets.Count(), 3u);
    EXPECT_EQ(report->Datasets[1].DataSet(), module.FindComponent("dsPedidoDetalle"));
    auto* master = dynamic_cast<TfrxMasterData*>(report->FindObject("MasterData1"));
    ASSERT_NE(master, nullptr);
    EXPECT_EQ(master->DataSet(), module.FindComponent("dsPedidoDetalle"));
    auto* heading = dynamic_cast<TfrxMemoView*>(report->FindObject("mCabArticulo"));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->Text(), u"Art\u00EDculo\r\n");
    EXPECT_EQ(heading->Fill().ClassInfo().Name(), "TfrxBrushFill");
    EXPECT_EQ(heading->Color(), 14211288);
    EXPECT_EQ(heading->Frame.Typ, TfrxFrameTypes{ftBottom});

    const std::string written = Save(*report);
    auto* again = new TfrxReport(&module);
    Load(*again, written);
    EXPECT_EQ(Save(*again), written);
    EXPECT_EQ(DumpTree(*again), DumpTree(*report));
}

// --- the expected text of a small tree ---

TEST(Serializer, WritesASmallTreeAsExpected)
{
    TfrxReport report(nullptr);
    auto* page = new TfrxReportPage(&report);
    page->SetName("Page1");
    auto* band = new TfrxMasterData(page);
    band->SetName("MasterData1");
    band->SetBounds(0, 20, 718, 18.9);
    auto* memo = new TfrxMemoView(band);
    memo->SetName("Memo1");
    memo->SetBounds(2, 0, 100, 18.9);
    memo->SetText(u"Pedido\r\n[Cabecera.\"NUMERO\"]");
    memo->HAlign = haRight;
    memo->Frame.Typ = AllFrameSides;
    auto* line = new TfrxLineView(band);
    line->SetName("Line1");
    line->SetBounds(0, 18, 718, 0);

    std::ostringstream out;
    TfrxXMLSerializer serializer(out);
    serializer.WriteRootComponent(*page);
    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
        "<TfrxReportPage PaperWidth=\"210\" PaperHeight=\"297\" PaperSize=\"9\" LeftMargin=\"0\" RightMargin=\"0\""
        " TopMargin=\"0\" BottomMargin=\"0\" ColumnWidth=\"0\" ColumnPositions.Text=\"\" HGuides.Text=\"\""
        " VGuides.Text=\"\">\r\n"
        "  <TfrxMasterData Name=\"MasterData1\" FillType=\"ftBrush\" FillGap.Top=\"0\" FillGap.Left=\"0\""
        " FillGap.Bottom=\"0\" FillGap.Right=\"0\" Height=\"18.9\" Left=\"0\" Top=\"20\" Width=\"718\""
        " ColumnWidth=\"0\" ColumnGap=\"0\" RowCount=\"0\">\r\n"
        "    <TfrxMemoView Name=\"Memo1\" Left=\"2\" Top=\"0\" Width=\"100\" Height=\"18.9\" Frame.Typ=\"15\""
        " HAlign=\"haRight\" Text=\"Pedido&#13;&#10;[Cabecera.&#34;NUMERO&#34;]\"/>\r\n"
        "    <TfrxLineView Name=\"Line1\" Left=\"0\" Top=\"18\" Width=\"718\" Height=\"0\" Color=\"0\""
        " ArrowEnd=\"False\" ArrowSolid=\"False\" ArrowStart=\"False\" Diagonal=\"False\"/>\r\n"
        "  </TfrxMasterData>\r\n"
        "</TfrxReportPage>\r\n";
    EXPECT_EQ(out.str(), expected);
}

// --- malformed attribute values ---

// The text form of a property reached by a dotted path, through the registry.
std::string PropText(TPersistent& root, std::string_view path)
{
    TPersistent* obj = &root;
    for (;;) {
        const auto dot = path.find('.');
        const TPropInfo* prop = obj->ClassInfo().FindProperty(path.substr(0, dot));
        if (!prop)
            return "<no " + std::string(path) + ">";
        if (dot == std::string_view::npos)
            return prop->Kind() == TPropKind::WideStrings ? Utf16ToUtf8(prop->WideStrings(*obj).Text())
                                                           : prop->GetText(*obj);
        obj = prop->GetObject(*obj);
        path.remove_prefix(dot + 1);
    }
}

struct AttributeCase {
    const char* Attributes;
    const char* Path;     // property to look at afterwards
    const char* Expected; // its text form
    const char* Error;    // the one load error, or empty
};

TEST(Serializer, AttributeValuesAndWhatEachGives)
{
    const AttributeCase cases[] = {
        // enumerations and Booleans: member names in any case, or ordinals
        {"HAlign=\"haCenter\"", "HAlign", "haCenter", ""},
        {"HAlign=\"HACENTER\"", "HAlign", "haCenter", ""},
        {"HAlign=\"3\"", "HAlign", "haBlock", ""},
        {"HAlign=\"haNowhere\"", "HAlign", "haLeft", "Invalid value 'haNowhere' for property HAlign"},
        {"HAlign=\"7\"", "HAlign", "haLeft", "Invalid value '7' for property HAlign"},
        {"WordWrap=\"False\"", "WordWrap", "False", ""},
        {"WordWrap=\"0\"", "WordWrap", "False", ""},
        {"WordWrap=\"Maybe\"", "WordWrap", "True", "Invalid value 'Maybe' for property WordWrap"},
        // numbers: comma or full stop, blanks ignored; bad ones keep the old value
        {"Left=\"12.5\"", "Left", "12.5", ""},
        {"Left=\"12,5\"", "Left", "12.5", ""},
        {"Left=\" 1 234,5 \"", "Left", "1234.5", ""},
        {"Left=\"1E3\"", "Left", "1000", ""},
        {"Left=\"abc\"", "Left", "0", "'abc' is not a valid floating point value"},
        {"Left=\"1.2.3\"", "Left", "0", "'1.2.3' is not a valid floating point value"},
        {"Left=\"NAN\"", "Left", "0", "'NAN' is not a valid floating point value"},
        {"Left=\"\"", "Left", "0", "'' is not a valid floating point value"},
        {"l=\"7\" t=\"8\" w=\"9\" h=\"x\"", "Width", "9", "'x' is not a valid floating point value"},
        {"Rotation=\"90\"", "Rotation", "90", ""},
        {"Rotation=\"9x\"", "Rotation", "0", "'9x' is not a valid integer value"},
        {"Rotation=\"99999999999\"", "Rotation", "0", "'99999999999' is not a valid integer value"},
        // sets as bit masks; colours as integers, hexadecimal too
        {"Frame.Typ=\"15\"", "Frame.Typ", "15", ""},
        {"Frame.Typ=\"16\"", "Frame.Typ", "0", "Invalid value '16' for property Typ"},
        {"Font.Style=\"1\"", "Font.Style", "1", ""},
        {"Font.Color=\"$FF\"", "Font.Color", "255", ""},
        {"Font.Color=\"-16777201\"", "Font.Color", "-16777201", ""},
        {"Frame.LeftLine.Width=\"3\"", "Frame.LeftLine.Width", "3", ""},
        // strings: escapes decoded; a broken reference is an error
        {"Hint=\"a&#38;b &#34;c&#34; &amp;\"", "Hint", "a&b \"c\" &", ""},
        {"Hint=\"a&#zz;b\"", "Hint", "", "'zz' is not a valid integer value"},
        {"Text=\"Caf&#233;\"", "Memo", "Caf\xC3\xA9\r\n", ""}, // not UTF-8: read as the code page
        {"u=\"\xE2\x82\xAC\"", "Memo", "\xE2\x82\xAC\r\n", ""},
        {"x=\"\x80\"", "Memo", "\xE2\x82\xAC\r\n", ""},
        {"Memo.Text=\"\x80\"", "Memo", "\xE2\x82\xAC\r\n", ""},
        // unknown names are skipped without a word
        {"NoSuchProperty=\"1\" Left=\"3\"", "Left", "3", ""},
        {"Font.NoSuchProperty=\"1\"", "Font.Name", "Arial", ""},
        {"Frame.Nothing.Width=\"3\"", "Frame.Width", "1", ""},
        {"Font=\"Arial\"", "Font.Name", "Arial", ""},
        // references: unknown names stay unset; a component of the wrong class is refused
        {"FlowTo=\"Nowhere\"", "FlowTo", "", ""},
        {"FlowTo=\"Memo2\"", "FlowTo", "Memo2", ""},
        {"FlowTo=\"MasterData1\"", "FlowTo", "", "Property FlowTo cannot refer to MasterData1"},
        // names must be identifiers and unique in the report
        {"Name=\"Memo1\"", "Name", "Memo1", ""},
        {"Name=\"1abc\"", "Name", "", "'1abc' is not a valid component name"},
        {"Name=\"Memo2\"", "Name", "", "Nombre Duplicado"},
        // a value without its closing quote ends the text
        {"Left=\"4\" Top=\"5", "Top", "0", ""},
    };
    for (const AttributeCase& c : cases) {
        SCOPED_TRACE(c.Attributes);
        TfrxReport report(nullptr);
        auto* page = new TfrxReportPage(&report);
        auto* band = new TfrxMasterData(page);
        band->SetName("MasterData1");
        auto* memo = new TfrxMemoView(band);
        auto* memo2 = new TfrxMemoView(band);
        memo2->SetName("Memo2");
        TfrxXMLSerializer serializer;
        serializer.RootOwner = &report;
        serializer.AttributesToObject(c.Attributes, *memo);
        serializer.ResolveFixups();
        EXPECT_EQ(PropText(*memo, c.Path), c.Expected);
        const std::vector<std::string> errors =
            *c.Error ? std::vector<std::string>{c.Error} : std::vector<std::string>{};
        EXPECT_EQ(serializer.LoadErrors(), errors);
    }
}

TEST(Serializer, NumbersFollowTheLocaleWhenWrittenAndReadEitherWay)
{
    TfrxMemoView memo(nullptr);
    memo.SetBounds(1.5, 0, 100.25, 0);
    std::string spanish;
    {
        ScopedFormatSettings es("es_ES");
        spanish = TfrxXMLSerializer().ComponentToElementText(memo);
    }
    EXPECT_NE(spanish.find(" Left=\"1,5\" Top=\"0\" Width=\"100,25\""), std::string::npos);
    ScopedFormatSettings us("en_US");
    TfrxXMLSerializer serializer;
    std::unique_ptr<TfrxComponent> copy(serializer.ElementTextToComponent(nullptr, spanish));
    EXPECT_EQ(copy->Left(), 1.5L);
    EXPECT_EQ(copy->Width(), 100.25L);
    EXPECT_NE(serializer.ComponentToElementText(*copy).find(" Left=\"1.5\""), std::string::npos);
}

// --- whole documents ---

std::string Document(const std::string& body, const std::string& declaration = "version=\"1.0\" encoding=\"utf-8\"")
{
    return "<?xml " + declaration + "?>" + body;
}

TEST(Serializer, AnUnregisteredClassIsReportedOnceAndItsSubtreeSkipped)
{
    TfrxReport report(nullptr);
    Load(report, Document("<TfrxReport><TfrxReportPage Name=\"Page1\">"
                          "<TfrxBarcodeView Name=\"B1\"><TfrxMemoView Name=\"Inner\"/></TfrxBarcodeView>"
                          "<TfrxBarcodeView Name=\"B2\"/><TfrxMemoView Name=\"Memo1\"/>"
                          "<TfrxShapeView Name=\"Shape1\" Font.Name=\"Tahoma\"/>"
                          "<TfrxFrame/></TfrxReportPage></TfrxReport>"));
    EXPECT_EQ(ErrorLines(report), (std::vector<std::string>{"Clase no encontrada TfrxBarcodeView",
                                                             "Class TfrxFrame cannot be created as a report component"}));
    EXPECT_EQ(report.FindObject("Inner"), nullptr);
    EXPECT_NE(report.FindObject("Memo1"), nullptr);
}

TEST(Serializer, TwoElementsOfOneNameMakeOneComponent)
{
    TfrxReport report(nullptr);
    Load(report, Document("<TfrxReport><TfrxReportPage Name=\"Page1\">"
                          "<TfrxMasterData Name=\"Band1\" Height=\"20\"><TfrxMemoView Name=\"A\"/></TfrxMasterData>"
                          "<TfrxMasterData Name=\"band1\" Top=\"30\"><TfrxMemoView Name=\"B\"/></TfrxMasterData>"
                          "</TfrxReportPage></TfrxReport>"));
    auto* page = report.FindObject("Page1");
    ASSERT_EQ(page->Objects().size(), 1u);
    TfrxComponent* band = page->Objects()[0];
    EXPECT_EQ(band->Name(), "Band1");
    EXPECT_EQ(band->Height(), 20);
    EXPECT_EQ(band->Top(), 30);
    ASSERT_EQ(band->Objects().size(), 2u);
    EXPECT_EQ(band->Objects()[1]->Name(), "B");
    EXPECT_EQ(ErrorLines(report), std::vector<std::string>{});
}

TEST(Serializer, ReferencesReachTheDataModuleBesideTheReport)
{
    DataModule dm;
    TfrxReport report(&dm.module);
    Load(report, Document("<TfrxReport><Datasets><item DataSet=\"Cabecera\" DataSetName=\"Cabecera\"/>"
                          "<item DataSet=\"DM1.Detalle\"/><item DataSet=\"Nadie\"/></Datasets>"
                          "<TfrxReportPage Name=\"Page1\"><TfrxMasterData Name=\"M\" DataSet=\"Detalle\"/>"
                          "<TfrxDetailData Name=\"D\" DataSet=\"NoSuchData\" Child=\"M\"/>"
                          "</TfrxReportPage></TfrxReport>"));
    ASSERT_EQ(report.Datasets.Count(), 3u);
    EXPECT_EQ(report.Datasets[0].DataSet(), dm.cabecera);
    EXPECT_EQ(report.Datasets[1].DataSet(), dm.detalle);
    EXPECT_EQ(report.Datasets[2].DataSet(), nullptr);
    EXPECT_EQ(dynamic_cast<TfrxMasterData*>(report.FindObject("M"))->DataSet(), dm.detalle);
    auto* detail = dynamic_cast<TfrxDetailData*>(report.FindObject("D"));
    EXPECT_EQ(detail->DataSet(), nullptr);
    EXPECT_EQ(detail->Child.Get(), nullptr);
    EXPECT_EQ(ErrorLines(report), std::vector<std::string>{"Property Child cannot refer to M"});

    // Written back, a dataset of the module beside the report is named plainly.
    const std::string text = Save(report);
    EXPECT_NE(text.find("<item DataSet=\"Detalle\" DataSetName=\"Detalle\"/>"), std::string::npos);
}

TEST(Serializer, AttributesApplyInTheOrderTheyStand)
{
    TfrxReport report(nullptr);
    Load(report, Document("<TfrxReport><TfrxReportPage Name=\"P\">"
                          "<TfrxMemoView Name=\"Good\" FillType=\"ftGradient\" Fill.StartColor=\"255\"/>"
                          "<TfrxMemoView Name=\"Late\" Fill.StartColor=\"255\" FillType=\"ftGradient\"/>"
                          "</TfrxReportPage></TfrxReport>"));
    EXPECT_EQ(PropText(*report.FindObject("Good"), "Fill.StartColor"), "255");
    EXPECT_EQ(PropText(*report.FindObject("Late"), "Fill.StartColor"), "16777215");
}

TEST(Serializer, TheDeclarationDecidesHowStringsAreRead)
{
    const std::string body = "<TfrxReport><TfrxReportPage Name=\"P\"><TfrxMemoView Name=\"M\""
                             " Hint=\"Ca\xC3\xB1\xC3\xB3n\" Text=\"Ca\xC3\xB1\xC3\xB3n\" TagStr=\"\xF1\"/>"
                             "</TfrxReportPage></TfrxReport>";
    const struct {
        const char* Declaration;
        const char* Hint;
    } cases[] = {
        {"version=\"1.0\" encoding=\"utf-8\"", "Ca\xC3\xB1\xC3\xB3n"},
        {"version=\"1.1\" encoding=\"utf-8\"", "Ca\xF1\xF3n"},
        {"version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"", "Ca\xF1\xF3n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Declaration);
        TfrxReport report(nullptr);
        Load(report, Document(body, c.Declaration));
        auto* memo = dynamic_cast<TfrxMemoView*>(report.FindObject("M"));
        ASSERT_NE(memo, nullptr);
        EXPECT_EQ(memo->Hint, c.Hint);
        EXPECT_EQ(memo->TagStr, "\xF1"); // not UTF-8 either way: kept
        EXPECT_EQ(memo->Text(), u"Ca\u00F1\u00F3n\r\n");
    }
}

TEST(Serializer, MalformedXmlLeavesTheTreeUntouched)
{
    TfrxReport report(nullptr);
    auto* page = new TfrxReportPage(&report);
    page->SetName("Page1");
    std::istringstream in(Document("<TfrxReport><TfrxReportPage Name=\"P2\"></TfrxReport>"));
    TfrxXMLSerializer serializer(in);
    EXPECT_THROW(serializer.ReadRootComponent(report), TfrxInvalidXMLException);
    EXPECT_EQ(report.Objects(), std::vector<TfrxComponent*>{page});
}

TEST(Serializer, PictureDataReadsOrLeavesThePictureEmpty)
{
    const std::string png = Fixture("dot.png");
    const std::string header = "0444617461" "0A"; // "Data", binary
    const std::string pngData = "0A54504E474F626A656374" + BinToHex(png);
    const struct {
        std::string Hex;
        bool Loaded;
        const char* Error;
    } cases[] = {
        {header + BinToHex(std::string(1, static_cast<char>(11 + png.size())) + std::string(3, '\0')) + pngData,
         true, ""},
        {header + "FF000000" + pngData, false, ""},              // count beyond the block
        {"0444617461" "06" + pngData, false, ""},                 // a value type not known here
        {"0444617460" "0A01000000" "00", false, ""},              // a property the picture does not define
        {header + "0A000000" "0954474946496D616765", false, ""},  // a picture class nobody answers to
        {header + "01000000" "00", false, ""},                    // an empty picture
        {"044461746", false, "Invalid binary data in Picture.PropData"}, // odd number of digits
        {"04444G", false, "Invalid binary data in Picture.PropData"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Hex);
        TfrxPictureView view(nullptr);
        TfrxXMLSerializer serializer;
        serializer.AttributesToObject("Picture.PropData=\"" + c.Hex + "\"", view);
        EXPECT_EQ(view.Picture.Empty(), !c.Loaded);
        if (c.Loaded) {
            EXPECT_EQ(view.Picture.Bytes(), png);
        }
        EXPECT_EQ(serializer.LoadErrors(), *c.Error ? std::vector<std::string>{c.Error} : std::vector<std::string>{});
    }
}

TEST(Serializer, AnAncestorLeavesOutTheValuesItShares)
{
    TfrxMemoView ancestor(nullptr);
    ancestor.SetBounds(10, 0, 40, 0);
    ancestor.HAlign = haRight;
    ancestor.WordWrap = false;
    ancestor.Hint = "x";
    ancestor.SetText(u"abc");
    TfrxMemoView memo(nullptr);
    memo.SetName("Memo1");
    memo.SetBounds(10.0000001L, 0, 50, 0);
    memo.HAlign = haRight;
    memo.Hint = "x";
    memo.SetText(u"abc");
    TfrxXMLSerializer serializer;
    std::string asked;
    serializer.OnFindAncestor = [&](const std::string& name) -> TfrxComponent* {
        asked = name;
        return &ancestor;
    };
    EXPECT_EQ(serializer.ComponentToElementText(memo), "TfrxMemoView Width=\"50\" WordWrap=\"True\"");
    EXPECT_EQ(asked, "Memo1");
}

TEST(Serializer, InheritedElementsAndCustomData)
{
    TfrxReport report(nullptr);
    auto* page = new TfrxReportPage(&report);
    page->SetName("Page1");
    page->FromAncestor = true;
    TfrxXMLItem root;
    TfrxXMLSerializer writer;
    writer.OnWriteCustomData = [](TfrxXMLItem& item) { item.SetAttr("Owner", "job"); };
    writer.WriteRootComponent(report, true, true, &root);
    ASSERT_EQ(root.ChildCount(), 2);
    EXPECT_EQ(root.ChildAt(0).TagName(), "inherited");
    EXPECT_EQ(root.ChildAt(1).TagName(), "FrxCustomData");
    EXPECT_EQ(root.ChildAt(1).AttrText(), "Owner=\"job\"");

    root.ChildAt(0).SetAttr("LeftMargin", "5");
    root.AdoptChild(std::make_unique<TfrxXMLItem>("inherited")).SetAttr("Name", "Lost");
    std::string custom;
    TfrxXMLSerializer reader;
    reader.OnReadCustomData = [&](TfrxXMLItem& item) { custom = item.GetAttr("Owner"); };
    reader.ReadRootComponent(report, &root);
    EXPECT_EQ(report.Objects(), std::vector<TfrxComponent*>{page});
    EXPECT_EQ(page->LeftMargin, 5);
    EXPECT_EQ(custom, "job");
    EXPECT_EQ(reader.LoadErrors(), std::vector<std::string>{});
}

// --- single tags, copies ---

TEST(Serializer, ElementTextMakesAComponent)
{
    TfrxXMLSerializer serializer;
    EXPECT_EQ(serializer.ElementTextToComponent(nullptr, ""), nullptr);
    EXPECT_THROW(serializer.ElementTextToComponent(nullptr, "TfrxNothing Left=\"1\""), EClassNotFound);
    std::unique_ptr<TfrxComponent> memo(
        serializer.ElementTextToComponent(nullptr, "TfrxMemoView l=\"5\" u=\"\xE2\x82\xAC\" HAlign=\"haRight\""));
    ASSERT_NE(dynamic_cast<TfrxMemoView*>(memo.get()), nullptr);
    EXPECT_EQ(memo->Left(), 5);
    EXPECT_FALSE(memo->LoadingInProgress);
    EXPECT_EQ(serializer.ComponentToElementText(*memo),
              "TfrxMemoView Left=\"5\" Top=\"0\" Width=\"0\" Height=\"0\" HAlign=\"haRight\" Text=\"\xE2\x82\xAC\"");
}

TEST(Serializer, AssignCopiesTheValuesButNotTheNameOrChildren)
{
    DataModule dm;
    TfrxReport report(&dm.module);
    BuildReport(report, dm);
    auto* source = dynamic_cast<TfrxMemoView*>(report.FindObject("Memo2"));
    auto* target = new TfrxMemoView(report.FindObject("MasterData1"));
    target->SetName("Copy");
    target->Formats.Add().FormatStr = "old";
    target->Assign(*source);
    EXPECT_EQ(target->Name(), "Copy");
    EXPECT_EQ(target->Text(), source->Text());
    ASSERT_EQ(target->Formats.Count(), 2u);
    EXPECT_EQ(target->Formats[1].FormatStr, "#,##0.00");
    EXPECT_EQ(target->Font().Style(), TFontStyles{fsBold});
    EXPECT_EQ(target->Left(), source->Left());
}

TEST(Serializer, VariantsAsAttributeText)
{
    ScopedFormatSettings es("es_ES");
    const struct {
        Value V;
        const char* Text;
    } cases[] = {
        {Value(), ""},
        {Value::Null(), ""},
        {Value(true), "1"},
        {Value(false), "0"},
        {Value(std::int16_t{-7}), "-7"},
        {Value(std::int64_t{12345678901}), "12345678901"},
        {Value(2.5), "2,5"},
        {Value(Currency{12345}), "1,2345"},
        {Value(DateTime{45000.5}), "15/03/2023 12:00:00"},
        {Value("a<\"b\">"), "a&#60;&#34;b&#34;&#62;"},
        {Value(u"\u20AC\u4E2D"), "\x80?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(VariantToXMLText(c.V), c.Text);
    }
}

} // namespace
} // namespace orv
