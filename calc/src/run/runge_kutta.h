#pragma once

namespace kinetra {

// Where the car is at a moment of a run.
struct TimedPoint {
    double seconds = 0;
    double distance = 0; // m
    double speed = 0;    // m/s
};

// One step of `dt` from `from` by the classic Runge-Kutta rule, with the
// acceleration `a(v)`: speed and distance together.
template <class Acceleration>
TimedPoint RungeKuttaStep(const TimedPoint& from, double dt, Acceleration a)
{
    const double v = from.speed;
    const double k1 = a(v);
    const double v2 = v + dt / 2 * k1;
    const double k2 = a(v2);
    const double v3 = v + dt / 2 * k2;
    const double k3 = a(v3);
    const double v4 = v + dt * k3;
    const double k4 = a(v4);
    return {from.seconds + dt, from.distance + dt / 6 * (v + 2 * v2 + 2 * v3 + v4),
            v + dt / 6 * (k1 + 2 * k2 + 2 * k3 + k4)};
}

} // namespace kinetra
