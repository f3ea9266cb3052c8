#pragma once

#include "kinetra/run_summary.h"
#include "kinetra/run_trace.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kinetra {

// A run as the calculation recorded it, with its summary worked out once.
struct ShownRun {
    RunTrace trace;
    RunSummary summary;
};

// The last two different runs that succeeded, the latest first: the details
// show the latest and draw the one before faintly, to compare two gear sets.
// The same run again replaces the latest and keeps the one before.
struct RunHistory {
    std::optional<ShownRun> latest;
    std::optional<ShownRun> previous;

    void Add(RunTrace run);
};

// "2.ª"
QString GearName(int gear);

// The table of the details, a row per gear and the whole run last, written
// in `locale` without group separators.
QStringList TableHeader();
std::vector<QStringList> TableRows(const RunSummary& run, const QLocale& locale);

// The same table as tab-separated text with its header, a line per row, for
// pasting into a spreadsheet set to the same locale.
QString TableAsTsv(const RunSummary& run, const QLocale& locale);

// The run told in words: start and final gear, time, distance, speeds.
QString RunInWords(const RunSummary& run, const QLocale& locale);

// Which of the car's limits acted, as one line in `locale` ("Adherencia
// hasta 9,3 m/s; cambios a 6500 rev/min; 4 cambios de 0,3 s."); empty when
// none did.
QString LimitsInWords(const ActedLimits& acted, const QLocale& locale);

// What the model of a car with limits leaves out, as one line.
QString WhatTheModelLeavesOut();

// What the two charts show, in words, for screen readers.
QString SpeedChartInWords(const RunSummary& run, const RunSummary* previous, const QLocale& locale);
QString TractionChartInWords(const ShownRun& run, const QLocale& locale);

} // namespace kinetra
