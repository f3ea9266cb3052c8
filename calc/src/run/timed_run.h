#pragma once

#include "run/limited_car.h"
#include "run/runge_kutta.h"

#include <optional>
#include <vector>

namespace kinetra {

// Where a timed run stops: at a speed or a distance, whichever comes first.
struct TimedRunEnd {
    double speed = kInfinity;    // m/s
    double distance = kInfinity; // m
};

// Why a timed run stopped.
enum class TimedRunStop {
    Reached,  // the end it was given
    TopSpeed, // the car stopped gaining speed: nothing pulls it faster
    RedLine,  // the engine reached «Régimen máximo» with no gear to change up into, short of a speed
              // asked for (a distance is covered at that speed, where the engine still pulls)
};

// A change up: the gear left, and where it was left.
struct TimedChange {
    int gear = 0;
    TimedPoint at;
    double engine = 0; // rev/min on leaving the gear
};

struct TimedRun {
    TimedRunStop stop = TimedRunStop::Reached;
    int lastGear = 0;
    std::vector<TimedPoint> path; // from the start to where it stopped, a point per time step
    std::vector<TimedChange> changes;
};

// A run with the car's limits from `fromSpeed`, integrated in time, so that
// it can end at a distance as well as at a speed. With `heldGear` 0 the gears
// are chosen as the run with limits chooses them: the lowest gear below the
// red line, up while the next pulls harder, then a change up where the next
// gear pulls harder or the engine meets the red line, each coasting for the
// shift time. With a gear held, the run stays in it. A run that has not
// ended after kLongestTimedRun seconds has all but reached its top speed.
TimedRun RunTimed(const Car& car, double fromSpeed, int heldGear, TimedRunEnd end);

inline constexpr double kLongestTimedRun = 300; // s

// Where the run first reaches `speed`, or `distance`, between two of its
// points; none when it never does.
std::optional<TimedPoint> PassingSpeed(const TimedRun& run, double speed);
std::optional<TimedPoint> PassingDistance(const TimedRun& run, double distance);

// The car's top speed: the highest speed at which some gear still pulls, up
// to each gear's red line; the gear, and whether the red line or the road
// load holds it. None when no gear pulls at all.
struct TopSpeed {
    double speed = 0; // m/s
    int gear = 0;
    bool atRedLine = false;
};
std::optional<TopSpeed> TopSpeedOf(const Car& car);

} // namespace kinetra
