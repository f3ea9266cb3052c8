#include "kinetra/run_calculation.h"

#include "checked_real.h"
#include "fault_context.h"
#include "input_boxes.h"
#include "input_checks.h"
#include "kinetra/gear_choice.h"
#include "kinetra/speed_tables.h"
#include "kinetra/torque.h"
#include "kinetra/vehicle.h"

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
    CheckInputs(input, vehicle, gearCount);
    vehicle.frontalArea = FrontalAreaValue(state.frontalArea, locale);
    vehicle.wheelRadius = WheelRadius(vehicle);
    vehicle.sinSlope = SinSlope(vehicle);

    FillRoadLoad(tables, vehicle);
    FillWheelSpeed(tables, vehicle);
    FillOverallRatios(tables, vehicle);
    FillStartTables(tables, vehicle, gearCount);

    const std::optional<int> startGear = ChooseStartGear(tables, gearCount);
    if (!startGear) {
        throw CalcFault(FaultKind::NoStartingGear,
                        QStringLiteral("Ninguna marcha puede arrancar a %1 m/s: en el primer paso ninguna acelera "
                                       "más que las marchas de al lado, y eso pasa cuando ninguna vence la "
                                       "resistencia al avance o todas empujan igual. Revise %2 (%3), el par motor "
                                       "(%4 a %5), las relaciones de las marchas y %6 (%7).")
                            .arg(InputNumber(vehicle.initialSpeed), QString::fromUtf8(box::kEfficiency),
                                 InputNumber(vehicle.efficiency), QString::fromUtf8(box::kTorque[0]),
                                 QString::fromUtf8(box::kTorque[6]), QString::fromUtf8(box::kSlope),
                                 InputNumber(vehicle.slopePercent)));
    }
    const RunTime run = IntegrateTime(tables, vehicle, *startGear, gearCount, trace);
    return ResultSentence(*startGear, run.finalGear, run.totalSeconds, locale);
}

} // namespace

CalcOutcome RunCalculation(const CalcInput& input, WindowState& state, CalcTables& tables, const QLocale& locale,
                           RunTrace* trace)
{
    try {
        return RunStages(input, state, tables, locale, trace);
    } catch (const CalcFault& fault) {
        return CalcFault(fault.kind(), WithDecimalCommaHints(fault.message(), InputBoxes(input)));
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
