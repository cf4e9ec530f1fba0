// report-tool calc run as a real process.
#include "support/ReportTool.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

TEST(ReportToolCalcTest, PrintsKindAndTextOrTheError) {
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* out;
        const char* err;
    } cases[] = {
        {{"calc", "7 / 2"}, 0, "Double 3,5\n", ""},
        {{"calc", "--locale", "en_US", "7 / 2"}, 0, "Double 3.5\n", ""},
        {{"calc", "Uppercase('año') + #13#10"}, 0, "String AÑO\\r\\n\n", ""},
        {{"calc", "--language", "C++Script", "\"a\" + \"b\""}, 0, "String ab\n", ""},
        {{"calc", "[1, 2]"}, 0, "Array [1, 2]\n", ""},
        {{"calc", "1 div 0"}, 1, "", "Division by zero\n"},
        {{"calc", "x"}, 1, "", "Error en la expresión 'x': Identificador no declarado: 'x'\n"},
        {{"calc", "<Cabecera.\"FECHA\">"}, 1, "", "Variable o campo desconocido: Cabecera.\"FECHA\"\n"},
        {{"calc"}, 2, "", "report-tool: calc: no EXPRESSION given; 'report-tool calc --help' describes the command\n"},
    };
    for (const auto& c : cases) {
        ProcessResult r = RunReportTool(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.back();
        EXPECT_EQ(r.out, c.out) << c.args.back();
        EXPECT_EQ(r.err, c.err) << c.args.back();
    }
}

} // namespace
} // namespace orv::test
