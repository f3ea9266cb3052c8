#include "kinetra/details_charts.h"

#include "chart_kit.h"
#include "kinetra/details_text.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

// A change up: a dot, labelled with its own text in the user's locale (the
// charts' own point labels write numbers with ".").
void MarkChange(QChart& chart, QPointF at, const QString& label, const QColor& colour)
{
    auto* dot = new QScatterSeries;
    dot->append(at);
    dot->setMarkerSize(9);
    dot->setColor(colour);
    dot->setBorderColor(Qt::black);
    dot->setPointLabelsFormat(label);
    dot->setPointLabelsVisible(true);
    dot->setPointLabelsClipping(false);
    chart.addSeries(dot);
    ShowInLegend(chart, dot, false);
}

// The red line on the traction diagram: where each gear's curve ends, the
// ends joined in red dashes (the engine speed is one, the road speed at which
// each gear reaches it is not).
void AddRedLine(QChart& chart, const RunTrace& run)
{
    std::vector<QPointF> ends;
    for (const GearCurve& curve : run.traction) {
        if (std::isfinite(curve.redLineSpeed) && std::isfinite(curve.redLineAcceleration)) {
            ends.emplace_back(curve.redLineSpeed, curve.redLineAcceleration);
        }
    }
    if (ends.empty()) {
        return;
    }
    std::ranges::sort(ends, {}, &QPointF::x);
    const QColor red(kAlarmRed);
    auto* line = new QLineSeries;
    // Short, as the gears' names: the legend holds up to six gears, the path and this.
    line->setName(u"Régimen máximo"_s);
    line->setPen(QPen(red, 2, Qt::DashLine));
    auto* marks = new QScatterSeries;
    marks->setMarkerSize(8);
    marks->setColor(red);
    marks->setBorderColor(red);
    for (const QPointF& end : ends) {
        line->append(end);
        marks->append(end);
    }
    chart.addSeries(line);
    chart.addSeries(marks);
    ShowInLegend(chart, marks, false);
}

