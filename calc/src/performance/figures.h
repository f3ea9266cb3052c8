#pragma once

#include "kinetra/performance.h"
#include "run/limited_car.h"
#include "run/timed_run.h"

namespace kinetra {

inline constexpr double k100Kmh = 100 / 3.6; // m/s
inline constexpr double k80Kmh = 80 / 3.6;
inline constexpr double k120Kmh = 120 / 3.6;

// The run from rest the figures from rest read, ending at `end`.
TimedRun RunFromRest(const Car& car, TimedRunEnd end);

// The time from rest to `speed` (m/s) or over `distance` (m) on `run`.
FigureValue TimeToSpeed(const TimedRun& run, double speed, const QLocale& locale);
FigureValue TimeOverDistance(const TimedRun& run, double distance);

// 80 to 120 km/h, in `heldGear` or (0) with the gears chosen freely.
FigureValue Overtaking(const Car& car, int heldGear, const QLocale& locale);

// The top speed as a figure: its speed, or why there is none.
FigureValue TopSpeedFigure(const Car& car);

// Any figure but the sentence's time, for the car on its own.
FigureValue FigureOf(const Car& car, Figure figure, const QLocale& locale);

} // namespace kinetra
