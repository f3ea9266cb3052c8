#pragma once

#include "kinetra/calc_input.h"

#include <limits>
#include <vector>

namespace kinetra {

// What held a step's acceleration. A car without limits runs every step at
// the engine's full load.
enum class StepLimit {
    Engine,   // full load at the engine's own speed
    Launch,   // the clutch slipped: the engine held at «Régimen de salida»
    Grip,     // the tyres' grip capped the force at the wheels
    ShiftGap, // a change up under way: no engine force, the car coasts under its road load
};

// One stretch of the run as the calculation timed it. A car without limits
// runs in whole 1 m/s steps. With limits a step is at most 1 m/s long and
// never crosses a grid speed or an event (the red line, the end of the
// clutch slip, the grip limit, a change up), so that one limit holds
// throughout it; a shift gap is one step whose speed may fall.
struct TraceStep {
    double fromSpeed = 0;        // m/s
    double toSpeed = 0;          // m/s
    int gear = 0;                // the gear the step was timed in; in a shift gap, the gear being engaged
    double seconds = 0;          // the step's time, as added into the total
    double accelerationFrom = 0; // m/s², at the lower speed
    double accelerationTo = 0;   // m/s², at the upper speed
    double engineFrom = 0;       // rev/min, at the lower speed
    double engineTo = 0;         // rev/min, at the upper speed
    StepLimit limit = StepLimit::Engine;
    // The engine reached «Régimen máximo» at toSpeed: the change up that
    // follows was forced by it.
    bool endsAtRedLine = false;
};

// One gear's acceleration at every speed of the run's grid (full load, plain
// torque form; with limits, capped by the grip and with the clutch slipping
// below the launch speed): a curve of the traction diagram. A speed at which
// the gear's acceleration cannot be worked out, or which runs the engine past
// its red line, holds NaN.
struct GearCurve {
    int gear = 0;
    std::vector<double> acceleration; // by grid speed, as RunTrace::gridSpeeds
    // Where the engine reaches the red line in this gear, when that lies
    // within the grid: the curve ends at this point. NaN otherwise.
    double redLineSpeed = std::numeric_limits<double>::quiet_NaN();        // m/s
    double redLineAcceleration = std::numeric_limits<double>::quiet_NaN(); // m/s²
};

// What the run did, step by step, recorded by the calculation itself while it
// timed the run: the step times, added from the first in this order, are the
// total time of the sentence, and the last step's gear is its final gear.
struct RunTrace {
    int startGear = 0;
    std::vector<TraceStep> steps;
    std::vector<double> gridSpeeds;  // m/s: the 1 m/s grid from the initial speed to the final one
    std::vector<GearCurve> traction; // every gear of the gearbox that has a ratio
    double redLine = 0;              // rev/min, «Régimen máximo»; 0 when the car has none
    bool limitsTyped = false;        // a box of the car's limits was filled in, whether or not it acted
    // «Eje motriz» as the grip used it, and the load in kg that each m/s² of
    // acceleration moves from the front axle onto the rear one, m × h / (L ×
    // 9.81); 0 without a height and a wheelbase or without a grip limit.
    DrivenAxle drivenAxle = DrivenAxle::None;
    double loadPerAcceleration = 0; // kg per m/s²
    double mass = 0;                // kg, the car's
};

} // namespace kinetra
