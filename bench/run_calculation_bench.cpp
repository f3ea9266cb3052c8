// How long "Calcular" takes, from the field texts to the sentence, with the
// window's tables reused from one press to the next; and how long the
// performance sheet and a study of one input take.
#include "kinetra/input_study.h"
#include "kinetra/performance.h"
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
    in.limits = LimitTexts{"4500", "2000", "0.3", "0.7", "55", {}, {}, {}};
    Run(state, in, 2.0);
}
BENCHMARK(BM_SaloonEveryLimit);

void BM_LongestRun399Steps(benchmark::State& state)
{
    Run(state, samples::LongestRunCar(), FrontalArea{});
}
BENCHMARK(BM_LongestRun399Steps);

// The saloon as a real car, as in BM_SaloonEveryLimit.
CalcInput SaloonAsARealCar()
{
    CalcInput in = samples::SaloonCar();
    in.limits = LimitTexts{"6000", "2000", "0.3", "0.7", "55", {}, {}, {}};
    return in;
}

// "Prestaciones…": every figure of the sheet.
void BM_SheetSaloonEveryLimit(benchmark::State& state)
{
    const QLocale locale(QLocale::Spanish, QLocale::Spain);
    const CalcInput in = SaloonAsARealCar();
    for (auto _ : state) {
        auto sheet = PerformanceOf(in, WindowState{4, 2.0}, locale);
        if (!std::holds_alternative<PerformanceSheet>(sheet)) {
            state.SkipWithError("the sheet stopped on a fault");
            return;
        }
        benchmark::DoNotOptimize(sheet);
    }
}
BENCHMARK(BM_SheetSaloonEveryLimit)->Unit(benchmark::kMillisecond);

// A study of «Diferencial» ±25 %, of its longest figure, 0–1000 m, over
// `points` points, as "Estudiar" works it out.
void Study(benchmark::State& state, int points)
{
    const QLocale locale(QLocale::Spanish, QLocale::Spain);
    const CalcInput in = SaloonAsARealCar();
    const WindowState window{4, 2.0};
    for (auto _ : state) {
        for (const double value : StudyValues(4.1 * 0.75, 4.1 * 1.25, points)) {
            StudyPoint point = StudyAt(in, window, BoxId::FinalDrive, value, Figure::ZeroTo1000, locale);
            benchmark::DoNotOptimize(point);
        }
    }
}

void BM_Study51Points(benchmark::State& state)
{
    Study(state, 51);
}
BENCHMARK(BM_Study51Points)->Unit(benchmark::kMillisecond);

void BM_Study1000Points(benchmark::State& state)
{
    Study(state, 1000);
}
BENCHMARK(BM_Study1000Points)->Unit(benchmark::kMillisecond);

} // namespace
