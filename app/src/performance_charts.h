#pragma once

#include "kinetra/input_study.h"
#include "kinetra/performance.h"

#include <QFont>
#include <QLocale>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace kinetra {

// Speed in km/h against distance from rest, with the 400 m and 1000 m lines.
QChart* DistanceChart(const PerformanceSheet& sheet, const QLocale& locale, const QFont& font);

// The figure against the studied input, a gap where the car cannot run, with
// the typed value and the best one marked.
QChart* StudyChart(const std::vector<StudyPoint>& points, BoxId box, const StudyPoint& typed, Figure figure,
                   const QLocale& locale, const QFont& font);

} // namespace kinetra
