#include "torque_curve_chart.h"

#include "chart_kit.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

// The chart goes a quarter beyond the last point: an engine driven past it
// still meets the polynomial there.
constexpr double kBeyondLastPoint = 1.25;
// Speeds and torques past any engine's are only typing errors: the axes
// stop there rather than overflow.
constexpr double kAbsurd = 1e12;

// Told apart also by those who see red and green alike, as the details' gears.
constexpr QRgb kTorqueColour = kDistinctColours[0];
constexpr QRgb kPowerColour = kDistinctColours[1];

// A polynomial far from its points can overflow: such points are left out.
QLineSeries* Curve(const QString& name, const QPen& pen, double from, double to, auto valueAt)
{
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(pen);
    constexpr int kSteps = 200;
    for (int i = 0; i <= kSteps; ++i) {
        const double rpm = from + (to - from) * i / kSteps;
        if (const double value = valueAt(rpm); std::isfinite(value)) {
            series->append(rpm, value);
        }
    }
    return series;
}

using Span = std::pair<double, double>; // lowest, highest

// What a series reaches, within `limit`: a curve that runs away beyond the
// last point is cut off rather than squeeze the part that matters.
void Widen(Span& range, const QXYSeries& series, Span limit = {-HUGE_VAL, HUGE_VAL})
{
    for (const QPointF& point : series.points()) {
        const double y = std::clamp(point.y(), limit.first, limit.second);
        range.first = std::min(range.first, y);
        range.second = std::max(range.second, y);
    }
}

// 1, 2, 2.5 or 5 times a power of ten, cutting `span` into about `parts`.
double NiceStep(double span, int parts)
{
    if (!(span > 0) || !std::isfinite(span)) {
        return 1;
    }
    const double raw = span / parts;
    const double magnitude = std::pow(10, std::floor(std::log10(raw)));
    for (const double times : {1.0, 2.0, 2.5, 5.0}) {
        if (times * magnitude >= raw) {
            return times * magnitude;
        }
    }
    return 10 * magnitude;
}

// Torque on the left, power on the right, with their zeros and grid lines
// level, so that neither axis reads against the other's lines.
void LevelAxes(QValueAxis& torqueAxis, Span torque, QValueAxis& powerAxis, Span power)
{
    const double torqueStep = NiceStep(torque.second - torque.first, 5);
    const double powerStep = NiceStep(power.second - power.first, 5);
    const double low = std::min(std::floor(torque.first / torqueStep), std::floor(power.first / powerStep));
    const double high = std::max(std::ceil(torque.second / torqueStep), std::ceil(power.second / powerStep));
    torqueAxis.setRange(low * torqueStep, std::max(high, low + 1) * torqueStep);
    powerAxis.setRange(low * powerStep, std::max(high, low + 1) * powerStep);
    const int ticks = static_cast<int>(std::clamp(std::max(high, low + 1) - low, 1.0, 30.0)) + 1;
    for (const auto& [axis, step] : {std::pair{&torqueAxis, torqueStep}, std::pair{&powerAxis, powerStep}}) {
        axis->setTickCount(ticks);
        // As many decimals as the step needs: 2.5 shows as 2.5, 50 as 50.
        int decimals = 0;
        for (double scaled = step; decimals < 6 && std::fabs(scaled - std::round(scaled)) > 1e-9 * scaled;
             scaled *= 10) {
            ++decimals;
        }
        axis->setLabelFormat(u"%.%1f"_s.arg(decimals));
    }
}

struct Axes {
    QValueAxis* speed;
    QValueAxis* torque;
    QValueAxis* power;
};

// What the torque and the power curves reach.
struct Ranges {
    Span torque{0, 0};
    Span power{0, 0};
};

// The speed axis runs from rest to `end`; the other two wait for the curves.
Axes AddCurveAxes(QChart& chart, double end)
{
    auto* speedAxis = new QValueAxis;
    speedAxis->setTitleText(u"Régimen (rev/min)"_s);
    const double speedStep = NiceStep(end, 6);
    speedAxis->setRange(0, std::ceil(end / speedStep) * speedStep);
    speedAxis->setTickCount(static_cast<int>(std::clamp(std::ceil(end / speedStep), 1.0, 30.0)) + 1);
    auto* torqueAxis = new QValueAxis;
    torqueAxis->setTitleText(u"Par (N·m)"_s);
    auto* powerAxis = new QValueAxis;
    powerAxis->setTitleText(u"Potencia (kW)"_s);
    speedAxis->setLabelFormat(u"%.0f"_s);
    chart.addAxis(speedAxis, Qt::AlignBottom);
    chart.addAxis(torqueAxis, Qt::AlignLeft);
    chart.addAxis(powerAxis, Qt::AlignRight);
    return {speedAxis, torqueAxis, powerAxis};
}

void Add(QChart& chart, const Axes& axes, QXYSeries* series, QValueAxis* valueAxis, bool inLegend = true)
{
    chart.addSeries(series);
    series->attachAxis(axes.speed);
    series->attachAxis(valueAxis);
    ShowInLegend(chart, series, inLegend);
}

QLineSeries* AddCurrentCurve(QChart& chart, const Axes& axes, const TorqueCoefficients& c, double end)
{
    auto* line = Curve(u"Curva actual"_s, QPen(QColor(120, 120, 120, 150), 2, Qt::DashDotLine), 0, end,
                       [&](double rpm) { return CurveTorque(c, rpm); });
    Add(chart, axes, line, axes.torque);
    return line;
}

