#pragma once

#include "kinetra/torque_curve_fit.h"

#include <QFont>
#include <QLocale>

#include <optional>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace kinetra {

// With no points, the current curve is drawn over the speeds of a usual car
// engine.
inline constexpr double kUsualLastSpeed = 6000;

// The engine speeds the chart covers, in rev/min: the points' first and
// last, and the end of the speed axis, past the last.
struct ChartedSpeeds {
    double first;
    double last;
    double end;
};
ChartedSpeeds SpeedsCharted(const TorqueCurveFit* fit);

// Torque and power against engine speed: the `fit`, when there is one, with
// its points and its extrapolated parts dashed; the `current` curve of the
// torque column faintly.
QChart* TorqueCurveChart(const TorqueCurveFit* fit, const std::optional<TorqueCoefficients>& current,
                         const ChartedSpeeds& speeds, const QLocale& locale, const QFont& font);

} // namespace kinetra
