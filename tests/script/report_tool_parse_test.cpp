// report-tool parse run as a real process.
#include "support/ReportTool.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

ProcessResult Tool(const std::vector<std::string>& args) { return RunReportTool(args); }

TEST(ReportToolParseTest, PrintsTheTreeAsXml) {
    ProcessResult r = Tool({"parse", "begin x := <Page#> + 1 end."});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<program pos=\"1:1\">\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("      <expr pos=\"1:12\" pos1=\"1:23\">\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("<string text=\"'Page#'\" pos=\"1:13\"/>"), std::string::npos);
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    EXPECT_EQ(r.err, "");
}

TEST(ReportToolParseTest, OptionsChooseLanguageAndRule) {
    ProcessResult r = Tool({"parse", "--language", "C++Script", "--rule", "expression", "a && b"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("<op text=\"and\" pos=\"1:3\"/>"), std::string::npos) << r.out;
}

TEST(ReportToolParseTest, ReadsStandardInputForADash) {
    ProcessResult r = RunProcess("/bin/sh", {"-c", "printf 'begin\\r\\n  x := \\r\\nend.' | \"$0\" parse -", kReportTool.string()},
                                 ReportToolFolder());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "3:1: Expression expected\n");
}

TEST(ReportToolParseTest, FaultsAreOneLineOnStandardError) {
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* err;
    } cases[] = {
        {{"parse", "begin x := end."}, 1, "1:12: Expression expected\n"},
        {{"parse", "--language", "Cobol", "x"}, 1, "Lenguaje 'Cobol' no encontrado\n"},
        {{"parse", "--rule", "nosuchrule", "x"}, 1,
         "report-tool parse: Language 'PascalScript' has no rule 'nosuchrule'\n"},
        {{"parse"}, 2, "report-tool: parse: no TEXT given; 'report-tool parse --help' describes the command\n"},
        {{"parse", "--language"}, 2, "report-tool: parse: --language needs a value\n"},
        {{"parse", "--verbose", "x"}, 2, "report-tool: parse: unknown option '--verbose'\n"},
        {{"parse", "a", "b"}, 2, "report-tool: parse: more than one TEXT given\n"},
        {{"frobnicate"}, 2, "report-tool: unknown command 'frobnicate'; 'report-tool --help' lists them\n"},
        {{}, 2, "report-tool: no command given; 'report-tool --help' lists them\n"},
    };
    for (const auto& c : cases) {
        ProcessResult r = Tool(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.err;
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "");
    }
}

TEST(ReportToolParseTest, HelpForTheToolAndTheCommand) {
    ProcessResult tool = Tool({"--help"});
    EXPECT_EQ(tool.exitCode, 0);
    EXPECT_NE(tool.out.find("  parse     parse an expression or script"), std::string::npos) << tool.out;
    ProcessResult parse = Tool({"parse", "--help"});
    EXPECT_EQ(parse.exitCode, 0);
    EXPECT_EQ(parse.out.rfind("Usage: report-tool parse [--language NAME] [--rule NAME] TEXT\n", 0), 0u);
}

} // namespace
} // namespace orv::test
