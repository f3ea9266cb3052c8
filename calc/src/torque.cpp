#include "kinetra/torque.h"

#include "checked_real.h"
#include "fault_context.h"
#include "gear_acceleration.h"

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
            [g] { return QStringLiteral("al calcular la relación total de la %1.ª marcha.").arg(g); },
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

void FillStartTables(CalcTables& tables, const Vehicle& vehicle, int gearCount)
{
    for (int g = 1; g <= gearCount; ++g) {
        const double low = GearAcceleration(tables, vehicle, g, 1, TorqueForm::Plain);
        tables.StartAccelLow[g] = low;
        const double high = GearAcceleration(tables, vehicle, g, 2, TorqueForm::Plain);
        tables.StartAccelHigh[g] = high;
        const double mean = Finite((high + low) / 2, [&] {
            return QStringLiteral("al promediar la aceleración de la %1.ª marcha.").arg(InputNumber(g));
        });
        tables.StartMeanAccel[g] = mean;
    }
}

} // namespace kinetra
