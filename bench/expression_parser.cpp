// Parsing speed: a typical memo expression, compiled the way the evaluator
// wraps it, and a 500-line report script.
#include "script/ScriptLanguages.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// What the expression cache hands to the parser for one memo expression.
const std::string kMemoExpression =
    "function fr3f0: Variant; begin Result := "
    "IIF(<Cabecera.\"OBRA\"> = 0, 'Sin obra', FormatFloat('#,##0.00', <Detalle.\"IMPORTE\"> * 1.21)) "
    "end; begin end.";

std::string ScriptOf500Lines() {
    std::string text = "var\r\n  Total, Lineas: Extended;\r\n  Nombre: String;\r\n\r\n";
    int lines = 4;
    int procedure = 0;
    while (lines + 12 <= 497) {
        const std::string n = std::to_string(procedure++);
        text += "procedure Banda" + n + "OnBeforePrint(Sender: TfrxComponent);\r\n"
                "begin\r\n"
                "  if <Detalle.\"CANTIDAD\"> > 0 then\r\n"
                "  begin\r\n"
                "    Total := Total + <Detalle.\"IMPORTE\"> * (1 + <Detalle.\"IVA\"> / 100);\r\n"
                "    Lineas := Lineas + 1;\r\n"
                "  end\r\n"
                "  else\r\n"
                "    Memo" + n + ".Text := 'Sin cantidad: ' + IntToStr(Trunc(Lineas));\r\n"
                "  Nombre := Trim(Copy(<Cabecera.\"NOMBRE\">, 1, 40));\r\n"
                "end;\r\n"
                "\r\n";
        lines += 12;
    }
    text += "begin\r\n  Total := 0;\r\n  Lineas := 0;\r\n";
    lines += 3;
    while (lines < 499) {
        text += "  Set('Linea', Lineas);\r\n";
        ++lines;
    }
    return text + "end.\r\n";
}

void ParseRepeatedly(benchmark::State& state, const std::string& source) {
    orv::ScriptLanguages::Instance().Find("PascalScript");  // compile the grammar once, outside the loop
    for (auto _ : state) {
        orv::ParseResult r = orv::ParseScript(source);
        if (!r.Ok()) state.SkipWithError(r.error.message.c_str());
        benchmark::DoNotOptimize(r);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}

void BM_ParseMemoExpression(benchmark::State& state) { ParseRepeatedly(state, kMemoExpression); }
BENCHMARK(BM_ParseMemoExpression);

void BM_ParseScriptOf500Lines(benchmark::State& state) { ParseRepeatedly(state, ScriptOf500Lines()); }
BENCHMARK(BM_ParseScriptOf500Lines);

} // namespace

BENCHMARK_MAIN();
