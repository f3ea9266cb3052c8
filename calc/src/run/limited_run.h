#pragma once

#include "inputs/car_limits.h"
#include "inputs/vehicle.h"
#include "kinetra/calc_input.h"
#include "kinetra/calc_tables.h"
#include "run/plain_run.h"

#include <QLocale>

namespace kinetra {

struct RunTrace;

struct LimitedRunTime {
    int startGear = 0;
    RunTime time;
};

// The run of a car with limits, from the initial speed to the typed final
// speed exactly, in gears 1 .. topGear (topGear >= 1).
//
// The engine turns at the speed the wheels give it; below the launch speed
// the clutch slips and the engine gives its torque at the launch speed. The
// acceleration is the engine's force less the road load over the effective
// mass, but never more than the grip allows: the tyres' force, the car's own
// mass times the acceleration plus the road load, stays within μ times the
// driven axle's load, which load transfer raises (rear) or lowers (front). The
// run starts in the lowest of the gears that pull hardest over the first
// step, leaving out gears already at the red line; it changes up where the
// next gear pulls harder (a tie keeps the gear) or where the engine reaches
// the red line, and each change up coasts under the road load for the shift
// time. StepTime[s] receives the time spent in grid step s.
//
// A speed the car cannot pass, because nothing pulls or because the top gear
// reaches the red line, is a CannotAccelerate fault that says so; a start that
// no gear can make is a NoStartingGear fault. `locale` writes the km/h of a
// report.
LimitedRunTime RunWithLimits(CalcTables& tables, const CalcInput& input, const Vehicle& vehicle,
                             const CarLimits& limits, int topGear, const QLocale& locale, RunTrace* trace);

} // namespace kinetra
