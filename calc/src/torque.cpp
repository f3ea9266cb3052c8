#include "kinetra/torque.h"

#include "checked_real.h"
#include "fault_context.h"

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
            [g] { return QStringLiteral("al calcular la relación total de la %1.ª marcha.").arg(g); },
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
            QString text = QStringLiteral("al calcular la aceleración en %1.ª marcha a %2 m/s.")
                               .arg(InputNumber(g), InputNumber(speed));
            if (vehicle.wheelRadius == 0) {
                text += TyreHint();
            }
            if (vehicle.massFactor == 0 || vehicle.mass == 0) {
                text += QStringLiteral(" El factor de masas por el peso del vehículo da una masa de 0.");
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
    throw CalcFault(FaultKind::Overflow, QStringLiteral("Desbordamiento al calcular la aceleración."));
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
            return QStringLiteral("al promediar la aceleración de la %1.ª marcha.").arg(InputNumber(g));
        });
        tables.StartMeanAccel.set(g, mean);
    }
}

} // namespace kinetra
