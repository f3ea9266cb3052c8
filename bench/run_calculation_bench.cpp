// How long "Calcular" takes, from the field texts to the sentence, with the
// window's tables reused from one press to the next.
#include "kinetra/run_calculation.h"
#include "sample_cars.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kinetra;

void Run(benchmark::State& state, const CalcInput& input, FrontalArea area)
{
    const QLocale locale(QLocale::Spanish, QLocale::Spain);
    CalcTables tables;
    WindowState window{4, std::move(area)};
    for (auto _ : state) {
        CalcOutcome outcome = RunCalculation(input, window, tables, locale);
        if (!std::holds_alternative<QString>(outcome)) {
            state.SkipWithError("the calculation stopped on a fault");
            return;
        }
        benchmark::DoNotOptimize(outcome);
    }
}

void BM_SaloonZeroTo28(benchmark::State& state)
{
    Run(state, samples::SaloonCar(), 2.0);
}
BENCHMARK(BM_SaloonZeroTo28);

void BM_SaloonAreaAsText(benchmark::State& state)
{
    Run(state, samples::SaloonCar(), QStringLiteral("2,0"));
}
BENCHMARK(BM_SaloonAreaAsText);

// The saloon as a real car: red line, launch, shift time and grip, each of
// which acts on the run.
void BM_SaloonEveryLimit(benchmark::State& state)
{
    CalcInput in = samples::SaloonCar();
    in.limits = LimitTexts{"4500", "2000", "0.3", "0.7", "55"};
    Run(state, in, 2.0);
}
BENCHMARK(BM_SaloonEveryLimit);

void BM_LongestRun399Steps(benchmark::State& state)
{
    Run(state, samples::LongestRunCar(), FrontalArea{});
}
BENCHMARK(BM_LongestRun399Steps);

} // namespace
