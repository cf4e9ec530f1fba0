// The job run as a real process from a folder of its own: what it prints,
// what its log file holds, and its exit code.
#include "support/ProcessRunner.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

const std::string kReading = "Leyendo par\xE1metros de entrada";
const std::string kOpen = "Open connection";

TEST(JobLogTest, EarlyLinesGoToStandardOutputAsWindows1252WithCrLf) {
    JobFolder folder;
    ProcessResult r = folder.Run({"-log", "-proveedor", "-A1", "-pedido", "7"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string expectedStart = CrLfLines({
        kReading,
        "Par\xE1metro:proveedor = -A1",
        "Par\xE1metro:a1 = -pedido",
        "Par\xE1metro:pedido = 7",
        kOpen,
    });
    ASSERT_EQ(r.out.substr(0, expectedStart.size()), expectedStart);
    const std::string log = folder.LogBytes();
    EXPECT_EQ(log.substr(0, 10), "Init Log\r\n");
    EXPECT_EQ(r.out.find("Init Log"), std::string::npos);
}

TEST(JobLogTest, WithoutSwitchNothingIsPrintedButTheResultAndTheLogIsEmpty) {
    JobFolder folder;
    ProcessResult r = folder.Run({"-pedido", "7"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "0\r\n");
    ASSERT_TRUE(std::filesystem::exists(folder.Log()));
    EXPECT_EQ(folder.LogBytes(), "");
}

TEST(JobLogTest, SecondRunTruncatesTheLogOfTheFirst) {
    JobFolder folder;
    folder.Run({"-log", "-pedido", "1"});
    const std::string first = folder.LogBytes();
    ASSERT_FALSE(first.empty());
    folder.Run({"-log", "-pedido", "1"});
    EXPECT_EQ(folder.LogBytes(), first);
}

TEST(JobLogTest, EmptyValueLogsTheNameWithNothingAfterTheBlank) {
    JobFolder folder;
    ProcessResult r = folder.Run({"-log", "-formulario"});
    EXPECT_NE(r.out.find("Par\xE1metro:formulario = \r\n"), std::string::npos);
}

TEST(JobLogTest, EmptyArgumentDoesNotCount) {
    JobFolder folder;
    ProcessResult r = folder.Run({"-log", "-outdir", "", "-filename", "a.pdf"});
    EXPECT_NE(r.out.find("Par\xE1metro:outdir = -filename\r\n"), std::string::npos);
    EXPECT_NE(r.out.find("Par\xE1metro:filename = a.pdf\r\n"), std::string::npos);
}

TEST(JobLogTest, UnwritableLogEndsTheJobWithExitCodeOneAndNoResultLine) {
    JobFolder folder;
    // A folder in the log file's place cannot be opened as a file.
    std::filesystem::create_directory(folder.Log());
    ProcessResult r = folder.Run({"-pedido", "7"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("imprimir-pedido.log"), std::string::npos) << r.err;
}

} // namespace
} // namespace orv::test
