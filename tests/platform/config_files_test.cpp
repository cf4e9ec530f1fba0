// Name=value lists, INI files and path helpers.
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/StringList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace orv {
namespace {

TEST(StringListTest, NameValueRules) {
    TStringList l;
    l.SetValue("copias", "0");
    l.SetValue("Empresa", "5");
    EXPECT_EQ(l.Values("EMPRESA"), "5");
    EXPECT_EQ(l.Values("missing"), "");
    l.SetValue("empresa", "6");  // replaced in place
    EXPECT_EQ(l.Lines(), (std::vector<std::string>{"copias=0", "empresa=6"}));
    l.SetValue("COPIAS", "");  // deleted
    EXPECT_EQ(l.Lines(), (std::vector<std::string>{"empresa=6"}));
    l.SetValue("nothing", "");  // nothing added
    EXPECT_EQ(l.Count(), 1u);
    l.SetValue("a", "b=c");  // the value keeps every '=' after the first
    EXPECT_EQ(l.Values("A"), "b=c");
}

class IniFileTest : public testing::Test {
protected:
    std::filesystem::path path = std::filesystem::temp_directory_path() / "orvanta-ini-test.ini";
    void Write(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    void TearDown() override { std::filesystem::remove(path); }
};

TEST_F(IniFileTest, SectionsAndKeysWithoutLetterCase) {
    Write("; comment\r\n[Other]\r\ndbhost=no\r\n[general]\r\nDBHOST = server\r\ndbname=\r\nouTdir=/tmp/x\xF1\n");
    TIniFile ini(path.string());
    EXPECT_EQ(ini.ReadString("GENERAL", "dbhost", "d"), "server");
    EXPECT_EQ(ini.ReadString("GENERAL", "dbname", "d"), "");  // present but empty
    EXPECT_EQ(ini.ReadString("GENERAL", "dbport", "3055"), "3055");
    EXPECT_EQ(ini.ReadString("GENERAL", "outdir", ""), "/tmp/x\xF1");
    EXPECT_TRUE(ini.ValueExists("general", "DBNAME"));
    EXPECT_FALSE(ini.ValueExists("other", "dbname"));
}

TEST_F(IniFileTest, MissingFileReadsAsEmpty) {
    TIniFile ini((path.string() + ".none"));
    EXPECT_EQ(ini.ReadString("GENERAL", "dbhost", "localhost"), "localhost");
}

TEST(PathsTest, ExtensionsAndDirectories) {
    EXPECT_EQ(ChangeFileExt("/opt/job/imprimir-pedido", ".log"), "/opt/job/imprimir-pedido.log");
    EXPECT_EQ(ChangeFileExt("/opt/job/run.exe", ".ini"), "/opt/job/run.ini");
    EXPECT_EQ(ChangeFileExt("/opt/a.b/job", ".ini"), "/opt/a.b/job.ini");
    EXPECT_EQ(ExtractFilePath("/opt/job/run"), "/opt/job/");
    EXPECT_EQ(ExtractFilePath("run"), "");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/tmp"), "/tmp/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/tmp/"), "/tmp/");
    EXPECT_EQ(IncludeTrailingPathDelimiter(""), "/");
}

TEST(PathsTest, ForceDirectoriesCreatesParents) {
    auto base = std::filesystem::temp_directory_path() / "orvanta-paths-test";
    std::filesystem::remove_all(base);
    EXPECT_TRUE(ForceDirectories((base / "a" / "b").string()));
    EXPECT_TRUE(DirectoryExists((base / "a" / "b").string()));
    std::ofstream((base / "file").string()) << "x";
    EXPECT_FALSE(ForceDirectories((base / "file" / "c").string()));
    std::filesystem::remove_all(base);
}

TEST(PathsTest, ExecutablePathIsAbsolute) {
    EXPECT_EQ(ExecutablePath().front(), '/');
}

} // namespace
} // namespace orv
