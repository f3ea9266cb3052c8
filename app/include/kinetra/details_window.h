#pragma once

#include "kinetra/details_text.h"

#include <QLocale>
#include <QWidget>

class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kinetra {

// "Detalles del cálculo": how the latest successful run made its time, in
// words, a table per gear and two charts, with the run before it drawn
// faintly for comparison. A window of its own beside the form, never modal;
// Esc closes it.
class DetailsWindow : public QWidget {
    Q_OBJECT

public:
    explicit DetailsWindow(QLocale locale, QWidget* parent = nullptr);

    // Shows the latest run of `runs`, and the one before it faintly.
    void ShowRuns(const RunHistory& runs);

    // Puts the table on the clipboard as tab-separated text.
    void CopyTable() const;

    // Says above the run why it may no longer answer the form's boxes, as
    // the form's result does; empty: the run is current.
    void SetStaleNote(const QString& note);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTable();
    void FillTable(const RunSummary& run);
    void FitTable();

    QLocale locale_;
    QString tableText_;
    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
    QChartView* speedView_ = nullptr;
    QChartView* tractionView_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* close_ = nullptr;
    QLabel* staleNote_ = nullptr; // made when first needed
};

} // namespace kinetra
