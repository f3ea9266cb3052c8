#pragma once

#include "kinetra/run_trace.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kinetra {

// One stretch of the run in one gear, or the whole run.
struct GearStretch {
    int gear = 0;         // 0 for the whole run
    double fromSpeed = 0; // m/s
    double toSpeed = 0;   // m/s
    double seconds = 0;
    double metres = 0;
    double engineIn = 0;  // rev/min on entering the gear
    double engineOut = 0; // rev/min on leaving it
};

// A gear's stretches, in the order the run used them. The distance of a step
// is the trapezoid of its two speeds over its time, as the time itself is.
std::vector<GearStretch> GearStretches(const RunTrace& run);

// The whole run: its time is the step times added from the first, as the
// sentence's time is; it carries no engine speeds.
GearStretch WholeRun(const RunTrace& run);

// The last two different runs that succeeded, the latest first: the details
// show the latest and draw the one before faintly, to compare two gear sets.
// The same run again replaces the latest and keeps the one before.
struct RunHistory {
    std::optional<RunTrace> latest;
    std::optional<RunTrace> previous;

    void Add(RunTrace run);
};

// km/h from m/s.
double KilometresPerHour(double metresPerSecond);

// "2.ª"
QString GearName(int gear);

// The table of the details, a row per gear and the whole run last, written
// in `locale` without group separators.
QStringList TableHeader();
std::vector<QStringList> TableRows(const RunTrace& run, const QLocale& locale);

// The same table as tab-separated text with its header, a line per row, for
// pasting into a spreadsheet set to the same locale.
QString TableAsTsv(const RunTrace& run, const QLocale& locale);

// The run told in words: start and final gear, time, distance, speeds.
QString RunInWords(const RunTrace& run, const QLocale& locale);

// A change up: the step it happened at is timed wholly in the new gear, so
// it happens at that step's lower speed.
struct ChangeUp {
    int toGear = 0;
    double seconds = 0;      // from the start of the run
    double speed = 0;        // m/s
    double acceleration = 0; // m/s², in the new gear
};
std::vector<ChangeUp> ChangesUp(const RunTrace& run);

// What the two charts show, in words, for screen readers.
QString SpeedChartInWords(const RunTrace& run, const RunTrace* previous, const QLocale& locale);
QString TractionChartInWords(const RunTrace& run, const QLocale& locale);

} // namespace kinetra
