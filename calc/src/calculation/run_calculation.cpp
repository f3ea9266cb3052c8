#include "kinetra/run_calculation.h"

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
    if (state.gearCount != 5 && state.gearCount != 6) {
        state.gearCount = 4;
    }
    const int gearCount = state.gearCount;

    Vehicle vehicle = ReadVehicle(input);
    vehicle.steps = WholeSteps(vehicle.initialSpeed, vehicle.finalSpeed);
    const CarLimits limits = ReadLimits(input);
    CheckInputs(input, vehicle, gearCount);
    CheckLimits(input.limits, limits);
    vehicle.frontalArea = FrontalAreaValue(state.frontalArea, locale);
    vehicle.wheelRadius = WheelRadius(vehicle);
    vehicle.sinSlope = SinSlope(vehicle);

    FillRoadLoad(tables, vehicle);
    FillWheelSpeed(tables, vehicle);
    FillOverallRatios(tables, vehicle);
    FillStartTables(tables, vehicle, gearCount);

    // Empty top gears shorten the box: only the gears up to the last one
    // with a ratio can start the run or be changed up into.
    const int topGear = TopGear(vehicle, gearCount);
    QString sentence;
    if (limits.CanAct()) {
        // Two neighbouring gears of one ratio are refused as without limits,
        // where neither can start the run.
        if (topGear == 0 || (!ChooseStartGear(tables, topGear) && TwinRatios(vehicle, topGear))) {
            throw NoStartingGearFault(input, vehicle, tables, topGear, locale);
        }
        const LimitedRunTime run = RunWithLimits(tables, input, vehicle, limits, topGear, locale, trace);
        sentence = ResultSentence(run.startGear, run.time.finalGear, run.time.totalSeconds, locale);
    } else {
        const std::optional<int> startGear = ChooseStartGear(tables, topGear);
        if (!startGear) {
            throw NoStartingGearFault(input, vehicle, tables, topGear, locale);
        }
        const RunTime run = IntegrateTime(tables, vehicle, *startGear, topGear, locale, trace);
        sentence = ResultSentence(*startGear, run.finalGear, run.totalSeconds, locale);
    }
    if (trace != nullptr) {
        trace->limitsTyped = limits.AnyTyped();
    }
    return sentence;
}

} // namespace

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
