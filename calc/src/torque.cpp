#include "kinetra/torque.h"

#include "checked_real.h"
#include "fault_context.h"
#include "gear_acceleration.h"
#include "input_boxes.h"

#include <cmath>

namespace kinetra {

double EngineTorque(double n, TorqueForm form, const std::array<double, 7>& c)
{
    // No division in the polynomial: an overflow anywhere in it leaves the
    // sum infinite or NaN, so one check at the end finds it.
    return Real::Checked(EngineTorqueUnchecked(n, form, c)).value();
}

void FillOverallRatios(CalcTables& tables, const Vehicle& vehicle)
{
    tables.OverallRatio.set(0, 0);
    for (int g = 1; g <= 6; ++g) {
        const double ratio = Computing(
            [&] {
                const auto gear = static_cast<std::size_t>(g - 1);
                return QStringLiteral(
                           "Pasó al multiplicar %1 (%2) por «Diferencial» (%3): escriba relaciones "
                           "como las de una caja de cambios, por ejemplo 3.5 y 4.1.")
                    .arg(QString::fromUtf8(box::kGear[gear]), InputNumber(vehicle.gearRatio[gear]),
                         InputNumber(vehicle.finalDrive));
            },
            [&] { return (Real(vehicle.gearRatio[static_cast<std::size_t>(g - 1)]) * vehicle.finalDrive).value(); });
        tables.OverallRatio.set(g, ratio);
    }
    tables.StartMeanAccel.set(5, 0);
    tables.StartMeanAccel.set(6, 0);
}

// The acceleration again, every operation checked in the order written, to
// report the fault that the quick evaluation ran into, with where it was.
[[noreturn]] void ThrowAccelerationFault(const CalcTables& tables, const Vehicle& vehicle, double g, double j,
                                         TorqueForm form)
{
    Computing(
        [&] {
            const double speed = (j + vehicle.initialSpeed) - 1;
            QString text = QStringLiteral("Pasó al calcular la aceleración en %1.ª marcha a %2 m/s.")
                               .arg(InputNumber(g), InputNumber(speed));
            // Blame the boxes whose numbers left the range of the calculation:
            // the mass first, since no torque can move an infinite mass.
            const double effectiveMass = vehicle.massFactor * vehicle.mass;
            const double ratio = tables.OverallRatio.at(g);
            const double torque =
                EngineTorqueUnchecked(ratio * tables.WheelSpeed.at(j), form, vehicle.torqueCoefficient);
            const QString masses = QStringLiteral("%1 (%2) por %3 (%4)")
                                       .arg(QString::fromUtf8(box::kMassFactor), InputNumber(vehicle.massFactor),
                                            QString::fromUtf8(box::kMass), InputNumber(vehicle.mass));
            if (vehicle.wheelRadius == 0) {
                text += QStringLiteral(" El radio de la rueda es 0 m.") + TyreHint(vehicle);
            } else if (!std::isfinite(effectiveMass)) {
                text += QStringLiteral(
                            " %1 da una masa demasiado grande para el cálculo: escriba valores "
                            "realistas, por ejemplo 1.06 y 1200.")
                            .arg(masses);
            } else if (!(effectiveMass > 0)) {
                text += QStringLiteral(" %1 da una masa de 0: escriba valores realistas, por ejemplo 1.06 y 1200.")
                            .arg(masses);
            } else if (!std::isfinite(torque)) {
                text += QStringLiteral(
                            " Revise los coeficientes del par motor, de %1 a %2: a tantas vueltas del "
                            "motor dan un par enorme.")
                            .arg(QString::fromUtf8(box::kTorque[0]), QString::fromUtf8(box::kTorque[6]));
            } else if (const double force = ratio * (vehicle.efficiency * torque) / vehicle.wheelRadius;
                       !std::isfinite(force) || !std::isfinite(force - tables.RoadLoad.at(j))) {
                const auto gear = static_cast<std::size_t>(g - 1);
                text +=
                    QStringLiteral(
                        " La fuerza en las ruedas sale demasiado grande: revise %1 (%2), %3 (%4), "
                        "%5 (%6), el par motor (%7 N·m) y el tamaño de la rueda.")
                        .arg(QString::fromUtf8(box::kGear[gear]), InputNumber(vehicle.gearRatio[gear]),
                             QString::fromUtf8(box::kFinalDrive), InputNumber(vehicle.finalDrive),
                             QString::fromUtf8(box::kEfficiency), InputNumber(vehicle.efficiency), InputNumber(torque))
                    + TyreHint(vehicle);
            } else {
                text += QStringLiteral(
                            " %1 da una masa demasiado pequeña para el cálculo: escriba valores "
                            "realistas, por ejemplo 1.06 y 1200.")
                            .arg(masses);
            }
            return text;
        },
        [&] {
            const Real ratio = tables.OverallRatio.at(g);
            const Real n = ratio * tables.WheelSpeed.at(j);
            const Real torque = EngineTorque(n.value(), form, vehicle.torqueCoefficient);
            const Real wheelTorque = ratio * (Real(vehicle.efficiency) * torque);
            const Real tractiveForce = wheelTorque / vehicle.wheelRadius;
            const Real net = tractiveForce - tables.RoadLoad.at(j);
            const Real effectiveMass = Real(vehicle.massFactor) * vehicle.mass;
            return net / effectiveMass;
        });
    throw CalcFault(FaultKind::Overflow, TooLargeSentence());
}

void FillStartTables(CalcTables& tables, const Vehicle& vehicle, int gearCount)
{
    for (int g = 1; g <= gearCount; ++g) {
        const double low = GearAcceleration(tables, vehicle, g, 1, TorqueForm::Plain);
        tables.StartAccelLow[g] = low;
        const double high = GearAcceleration(tables, vehicle, g, 2, TorqueForm::Plain);
        tables.StartAccelHigh[g] = high;
        const double mean = Finite((high + low) / 2, [&] {
            return QStringLiteral("Pasó al promediar la aceleración de la %1.ª marcha en el primer paso.")
                .arg(InputNumber(g));
        });
        tables.StartMeanAccel[g] = mean;
    }
}

} // namespace kinetra
