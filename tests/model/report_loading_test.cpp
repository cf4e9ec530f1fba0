#include "model/Report.h"

#include "model/Bands.h"
#include "model/Compressor.h"
#include "model/Pages.h"
#include "model/PropertyRegistry.h"
#include "model/Views.h"
#include "platform/Exception.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace orv {
namespace {

const std::string kHandWritten = test::ReadFileBytes(ORVANTA_SOURCE_DIR "/tests/model/fixtures/hand_written.xml");

std::string Gzip(const std::string& xml)
{
    TfrxGZipCompressor compressor(TfrxCompressedDocument::Template);
    compressor.Stream() << xml;
    std::ostringstream out;
    compressor.Compress(out);
    return out.str();
}

std::string Template(const std::string& body, const std::string& rootAttributes = "")
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<TfrxReport Version=\"5.1.12\"" + rootAttributes + ">" +
           body + "</TfrxReport>";
}

// A report of a program that keeps compressed templates loadable and wants
// to hear about errors by its own choice of silent mode.
struct Loading : ::testing::Test {
    TfrxGZipCompressor compressor{nullptr};
    TfrxReport report{nullptr};

    Loading() { report.EngineOptions.NewSilentMode = simSilent; }

    void Load(const std::string& bytes)
    {
        std::istringstream in(bytes);
        report.LoadTemplateFromStream(in);
    }
    std::string Saved(bool compressed = false)
    {
        report.ReportOptions.Compressed = compressed;
        std::ostringstream out;
        report.SaveTemplateToStream(out);
        return out.str();
    }
    std::vector<std::string> Errors() const { return report.Errors().Lines(); }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const TfrxComponent* c : report.AllObjects())
            names.push_back(c->Name());
        return names;
    }
};

const std::vector<std::string> kHandWrittenNames{"Data",  "Page1", "ReportTitle1", "Memo1",
                                                 "MasterData1", "Memo2", "Line1"};

TEST_F(Loading, ReadsAHandWrittenTemplate)
{
    Load(kHandWritten);
    EXPECT_EQ(Errors(), std::vector<std::string>{});
    EXPECT_EQ(Names(), kHandWrittenNames);
    auto* memo = dynamic_cast<TfrxMemoView*>(report.FindObject("memo2"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Text(), u"[Lineas.\"CANTIDAD\"] x [Lineas.\"PRECIO\"]\r\n");
    auto* page = dynamic_cast<TfrxReportPage*>(report.FindObject("Page1"));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->LeftMargin, 10);
    EXPECT_EQ(report.ReportOptions.Name, "Hoja de prueba");
    EXPECT_EQ(report.ScriptText.Count(), 3u);
    EXPECT_EQ(report.Datasets.Count(), 1u);
}

TEST_F(Loading, PlainAndCompressedGiveTheSameReport)
{
    Load(kHandWritten);
    const std::string fromPlain = Saved();
    Load(Gzip(kHandWritten));
    EXPECT_EQ(Errors(), std::vector<std::string>{});
    EXPECT_EQ(Saved(), fromPlain);
}

TEST_F(Loading, SavedTemplatesLoadBackTheSame)
{
    Load(kHandWritten);
    const std::string plain = Saved();
    EXPECT_TRUE(plain.starts_with("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<TfrxReport ")) << plain;
    const std::string packed = Saved(true);
    EXPECT_EQ(packed.substr(0, 4), std::string("\x1F\x8B\x08\x08", 4));
    for (const std::string& bytes : {plain, packed}) {
        Load(bytes);
        EXPECT_EQ(Errors(), std::vector<std::string>{});
        EXPECT_EQ(Names(), kHandWrittenNames);
        EXPECT_EQ(Saved(), plain);
    }
}

TEST_F(Loading, TheProgramsSettingsStayInForce)
{
    report.EngineOptions.MaxMemSize = 7;
    report.PreviewOptions.Zoom = 1.5L;
    report.IniFile = "\\Software\\Orvanta";
    Load(kHandWritten);
    // Never the template's:
    EXPECT_EQ(report.EngineOptions.MaxMemSize, 7);
    EXPECT_FALSE(report.EngineOptions.UseFileCache);
    EXPECT_EQ(report.EngineOptions.NewSilentMode, simSilent);
    EXPECT_EQ(report.PreviewOptions.Zoom, 1.5L);
    EXPECT_EQ(report.IniFile, "\\Software\\Orvanta");
    // The template's own say:
    EXPECT_TRUE(report.EngineOptions.DoublePass);
    EXPECT_TRUE(report.PreviewOptions.OutlineVisible);
}

TEST_F(Loading, ADataPageIsMadeFirstWhenMissing)
{
    Load(Template("<TfrxReportPage Name=\"Page1\"/>"));
    ASSERT_EQ(report.Objects().size(), 2u);
    EXPECT_NE(dynamic_cast<TfrxDataPage*>(report.Objects()[0]), nullptr);
    EXPECT_EQ(report.Objects()[0]->Name(), "Data");
    EXPECT_EQ(report.Objects()[0]->Width(), 1000);

    Load(Template("<TfrxReportPage Name=\"Page1\"><TfrxReportTitle Name=\"Data\"/></TfrxReportPage>"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"DataPage1", "Page1", "Data"}));
}

