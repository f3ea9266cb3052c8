#include "kinetra/run_summary.h"

#include <algorithm>

namespace kinetra {
namespace {

double StepMetres(const TraceStep& step)
{
    return ((step.fromSpeed + step.toSpeed) / 2) * step.seconds;
}

// The load moved onto the driven axle, and how far the grip and the clutch
// held the car, as far as this step.
void NoteWhatActed(ActedLimits& acted, const TraceStep& step, double loadPerAcceleration)
{
    if (step.limit != StepLimit::ShiftGap) {
        const double most = std::max(step.accelerationFrom, step.accelerationTo);
        acted.loadMoved = std::max(acted.loadMoved, most * loadPerAcceleration);
    }
    if (step.limit == StepLimit::Grip) {
        acted.gripUpTo = std::max(acted.gripUpTo, step.toSpeed);
    } else if (step.limit == StepLimit::Launch) {
        acted.launchUpTo = std::max(acted.launchUpTo, step.toSpeed);
    }
}

} // namespace

RunSummary Summarize(const RunTrace& run)
{
    RunSummary summary;
    summary.startGear = run.startGear;
    if (run.steps.empty()) {
        return summary;
    }
    summary.finalGear = run.steps.back().gear;
    summary.whole.fromSpeed = run.steps.front().fromSpeed;
    summary.whole.toSpeed = run.steps.back().toSpeed;
    summary.stepMetres.reserve(run.steps.size());
    ActedLimits& acted = summary.limits;
    acted.drivenAxle = run.drivenAxle;
    acted.mass = run.mass;
    double seconds = 0;
    // The gear stretch of the change up under way, until its gear drives.
    bool awaitingDrive = false;
    for (std::size_t i = 0; i < run.steps.size(); ++i) {
        const TraceStep& step = run.steps[i];
        const double metres = StepMetres(step);
        summary.stepMetres.push_back(metres);
        const bool newGear = i == 0 || step.gear != run.steps[i - 1].gear;
        if (newGear) {
            summary.stretches.push_back({step.gear, step.fromSpeed, step.fromSpeed, 0, 0, step.engineFrom, 0});
        }
        if (newGear && i > 0) {
            const bool atRedLine = run.steps[i - 1].endsAtRedLine;
            summary.changes.push_back({step.gear, seconds, step.fromSpeed, step.accelerationFrom, atRedLine});
            if (atRedLine) {
                acted.redLine = run.redLine;
                ++acted.redLineChanges;
            }
        }
        if (step.limit == StepLimit::ShiftGap) {
            summary.shiftGaps.push_back({step.gear, seconds, step.fromSpeed, step.toSpeed, step.seconds});
            ++acted.shiftGaps;
            acted.shiftSeconds = std::max(acted.shiftSeconds, step.seconds);
            awaitingDrive = true;
        } else if (awaitingDrive) {
            // The gear takes the drive where the gap left the car.
            summary.stretches.back().engineIn = step.engineFrom;
            if (!summary.changes.empty()) {
                summary.changes.back().acceleration = step.accelerationFrom;
            }
            awaitingDrive = false;
        }
        NoteWhatActed(acted, step, run.loadPerAcceleration);
        GearStretch& stretch = summary.stretches.back();
        stretch.toSpeed = step.toSpeed;
        stretch.seconds += step.seconds;
        stretch.metres += metres;
        stretch.engineOut = step.engineTo;
        summary.whole.seconds += step.seconds;
        summary.whole.metres += metres;
        seconds += step.seconds;
    }
    return summary;
}

} // namespace kinetra
