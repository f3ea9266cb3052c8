#pragma once

#include "inputs/car_limits.h"
#include "inputs/vehicle.h"
#include "kinetra/calc_input.h"

namespace kinetra {

// Values no vehicle can have, and speeds the 1 m/s grid cannot cover, are
// answered with an InvalidInput fault that names the box, before any table
// is touched: a negative ratio, mass, tyre size, efficiency, drag or rolling
// coefficient; an efficiency above 1; a mass or mass factor that is not
// above 0; a gear without a ratio below one that has it; a negative initial
// speed; fewer than 1 or more than 399 whole steps. A downhill slope, any torque coefficient and an
// efficiency of 0 are left to the calculation.
void CheckInputs(const CalcInput& input, const Vehicle& vehicle, int gearCount);

// The car's limits that no engine, gearbox or tyre can have, answered the
// same way: a red line of 0 or less, a launch speed at or above the red line,
// a gear change that takes less than 0 or more than 5 s, a grip coefficient
// not above 0 or above 3, a driven-axle share outside 0 to 100 % (or other
// than 100 with both axles driven), only one of grip and share, which only
// act together; a centre of gravity's height or a wheelbase not above 0, only
// one of the two, the two with no driven axle chosen, and a rear-driven car
// whose μ × height / wheelbase is 1 or more, whose front wheels would lift.
void CheckLimits(const LimitTexts& texts, const CarLimits& limits);

} // namespace kinetra
