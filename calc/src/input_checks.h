#pragma once

#include "kinetra/calc_input.h"
#include "kinetra/vehicle.h"

namespace kinetra {

// Values no vehicle can have, and speeds the 1 m/s grid cannot cover, are
// answered with an InvalidInput fault that names the box, before any table
// is touched: a negative ratio, mass, tyre size, efficiency, drag or rolling
// coefficient; an efficiency above 1; a mass or mass factor that is not
// above 0; a gear without a ratio below one that has it; a negative initial
// speed; fewer than 1 or more than 399 whole steps. A downhill slope, any torque coefficient and an
// efficiency of 0 are left to the calculation.
void CheckInputs(const CalcInput& input, const Vehicle& vehicle, int gearCount);

} // namespace kinetra
