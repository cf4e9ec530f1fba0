#include "model/PropertyRegistry.h"

#include "model/Bands.h"
#include "model/Pages.h"
#include "model/Report.h"
#include "model/Units.h"
#include "model/Views.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

namespace orv {
namespace {

// Walks a dotted property path ("Font.Name") through nested objects.
const TPropInfo& PathProp(TPersistent*& obj, std::string_view path)
{
    for (;;) {
        const auto dot = path.find('.');
        const TPropInfo* prop = obj->ClassInfo().FindProperty(path.substr(0, dot));
        if (!prop)
            throw Exception("no property " + std::string(path));
        if (dot == std::string_view::npos)
            return *prop;
        obj = prop->GetObject(*obj);
        path.remove_prefix(dot + 1);
    }
}

std::string PropText(TPersistent& root, std::string_view path)
{
    TPersistent* obj = &root;
    const TPropInfo& prop = PathProp(obj, path);
    return prop.GetText(*obj);
}

void SetPropText(TPersistent& root, std::string_view path, std::string_view text)
{
    TPersistent* obj = &root;
    const TPropInfo& prop = PathProp(obj, path);
    prop.SetText(*obj, text);
}

// A component of the class, made the way templates make them.
std::unique_ptr<TComponent> Make(std::string_view className)
{
    return std::unique_ptr<TComponent>(CreateComponent(className, nullptr));
}

struct DefaultCase {
    const char* ClassName;
    const char* Path;
    const char* Text;
};

TEST(PropertyRegistry, InitialValuesOfEachClass)
{
    const DefaultCase cases[] = {
        {"TfrxReportPage", "PaperWidth", "210"},
        {"TfrxReportPage", "PaperHeight", "297"},
        {"TfrxReportPage", "PaperSize", "9"},
        {"TfrxReportPage", "Orientation", "poPortrait"},
        {"TfrxReportPage", "LeftMargin", "0"},
        {"TfrxReportPage", "Bin", "7"},
        {"TfrxReportPage", "PrintIfEmpty", "True"},
        {"TfrxReportPage", "TitleBeforeHeader", "True"},
        {"TfrxReportPage", "PageCount", "1"},
        {"TfrxReportPage", "Color", "536870911"},
        {"TfrxDataPage", "Width", "1000"},
        {"TfrxDataPage", "Height", "1000"},
        {"TfrxMemoView", "AllowExpressions", "True"},
        {"TfrxMemoView", "Clipped", "True"},
        {"TfrxMemoView", "ExpressionDelimiters", "[,]"},
        {"TfrxMemoView", "GapX", "2"},
        {"TfrxMemoView", "GapY", "1"},
        {"TfrxMemoView", "HAlign", "haLeft"},
        {"TfrxMemoView", "VAlign", "vaTop"},
        {"TfrxMemoView", "LineSpacing", "2"},
        {"TfrxMemoView", "WordWrap", "True"},
        {"TfrxMemoView", "Wysiwyg", "True"},
        {"TfrxMemoView", "ParentFont", "True"},
        {"TfrxMemoView", "ShiftMode", "smAlways"},
        {"TfrxMemoView", "StretchMode", "smDontStretch"},
        {"TfrxMemoView", "Visibility", "7"},
        {"TfrxMemoView", "Color", "536870911"},
        {"TfrxMemoView", "FillType", "ftBrush"},
        {"TfrxMemoView", "Fill.BackColor", "536870911"},
        {"TfrxMemoView", "Frame.Typ", "0"},
        {"TfrxMemoView", "Frame.Width", "1"},
        {"TfrxMemoView", "Frame.ShadowWidth", "4"},
        {"TfrxMemoView", "Font.Name", "Arial"},
        {"TfrxMemoView", "Font.Size", "10"},
        {"TfrxMemoView", "Font.Height", "-13"},
        {"TfrxMemoView", "Font.Color", "0"},
        {"TfrxMemoView", "Font.Charset", "1"},
        {"TfrxMemoView", "Font.Style", "0"},
        {"TfrxMemoView", "Hyperlink.ValuesSeparator", ";"},
        {"TfrxSysMemoView", "WordWrap", "True"},
        {"TfrxLineView", "Color", "0"},
        {"TfrxLineView", "ArrowWidth", "5"},
        {"TfrxLineView", "ArrowLength", "20"},
        {"TfrxPictureView", "KeepAspectRatio", "True"},
        {"TfrxPictureView", "Stretched", "True"},
        {"TfrxPictureView", "TransparentColor", "16777215"},
        {"TfrxShapeView", "Shape", "skRectangle"},
        {"TfrxSubreport", "PrintOnParent", "False"},
        {"TfrxPageHeader", "PrintOnFirstPage", "True"},
        {"TfrxPageFooter", "PrintOnLastPage", "True"},
        {"TfrxMasterData", "RowCount", "0"},
        {"TfrxMasterData", "FillGap.Top", "0"},
        {"TfrxGroupHeader", "Condition", ""},
        {"TfrxReport", "Version", "5.1.12"},
        {"TfrxReport", "ShowProgress", "True"},
        {"TfrxReport", "StoreInDFM", "True"},
        {"TfrxReport", "IniFile", "\\Software\\Reports"},
        {"TfrxReport", "ScriptLanguage", "PascalScript"},
        {"TfrxReport", "ScriptText", "begin\r\n\r\nend.\r\n"},
        {"TfrxReport", "EngineOptions.ConvertNulls", "True"},
        {"TfrxReport", "EngineOptions.MaxMemSize", "10"},
        {"TfrxReport", "EngineOptions.NewSilentMode", "simMessageBoxes"},
        {"TfrxReport", "EngineOptions.SilentMode", "False"},
        {"TfrxReport", "PreviewOptions.Buttons", "4095"},
        {"TfrxReport", "PreviewOptions.Zoom", "1"},
        {"TfrxReport", "PreviewOptions.OutlineWidth", "120"},
        {"TfrxReport", "PrintOptions.Printer", "Por defecto"},
        {"TfrxReport", "PrintOptions.Copies", "1"},
        {"TfrxReport", "PrintOptions.Collate", "True"},
    };
    for (const DefaultCase& c : cases) {
        auto obj = Make(c.ClassName);
        EXPECT_EQ(PropText(*obj, c.Path), c.Text) << c.ClassName << "." << c.Path;
    }
}

TEST(PropertyRegistry, DeclaredDefaultsDecideWhatIsWritten)
{
    struct Case {
        const char* ClassName;
        const char* Prop;
        std::optional<std::int64_t> Default;
        bool Stored; // the property's own rule on a new object
    };
    const Case cases[] = {
        {"TfrxMemoView", "HAlign", haLeft, true},
        {"TfrxMemoView", "WordWrap", 1, true},
        {"TfrxMemoView", "GapX", std::nullopt, false},        // written when not 2
        {"TfrxMemoView", "Font", std::nullopt, false},        // shares the parent's font
        {"TfrxMemoView", "Color", std::nullopt, false},       // never: the fill carries it
        {"TfrxMemoView", "DisplayFormat", std::nullopt, false},
        {"TfrxMemoView", "Name", std::nullopt, false},        // written apart from the attributes
        {"TfrxLineView", "Color", clTransparent, true},       // initial 0, default transparent
        {"TfrxLineView", "ArrowStart", std::nullopt, true},   // no default: always written
        {"TfrxPictureView", "ImageIndex", std::nullopt, false},
        {"TfrxPictureView", "Picture", std::nullopt, true},
        {"TfrxMasterData", "FillType", std::nullopt, true},
        {"TfrxReportPage", "PaperSize", std::nullopt, true},
        {"TfrxReportPage", "Bin", 7, true},
    };
    for (const Case& c : cases) {
        auto obj = Make(c.ClassName);
        const TPropInfo* prop = obj->ClassInfo().FindProperty(c.Prop);
        ASSERT_NE(prop, nullptr) << c.ClassName << "." << c.Prop;
        EXPECT_EQ(prop->Default(), c.Default) << c.ClassName << "." << c.Prop;
        EXPECT_EQ(prop->IsStored(*obj), c.Stored) << c.ClassName << "." << c.Prop;
    }
}

TEST(PropertyRegistry, FrameLinesAreWrittenOnlyWhereTheyDifferFromTheFrame)
{
    TfrxFrame frame;
    const TPropInfo& color = *TfrxFrameLine::StaticClass().FindProperty("Color");
    frame.SetColor(255);
    EXPECT_EQ(frame.TopLine.Color, 255);
    EXPECT_FALSE(color.IsStored(frame.TopLine));
    frame.TopLine.Color = 0;
    EXPECT_TRUE(color.IsStored(frame.TopLine));
}

TEST(PropertyRegistry, PropertiesComeInWritingOrderBaseClassesFirst)
{
    auto names = [](const TClassInfo& cls) {
        std::vector<std::string> out;
        for (const TPropInfo& p : cls.Properties())
            out.push_back(p.Name());
        return out;
    };
    const auto memo = names(TfrxMemoView::StaticClass());
    ASSERT_GE(memo.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(memo.begin(), memo.begin() + 8),
              (std::vector<std::string>{"Name", "Tag", "Description", "Align", "Printable", "ShiftMode", "Left", "Top"}));
    auto pos = [&](const char* n) { return std::find(memo.begin(), memo.end(), n) - memo.begin(); };
    EXPECT_LT(pos("Visibility"), pos("StretchMode"));
    EXPECT_LT(pos("StretchMode"), pos("FirstParaBreak"));
    EXPECT_LT(pos("FillType"), pos("Fill"));
    EXPECT_EQ(memo.back(), "VAlign");

    const auto page = names(TfrxReportPage::StaticClass());
    EXPECT_EQ(std::vector<std::string>(page.begin(), page.begin() + 8),
              (std::vector<std::string>{"Name", "Tag", "Font", "Visible", "Orientation", "PaperWidth", "PaperHeight",
                                        "PaperSize"}));
    EXPECT_EQ(std::count(page.begin(), page.end(), "MirrorMargins"), 1);
}

TEST(PropertyRegistry, EachBandKindPublishesItsOwnSettings)
{
    struct Case {
        const TClassInfo& Class;
        const char* Prop;
        bool Published;
    };
    const Case cases[] = {
        {TfrxMasterData::StaticClass(), "RowCount", true},
        {TfrxMasterData::StaticClass(), "ReprintOnNewPage", false},
        {TfrxHeader::StaticClass(), "ReprintOnNewPage", true},
        {TfrxFooter::StaticClass(), "StartNewPage", false},
        {TfrxGroupHeader::StaticClass(), "Condition", true},
        {TfrxGroupFooter::StaticClass(), "HideIfSingleDataRecord", true},
        {TfrxPageFooter::StaticClass(), "Child", false},
        {TfrxColumnHeader::StaticClass(), "Stretched", true},
        {TfrxColumnFooter::StaticClass(), "Stretched", false},
        {TfrxOverlay::StaticClass(), "PrintOnTop", true},
        {TfrxSysMemoView::StaticClass(), "AllowExpressions", false},
        {TfrxSysMemoView::StaticClass(), "DataSetName", false},
        {TfrxSysMemoView::StaticClass(), "HAlign", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.Class.FindProperty(c.Prop) != nullptr, c.Published) << c.Class.Name() << "." << c.Prop;
}

TEST(PropertyRegistry, TextFormsReadAsTheTemplateWritesThem)
{
    TfrxMemoView memo(nullptr);
    SetPropText(memo, "Frame.Typ", "15");
    EXPECT_EQ(memo.Frame.Typ, AllFrameSides);
    SetPropText(memo, "Font.Style", "1");
    EXPECT_TRUE(memo.Font().Style().Has(fsBold));
    SetPropText(memo, "halign", "HACENTER");
    EXPECT_EQ(memo.HAlign, haCenter);
    SetPropText(memo, "VAlign", "2");
    EXPECT_EQ(memo.VAlign, vaCenter);
    SetPropText(memo, "Left", "12,5");
    EXPECT_EQ(memo.Left(), 12.5L);
    SetPropText(memo, "Top", " 1 000.25");
    EXPECT_EQ(memo.Top(), 1000.25L);
    SetPropText(memo, "Font.Color", "$FF");
    EXPECT_EQ(memo.Font().Color(), 255);
    EXPECT_EQ(PropText(memo, "Left"), "12.5");
    EXPECT_EQ(PropText(memo, "HAlign"), "haCenter");
}

TEST(PropertyRegistry, BadValuesFailClearlyAndKeepThePreviousValue)
{
    struct Case {
        const char* Path;
        const char* Text;
        const char* Message;
    };
    const Case cases[] = {
        {"HAlign", "haNowhere", "Invalid value 'haNowhere' for property HAlign"},
        {"HAlign", "7", "Invalid value '7' for property HAlign"},
        {"Frame.Typ", "16", "Invalid value '16' for property Typ"},
        {"Left", "abc", "'abc' is not a valid floating point value"},
        {"Rotation", "9x", "'9x' is not a valid integer value"},
        {"Rotation", "99999999999", "Invalid value '99999999999' for property Rotation"},
        {"WordWrap", "Maybe", "Invalid value 'Maybe' for property WordWrap"},
    };
    for (const Case& c : cases) {
        TfrxMemoView memo(nullptr);
        const std::string before = PropText(memo, c.Path);
        try {
            SetPropText(memo, c.Path, c.Text);
            ADD_FAILURE() << c.Path << "=" << c.Text << " was accepted";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
        EXPECT_EQ(PropText(memo, c.Path), before) << c.Path;
    }
}

TEST(PropertyRegistry, ValuesForTheEvaluator)
{
    TfrxReport report(nullptr);
    auto* page = new TfrxReportPage(&report);
    auto* memo = new TfrxMemoView(page);
    const TClassInfo& cls = memo->ClassInfo();
    cls.FindProperty("HAlign")->SetValue(*memo, Value("haRight"));
    EXPECT_EQ(memo->HAlign, haRight);
    cls.FindProperty("Rotation")->SetValue(*memo, Value(90.0));
    EXPECT_EQ(memo->Rotation, 90);
    cls.FindProperty("GapX")->SetValue(*memo, Value(std::int32_t{4}));
    EXPECT_EQ(memo->GapX, 4.0L);
    EXPECT_EQ(cls.FindProperty("WordWrap")->GetValue(*memo), Value(true));
    EXPECT_EQ(cls.FindProperty("Font")->GetValue(*memo).AsObject(), &memo->Font());
    cls.FindProperty("Memo")->SetValue(*memo, Value(u"a\r\nb"));
    EXPECT_EQ(memo->Memo.Count(), 2u);
    auto* other = new TfrxMemoView(page);
    cls.FindProperty("FlowTo")->SetValue(*memo, Value(static_cast<TObject*>(other)));
    EXPECT_EQ(memo->FlowTo.Get(), other);
    EXPECT_THROW(cls.FindProperty("FlowTo")->SetValue(*memo, Value(static_cast<TObject*>(page))), Exception);
    EXPECT_EQ(memo->FlowTo.Get(), other);
}

TEST(ClassRegistry, RegistersTheModelClassesByName)
{
    const char* registered[] = {
        "TfrxChild",         "TfrxColumnFooter", "TfrxColumnHeader", "TfrxCustomMemoView", "TfrxMasterData",
        "TfrxDetailData",    "TfrxSubdetailData", "TfrxDataBand4",   "TfrxDataBand5",      "TfrxDataBand6",
        "TfrxDialogPage",    "TfrxFooter",       "TfrxFrame",        "TfrxGroupFooter",    "TfrxGroupHeader",
        "TfrxHeader",        "TfrxHighlight",    "TfrxLineView",     "TfrxMemoView",       "TfrxOverlay",
        "TfrxPageFooter",    "TfrxPageHeader",   "TfrxPictureView",  "TfrxReport",         "TfrxReportPage",
        "TfrxReportSummary", "TfrxReportTitle",  "TfrxShapeView",    "TfrxSubreport",      "TfrxSysMemoView",
        "TfrxStyleItem",     "TfrxNullBand",     "TfrxCustomLineView", "TfrxDataPage",
    };
    EXPECT_EQ(std::size(registered), 34u);
    for (const char* name : registered) {
        const TClassInfo* cls = FindClass(name);
        ASSERT_NE(cls, nullptr) << name;
        EXPECT_EQ(cls->Name(), name);
    }
    EXPECT_EQ(FindClass("tfrxmemoview"), &TfrxMemoView::StaticClass());
    for (const char* name : {"TfrxView", "TfrxBand", "TfrxDataBand", "TfrxDataSet"})
        EXPECT_EQ(FindClass(name), nullptr) << name;
}

TEST(ClassRegistry, UnknownOrAbstractClassesAreClearErrors)
{
    struct Case {
        const char* Name;
        const char* Message;
    };
    const Case cases[] = {
        {"TfrxNoSuchView", "Class TfrxNoSuchView not found"},
        {"TfrxFrame", "Class TfrxFrame cannot be created as a report component"},
        {"TfrxCustomMemoView", "Class TfrxCustomMemoView cannot be created as a report component"},
    };
    for (const Case& c : cases) {
        try {
            delete CreateComponent(c.Name, nullptr);
            ADD_FAILURE() << c.Name;
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
    }
}

TEST(ClassRegistry, FurtherObjectKindsCanRegisterTheirClasses)
{
    class TfrxTestGauge : public TfrxView {
    public:
        using TfrxView::TfrxView;
        const TClassInfo& ClassInfo() const override { return StaticClass(); }
        static const TClassInfo& StaticClass()
        {
            static const auto info = MakeClass<TfrxTestGauge>("TfrxTestGauge", &TfrxView::StaticClass(), [](auto& b) {
                b.Integer("Level", &TfrxTestGauge::Level).WithDefault(0);
                b.Creatable();
            });
            return *info;
        }
        int Level = 0;
    };
    RegisterClass(TfrxTestGauge::StaticClass());
    TfrxReport report(nullptr);
    auto* page = new TfrxReportPage(&report);
    TComponent* gauge = CreateComponent("TfrxTestGauge", page);
    EXPECT_EQ(dynamic_cast<TfrxComponent*>(gauge)->Parent(), page);
    EXPECT_NE(gauge->ClassInfo().FindProperty("Left"), nullptr);
}

} // namespace
} // namespace orv
