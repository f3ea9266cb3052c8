#pragma once

#include "kinetra/calc_tables.h"
#include "kinetra/torque.h"
#include "kinetra/vehicle.h"

#include <array>
#include <cmath>

namespace kinetra {

// EngineTorque in plain doubles, unchecked.
inline double EngineTorqueUnchecked(double n, TorqueForm form, const std::array<double, 7>& c)
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

// Works the acceleration out again with every operation checked and throws
// the fault of the first one that failed, saying where it happened.
[[noreturn]] void ThrowAccelerationFault(const CalcTables& tables, const Vehicle& vehicle, double g, double j,
                                         TorqueForm form);

// Vehicle acceleration in gear `gear` at speed entry `entry`: the step loop's
// hot path, inlined there. Both indices must lie inside the tables, as the
// speed-range check ensures for every entry of a run.
inline double GearAcceleration(const CalcTables& tables, const Vehicle& vehicle, int gear, int entry, TorqueForm form)
{
    // Plain doubles, judged once at the end. The wheel radius is finite, so
    // any overflow, and a division by a zero radius or mass, leaves the
    // acceleration or the mass non-finite.
    const double ratio = tables.OverallRatio[gear];
    const double n = ratio * tables.WheelSpeed[entry];
    const double wheelTorque = ratio * (vehicle.efficiency * EngineTorqueUnchecked(n, form, vehicle.torqueCoefficient));
    const double tractiveForce = wheelTorque / vehicle.wheelRadius;
    const double net = tractiveForce - tables.RoadLoad[entry];
    const double effectiveMass = vehicle.massFactor * vehicle.mass;
    const double acceleration = net / effectiveMass;
    if (!std::isfinite(acceleration) || !std::isfinite(effectiveMass)) [[unlikely]] {
        ThrowAccelerationFault(tables, vehicle, gear, entry, form);
    }
    return acceleration;
}

} // namespace kinetra
