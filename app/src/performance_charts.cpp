#include "performance_charts.h"

#include "chart_kit.h"
#include "kinetra/speed_in_kmh.h"

#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {

QChart* DistanceChart(const PerformanceSheet& sheet, const QLocale& locale, const QFont& font)
{
    QChart* chart = NewChart(u"Velocidad frente a la distancia"_s, locale);
    auto* path = new QLineSeries;
    path->setName(u"Desde parado"_s);
    path->setColor(QColor(kDistinctColours[0]));
    double fastest = 0;
    for (const auto& [distance, speed] : sheet.speedByDistance) {
        path->append(distance, speed * kKmhPerMetrePerSecond);
        fastest = std::max(fastest, speed * kKmhPerMetrePerSecond);
    }
    chart->addSeries(path);
    // The lines the magazines time over, dashed from the ground to the top.
    for (const double line : {400.0, 1000.0}) {
        auto* mark = new QLineSeries;
        mark->setName(u"%1 m"_s.arg(line));
        QPen pen(QColor(kDistinctColours[line < 500 ? 1 : 2]));
        pen.setStyle(Qt::DashLine);
        pen.setWidth(2);
        mark->setPen(pen);
        mark->append(line, 0);
        mark->append(line, fastest);
        chart->addSeries(mark);
    }
    AddValueAxes(*chart, u"Distancia (m)"_s, u"Velocidad (km/h)"_s);
    // The distance axis ends at the 1000 m line, where the run does.
    if (auto* distance = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).constFirst())) {
        distance->setRange(0, 1000);
        distance->setTickCount(5);
    }
    UseFont(*chart, font);
    return chart;
}

namespace {

// A figure as the chart draws it: seconds, or a top speed in km/h.
double Drawn(double figure, Figure which)
{
    return which == Figure::TopSpeed ? figure * kKmhPerMetrePerSecond : figure;
}

void Mark(QChart& chart, const QString& name, QPointF at, QRgb colour)
{
    auto* dot = new QScatterSeries;
    dot->setName(name);
    dot->setColor(QColor(colour));
    dot->setMarkerSize(11);
    dot->append(at);
    chart.addSeries(dot);
}

} // namespace

QChart* StudyChart(const std::vector<StudyPoint>& points, BoxId box, const StudyPoint& typed, Figure figure,
                   const QLocale& locale, const QFont& font)
{
    QChart* chart = NewChart(FigureName(figure) + u" según "_s + Quoted(box), locale);
    // A line for each stretch the car can run: where it cannot, a gap.
    QLineSeries* line = nullptr;
    for (const StudyPoint& point : points) {
        if (!point.figure) {
            line = nullptr;
            continue;
        }
        if (line == nullptr) {
            line = new QLineSeries;
            line->setColor(QColor(kDistinctColours[0]));
            chart->addSeries(line);
            ShowInLegend(*chart, line, chart->series().size() == 1);
            line->setName(FigureName(figure));
        }
        line->append(point.value, Drawn(*point.figure, figure));
    }
    if (typed.figure) {
        Mark(*chart, u"Valor escrito"_s, {typed.value, Drawn(*typed.figure, figure)}, kDistinctColours[1]);
    }
    if (const auto best = BestPoint(points, figure)) {
        const StudyPoint& point = points[*best];
        Mark(*chart, u"Mejor"_s, {point.value, Drawn(*point.figure, figure)}, kDistinctColours[2]);
    }
    const QString unit = BoxOf(box).unit.isEmpty() ? QString() : u" ("_s + BoxOf(box).unit.toString() + u')';
    AddValueAxes(*chart, Quoted(box) + unit, figure == Figure::TopSpeed ? u"Velocidad (km/h)"_s : u"Tiempo (s)"_s);
    UseFont(*chart, font);
    return chart;
}

} // namespace kinetra
