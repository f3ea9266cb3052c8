#pragma once

#include "inputs/vehicle.h"
#include "kinetra/calc_tables.h"

namespace kinetra {

// How many whole 1 m/s steps lie between the speeds as typed. The speeds
// reach us rounded to binary, so their difference may miss a whole number by
// a few units in the last place (4.1 - 0.1 is 3.9999999999999996): a
// difference that close to a whole number is that number; any other is
// rounded down (0 to 2.5 is 2 steps). Clamped to 0 .. Table::kSize, which is
// all the range checks need to tell.
int WholeSteps(double initialSpeed, double finalSpeed);

// Speed entry j stands for the speed (j + Vi) - 1: entry 1 is the initial
// speed. Both fills write entries 0 to vehicle.steps + 1, which must lie in
// the tables: at most Table::kSize - 2 steps, as the speed-range check allows.

// RoadLoad[j] := Fs + (Frr + v x (v x (S x k))): slope force, rolling
// resistance and aerodynamic drag at the entry's speed.
void FillRoadLoad(CalcTables& tables, const Vehicle& vehicle);

// What a wheel's speed in m/s is divided by, after the radius, to give its
// revolutions per second: this figure, a little short of 2 x pi, is the one
// every wheel speed of the calculation is worked out with.
inline constexpr double kRadiansPerTurn = 6.28303384;

// WheelSpeed[j] := (v / r) / kRadiansPerTurn, in wheel revolutions per second.
void FillWheelSpeed(CalcTables& tables, const Vehicle& vehicle);

} // namespace kinetra
