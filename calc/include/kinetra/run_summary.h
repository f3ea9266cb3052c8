#pragma once

#include "kinetra/run_trace.h"

#include <vector>

namespace kinetra {

// One stretch of the run in one gear, or the whole run. A shift gap belongs
// to the gear being engaged, so that the stretches cover the run.
struct GearStretch {
    int gear = 0;         // 0 for the whole run
    double fromSpeed = 0; // m/s
    double toSpeed = 0;   // m/s
    double seconds = 0;
    double metres = 0;
    double engineIn = 0;  // rev/min when the gear takes the drive
    double engineOut = 0; // rev/min on leaving it
};

// A change up. Without limits the step it happened at is timed wholly in the
// new gear, so it happens at that step's lower speed; with a shift time it
// happens where the gap begins.
struct ChangeUp {
    int toGear = 0;
    double seconds = 0;      // from the start of the run
    double speed = 0;        // m/s, where the gear below lets go
    double acceleration = 0; // m/s², in the new gear where it takes the drive (after the shift gap, if any)
    bool atRedLine = false;  // forced by «Régimen máximo»
};

// The time of a change up with no engine force.
struct ShiftGap {
    int toGear = 0;
    double startSeconds = 0; // from the start of the run
    double speedBefore = 0;  // m/s
    double speedAfter = 0;   // m/s
    double seconds = 0;
};

// Which of the car's limits acted, as numbers; all 0 when none did.
struct ActedLimits {
    double gripUpTo = 0;     // m/s: the highest speed at which the grip capped the force
    double launchUpTo = 0;   // m/s: the highest speed at which the clutch slipped
    double redLine = 0;      // rev/min at which the engine forced a change up
    int redLineChanges = 0;  // changes up it forced
    int shiftGaps = 0;       // changes up timed with no engine force
    double shiftSeconds = 0; // s: the longest of those gaps
    // The driven axle the grip acted on, and the most load in kg that the
    // acceleration moved from the front axle onto the rear one: the driven
    // axle gained it (rear) or lost it (front); 0 without load transfer.
    DrivenAxle drivenAxle = DrivenAxle::None;
    double loadMoved = 0;
    double mass = 0; // kg, the car's
};

// Everything the details show about a run, worked out once from its trace.
struct RunSummary {
    int startGear = 0;
    int finalGear = 0;
    std::vector<GearStretch> stretches; // a gear's stretches in the order the run used them
    GearStretch whole; // the step times added from the first, as the sentence's time is; no engine speeds
    std::vector<ChangeUp> changes;
    std::vector<ShiftGap> shiftGaps;
    std::vector<double> stepMetres; // by step of the trace: the trapezoid of its two speeds over its time
    ActedLimits limits;
};

RunSummary Summarize(const RunTrace& run);

} // namespace kinetra
