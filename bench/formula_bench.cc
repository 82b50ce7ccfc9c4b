// Cost of one formula evaluation, as the fee steps pay it once per fee row.
#include <benchmark/benchmark.h>

#include <string>

#include "formula/evaluate_formula.h"
#include "formula/substitute.h"

namespace {

void BM_Evaluate(benchmark::State& state, const char* formula) {
  for (auto _ : state) {
    std::string text = formula;
    bool ok = ftcalc::EvaluateFormula(text);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(text.data());
  }
}

// Substitution and evaluation together, as a fee row with a written rate.
void BM_SubstituteAndEvaluate(benchmark::State& state, const char* formula) {
  for (auto _ : state) {
    std::string text = formula;
    ftcalc::SubstituteRates(text, -1);
    bool ok = ftcalc::EvaluateFormula(text);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(text.data());
  }
}

BENCHMARK_CAPTURE(BM_Evaluate, plain_number, "1234.56");
BENCHMARK_CAPTURE(BM_Evaluate, percent, "180.25*5%");
BENCHMARK_CAPTURE(BM_Evaluate, group_sum, "(100+50+30.25)*0.05");
BENCHMARK_CAPTURE(BM_Evaluate, substituted_max, "1234.56*0.0325+MAX(0,12.5)");
BENCHMARK_CAPTURE(BM_Evaluate, long_sum, "1520.3+884.12+93.5+12.25-40.5+7.75+1000");
BENCHMARK_CAPTURE(BM_Evaluate, rounding, "ROUND(1234.5678*100)/100");
BENCHMARK_CAPTURE(BM_Evaluate, rejected, "1+[管理费]");
BENCHMARK_CAPTURE(BM_SubstituteAndEvaluate, rate_reference,
                  "1234.56*[费率:管理费=3.25%]");
BENCHMARK_CAPTURE(BM_SubstituteAndEvaluate, no_reference, "(100+50+30.25)*0.05");

}  // namespace

BENCHMARK_MAIN();
