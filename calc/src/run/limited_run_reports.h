#pragma once

#include "kinetra/calc_input.h"
#include "kinetra/calc_tables.h"
#include "kinetra/run_trace.h"
#include "run/limited_car.h"

#include <QLocale>

namespace kinetra {

// The reports on a car with limits that cannot go on. Each names the speed it
// reached, rounded down to a tenth so that a final speed typed as said is one
// the car reaches, in m/s and in km/h written with `locale`.

// The top gear reaches «Régimen máximo» at `v`.
[[noreturn]] void ThrowRedLineTopSpeed(const Car& car, double v, int gear, const QLocale& locale);

// Nothing pulls in `gear` at `v`: the grip or the engine, as `limit` says.
[[noreturn]] void ThrowStall(const Car& car, double v, int gear, StepLimit limit, const QLocale& locale);

// A sub-step from `pulling` to `stalled` ends without pull: where it loses it.
[[noreturn]] void ThrowStallWithin(const Car& car, int gear, double pulling, double stalled, const QLocale& locale);

// No gear can start: every one is past the red line at the initial speed, or
// the grip cannot beat the road's resistance, or the engine cannot.
[[noreturn]] void ThrowNoStart(const Car& car, const CalcInput& input, const CalcTables& tables,
                               bool anyGearBelowRedLine, const QLocale& locale);

// The road's resistance stops the car during the change up to `gear`, which
// began at `from`.
[[noreturn]] void ThrowStoppedInShift(const Car& car, int gear, double from, const QLocale& locale);

// After the shift gap to `gear` the car, at `v`, cannot pull; it had reached
// `fastest`.
[[noreturn]] void ThrowStallAfterGap(const Car& car, int gear, double fastest, double v, const QLocale& locale);

} // namespace kinetra
