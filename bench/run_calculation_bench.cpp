// How long "Calcular" takes, from the field texts to the sentence, with the
// window's tables reused from one press to the next.
#include "kinetra/run_calculation.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kinetra;

CalcInput Saloon()
{
    CalcInput in;
    in.gearRatio = {"3.5", "2.1", "1.4", "1.0", "", ""};
    in.finalDrive = "4.1";
    in.initialSpeed = "0";
    in.finalSpeed = "28";
    in.massFactor = "1.06";
    in.mass = "1200";
    in.tyreWidth = "195";
    in.tyreAspect = "65";
    in.rimDiameter = "15";
    in.efficiency = "0.9";
    in.dragCoefficient = "0.33";
    in.rollingCoefficient = "0.015";
    in.slopePercent = "0";
    in.torqueCoefficient = {"80", "2", "-0.014", "", "", "", ""};
    return in;
}

// A light single-gear vehicle with a flat torque curve and no drag: it can
// reach 399 m/s, the longest run the tables allow.
CalcInput LongestRun()
{
    CalcInput in = Saloon();
    in.gearRatio = {"3", "", "", "", "", ""};
    in.finalDrive = "1";
    in.finalSpeed = "399";
    in.torqueCoefficient = {"2000", "", "", "", "", "", ""};
    return in;
}

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
    Run(state, Saloon(), 2.0);
}
BENCHMARK(BM_SaloonZeroTo28);

void BM_SaloonAreaAsText(benchmark::State& state)
{
    Run(state, Saloon(), QStringLiteral("2,0"));
}
BENCHMARK(BM_SaloonAreaAsText);

void BM_LongestRun399Steps(benchmark::State& state)
{
    Run(state, LongestRun(), FrontalArea{});
}
BENCHMARK(BM_LongestRun399Steps);

} // namespace
