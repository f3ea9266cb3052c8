#include "calculation/prepared_car.h"
#include "kinetra/performance.h"
#include "kinetra/run_calculation.h"
#include "performance/figures.h"

#include <memory>

namespace kinetra {
namespace {

PerformanceSheet SheetOf(const Car& car, const QLocale& locale)
{
    PerformanceSheet sheet;
    // One run from rest gives every figure from rest.
    const TimedRun rest = RunFromRest(car, {kInfinity, 1000});
    sheet.zeroTo100 = TimeToSpeed(rest, k100Kmh, locale);
    sheet.zeroTo400 = TimeOverDistance(rest, 400);
    sheet.zeroTo1000 = TimeOverDistance(rest, 1000);
    sheet.overtaking = Overtaking(car, 0, locale);
    if (car.topGear >= 4) {
        sheet.overtakingFourth = Overtaking(car, 4, locale);
    }
    if (car.topGear >= 5) {
        sheet.overtakingFifth = Overtaking(car, 5, locale);
    }
    if (const auto top = TopSpeedOf(car)) {
        sheet.topSpeed = SheetTopSpeed{top->speed, top->gear, top->atRedLine};
    }
    for (const TimedChange& change : rest.changes) {
        sheet.changes.push_back({change.gear, change.at.speed, change.engine, change.at.seconds});
    }
    // A point every tenth of a second is more than a chart shows.
    constexpr std::size_t kEvery = 20;
    for (std::size_t i = 0; i < rest.path.size(); i += kEvery) {
        sheet.speedByDistance.emplace_back(rest.path[i].distance, rest.path[i].speed);
    }
    sheet.speedByDistance.emplace_back(rest.path.back().distance, rest.path.back().speed);
    return sheet;
}

} // namespace

std::variant<PerformanceSheet, CalcFault> PerformanceOf(const CalcInput& input, WindowState state,
                                                        const QLocale& locale)
{
    const auto tables = std::make_unique<CalcTables>();
    // A car the calculation refuses is reported as "Calcular" reports it.
    const CalcOutcome outcome = RunCalculation(input, state, *tables, locale);
    if (const auto* fault = std::get_if<CalcFault>(&outcome)) {
        return *fault;
    }
    try {
        const PreparedCar prepared = PrepareCar(input, state, *tables, locale);
        return SheetOf(CarOf(*tables, prepared.vehicle, prepared.limits, prepared.topGear), locale);
    } catch (const CalcFault& fault) {
        return fault;
    }
}

} // namespace kinetra