// A dialog component kind of this test's own.
class TTestDialogComponent : public TfrxDialogComponent {
public:
    using TfrxDialogComponent::TfrxDialogComponent;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass()
    {
        static const auto info = MakeClass<TTestDialogComponent>(
            "TTestDialogComponent", &TfrxDialogComponent::StaticClass(), [](auto& b) { b.Creatable(); });
        return *info;
    }
};

TEST_F(Loading, DialogComponentsMoveOntoANewDataPageInARow)
{
    RegisterClass(TTestDialogComponent::StaticClass());
    Load(Template("<TfrxReportPage Name=\"Page1\"><TTestDialogComponent Name=\"A\" Left=\"5\" Top=\"5\"/>"
                  "<TfrxReportTitle Name=\"T\"><TTestDialogComponent Name=\"B\"/></TfrxReportTitle></TfrxReportPage>"));
    EXPECT_EQ(Errors(), std::vector<std::string>{});
    TfrxComponent* data = report.Objects()[0];
    ASSERT_EQ(data->Objects().size(), 2u);
    EXPECT_EQ(data->Objects()[0]->Name(), "A");
    EXPECT_EQ(data->Objects()[0]->Left(), 60);
    EXPECT_EQ(data->Objects()[1]->Left(), 124);
    EXPECT_EQ(data->Objects()[1]->Top(), 20);
}

// Bad input through the report: what Errors says and what the report holds.
struct BadTemplate {
    const char* name;
    std::function<std::string()> bytes;
    std::vector<std::string> errors;
    // True when the report keeps what it held before the load.
    bool keepsPrevious;
    std::vector<std::string> names;
};

void PrintTo(const BadTemplate& c, std::ostream* os)
{
    *os << c.name;
}

std::string Cut(const std::string& s, std::size_t from_end) { return s.substr(0, s.size() - from_end); }

const BadTemplate kBadTemplates[] = {
    {"truncated container", [] { return Cut(Gzip(kHandWritten), 30); },
     {"Error al descomprimir el contenedor", "The container is truncated"}, true, kHandWrittenNames},
    {"wrong checksum",
     [] {
         std::string b = Gzip(kHandWritten);
         b[5] = static_cast<char>(b[5] ^ 1);
         return b;
     },
     {"Error al descomprimir el contenedor", "The container's Adler-32 checksum does not match its data"},
     true, kHandWrittenNames},
    {"not XML", [] { return std::string("Pedido 77\r\n"); }, {"Invalid file format"}, false, {"Data"}},
    {"not a declaration first", [] { return std::string("<TfrxReport/>"); }, {"Invalid file format"}, false, {"Data"}},
    {"empty", [] { return std::string(); }, {"Invalid file format"}, false, {"Data"}},
    {"cut XML", [] { return kHandWritten.substr(0, 300); }, {"Invalid file format"}, false, {"Data"}},
    {"wrong root element",
     [] { return std::string("<?xml version=\"1.0\"?><preparedreport><TfrxReportPage Name=\"P\"/></preparedreport>"); },
     {"Not a report template: the root element is 'preparedreport', not 'TfrxReport'"}, false, {"Data"}},
    {"unknown class",
     [] {
         return Template("<TfrxReportPage Name=\"Page1\"><TfrxGadgetView Name=\"G\"><TfrxMemoView Name=\"M\"/>"
                         "</TfrxGadgetView><TfrxMemoView Name=\"Memo1\"/><TfrxGadgetView/></TfrxReportPage>");
     },
     {"Clase no encontrada TfrxGadgetView"}, false, {"Data", "Page1", "Memo1"}},
    {"ancestor template", [] { return Template("<TfrxReportPage Name=\"Page1\"/>", " ParentReport=\"base.fr3\""); },
     {"Templates that inherit from another are not supported (ParentReport 'base.fr3')"}, false, {"Data", "Page1"}},
};

class LoadingRejects : public Loading, public ::testing::WithParamInterface<BadTemplate> {};

TEST_P(LoadingRejects, WithTheMessageAndTheReportAsSaid)
{
    Load(kHandWritten);
    Load(GetParam().bytes());
    EXPECT_EQ(Errors(), GetParam().errors);
    EXPECT_EQ(Names(), GetParam().names);
    EXPECT_EQ(report.ReportOptions.Name, GetParam().keepsPrevious ? "Hoja de prueba" : "");
}

INSTANTIATE_TEST_SUITE_P(Templates, LoadingRejects, ::testing::ValuesIn(kBadTemplates), [](const auto& info) {
    std::string name = info.param.name;
    for (char& c : name)
        if (c == ' ') c = '_';
    return name;
});

