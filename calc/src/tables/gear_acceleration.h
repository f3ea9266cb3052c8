#pragma once

#include "inputs/vehicle.h"
#include "kinetra/calc_tables.h"

#include <array>
#include <cmath>

namespace kinetra {

// Full-load torque at engine speed n (rev/s), from the polynomial
// c0 + c1 n + ... + c6 n^6, each power built by repeated multiplication by n;
// in plain doubles, unchecked.
inline double EngineTorqueUnchecked(double n, const std::array<double, 7>& c)
{
    double t = (n * c[1]) + c[0];
    t = (n * (n * c[2])) + t;
    t = (n * (n * (n * c[3]))) + t;
    t = (n * (n * (n * (n * c[4])))) + t;
    t = (n * (n * (n * (n * (n * c[5]))))) + t;
    t = (n * (n * (n * (n * (n * (n * c[6])))))) + t;
    return t;
}

// The same torque with an overflow anywhere in it an overflow fault.
double EngineTorque(double n, const std::array<double, 7>& c);

// Works the acceleration out again with every operation checked and throws
// the fault of the first one that failed, saying where it happened.
[[noreturn]] void ThrowAccelerationFault(const CalcTables& tables, const Vehicle& vehicle, double g, double j);

// Vehicle acceleration in gear `gear` at speed entry `entry`: the step loop's
// hot path, inlined there. Both indices must lie inside the tables, as the
// speed-range check ensures for every entry of a run.
inline double GearAcceleration(const CalcTables& tables, const Vehicle& vehicle, int gear, int entry)
{
    // Plain doubles, judged once at the end. The wheel radius is finite, so
    // any overflow, and a division by a zero radius or mass, leaves the
    // acceleration or the mass non-finite.
    const double ratio = tables.OverallRatio[gear];
    const double n = ratio * tables.WheelSpeed[entry];
    const double wheelTorque = ratio * (vehicle.efficiency * EngineTorqueUnchecked(n, vehicle.torqueCoefficient));
    const double tractiveForce = wheelTorque / vehicle.wheelRadius;
    const double net = tractiveForce - tables.RoadLoad[entry];
    const double effectiveMass = vehicle.massFactor * vehicle.mass;
    const double acceleration = net / effectiveMass;
    if (!std::isfinite(acceleration) || !std::isfinite(effectiveMass)) [[unlikely]] {
        ThrowAccelerationFault(tables, vehicle, gear, entry);
    }
    return acceleration;
}

} // namespace kinetra
