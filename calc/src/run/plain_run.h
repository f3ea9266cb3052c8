#pragma once

#include "inputs/vehicle.h"
#include "kinetra/calc_tables.h"

#include <QLocale>

#include <optional>

namespace kinetra {

struct RunTrace;

// The gears that take part: 1 up to the last one with a ratio, within the
// window's gear count; 0 when no gear has a ratio. A gear without a ratio
// sends no force to the wheels, so it is no gear to start or change up into.
int TopGear(const Vehicle& vehicle, int gearCount);

// The highest of gears 1 .. topGear whose mean first-step acceleration beats
// both neighbours (gear 0 and the gear above topGear count as 0, whatever
// the table holds for a gear without a ratio); none when no gear does.
std::optional<int> ChooseStartGear(const CalcTables& tables, int topGear);

struct RunTime {
    int finalGear = 0;
    double totalSeconds = 0;
};

// Walks the speed grid in whole 1 m/s steps from Vi, step s going from speed
// entry s to s + 1 with its time in StepTime[s]. Each step after the first
// changes up one gear when the next gear accelerates at least as hard, never
// past topGear. A step that cannot be completed with positive acceleration
// is a CannotAccelerate fault naming the speed. The run must fit the tables
// (at most Table::kSize - 2 steps, as the speed-range check allows) and start
// in a gear of the gearbox. With a `trace`, every step is also recorded there
// as it is timed, and the traction diagram of the gears taking part is added.
// `locale` writes the km/h of a report.
RunTime IntegrateTime(CalcTables& tables, const Vehicle& vehicle, int startGear, int topGear, const QLocale& locale,
                      RunTrace* trace = nullptr);

} // namespace kinetra
