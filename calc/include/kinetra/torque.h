#pragma once

#include "kinetra/calc_tables.h"
#include "kinetra/vehicle.h"

#include <array>

namespace kinetra {

// `NextGear` carries the single-precision factor 0.06 on the fifth- and
// sixth-power terms. No decision of the run uses it: the current gear and the
// next are both judged on the plain curve, the one the engine gives.
enum class TorqueForm { Plain, NextGear };

// The single-precision 60 / 1000, widened: 0.0599999986588955.
inline constexpr double kNextGearFactor = static_cast<double>(0.06F);

// Full-load torque at engine speed n, from the polynomial c0 + c1 n + ... + c6 n^6,
// each power built by repeated multiplication by n.
double EngineTorque(double n, TorqueForm form, const std::array<double, 7>& c);

// OverallRatio[0] := 0, OverallRatio[g] := i_g x i0 for all six gears; and
// the first-step means of gears 5 and 6 := 0, so that a four- or five-gear
// box compares its top gear with 0.
void FillOverallRatios(CalcTables& tables, const Vehicle& vehicle);

// Acceleration at speed entries 1 and 2, and their mean, for gears 1 .. gearCount
// (at most 6).
void FillStartTables(CalcTables& tables, const Vehicle& vehicle, int gearCount);

} // namespace kinetra
