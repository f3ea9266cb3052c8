#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QColor>
#include <QFont>
#include <QLocale>
#include <QSize>
#include <QString>
#include <QWidget>

#include <array>

QT_BEGIN_NAMESPACE
class QAbstractSeries;
class QChart;
class QChartView;
class QKeyEvent;
class QLabel;
class QPushButton;
class QValueAxis;
QT_END_NAMESPACE

namespace kinetra {

// Colours told apart also by those who see red and green alike (Okabe and
// Ito): the gears of the details, the torque and the power of the curve.
inline constexpr std::array<QRgb, 6> kDistinctColours{0x0072B2, 0xD55E00, 0x009E73, 0xCC79A7, 0xE69F00, 0x56B4E9};
// What goes wrong or runs out: the red line, a curve that cannot be fitted.
inline constexpr QRgb kAlarmRed = 0xB00020;

// A chart view reached with Tab like every other part, so that a screen
// reader reads out what the chart shows; to screen readers, a chart.
QChartView* NewChartView(const QString& objectName, const QString& accessibleName, QSize minimum, QWidget* parent);

// To screen readers a window of `Window`'s class is a window, not an
// anonymous grouping: a factory for QAccessible::installFactory.
template <class Window>
QAccessibleInterface* WindowAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1StringView(Window::staticMetaObject.className()) && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

// Esc closes `window` from wherever the focus is in it: no part of it takes
// the key for itself. True when it did.
bool ClosedOnEscape(QWidget& window, const QKeyEvent& event);

// A window of charts at `wanted`, but never beyond nine tenths of its screen.
void ResizeWithinScreen(QWidget& window, QSize wanted);

// The bold line that says a window's figures no longer answer the boxes,
// hidden until there is something to say.
QLabel* NewStaleNote(const QString& objectName, QWidget* parent);

// The words beside a chart: plain text that wraps, selectable by mouse and
// keyboard, so that Tab reaches it and a screen reader reads it out.
QLabel* NewChartWords(const QString& objectName, QWidget* parent);

// An empty chart titled `title`, writing numbers as `locale` does, its
// legend below.
QChart* NewChart(const QString& title, const QLocale& locale);

// `chart` in place of the one `view` showed, and what it shows in words.
void SetChart(QChartView& view, QChart* chart, const QString& description, const QString& toolTip);

// The chart's theme has fonts of its own, which do not follow the desktop's:
// every title, label and legend of `chart` in `font`.
void UseFont(QChart& chart, const QFont& font);

// Two value axes titled `xTitle` and `yTitle` spanning every series of
// `chart`, attached to them all; returns the vertical one, whose range a
// chart may still narrow.
QValueAxis* AddValueAxes(QChart& chart, const QString& xTitle, const QString& yTitle);

// Whether the legend names `series`: not every line needs a name.
void ShowInLegend(QChart& chart, QAbstractSeries* series, bool shown);

// Writes what `view` shows to `path`: SVG when the name ends in ".svg",
// PNG otherwise. False when the file cannot be written.
bool SaveChartImage(QChartView& view, const QString& path);

// "Guardar imagen…" for the chart of `view`: asks where, as PNG or SVG, and
// saves it there, for a report. Its accessible name says which chart.
QPushButton* NewSaveImageButton(QChartView& view, const QString& objectName, QWidget* parent);

} // namespace kinetra
