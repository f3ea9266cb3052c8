#include "kinetra/run_calculation.h"

#include "checked_real.h"
#include "fault_context.h"
#include "kinetra/field_value.h"
#include "kinetra/gear_choice.h"
#include "kinetra/speed_tables.h"
#include "kinetra/torque.h"
#include "kinetra/vehicle.h"

namespace kinetra {
namespace {

// The grid runs in whole 1 m/s steps from the initial speed and the tables
// hold 400 of them: a run outside that is answered before any table is
// touched, so that no result ever rests on an earlier calculation's entries.
void CheckSpeedRange(const Vehicle& vehicle)
{
    const double vi = vehicle.initialSpeed;
    const double vf = vehicle.finalSpeed;
    if (vi < 0) {
        throw CalcFault(FaultKind::InvalidInput,
                        QStringLiteral("La velocidad inicial (%1 m/s) no puede ser negativa.").arg(InputNumber(vi)));
    }
    if (vehicle.steps < 1) {
        throw CalcFault(FaultKind::InvalidInput,
                        QStringLiteral("La velocidad final (%1 m/s) debe superar a la inicial (%2 m/s) en "
                                       "1 m/s por lo menos: el tiempo se calcula en pasos de 1 m/s.")
                                .arg(InputNumber(vf), InputNumber(vi))
                            + DecimalPointHint());
    }
    if (vehicle.steps > Table::kSize - 2) {
        throw CalcFault(FaultKind::InvalidInput,
                        QStringLiteral("La velocidad final (%1 m/s) debe superar a la inicial (%2 m/s) en "
                                       "menos de %3 m/s: el cálculo admite hasta %4 pasos de 1 m/s.")
                            .arg(InputNumber(vf), InputNumber(vi))
                            .arg(Table::kSize - 1)
                            .arg(Table::kSize - 2));
    }
}

QString RunStages(const CalcInput& input, WindowState& state, CalcTables& tables, const QLocale& locale)
{
    if (state.gearCount != 5 && state.gearCount != 6) {
        state.gearCount = 4;
    }
    const int gearCount = state.gearCount;

    Vehicle vehicle = ReadVehicle(input);
    vehicle.steps = WholeSteps(vehicle.initialSpeed, vehicle.finalSpeed);
    CheckSpeedRange(vehicle);
    vehicle.wheelRadius = WheelRadius(vehicle);
    vehicle.sinSlope = SinSlope(vehicle);
    vehicle.frontalArea = FrontalAreaValue(state.frontalArea, locale);

    FillRoadLoad(tables, vehicle);
    FillWheelSpeed(tables, vehicle);
    FillOverallRatios(tables, vehicle);
    FillStartTables(tables, vehicle, gearCount);

    const std::optional<int> startGear = ChooseStartGear(tables, gearCount);
    if (!startGear) {
        throw CalcFault(FaultKind::NoStartingGear,
                        QStringLiteral("Ninguna marcha puede iniciar la aceleración a %1 m/s: ninguna tiene "
                                       "una aceleración media en el primer paso mayor que la de sus marchas "
                                       "vecinas. Revise las relaciones de transmisión, el par motor y el peso.")
                                .arg(InputNumber(vehicle.initialSpeed))
                            + DecimalPointHint());
    }
    const RunTime run = IntegrateTime(tables, vehicle, *startGear, gearCount);
    return ResultSentence(*startGear, run.finalGear, run.totalSeconds, locale);
}

} // namespace

CalcOutcome RunCalculation(const CalcInput& input, WindowState& state, CalcTables& tables,
                           const QLocale& locale)
{
    try {
        return RunStages(input, state, tables, locale);
    } catch (const CalcFault& fault) {
        return fault;
    }
}

std::variant<double, CalcFault> AreaFromHeightAndWidth(QStringView heightText, QStringView widthText)
{
    try {
        const Real height = Computing([] { return QStringLiteral("en la altura del vehículo."); },
                                      [&] { return FieldValue(heightText); });
        const Real width = Computing([] { return QStringLiteral("en la anchura del vehículo."); },
                                     [&] { return FieldValue(widthText); });
        return Computing([] { return QStringLiteral("al calcular el área frontal (alto × 0.8 × ancho)."); },
                         [&] { return ((height * 0.8) * width).value(); });
    } catch (const CalcFault& fault) {
        return fault;
    }
}

} // namespace kinetra
