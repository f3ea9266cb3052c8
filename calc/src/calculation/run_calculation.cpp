#include "kinetra/run_calculation.h"

#include "calculation/prepared_car.h"
#include "faults/checked_real.h"
#include "faults/report_words.h"
#include "inputs/box_reading.h"
#include "inputs/car_limits.h"
#include "inputs/input_checks.h"
#include "inputs/vehicle.h"
#include "kinetra/plausibility.h"
#include "notes/result_sentence.h"
#include "run/limited_run.h"
#include "run/plain_run.h"
#include "run/stall_reports.h"
#include "tables/frontal_area.h"
#include "tables/gear_tables.h"
#include "tables/speed_grid.h"
#include "tables/wheel_and_slope.h"

namespace kinetra {
namespace {

// Two neighbouring gears up to the top one with the same ratio.
bool TwinRatios(const Vehicle& vehicle, int topGear)
{
    for (int g = 1; g < topGear; ++g) {
        const auto lower = static_cast<std::size_t>(g - 1);
        if (vehicle.gearRatio[lower] == vehicle.gearRatio[lower + 1]) {
            return true;
        }
    }
    return false;
}

QString RunStages(const CalcInput& input, WindowState& state, CalcTables& tables, const QLocale& locale,
                  RunTrace* trace)
{
    const PreparedCar car = PrepareCar(input, state, tables, locale);
    const SentenceRun run = TimeTheRun(input, car, tables, locale, trace);
    if (trace != nullptr) {
        trace->limitsTyped = car.limits.AnyTyped();
    }
    return ResultSentence(run.startGear, run.finalGear, run.seconds, locale);
}

} // namespace

PreparedCar PrepareCar(const CalcInput& input, WindowState& state, CalcTables& tables, const QLocale& locale)
{
    if (state.gearCount != 5 && state.gearCount != 6) {
        state.gearCount = 4;
    }
    const int gearCount = state.gearCount;

    PreparedCar car;
    car.vehicle = ReadVehicle(input);
    Vehicle& vehicle = car.vehicle;
    vehicle.steps = WholeSteps(vehicle.initialSpeed, vehicle.finalSpeed);
    car.limits = ReadLimits(input);
    CheckInputs(input, vehicle, gearCount);
    CheckLimits(input.limits, car.limits);
    vehicle.frontalArea = FrontalAreaValue(state.frontalArea, locale);
    vehicle.wheelRadius = WheelRadius(vehicle);
    vehicle.sinSlope = SinSlope(vehicle);

    FillRoadLoad(tables, vehicle);
    FillWheelSpeed(tables, vehicle);
    FillOverallRatios(tables, vehicle);
    FillStartTables(tables, vehicle, gearCount);

    // Empty top gears shorten the box: only the gears up to the last one
    // with a ratio can start the run or be changed up into.
    car.topGear = TopGear(vehicle, gearCount);
    return car;
}

SentenceRun TimeTheRun(const CalcInput& input, const PreparedCar& car, CalcTables& tables, const QLocale& locale,
                       RunTrace* trace)
{
    const Vehicle& vehicle = car.vehicle;
    if (car.limits.CanAct()) {
        // Two neighbouring gears of one ratio are refused as without limits,
        // where neither can start the run.
        if (car.topGear == 0 || (!ChooseStartGear(tables, car.topGear) && TwinRatios(vehicle, car.topGear))) {
            throw NoStartingGearFault(input, vehicle, tables, car.topGear, locale);
        }
        const LimitedRunTime run = RunWithLimits(tables, input, vehicle, car.limits, car.topGear, locale, trace);
        return {run.startGear, run.time.finalGear, run.time.totalSeconds};
    }
    const std::optional<int> startGear = ChooseStartGear(tables, car.topGear);
    if (!startGear) {
        throw NoStartingGearFault(input, vehicle, tables, car.topGear, locale);
    }
    const RunTime run = IntegrateTime(tables, vehicle, *startGear, car.topGear, locale, trace);
    return {*startGear, run.finalGear, run.totalSeconds};
}

CalcOutcome RunCalculation(const CalcInput& input, WindowState& state, CalcTables& tables, const QLocale& locale,
                           RunTrace* trace)
{
    try {
        return RunStages(input, state, tables, locale, trace);
    } catch (const CalcFault& fault) {
        return WithLikelySlips(WithDecimalCommaHints(fault, TypedBoxes(input)), input, state, locale);
    }
}

std::variant<double, CalcFault> AreaFromHeightAndWidth(QStringView heightText, QStringView widthText)
{
    const std::vector<TypedBox> boxes{{BoxId::AreaHeight, heightText.toString()},
                                      {BoxId::AreaWidth, widthText.toString()}};
    try {
        const char* sideAdvice = "Escriba la medida en m, por ejemplo 1.4.";
        const Real height = ReadBox(BoxId::AreaHeight, boxes[0].text, sideAdvice);
        const Real width = ReadBox(BoxId::AreaWidth, boxes[1].text, sideAdvice);
        return Computing(
            [&] {
                return Whereabouts(
                    QStringLiteral("Pasó al calcular el área frontal de %1 (alto %2 × 0.8 × ancho "
                                   "%3): escriba el alto y el ancho del vehículo en m, por ejemplo 1.4 "
                                   "y 1.7.")
                        .arg(QuotedRow(BoxId::AreaHeight), InputNumber(height.value()), InputNumber(width.value())),
                    BoxId::AreaHeight);
            },
            [&] { return ((height * 0.8) * width).value(); });
    } catch (const CalcFault& fault) {
        return WithDecimalCommaHints(fault, boxes);
    }
}

} // namespace kinetra
