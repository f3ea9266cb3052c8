#include "run/timed_run.h"

#include <algorithm>
#include <cmath>

// The scheme. Speed and distance are integrated together in time by the
// classic Runge-Kutta rule in steps of kTimeStep. Where the next gear starts
// pulling harder, the engine meets the red line or the run reaches its end,
// the step is cut short at the moment found by bisection, so that every
// change and every end falls where it happens.

namespace kinetra {
namespace {

constexpr double kTimeStep = 0.01;       // s
constexpr double kTopSpeedStep = 0.25;   // m/s, the search for where a gear stops pulling
constexpr double kFastestSearched = 200; // m/s

class TimedRunner {
public:
    TimedRunner(const Car& car, int heldGear, TimedRunEnd end) : car_(car), held_(heldGear != 0), end_(end)
    {
        run_.lastGear = heldGear != 0 ? heldGear : 1;
    }

    TimedRun From(double speed)
    {
        run_.path.push_back({0, 0, speed});
        if (!held_) {
            // The driver picks the gear before the run starts: no shift time.
            while (run_.lastGear < car_.topGear && MustLeave(Now())) {
                ++run_.lastGear;
            }
        }
        while (!Ended(Now())) {
            if (!(Now().speed < RedLineSpeed())) {
                if (held_ || run_.lastGear == car_.topGear) {
                    run_.stop = HoldAtRedLine() ? TimedRunStop::Reached : TimedRunStop::RedLine;
                    break;
                }
                ChangeUp();
            } else if (!held_ && car_.NextPullsHarder(run_.lastGear, Now().speed)) {
                ChangeUp();
            } else if (!(car_.At(run_.lastGear, Now().speed).acceleration > 0) || Now().seconds > kLongestTimedRun) {
                run_.stop = TimedRunStop::TopSpeed;
                break;
            } else {
                Drive();
            }
        }
        return run_;
    }

private:
    const TimedPoint& Now() const { return run_.path.back(); }
    double RedLineSpeed() const { return car_.redLineSpeed[static_cast<std::size_t>(run_.lastGear)]; }
    bool Ended(const TimedPoint& p) const { return !(p.speed < end_.speed) || !(p.distance < end_.distance); }
    bool MustLeave(const TimedPoint& p) const
    {
        return !(p.speed < RedLineSpeed()) || car_.NextPullsHarder(run_.lastGear, p.speed);
    }

    // In the top gear the engine's cut-off holds the car at the red line, where
    // it still pulls: a distance asked for is covered at that speed. Whether
    // the run reached its end so.
    bool HoldAtRedLine()
    {
        const TimedPoint at = Now();
        if (held_ || !std::isfinite(end_.distance) || !(at.speed > 0)
            || car_.At(run_.lastGear, at.speed).acceleration < 0) {
            return false;
        }
        run_.path.push_back({at.seconds + (end_.distance - at.distance) / at.speed, end_.distance, at.speed});
        return true;
    }

    // One time step in the gear, or less where something happens within it.
    void Drive()
    {
        const auto pull = [&](double v) { return car_.At(run_.lastGear, v).acceleration; };
        const auto event = [&](const TimedPoint& p) {
            return Ended(p) || (held_ ? !(p.speed < RedLineSpeed()) : MustLeave(p));
        };
        Advance(kTimeStep, pull, event);
    }

    // Up one gear, coasting under the road load for the shift time.
    void ChangeUp()
    {
        const double engine = std::min(car_.EngineSpeed(run_.lastGear, Now().speed), car_.redLine) * 60;
        run_.changes.push_back({run_.lastGear, Now(), engine});
        ++run_.lastGear;
        const auto coast = [&](double v) { return car_.CoastAcceleration(v); };
        const double until = Now().seconds + car_.shiftSeconds;
        while (Now().seconds < until && !Ended(Now())) {
            Advance(std::min(kTimeStep, until - Now().seconds), coast, [&](const TimedPoint& p) { return Ended(p); });
        }
    }

    // A step of `dt`, cut short where `event` first holds.
    template <class Acceleration, class Event>
    void Advance(double dt, Acceleration a, Event event)
    {
        const TimedPoint from = Now();
        TimedPoint to = RungeKuttaStep(from, dt, a);
        if (event(to)) {
            to = RungeKuttaStep(from, Crossing(0, dt, [&](double t) { return event(RungeKuttaStep(from, t, a)); }), a);
        }
        Finite(to.speed + to.distance, [] { return QStringLiteral("Pasó al calcular las prestaciones."); });
        run_.path.push_back(to);
    }

    const Car& car_;
    const bool held_;
    const TimedRunEnd end_;
    TimedRun run_;
};

// Where `pick` first holds along the path, between the points around it.
template <class Value>
std::optional<TimedPoint> Passing(const TimedRun& run, double target, Value value)
{
    const auto after = std::ranges::find_if(run.path, [&](const TimedPoint& p) { return !(value(p) < target); });
    if (after == run.path.end()) {
        return std::nullopt;
    }
    if (after == run.path.begin()) {
        return *after;
    }
    const TimedPoint& before = *(after - 1);
    const double share = (target - value(before)) / (value(*after) - value(before));
    const auto between = [&](double a, double b) { return a + share * (b - a); };
    return TimedPoint{between(before.seconds, after->seconds), between(before.distance, after->distance),
                      between(before.speed, after->speed)};
}

// The highest speed at which `gear` pulls, up to its red line: where it
// stops pulling after it has pulled, or its red line if it still pulls there.
std::optional<TopSpeed> TopSpeedIn(const Car& car, int gear)
{
    const double limit = std::min(car.redLineSpeed[static_cast<std::size_t>(gear)], kFastestSearched);
    const auto pulls = [&](double v) { return car.At(gear, v).acceleration > 0; };
    bool pulled = false;
    for (double lower = 0, v = std::min(kTopSpeedStep, limit);; lower = v, v = std::min(v + kTopSpeedStep, limit)) {
        if (pulled && !pulls(v)) {
            return TopSpeed{Crossing(lower, v, [&](double x) { return !pulls(x); }), gear, false};
        }
        if (v == limit) {
            return pulls(v) ? std::optional(TopSpeed{v, gear, limit < kFastestSearched}) : std::nullopt;
        }
        pulled = pulled || pulls(v);
    }
}

} // namespace

TimedRun RunTimed(const Car& car, double fromSpeed, int heldGear, TimedRunEnd end)
{
    return TimedRunner(car, heldGear, end).From(fromSpeed);
}

std::optional<TimedPoint> PassingSpeed(const TimedRun& run, double speed)
{
    return Passing(run, speed, [](const TimedPoint& p) { return p.speed; });
}

std::optional<TimedPoint> PassingDistance(const TimedRun& run, double distance)
{
    return Passing(run, distance, [](const TimedPoint& p) { return p.distance; });
}

std::optional<TopSpeed> TopSpeedOf(const Car& car)
{
    std::optional<TopSpeed> top;
    for (int gear = 1; gear <= car.topGear; ++gear) {
        const std::optional<TopSpeed> here = TopSpeedIn(car, gear);
        if (here && (!top || here->speed > top->speed)) {
            top = here;
        }
    }
    return top;
}

} // namespace kinetra