QLocale Plain(QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// Each change up marked `where` it stands on the chart, with the gear it
// enters and its speed.
template <class Where>
void MarkChanges(QChart& chart, const RunSummary& summary, const QLocale& locale, Where where)
{
    for (const ChangeUp& change : summary.changes) {
        MarkChange(chart, where(change),
                   u"%1: %2 m/s"_s.arg(GearName(change.toGear), locale.toString(change.speed, 'f', 1)),
                   GearColour(change.toGear));
    }
}

// The run before, faint beneath, named in the legend with its time.
QLineSeries* PreviousRunLine(const RunTrace& previous, const QLocale& locale)
{
    auto* before = new QLineSeries;
    double seconds = 0;
    before->append(0, previous.steps.front().fromSpeed);
    for (const TraceStep& step : previous.steps) {
        seconds += step.seconds;
        before->append(seconds, step.toSpeed);
    }
    before->setName(u"Cálculo anterior (%1 s)"_s.arg(locale.toString(seconds, 'f', 2)));
    before->setPen(QPen(QColor(150, 150, 150, 140), 2, Qt::DashLine));
    return before;
}

// A line per stretch in one gear, each starting where the last ended; a
// change up that coasts with no engine force in grey dashes between two.
void AddGearStretches(QChart& chart, const RunTrace& run)
{
    double seconds = 0;
    QLineSeries* line = nullptr;
    int lineGear = 0;
    std::vector<QLineSeries*> gaps;
    for (const TraceStep& step : run.steps) {
        if (step.limit == StepLimit::ShiftGap) {
            auto* gap = new QLineSeries;
            gap->setName(u"Sin tracción"_s);
            gap->setPen(QPen(Qt::gray, 3, Qt::DashLine));
            gap->append(seconds, step.fromSpeed);
            seconds += step.seconds;
            gap->append(seconds, step.toSpeed);
            gaps.push_back(gap);
            line = nullptr;
            continue;
        }
        if (line == nullptr || step.gear != lineGear) {
            line = new QLineSeries;
            lineGear = step.gear;
            line->setName(GearName(step.gear));
            line->setPen(QPen(GearColour(step.gear), 3));
            line->append(seconds, step.fromSpeed);
            chart.addSeries(line);
        }
        seconds += step.seconds;
        line->append(seconds, step.toSpeed);
    }
    // After the gears, so that the legend names them first; once.
    for (QLineSeries* gap : gaps) {
        chart.addSeries(gap);
        if (gap != gaps.front()) {
            ShowInLegend(chart, gap, false);
        }
    }
}

void AddGearCurves(QChart& chart, const RunTrace& run)
{
    for (const GearCurve& curve : run.traction) {
        auto* line = new QLineSeries;
        // Short names: the legend holds up to six gears and the path.
        line->setName(GearName(curve.gear));
        line->setPen(QPen(GearColour(curve.gear), 2));
        for (std::size_t i = 0; i < curve.acceleration.size() && i < run.gridSpeeds.size(); ++i) {
            if (std::isfinite(curve.acceleration[i])) {
                line->append(run.gridSpeeds[i], curve.acceleration[i]);
            }
        }
        // The gear's curve ends where the engine reaches its red line.
        if (std::isfinite(curve.redLineSpeed) && std::isfinite(curve.redLineAcceleration)) {
            line->append(curve.redLineSpeed, curve.redLineAcceleration);
        }
        chart.addSeries(line);
    }
}

void AddPath(QChart& chart, const RunTrace& run)
{
    if (run.steps.empty()) {
        return;
    }
    auto* path = new QLineSeries;
    path->setName(u"Recorrido"_s);
    path->setPen(QPen(Qt::black, 2, Qt::DotLine));
    // A change up drops straight from one gear's curve to the next: the
    // coasting of a shift gap is shown on the speed chart.
    for (const TraceStep& step : run.steps) {
        if (step.limit != StepLimit::ShiftGap) {
            path->append(step.fromSpeed, step.accelerationFrom);
            path->append(step.toSpeed, step.accelerationTo);
        }
    }
    chart.addSeries(path);
}

// From the lowest of 0 and the run's path up to the best any gear does:
// a low gear far past its range falls off the bottom instead of
// squeezing the curves that matter into a thin band.
void NarrowToThePath(QValueAxis& acceleration, const RunTrace& run)
{
    double top = 0;
    double bottom = 0;
    for (const GearCurve& curve : run.traction) {
        for (const double a : curve.acceleration) {
            top = std::isfinite(a) ? std::max(top, a) : top;
        }
    }
    for (const TraceStep& step : run.steps) {
        if (step.limit != StepLimit::ShiftGap) {
            bottom = std::min({bottom, step.accelerationFrom, step.accelerationTo});
        }
    }
    if (top > bottom) {
        acceleration.setRange(bottom, top);
        acceleration.applyNiceNumbers();
    }
}

} // namespace

QColor GearColour(int gear)
{
    return QColor(kDistinctColours[static_cast<std::size_t>((gear - 1 + 6) % 6)]);
}

QChart* SpeedChart(const ShownRun& shown, const RunTrace* previous, const QLocale& userLocale, const QFont& font)
{
    const QLocale locale = Plain(userLocale);
    QChart* chart = NewChart(u"Velocidad frente al tiempo"_s, locale);
    if (previous != nullptr && !previous->steps.empty()) {
        chart->addSeries(PreviousRunLine(*previous, locale));
    }
    AddGearStretches(*chart, shown.trace);
    MarkChanges(*chart, shown.summary, locale,
                [](const ChangeUp& change) { return QPointF(change.seconds, change.speed); });
    AddValueAxes(*chart, u"Tiempo (s)"_s, u"Velocidad (m/s)"_s);
    UseFont(*chart, font);
    return chart;
}

QChart* TractionChart(const ShownRun& shown, const QLocale& userLocale, const QFont& font)
{
    const RunTrace& run = shown.trace;
    const QLocale locale = Plain(userLocale);
    QChart* chart = NewChart(u"Diagrama de tracción"_s, locale);
    AddGearCurves(*chart, run);
    AddRedLine(*chart, run);
    AddPath(*chart, run);
    MarkChanges(*chart, shown.summary, locale,
                [](const ChangeUp& change) { return QPointF(change.speed, change.acceleration); });
    NarrowToThePath(*AddValueAxes(*chart, u"Velocidad (m/s)"_s, u"Aceleración (m/s²)"_s), run);
    UseFont(*chart, font);
    return chart;
}

} // namespace kinetra
