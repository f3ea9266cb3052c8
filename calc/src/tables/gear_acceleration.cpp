#include "tables/gear_acceleration.h"

#include "faults/checked_real.h"
#include "faults/report_words.h"
#include "tables/wheel_and_slope.h"

#include <cmath>

namespace kinetra {

double EngineTorque(double n, const std::array<double, 7>& c)
{
    // No division in the polynomial: an overflow anywhere in it leaves the
    // sum infinite or NaN, so one check at the end finds it.
    return Real::Checked(EngineTorqueUnchecked(n, c)).value();
}

namespace {

// Which boxes sent the acceleration out of the range of the calculation: the
// mass first, since no torque can move an infinite mass.
Whereabouts AccelerationFaultPlace(const CalcTables& tables, const Vehicle& vehicle, double g, double j)
{
    const double speed = (j + vehicle.initialSpeed) - 1;
    const QString text = QStringLiteral("Pasó al calcular la aceleración en %1.ª marcha a %2 m/s.")
                             .arg(InputNumber(g), InputNumber(speed));
    const double effectiveMass = vehicle.massFactor * vehicle.mass;
    const double ratio = tables.OverallRatio.at(g);
    const double torque = EngineTorqueUnchecked(ratio * tables.WheelSpeed.at(j), vehicle.torqueCoefficient);
    const QString masses = QStringLiteral("%1 (%2) por %3 (%4)")
                               .arg(Quoted(BoxId::MassFactor), InputNumber(vehicle.massFactor), Quoted(BoxId::Mass),
                                    InputNumber(vehicle.mass));
    if (vehicle.wheelRadius == 0) {
        return {text + QStringLiteral(" El radio de la rueda es 0 m.") + TyreHint(vehicle), BoxId::TyreWidth};
    }
    if (!std::isfinite(effectiveMass)) {
        return {text
                    + QStringLiteral(" %1 da una masa demasiado grande para el cálculo: escriba valores realistas, "
                                     "por ejemplo 1.06 y 1200.")
                          .arg(masses),
                BoxId::MassFactor};
    }
    if (!(effectiveMass > 0)) {
        return {text
                    + QStringLiteral(" %1 da una masa de 0: escriba valores realistas, por ejemplo 1.06 y 1200.")
                          .arg(masses),
                BoxId::MassFactor};
    }
    if (!std::isfinite(torque)) {
        return {text
                    + QStringLiteral(" Revise los coeficientes del par motor, de %1 a %2: a tantas vueltas del motor "
                                     "dan un par enorme.")
                          .arg(Quoted(BoxId::TorqueC0), Quoted(BoxId::TorqueN6)),
                BoxId::TorqueC0};
    }
    if (const double force = ratio * (vehicle.efficiency * torque) / vehicle.wheelRadius;
        !std::isfinite(force) || !std::isfinite(force - tables.RoadLoad.at(j))) {
        const int gear = static_cast<int>(g);
        return {
            text
                + QStringLiteral(" La fuerza en las ruedas sale demasiado grande: revise %1 (%2), %3 (%4), %5 "
                                 "(%6), el par motor (%7 N·m) y el tamaño de la rueda.")
                      .arg(Quoted(GearBox(gear)), InputNumber(vehicle.gearRatio[static_cast<std::size_t>(gear - 1)]),
                           Quoted(BoxId::FinalDrive), InputNumber(vehicle.finalDrive), Quoted(BoxId::Efficiency),
                           InputNumber(vehicle.efficiency), InputNumber(torque))
                + TyreHint(vehicle),
            GearBox(gear)};
    }
    return {text
                + QStringLiteral(" %1 da una masa demasiado pequeña para el cálculo: escriba valores realistas, por "
                                 "ejemplo 1.06 y 1200.")
                      .arg(masses),
            BoxId::MassFactor};
}

} // namespace

// The acceleration again, every operation checked in the order written, to
// report the fault that the quick evaluation ran into, with where it was.
[[noreturn]] void ThrowAccelerationFault(const CalcTables& tables, const Vehicle& vehicle, double g, double j)
{
    Computing([&] { return AccelerationFaultPlace(tables, vehicle, g, j); },
              [&] {
                  const Real ratio = tables.OverallRatio.at(g);
                  const Real n = ratio * tables.WheelSpeed.at(j);
                  const Real torque = EngineTorque(n.value(), vehicle.torqueCoefficient);
                  const Real wheelTorque = ratio * (Real(vehicle.efficiency) * torque);
                  const Real tractiveForce = wheelTorque / vehicle.wheelRadius;
                  const Real net = tractiveForce - tables.RoadLoad.at(j);
                  const Real effectiveMass = Real(vehicle.massFactor) * vehicle.mass;
                  return net / effectiveMass;
              });
    throw CalcFault(FaultKind::Overflow, TooLargeSentence());
}

} // namespace kinetra
