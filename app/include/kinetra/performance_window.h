#pragma once

#include "kinetra/calc_input.h"
#include "kinetra/input_boxes.h"
#include "kinetra/performance.h"

#include <QLocale>
#include <QWidget>

class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kinetra {

class StudyPanel;

// "Prestaciones del vehículo": the figures a magazine prints for the car of
// the latest calculation, as a table and a chart of speed against distance,
// and the study of how one input moves them. A window of its own beside the
// form, never modal; Esc closes it.
class PerformanceWindow : public QWidget {
    Q_OBJECT

public:
    explicit PerformanceWindow(QLocale locale, QWidget* parent = nullptr);

    // The sheet of the car in `input`, which the study varies.
    void ShowSheet(const PerformanceSheet& sheet, const CalcInput& input, const WindowState& state);

    // Puts the table on the clipboard as tab-separated text.
    void CopyTable() const;

    // Says above the sheet why it may no longer answer the form's boxes;
    // empty: the sheet is current.
    void SetStaleNote(const QString& note);

signals:
    // "Usar este valor": the study's best value for `box`.
    void valueChosen(kinetra::BoxId box, double value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildTable();

    QLocale locale_;
    QString tableText_;
    QLabel* staleNote_ = nullptr;
    QTableWidget* table_ = nullptr;
    QChartView* chartView_ = nullptr;
    StudyPanel* study_ = nullptr;
};

} // namespace kinetra
