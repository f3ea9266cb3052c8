#pragma once

#include "kinetra/details_text.h"

#include <QColor>
#include <QFont>
#include <QLocale>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace kinetra {

// Each gear in a colour of its own, the same in both charts.
QColor GearColour(int gear);

// Speed against time, a line per gear, each change up marked with its speed;
// the `previous` run, when there is one, drawn faintly beneath and named in
// the legend with its time.
// Both charts write in `font`, the window's, as the rest of the window does.
QChart* SpeedChart(const ShownRun& run, const RunTrace* previous, const QLocale& locale, const QFont& font);

// The traction diagram: each gear's acceleration against speed, with the path
// the run took drawn over it and the changes up marked.
QChart* TractionChart(const ShownRun& run, const QLocale& locale, const QFont& font);

} // namespace kinetra
