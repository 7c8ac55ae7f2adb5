// Evaluations per second of parsed formulas: global editing evaluates one formula per selected
// player, so the evaluation of a parsed formula is the part that must be fast.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "globaledit/calc_express.h"

namespace {

void evaluateFormula(benchmark::State& state, const std::string& formula) {
    zt::TCalcExpress calc;
    calc.setVariables({"BHITS", "B2B", "B3B", "BHR", "BWALKS", "AGE"});
    calc.setFormula(formula);
    std::vector<double> values{150, 30, 5, 20, 50, 27};
    double sum = 0;
    for (auto _ : state) {
        values[0] += 1;  // a different player each time, as in a global-editing run
        sum += calc.evaluate(values);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["evaluations/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Ten operators over variables and literals.
void BM_TenOperators(benchmark::State& state) {
    evaluateFormula(state, "(bhits+b2b*2+b3b*3+bhr*4)/600*1.1-bwalks/age");
}
BENCHMARK(BM_TenOperators);

// Ten operators including functions.
void BM_TenOperatorsWithFunctions(benchmark::State& state) {
    evaluateFormula(state, "sqrt(bhits)*2+ln(b2b+1)-abs(b3b-bhr)/3+exp(-age/100)*bwalks");
}
BENCHMARK(BM_TenOperatorsWithFunctions);

void BM_Parse(benchmark::State& state) {
    zt::TCalcExpress calc;
    calc.setVariables({"BHITS", "B2B", "B3B", "BHR", "BWALKS", "AGE"});
    for (auto _ : state) {
        calc.setFormula("(bhits+b2b*2+b3b*3+bhr*4)/600*1.1-bwalks/age");
        benchmark::DoNotOptimize(calc.program().data());
    }
}
BENCHMARK(BM_Parse);

}  // namespace

BENCHMARK_MAIN();
