#include "run/stall_reports.h"

#include "inputs/box_reading.h"
#include "kinetra/speed_in_kmh.h"
#include "tables/speed_grid.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace kinetra {
namespace {

QString Named(BoxId box, double value)
{
    return QStringLiteral("%1 (%2)").arg(Quoted(box), InputNumber(value));
}

// Engine speed in `gear` at `speed`, worked out as the tables do.
double EngineSpeed(const Vehicle& vehicle, int gear, double speed)
{
    const double ratio = vehicle.gearRatio[static_cast<std::size_t>(gear - 1)] * vehicle.finalDrive;
    return ratio * ((speed / vehicle.wheelRadius) / kRadiansPerTurn);
}

QString WholeNumber(double value)
{
    return QString::number(value, 'f', 0);
}

// At 0 m/s the engine gives the torque of «C0» alone. No gear beats the
// road's resistance there, while the engine pulls once it turns, or «C0» is
// no torque at all: that torque is what keeps the car from moving off.
bool TorqueAtRestTooSmall(const Vehicle& vehicle, const CalcTables& tables, int topGear)
{
    if (vehicle.initialSpeed != 0) {
        return false;
    }
    bool pullsOnceTurning = false;
    for (int g = 1; g <= topGear; ++g) {
        if (tables.StartAccelLow[g] > 0) {
            return false;
        }
        pullsOnceTurning = pullsOnceTurning || tables.StartAccelHigh[g] > 0;
    }
    return pullsOnceTurning || !(vehicle.torqueCoefficient[0] > 0);
}

// The torque-curve dialog fits the polynomial to a few points of the
// engine's curve: the way to a sound torque at low revs.
QString TorqueCurveAdvice()
{
    return QStringLiteral("El par a pocas vueltas se puede ajustar con «Curva de par…».");
}

} // namespace

QString KmhAside(double metresPerSecond, const QLocale& locale)
{
    if (metresPerSecond == 0) {
        return {};
    }
    return QStringLiteral(" (%1 km/h)").arg(KmhNumber(metresPerSecond, locale, 0));
}

QString ForceBalanceBoxes(const Vehicle& vehicle, int topGear)
{
    QStringList boxes;
    for (int g = 1; g <= topGear; ++g) {
        boxes << Named(GearBox(g), vehicle.gearRatio[static_cast<std::size_t>(g - 1)]);
    }
    boxes << Named(BoxId::FinalDrive, vehicle.finalDrive) << Named(BoxId::Efficiency, vehicle.efficiency);
    for (std::size_t i = 0; i < vehicle.torqueCoefficient.size(); ++i) {
        boxes << Named(TorqueBox(i), vehicle.torqueCoefficient[i]);
    }
    boxes << QStringLiteral("%1 (%2 / %3 R %4)")
                 .arg(QuotedRow(BoxId::TyreWidth), InputNumber(vehicle.tyreWidth), InputNumber(vehicle.tyreAspect),
                      InputNumber(vehicle.rimDiameter))
          << Named(BoxId::Mass, vehicle.mass) << Named(BoxId::MassFactor, vehicle.massFactor)
          << Named(BoxId::Drag, vehicle.dragCoefficient)
          << QStringLiteral("el área frontal (%1 m²)").arg(InputNumber(vehicle.frontalArea))
          << Named(BoxId::Rolling, vehicle.rollingCoefficient) << Named(BoxId::Slope, vehicle.slopePercent);
    const QString last = boxes.takeLast();
    return QStringLiteral("%1 y %2").arg(boxes.join(QStringLiteral(", ")), last);
}

Whereabouts StallAdvice(const Vehicle& vehicle, double step, int gear, int topGear)
{
    const double from = (step + vehicle.initialSpeed) - 1;
    if (step > 1) {
        // Every step below this one was covered: the run up to here is a result.
        return {QStringLiteral(" Escriba en %1 %2 o menos, o, para llegar más lejos, revise los datos que deciden "
                               "la fuerza y la resistencia: %3.")
                    .arg(Quoted(BoxId::FinalSpeed), InputNumber(from), ForceBalanceBoxes(vehicle, topGear)),
                BoxId::FinalSpeed};
    }
    const double low = EngineSpeed(vehicle, gear, from);
    const double high = EngineSpeed(vehicle, gear, from + 1);
    if (low == 0) {
        // From rest the engine turns from 0: the car moves off with the
        // torque of «C0», which is where to look first.
        return {QStringLiteral(" Ya falla el primer paso: el vehículo arranca con el par de %1 (%2 N·m), el del "
                               "motor a 0 rev/s, y para acelerar desde %3 m/s hace falta más par motor a pocas "
                               "vueltas, de 0 a %4 rev/s, una relación mayor en %5 o menos carga; eso no cambia con "
                               "%6. %7 Revise los datos que deciden la fuerza y la resistencia: %8.")
                    .arg(Quoted(BoxId::TorqueC0), InputNumber(vehicle.torqueCoefficient[0]), InputNumber(from),
                         WholeNumber(high), Quoted(GearBox(gear)), Quoted(BoxId::FinalSpeed), TorqueCurveAdvice(),
                         ForceBalanceBoxes(vehicle, topGear)),
                BoxId::TorqueC0};
    }
    // The final speed is named first only to say that it cannot help: the
    // gear's ratio is the box to change.
    return {QStringLiteral(" Ya falla el primer paso, y eso no cambia con %1: para acelerar desde %2 m/s hace falta "
                           "más par motor entre %3 y %4 rev/s, lo que gira el motor en ese paso, una relación mayor "
                           "en %5 o menos carga. Revise los datos que deciden la fuerza y la resistencia: %6.")
                .arg(Quoted(BoxId::FinalSpeed), InputNumber(from), WholeNumber(low), WholeNumber(high),
                     Quoted(GearBox(gear)), ForceBalanceBoxes(vehicle, topGear)),
            GearBox(gear)};
}

