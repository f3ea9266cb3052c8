#include "kinetra/run_calculation.h"

#include "car_limits.h"
#include "checked_real.h"
#include "fault_context.h"
#include "input_boxes.h"
#include "input_checks.h"
#include "kinetra/gear_choice.h"
#include "kinetra/plausibility.h"
#include "kinetra/speed_tables.h"
#include "kinetra/torque.h"
#include "kinetra/vehicle.h"
#include "limited_run.h"
#include "stall_reports.h"

namespace kinetra {
namespace {

QString RunStages(const CalcInput& input, WindowState& state, CalcTables& tables, const QLocale& locale,
                  RunTrace* trace)
{
    if (state.gearCount != 5 && state.gearCount != 6) {
        state.gearCount = 4;
    }
    const int gearCount = state.gearCount;

    Vehicle vehicle = ReadVehicle(input);
    vehicle.steps = WholeSteps(vehicle.initialSpeed, vehicle.finalSpeed);
    const CarLimits limits = ReadLimits(input.limits);
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
    if (limits.CanAct()) {
        if (topGear == 0) {
            throw NoStartingGearFault(input, vehicle, tables, topGear);
        }
        const LimitedRunTime run = RunWithLimits(tables, input, vehicle, limits, topGear, trace);
        return ResultSentence(run.startGear, run.time.finalGear, run.time.totalSeconds, locale);
    }
    const std::optional<int> startGear = ChooseStartGear(tables, topGear);
    if (!startGear) {
        throw NoStartingGearFault(input, vehicle, tables, topGear);
    }
    const RunTime run = IntegrateTime(tables, vehicle, *startGear, topGear, trace);
    return ResultSentence(*startGear, run.finalGear, run.totalSeconds, locale);
}

} // namespace

CalcOutcome RunCalculation(const CalcInput& input, WindowState& state, CalcTables& tables, const QLocale& locale,
                           RunTrace* trace)
{
    try {
        return RunStages(input, state, tables, locale, trace);
    } catch (const CalcFault& fault) {
        return CalcFault(fault.kind(), WithLikelySlips(WithDecimalCommaHints(fault.message(), InputBoxes(input)), input,
                                                       state, locale));
    }
}

std::variant<double, CalcFault> AreaFromHeightAndWidth(QStringView heightText, QStringView widthText)
{
    const std::vector<InputBox> boxes{{QString::fromUtf8(box::kHeight), heightText.toString()},
                                      {QString::fromUtf8(box::kWidth), widthText.toString()}};
    try {
        const char* sideAdvice = "Escriba la medida en m, por ejemplo 1.4.";
        const Real height = ReadBox(box::kHeight, boxes[0].text, sideAdvice);
        const Real width = ReadBox(box::kWidth, boxes[1].text, sideAdvice);
        return Computing(
            [&] {
                return QStringLiteral(
                           "Pasó al calcular el área frontal de %1 (alto %2 × 0.8 × ancho %3): escriba "
                           "el alto y el ancho del vehículo en m, por ejemplo 1.4 y 1.7.")
                    .arg(QString::fromUtf8(box::kAreaFromSides), InputNumber(height.value()),
                         InputNumber(width.value()));
            },
            [&] { return ((height * 0.8) * width).value(); });
    } catch (const CalcFault& fault) {
        return CalcFault(fault.kind(), WithDecimalCommaHints(fault.message(), boxes));
    }
}

} // namespace kinetra
