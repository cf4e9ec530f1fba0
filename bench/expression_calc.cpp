// Speed of TfrxReport.Calc: a memo's field expression, read through the
// expression cache after its first compilation, and an arithmetic expression
// compiled anew every time (the cache emptied in between). The field comes
// from a dataset whose value handler answers at once, so the figures are the
// evaluator's own and not the database's.
#include "data/UserDataSet.h"
#include "model/Report.h"
#include "platform/FormatSettings.h"
#include "script/ExpressionCache.h"

#include <benchmark/benchmark.h>

namespace {

const char* const kField = "<Detalle.\"IMPORTE\"> * 1.21";
const char* const kPlainField = "Detalle.\"IMPORTE\"";
const char* const kArithmetic = "(12.5 * 3 + 7) / 2 - 4 div 3 + Round(2.5) * 100";

struct Fixture {
    Fixture() {
        detalle.SetName("dsPedidoDetalle");
        detalle.SetUserName("Detalle");
        detalle.Fields.Add("IMPORTE");
        detalle.OnGetValue.Handler = [](const std::string&, orv::Value& v) { v = orv::Value(381.42); };
        report.Datasets.AppendDataset(&detalle);
    }
    orv::ScopedFormatSettings spanish{"es_ES"};
    orv::TfrxUserDataSet detalle{nullptr};
    orv::TfrxReport report{nullptr};
};

void BM_CalcCachedFieldExpression(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) benchmark::DoNotOptimize(f.report.Calc(kField));
}
BENCHMARK(BM_CalcCachedFieldExpression);

void BM_CalcPlainField(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) benchmark::DoNotOptimize(f.report.Calc(kPlainField));
}
BENCHMARK(BM_CalcPlainField);

void BM_CalcUncachedArithmetic(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        f.report.ExpressionCache().Clear();
        benchmark::DoNotOptimize(f.report.Calc(kArithmetic));
    }
}
BENCHMARK(BM_CalcUncachedArithmetic);

void BM_CalcCachedArithmetic(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) benchmark::DoNotOptimize(f.report.Calc(kArithmetic));
}
BENCHMARK(BM_CalcCachedArithmetic);

} // namespace

BENCHMARK_MAIN();
