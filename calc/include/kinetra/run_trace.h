#pragma once

#include <vector>

namespace kinetra {

// One 1 m/s step of the run as the calculation timed it.
struct TraceStep {
    double fromSpeed = 0;        // m/s
    double toSpeed = 0;          // m/s
    int gear = 0;                // the gear the step was timed in
    double seconds = 0;          // the step's time, as added into the total
    double accelerationFrom = 0; // m/s², at the lower speed
    double accelerationTo = 0;   // m/s², at the upper speed
    double engineFrom = 0;       // rev/min, at the lower speed
    double engineTo = 0;         // rev/min, at the upper speed
};

// One gear's acceleration at every speed of the run's grid (full load, plain
// torque form): a curve of the traction diagram. A speed at which the gear's
// acceleration cannot be worked out holds NaN.
struct GearCurve {
    int gear = 0;
    std::vector<double> acceleration; // by grid speed, as RunTrace::gridSpeeds
};

// What the run did, step by step, recorded by the calculation itself while it
// timed the run: the step times, added from the first in this order, are the
// total time of the sentence, and the last step's gear is its final gear.
struct RunTrace {
    int startGear = 0;
    std::vector<TraceStep> steps;
    std::vector<double> gridSpeeds;  // m/s: the initial speed, then every step's end
    std::vector<GearCurve> traction; // every gear of the gearbox that has a ratio
};

} // namespace kinetra
