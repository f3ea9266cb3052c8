#include "kinetra/torque.h"

#include "checked_real.h"
#include "fault_context.h"
#include "input_boxes.h"

#include <cmath>

namespace kinetra {

namespace {

double EngineTorqueUnchecked(double n, TorqueForm form, const std::array<double, 7>& c)
{
    double t = (n * c[1]) + c[0];
    t = (n * (n * c[2])) + t;
    t = (n * (n * (n * c[3]))) + t;
    t = (n * (n * (n * (n * c[4])))) + t;
    if (form == TorqueForm::Plain) {
        t = (n * (n * (n * (n * (n * c[5]))))) + t;
        t = (n * (n * (n * (n * (n * (n * c[6])))))) + t;
    } else {
        t = (n * (kNextGearFactor * (n * (n * (n * (n * c[5])))))) + t;
        t = (n * (n * (n * (kNextGearFactor * (n * (n * (n * c[6]))))))) + t;
    }
    return t;
}

} // namespace

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
                return QStringLiteral("Pasó al multiplicar %1 (%2) por «Diferencial» (%3): escriba relaciones "
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

namespace {

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
            if (vehicle.wheelRadius == 0) {
                text += QStringLiteral(" El radio de la rueda es 0 m.") + TyreHint(vehicle);
            } else if (!(vehicle.massFactor * vehicle.mass > 0)) {
                text += QStringLiteral(" %1 (%2) por %3 (%4) da una masa de 0: escriba valores realistas, "
                                       "por ejemplo 1.06 y 1200.")
                            .arg(QString::fromUtf8(box::kMassFactor), InputNumber(vehicle.massFactor),
                                 QString::fromUtf8(box::kMass), InputNumber(vehicle.mass));
            } else {
                text += QStringLiteral(" Revise los coeficientes del par motor, de %1 a %2: a tantas vueltas del "
                                       "motor dan un par enorme.")
                            .arg(QString::fromUtf8(box::kTorque[0]), QString::fromUtf8(box::kTorque[6]));
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

} // namespace

double GearAcceleration(const CalcTables& tables, const Vehicle& vehicle, double g, double j,
                        TorqueForm form)
{
    // The step loop's hot path: plain doubles, judged once at the end. The
    // wheel radius is finite, so any overflow, and a division by a zero
    // radius or mass, leaves the acceleration or the mass non-finite.
    const double ratio = tables.OverallRatio.at(g);
    const double n = ratio * tables.WheelSpeed.at(j);
    const double wheelTorque = ratio * (vehicle.efficiency * EngineTorqueUnchecked(n, form, vehicle.torqueCoefficient));
    const double tractiveForce = wheelTorque / vehicle.wheelRadius;
    const double net = tractiveForce - tables.RoadLoad.at(j);
    const double effectiveMass = vehicle.massFactor * vehicle.mass;
    const double acceleration = net / effectiveMass;
    if (!std::isfinite(acceleration) || !std::isfinite(effectiveMass)) {
        ThrowAccelerationFault(tables, vehicle, g, j, form);
    }
    return acceleration;
}

void FillStartTables(CalcTables& tables, const Vehicle& vehicle, int gearCount)
{
    for (double g = 1; g <= gearCount; g += 1) {
        const double low = GearAcceleration(tables, vehicle, g, 1, TorqueForm::Plain);
        tables.StartAccelLow.set(g, low);
        const double high = GearAcceleration(tables, vehicle, g, 2, TorqueForm::Plain);
        tables.StartAccelHigh.set(g, high);
        const double mean = Finite((high + low) / 2, [&] {
            return QStringLiteral("Pasó al promediar la aceleración de la %1.ª marcha en el primer paso.")
                .arg(InputNumber(g));
        });
        tables.StartMeanAccel.set(g, mean);
    }
}

} // namespace kinetra
