// report-tool check, tree and save run as real processes.
#include "support/ProcessRunner.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orv::test {
namespace {

const std::filesystem::path kTool = std::filesystem::path(ORVANTA_BINARY_DIR) / "report-tool";
const std::string kHandWritten = ORVANTA_SOURCE_DIR "/tests/model/fixtures/hand_written.xml";

struct ReportToolTemplates : ::testing::Test {
    TempFolder folder{"report-tool-templates"};

    ProcessResult Tool(const std::vector<std::string>& args) { return RunProcess(kTool, args, folder.Path()); }
    std::string Path(const std::string& name) const { return (folder.Path() / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
};

const char* const kHandWrittenTree = "TfrxReport\n"
                                     "  Data TfrxDataPage (0, 0, 1000 x 1000)\n"
                                     "  Page1 TfrxReportPage (0, 0, 794 x 1123)\n"
                                     "    ReportTitle1 TfrxReportTitle (0, 18.89765, 718.1107 x 30)\n"
                                     "      Memo1 TfrxMemoView (10, 2, 200 x 18.89765)\n"
                                     "    MasterData1 TfrxMasterData (0, 80, 718.1107 x 20)\n"
                                     "      Memo2 TfrxMemoView (0, 0, 100 x 18)\n"
                                     "      Line1 TfrxLineView (0, 19, 718 x 0)\n";

TEST_F(ReportToolTemplates, RoundTripsAHandWrittenTemplate)
{
    ProcessResult r = Tool({"save", kHandWritten, "plain.xml"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    r = Tool({"save", "plain.xml", "packed.fr3", "--compress"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string packed = ReadFileBytes(Path("packed.fr3"));
    EXPECT_EQ(packed.substr(0, 4), std::string("\x1F\x8B\x08\x08", 4));
    r = Tool({"save", "packed.fr3", "again.xml"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string plain = ReadFileBytes(Path("plain.xml"));
    EXPECT_EQ(ReadFileBytes(Path("again.xml")), plain);
    // The tool's own silent mode does not end up in the template.
    EXPECT_EQ(plain.find("SilentMode"), std::string::npos) << plain;

    for (const std::string& file : {kHandWritten, Path("plain.xml"), Path("packed.fr3")}) {
        r = Tool({"check", file});
        EXPECT_EQ(r.exitCode, 0) << file << r.out;
        EXPECT_EQ(r.out, "ok\n");
        r = Tool({"tree", file});
        EXPECT_EQ(r.exitCode, 0) << file << r.err;
        EXPECT_EQ(r.out, kHandWrittenTree);
    }
}

std::string HandWritten() { return ReadFileBytes(kHandWritten); }

TEST_F(ReportToolTemplates, CheckReportsBadTemplatesClearly)
{
    ASSERT_EQ(Tool({"save", kHandWritten, "packed.fr3", "--compress"}).exitCode, 0);
    const std::string packed = ReadFileBytes(Path("packed.fr3"));
    std::string badChecksum = packed;
    badChecksum[6] = static_cast<char>(badChecksum[6] ^ 0x20);
    const struct {
        const char* file;
        std::string bytes;
        const char* out;
    } cases[] = {
        {"not.xml", "Pedido 77\r\n",
         "Invalid file format (byte 11: the document does not begin with an XML declaration)\n"},
        {"cut.xml", HandWritten().substr(0, 500), "Invalid file format (byte 500: end of data inside a tag)\n"},
        {"root.xml", "<?xml version=\"1.0\"?>\r\n<preparedreport/>",
         "Not a report template: the root element is 'preparedreport', not 'TfrxReport'\n"},
        {"class.xml",
         "<?xml version=\"1.0\"?>\r\n<TfrxReport><TfrxReportPage Name=\"Page1\"><TfrxGadgetView Name=\"G\"/>"
         "</TfrxReportPage></TfrxReport>",
         "Clase no encontrada TfrxGadgetView\n"},
        {"cut.fr3", packed.substr(0, 12), "Error al descomprimir el contenedor\nThe container is truncated\n"},
        {"checksum.fr3", badChecksum,
         "Error al descomprimir el contenedor\nThe container's Adler-32 checksum does not match its data\n"},
    };
    for (const auto& c : cases) {
        ProcessResult r = Tool({"check", Write(c.file, c.bytes)});
        EXPECT_EQ(r.exitCode, 1) << c.file;
        EXPECT_EQ(r.out, c.out) << c.file;
        EXPECT_EQ(r.err, "") << c.file;
    }
}

TEST_F(ReportToolTemplates, SaveWritesNothingFromATemplateWithErrors)
{
    const std::string bad = Write("class.xml", "<?xml version=\"1.0\"?>\r\n<TfrxReport><TfrxGadgetView/></TfrxReport>");
    ProcessResult r = Tool({"save", bad, "out.xml"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, bad + ": Clase no encontrada TfrxGadgetView\nreport-tool save: out.xml not written\n");
    EXPECT_FALSE(std::filesystem::exists(Path("out.xml")));

    r = Tool({"tree", bad});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "TfrxReport\n  Data TfrxDataPage (0, 0, 1000 x 1000)\n");
    EXPECT_EQ(r.err, bad + ": Clase no encontrada TfrxGadgetView\n");
}

TEST_F(ReportToolTemplates, FaultsAreOneLineOnStandardError)
{
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* err;
    } cases[] = {
        {{"check", "missing.xml"}, 1,
         "report-tool check: Cannot open file \"missing.xml\". No such file or directory\n"},
        {{"check", "."}, 1, "report-tool check: Cannot open file \".\". Is a directory\n"},
        {{"save", "missing.xml", "out.xml"}, 1,
         "report-tool save: Cannot open file \"missing.xml\". No such file or directory\n"},
        {{"save", kHandWritten, "no/such/folder/out.xml"}, 1,
         "report-tool save: Cannot create file \"no/such/folder/out.xml.partial\". No such file or directory\n"},
        {{"check"}, 2, "report-tool: check: no FILE given; 'report-tool check --help' describes the command\n"},
        {{"tree", "a", "b"}, 2, "report-tool: tree: more than one FILE given\n"},
        {{"save", "a"}, 2, "report-tool: save: IN and OUT are both needed; 'report-tool save --help' describes the command\n"},
        {{"save", "a", "b", "--zip"}, 2, "report-tool: save: unknown option '--zip'\n"},
    };
    for (const auto& c : cases) {
        ProcessResult r = Tool(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[0];
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "");
    }
    for (const char* command : {"check", "tree", "save"}) {
        ProcessResult r = Tool({command, "--help"});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_TRUE(r.out.starts_with(std::string("Usage: report-tool ") + command)) << r.out;
    }
}

} // namespace
} // namespace orv::test
