#include "chart_kit.h"

#include <QAccessibleWidget>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgGenerator>
#include <QValueAxis>
#include <QXYSeries>

#include <algorithm>

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

void ResizeWithinScreen(QWidget& window, QSize wanted)
{
    const QSize room = window.screen()->availableGeometry().size() * 9 / 10;
    window.resize(wanted.boundedTo(room));
}

bool ClosedOnEscape(QWidget& window, const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Escape && event.modifiers() == Qt::NoModifier) {
        window.close();
        return true;
    }
    return false;
}

QLabel* NewStaleNote(const QString& objectName, QWidget* parent)
{
    auto* note = new QLabel(parent);
    note->setObjectName(objectName);
    note->setWordWrap(true);
    note->setTextFormat(Qt::PlainText);
    QFont bold = note->font();
    bold.setBold(true);
    note->setFont(bold);
    note->hide();
    return note;
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

QValueAxis* AddValueAxes(QChart& chart, const QString& xTitle, const QString& yTitle)
{
    auto* x = new QValueAxis;
    x->setTitleText(xTitle);
    x->setLabelFormat(u"%.0f"_s);
    auto* y = new QValueAxis;
    y->setTitleText(yTitle);
    y->setLabelFormat(u"%.1f"_s);
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    // The ranges span every series: attached, an axis may take the range of
    // one series alone, a single point, which leaves the chart empty.
    QPointF low(qInf(), qInf());
    QPointF high(-qInf(), -qInf());
    for (QAbstractSeries* series : chart.series()) {
        series->attachAxis(x);
        series->attachAxis(y);
        for (const QPointF& point : static_cast<QXYSeries*>(series)->points()) {
            low = {std::min(low.x(), point.x()), std::min(low.y(), point.y())};
            high = {std::max(high.x(), point.x()), std::max(high.y(), point.y())};
        }
    }
    if (low.x() < high.x() && low.y() < high.y()) {
        x->setRange(low.x(), high.x());
        y->setRange(low.y(), high.y());
    }
    x->applyNiceNumbers();
    y->applyNiceNumbers();
    return y;
}

void ShowInLegend(QChart& chart, QAbstractSeries* series, bool shown)
{
    for (QLegendMarker* marker : chart.legend()->markers(series)) {
        marker->setVisible(shown);
    }
}

bool SaveChartImage(QChartView& view, const QString& path)
{
    if (QFileInfo(path).suffix().compare(u"svg"_s, Qt::CaseInsensitive) != 0) {
        return view.grab().save(path, "PNG");
    }
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(view.size());
    svg.setViewBox(view.rect());
    svg.setTitle(view.accessibleName());
    svg.setDescription(view.accessibleDescription());
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    view.render(&painter);
    return painter.end();
}

QPushButton* NewSaveImageButton(QChartView& view, const QString& objectName, QWidget* parent)
{
    auto* button = new QPushButton(u"Guardar imagen…"_s, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setAccessibleName(u"Guardar imagen: "_s + view.accessibleName());
    button->setAccessibleDescription(u"Guarda la gráfica como imagen PNG o SVG, para un informe"_s);
    QObject::connect(button, &QPushButton::clicked, button, [&view, button] {
        const QString png = u"Imagen PNG (*.png)"_s;
        const QString svg = u"Imagen SVG (*.svg)"_s;
        QString filter = png;
        QString path = QFileDialog::getSaveFileName(button->window(), u"Guardar imagen"_s, u"grafica.png"_s,
                                                    png + u";;"_s + svg, &filter);
        if (path.isEmpty()) {
            return;
        }
        // A name typed without its ending takes the one of the type chosen.
        if (QFileInfo(path).suffix().isEmpty()) {
            path += filter == svg ? u".svg"_s : u".png"_s;
        }
        if (!SaveChartImage(view, path)) {
            QMessageBox::warning(button->window(), u"Guardar imagen"_s,
                                 u"No se pudo guardar la imagen en %1."_s.arg(QDir::toNativeSeparators(path)));
        }
    });
    return button;
}

} // namespace kinetra
