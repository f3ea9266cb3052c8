#pragma once

#include "kinetra/torque_curve_fit.h"
#include "torque_curve_chart.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace kinetra {

// How the points box reads what is typed or pasted in it.
QString PointsDescription();

// What the dialog says under its chart, a line each: the fit and its
// warnings, why there is none, or what to type and, before anything is
// fitted, what the `current` coefficients mean. `askedDegree` is the one
// chosen in the dialog.
QStringList OutcomeInWords(const CurveOutcome& outcome, int askedDegree,
                           const std::optional<TorqueCoefficients>& current, const QLocale& locale);

// The chart in words, for screen readers and as its tooltip.
QStringList CurveChartInWords(const TorqueCurveFit* fit, const std::optional<TorqueCoefficients>& current,
                              const ChartedSpeeds& speeds, const QLocale& locale);

} // namespace kinetra