void AddFittedCurves(QChart& chart, const Axes& axes, const TorqueCurveFit& fit, const ChartedSpeeds& speeds,
                     Ranges& ranges)
{
    const auto [first, last, end] = speeds;
    const TorqueCoefficients c = fit.coefficients;
    const auto torque = [&](double rpm) { return CurveTorque(c, rpm); };
    const auto power = [&](double rpm) { return CurvePower(c, rpm); };
    const QPen torqueGuess(QColor(kTorqueColour), 2, Qt::DashLine);
    const QPen powerGuess(QColor(kPowerColour), 2, Qt::DashLine);
    // From rest up to the first point the calculation uses the curve as
    // it is; beyond the last, only if the engine is driven past it.
    auto* torqueLine = Curve(u"Par"_s, QPen(QColor(kTorqueColour), 3), first, last, torque);
    auto* powerLine = Curve(u"Potencia"_s, QPen(QColor(kPowerColour), 2), first, last, power);
    auto* torqueBelow = Curve(u"Par extrapolado"_s, torqueGuess, 0, first, torque);
    auto* powerBelow = Curve(u"Potencia extrapolada"_s, powerGuess, 0, first, power);
    auto* torqueBeyond = Curve(u"Extrapolado"_s, torqueGuess, last, end, torque);
    auto* powerBeyond = Curve(u"Potencia extrapolada"_s, powerGuess, last, end, power);
    // The axes, in the curves' colours, name them: the legend keeps to
    // what they do not say, and fits a narrow chart.
    Add(chart, axes, torqueLine, axes.torque, false);
    Add(chart, axes, powerLine, axes.power, false);
    Add(chart, axes, torqueBeyond, axes.torque);
    Add(chart, axes, powerBeyond, axes.power, false);
    Add(chart, axes, torqueBelow, axes.torque, false);
    Add(chart, axes, powerBelow, axes.power, false);
    for (const auto& [line, range] : {std::pair{torqueLine, &ranges.torque}, std::pair{torqueBelow, &ranges.torque},
                                      std::pair{powerLine, &ranges.power}, std::pair{powerBelow, &ranges.power}}) {
        Widen(*range, *line);
    }
    const auto quarterMore = [](Span range) {
        const double quarter = (range.second - range.first) / 4;
        return Span{range.first - quarter, range.second + quarter};
    };
    Widen(ranges.torque, *torqueBeyond, quarterMore(ranges.torque));
    Widen(ranges.power, *powerBeyond, quarterMore(ranges.power));
}

void AddPoints(QChart& chart, const Axes& axes, const TorqueCurveFit& fit, Span& torqueRange)
{
    auto* dots = new QScatterSeries;
    dots->setName(fit.fromBrochure ? u"Folleto"_s : u"Puntos"_s);
    dots->setMarkerSize(9);
    dots->setColor(QColor(kTorqueColour));
    dots->setBorderColor(Qt::black);
    // A logger's thousands of rows would take seconds to draw at each
    // keystroke: a few hundred show the same cloud.
    const std::size_t every = fit.points.size() / 400 + 1;
    for (std::size_t i = 0; i < fit.points.size(); i += every) {
        dots->append(fit.points[i].revPerMinute, fit.points[i].newtonMetres);
    }
    Add(chart, axes, dots, axes.torque);
    Widen(torqueRange, *dots);
}

// Beside a fit the torque and power axes take the curves' colours, and
// name them.
void SetValueAxes(const Axes& axes, Ranges ranges, bool fitted)
{
    for (Span* range : {&ranges.torque, &ranges.power}) {
        *range = {std::max(range->first, -kAbsurd), std::min(range->second, kAbsurd)};
    }
    if (ranges.torque.second <= ranges.torque.first) {
        ranges.torque.second = 100;
    }
    // Air above the highest point, so that the markers are seen whole.
    ranges.torque.second += (ranges.torque.second - ranges.torque.first) * 0.05;
    LevelAxes(*axes.torque, ranges.torque, *axes.power, ranges.power);
    axes.power->setVisible(fitted);
    for (const auto& [axis, colour] :
         {std::pair{axes.torque, QColor(kTorqueColour)}, std::pair{axes.power, QColor(kPowerColour)}}) {
        if (fitted) {
            axis->setLinePenColor(colour);
            axis->setLabelsColor(colour);
            axis->setTitleBrush(colour);
        }
    }
}

} // namespace

ChartedSpeeds SpeedsCharted(const TorqueCurveFit* fit)
{
    const double last = fit != nullptr ? fit->lastRevPerMinute : kUsualLastSpeed;
    const double first = fit != nullptr ? fit->firstRevPerMinute : 0;
    return {first, last, std::min(last * kBeyondLastPoint, kAbsurd)};
}

QChart* TorqueCurveChart(const TorqueCurveFit* fit, const std::optional<TorqueCoefficients>& current,
                         const ChartedSpeeds& speeds, const QLocale& locale, const QFont& font)
{
    QChart* chart = NewChart(u"Par y potencia frente al régimen"_s, locale);
    const Axes axes = AddCurveAxes(*chart, speeds.end);
    Ranges ranges;
    if (current) {
        QLineSeries* line = AddCurrentCurve(*chart, axes, *current, speeds.end);
        // Beside a fit, the current curve is cut off rather than squeeze it.
        if (fit == nullptr) {
            Widen(ranges.torque, *line);
        }
    }
    if (fit != nullptr) {
        AddFittedCurves(*chart, axes, *fit, speeds, ranges);
        AddPoints(*chart, axes, *fit, ranges.torque);
    }
    SetValueAxes(axes, ranges, fit != nullptr);
    UseFont(*chart, font);
    return chart;
}

} // namespace kinetra