// Every cut and every damaged byte of a container, and every cut of the
// XML inside it, ends in errors or a load, never in a crash or a half
// state: the report always has its data page first.
TEST_F(Loading, SurvivesEveryCutAndEveryDamagedByte)
{
    const std::string packed = Gzip(kHandWritten);
    std::vector<std::string> inputs;
    for (std::size_t n = 0; n < packed.size(); ++n) {
        inputs.push_back(packed.substr(0, n));
        std::string damaged = packed;
        damaged[n] = static_cast<char>(damaged[n] ^ 0xFF);
        inputs.push_back(damaged);
    }
    for (std::size_t n = 0; n < kHandWritten.size(); n += 7)
        inputs.push_back(Gzip(kHandWritten.substr(0, n)));
    for (const std::string& bytes : inputs) {
        Load(kHandWritten);
        Load(bytes);
        ASSERT_FALSE(report.Objects().empty());
        EXPECT_NE(dynamic_cast<TfrxDataPage*>(report.Objects()[0]), nullptr);
    }
}

TEST_F(Loading, TheSilentModeDecidesHowErrorsAreReported)
{
    const std::string notXml = "no template";
    report.EngineOptions.NewSilentMode = simReThrow;
    try {
        Load(notXml);
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), "Ha ocurrido el siguiente error:\r\nInvalid file format");
    }
    report.EngineOptions.NewSilentMode = simMessageBoxes;
    ::testing::internal::CaptureStderr();
    Load(Template("<TfrxGadgetView/><TfrxWidgetView/>", "") + "x");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Error: Ha ocurrido el siguiente error:\r\nClase no encontrada TfrxGadgetView\r\n"
              "Clase no encontrada TfrxWidgetView\n");
    report.EngineOptions.NewSilentMode = simSilent;
    ::testing::internal::CaptureStderr();
    Load(notXml);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(Errors(), std::vector<std::string>{"Invalid file format"});
}

TEST(LoadingWithoutCompressor, TakesAContainerForAnythingElse)
{
    ASSERT_EQ(CompressorClass(), nullptr);
    TfrxReport report(nullptr);
    report.EngineOptions.NewSilentMode = simSilent;
    std::istringstream in(Gzip(kHandWritten));
    report.LoadTemplateFromStream(in);
    EXPECT_EQ(report.Errors().Lines(), std::vector<std::string>{"Invalid file format"});
}

TEST_F(Loading, APasswordIsKeptScrambledAndItsDialogCancelled)
{
    Load(kHandWritten);
    report.ReportOptions.Password = "abc";
    const std::string saved = Saved();
    EXPECT_NE(saved.find(" ReportOptions.Password=\"WXY\""), std::string::npos) << saved;
    EXPECT_EQ(report.ReportOptions.Password, "abc");

    Load(saved);
    EXPECT_EQ(Errors(), std::vector<std::string>{"Invalid password"});
    EXPECT_EQ(Names(), std::vector<std::string>{});
    EXPECT_EQ(report.ReportOptions.Password, "");

    // No dialog at all in thread-safe mode: the password is only unscrambled.
    report.EngineOptions.ThreadSafeMode = true;
    Load(saved);
    EXPECT_EQ(Errors(), std::vector<std::string>{});
    EXPECT_EQ(report.ReportOptions.Password, "abc");
    EXPECT_EQ(Names(), kHandWrittenNames);
}

TEST_F(Loading, LoadFromFileTellsWhetherTheFileExisted)
{
    const test::TempFolder folder("report-loading");
    const std::string missing = (folder.Path() / "missing.fr3").string();
    Load(kHandWritten);
    EXPECT_FALSE(report.LoadFromFile(missing));
    EXPECT_EQ(Names(), std::vector<std::string>{});
    EXPECT_EQ(report.FileName(), "");
    try {
        report.LoadFromFile(missing, true);
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + missing + "\". No such file or directory");
    }

    const std::string file = (folder.Path() / "saved.fr3").string();
    report.LoadTemplateFromStream(*std::make_unique<std::istringstream>(kHandWritten));
    report.ReportOptions.Compressed = true;
    report.SaveTemplateToFile(file);
    EXPECT_EQ(test::ReadFileBytes(file).substr(0, 2), "\x1F\x8B");
    TfrxReport other(nullptr);
    EXPECT_TRUE(other.LoadFromFile(file));
    EXPECT_EQ(other.FileName(), file);
    EXPECT_EQ(other.Errors().Count(), 0u);
    EXPECT_EQ(other.AllObjects().size(), kHandWrittenNames.size());
}

TEST_F(Loading, TheDemoOrderTemplateLoadsCleanly)
{
    std::ifstream in(ORVANTA_SOURCE_DIR "/templates/pedido.xml", std::ios::binary);
    ASSERT_TRUE(in.is_open());
    report.LoadTemplateFromStream(in);
    EXPECT_EQ(Errors(), std::vector<std::string>{});
    EXPECT_NE(report.FindObject("MasterData1"), nullptr);
}

} // namespace
} // namespace orv
