#include "chart_kit.h"

#include <QAccessibleWidget>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegendMarker>
#include <QXYSeries>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

// To screen readers a chart is a chart, not an anonymous picture.
QAccessibleInterface* ChartAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1StringView(QChartView::staticMetaObject.className()) && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    }
    return nullptr;
}

} // namespace

QChartView* NewChartView(const QString& objectName, const QString& accessibleName, QSize minimum, QWidget* parent)
{
    // Before the view exists, lest a screen reader meet it as something else.
    QAccessible::installFactory(ChartAccessible);
    auto* view = new QChartView(parent);
    view->setObjectName(objectName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(accessibleName);
    view->setFocusPolicy(Qt::StrongFocus);
    view->setMinimumSize(minimum);
    return view;
}

QLabel* NewChartWords(const QString& objectName, QWidget* parent)
{
    auto* words = new QLabel(parent);
    words->setObjectName(objectName);
    words->setWordWrap(true);
    words->setTextFormat(Qt::PlainText);
    words->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    words->setFocusPolicy(Qt::StrongFocus);
    return words;
}

QChart* NewChart(const QString& title, const QLocale& locale)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setLocale(locale);
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

void SetChart(QChartView& view, QChart* chart, const QString& description, const QString& toolTip)
{
    QChart* old = view.chart();
    view.setChart(chart);
    delete old;
    view.setAccessibleDescription(description);
    view.setToolTip(toolTip);
}

void UseFont(QChart& chart, const QFont& font)
{
    QFont title = font;
    title.setBold(true);
    chart.setTitleFont(title);
    chart.legend()->setFont(font);
    for (QAbstractAxis* axis : chart.axes()) {
        axis->setLabelsFont(font);
        axis->setTitleFont(font);
    }
    for (QAbstractSeries* series : chart.series()) {
        if (auto* xy = qobject_cast<QXYSeries*>(series)) {
            xy->setPointLabelsFont(font);
        }
    }
}

void ShowInLegend(QChart& chart, QAbstractSeries* series, bool shown)
{
    for (QLegendMarker* marker : chart.legend()->markers(series)) {
        marker->setVisible(shown);
    }
}

} // namespace kinetra
