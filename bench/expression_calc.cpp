// Speed of TfrxReport.Calc: a memo's field expression, read through the
// expression cache after its first compilation, and an arithmetic expression
// compiled anew every time (the cache emptied in between).
#include "model/Report.h"
#include "platform/FormatSettings.h"
#include "script/ExpressionCache.h"

#include <benchmark/benchmark.h>

namespace {

const char* const kArithmetic = "(12.5 * 3 + 7) / 2 - 4 div 3 + Round(2.5) * 100";

void BM_CalcUncachedArithmetic(benchmark::State& state) {
    orv::ScopedFormatSettings spanish("es_ES");
    orv::TfrxReport report(nullptr);
    for (auto _ : state) {
        report.ExpressionCache().Clear();
        benchmark::DoNotOptimize(report.Calc(kArithmetic));
    }
}
BENCHMARK(BM_CalcUncachedArithmetic);

void BM_CalcCachedArithmetic(benchmark::State& state) {
    orv::ScopedFormatSettings spanish("es_ES");
    orv::TfrxReport report(nullptr);
    for (auto _ : state) benchmark::DoNotOptimize(report.Calc(kArithmetic));
}
BENCHMARK(BM_CalcCachedArithmetic);

} // namespace

BENCHMARK_MAIN();
