#pragma once

#include "inputs/vehicle.h"
#include "kinetra/calc_tables.h"

namespace kinetra {

// OverallRatio[0] := 0, OverallRatio[g] := i_g x i0 for all six gears; and
// the first-step means of gears 5 and 6 := 0, so that a four- or five-gear
// box compares its top gear with 0.
void FillOverallRatios(CalcTables& tables, const Vehicle& vehicle);

// Acceleration at speed entries 1 and 2, and their mean, for gears 1 .. gearCount
// (at most 6).
void FillStartTables(CalcTables& tables, const Vehicle& vehicle, int gearCount);

} // namespace kinetra