namespace {

// Some gear accelerates over the first step, yet none beats both its
// neighbours: the best acceleration is shared by two neighbouring gears. Why,
// pointing at the lower of them; the first box of the force balance when no
// two gears are found.
Whereabouts TwinGears(const Vehicle& vehicle, const CalcTables& tables, int topGear, double best)
{
    for (int g = 1; g < topGear; ++g) {
        if (tables.StartMeanAccel[g] != best || tables.StartMeanAccel[g + 1] != best) {
            continue;
        }
        const auto lower = static_cast<std::size_t>(g - 1);
        const QString lowerBox = Quoted(GearBox(g));
        const QString upperBox = Quoted(GearBox(g + 1));
        if (vehicle.gearRatio[lower] == vehicle.gearRatio[lower + 1]) {
            return {QStringLiteral("%1 y %2 tienen la misma relación (%3), así que empujan igual y ninguna de las dos "
                                   "acelera más que la otra. Escriba en %2 una relación menor que la de %1; para un "
                                   "coche de una sola marcha, deje vacías %4, %5 y %6.")
                        .arg(lowerBox, upperBox, InputNumber(vehicle.gearRatio[lower]), Quoted(BoxId::SecondGear),
                             Quoted(BoxId::ThirdGear), Quoted(BoxId::FourthGear)),
                    GearBox(g)};
        }
        return {QStringLiteral("%1 y %2 aceleran exactamente igual en el primer paso, así que ninguna de las dos "
                               "acelera más que la otra. Cambie un poco la relación de una de ellas.")
                    .arg(lowerBox, upperBox),
                GearBox(g)};
    }
    return {QStringLiteral("en el primer paso ninguna marcha acelera más que las de al lado."), BoxId::FirstGear};
}

// Why no gear of a box that has some starts, and the box to change; without
// a box of its own, the first box of the force balance.
Whereabouts WhyNoGearStarts(const CalcInput& input, const Vehicle& vehicle, const CalcTables& tables, int topGear)
{
    if (vehicle.finalDrive == 0) {
        return {WhatItSays(BoxId::FinalDrive, input.finalDrive, 0)
                    + QStringLiteral(", y sin diferencial el motor no mueve las ruedas en ninguna marcha. Escriba la "
                                     "relación del diferencial, por ejemplo 4.1."),
                BoxId::FinalDrive};
    }
    if (vehicle.efficiency == 0) {
        return {WhatItSays(BoxId::Efficiency, input.efficiency, 0)
                    + QStringLiteral(", y con un rendimiento de 0 no llega a las ruedas nada de la fuerza del motor. "
                                     "Escriba el rendimiento de la transmisión, de 0 a 1, por ejemplo 0.9."),
                BoxId::Efficiency};
    }
    double best = tables.StartMeanAccel[1];
    for (int g = 2; g <= topGear; ++g) {
        best = std::max(best, tables.StartMeanAccel[g]);
    }
    if (!(best > 0) && TorqueAtRestTooSmall(vehicle, tables, topGear)) {
        const double torque = vehicle.torqueCoefficient[0];
        return {QStringLiteral("el vehículo arranca con el par de %1 (%2 N·m), el del motor a 0 rev/s, y en ninguna "
                               "marcha ese par vence la resistencia al avance%3. Escriba en %1 el par del motor a "
                               "pocas vueltas. %4")
                    .arg(Quoted(BoxId::TorqueC0), InputNumber(torque),
                         torque > 0 ? QString() : QStringLiteral(": un par de 0 o negativo no mueve el vehículo"),
                         TorqueCurveAdvice()),
                BoxId::TorqueC0};
    }
    if (!(best > 0)) {
        return {QStringLiteral("en ninguna marcha la fuerza del motor en las ruedas supera la resistencia al avance. "
                               "Para arrancar hace falta más par motor, relaciones mayores o menos carga."),
                BoxId::FirstGear};
    }
    return TwinGears(vehicle, tables, topGear, best);
}

} // namespace

CalcFault NoStartingGearFault(const CalcInput& input, const Vehicle& vehicle, const CalcTables& tables, int topGear,
                              const QLocale& locale)
{
    if (topGear == 0) {
        return CalcFault(FaultKind::NoStartingGear,
                         QStringLiteral("Ninguna marcha puede arrancar: ninguna tiene relación. Escriba la relación "
                                        "de %1, por ejemplo 3.5.")
                             .arg(Quoted(BoxId::FirstGear)),
                         BoxId::FirstGear);
    }
    const Whereabouts why = WhyNoGearStarts(input, vehicle, tables, topGear);
    return CalcFault(FaultKind::NoStartingGear,
                     QStringLiteral("Ninguna marcha puede arrancar a %1 m/s%2: ")
                             .arg(InputNumber(vehicle.initialSpeed), KmhAside(vehicle.initialSpeed, locale))
                         + why.text
                         + QStringLiteral(" Revise los datos que deciden la fuerza y la resistencia: %1.")
                               .arg(ForceBalanceBoxes(vehicle, topGear)),
                     why.box);
}

} // namespace kinetra
