#include "kinetra/performance_window.h"

#include "chart_kit.h"
#include "performance_charts.h"
#include "performance_text.h"
#include "study_panel.h"

#include <QAccessible>
#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {

PerformanceWindow::PerformanceWindow(QLocale locale, QWidget* parent)
    : QWidget(parent, Qt::Window), locale_(std::move(locale))
{
    QAccessible::installFactory(WindowAccessible<PerformanceWindow>);
    setObjectName(u"Prestaciones"_s);
    setWindowTitle(u"Prestaciones del vehículo"_s);

    staleNote_ = NewStaleNote(u"AvisoPrestacionesAnteriores"_s, this);

    BuildTable();
    chartView_ =
        NewChartView(u"GraficaDistancia"_s, u"Gráfica de velocidad frente a la distancia"_s, QSize(320, 220), this);
    QPushButton* saveChart = NewSaveImageButton(*chartView_, u"GuardarGraficaDistancia"_s, this);
    study_ = new StudyPanel(locale_, this);
    connect(study_, &StudyPanel::valueChosen, this, &PerformanceWindow::valueChosen);

    auto* copy = new QPushButton(u"Copiar tabla"_s, this);
    copy->setObjectName(u"CopiarPrestaciones"_s);
    copy->setAccessibleDescription(
        u"Copia la tabla de prestaciones, separada por tabuladores, para una hoja de "
        u"cálculo"_s);
    auto* close = new QPushButton(u"Cerrar"_s, this);
    close->setObjectName(u"CerrarPrestaciones"_s);
    for (QPushButton* button : {copy, close}) {
        button->setAutoDefault(false);
    }
    connect(copy, &QPushButton::clicked, this, &PerformanceWindow::CopyTable);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* chartColumn = new QVBoxLayout;
    chartColumn->addWidget(chartView_, 1);
    chartColumn->addWidget(saveChart, 0, Qt::AlignRight);
    auto* sheet = new QHBoxLayout;
    // The table's words need more room than the chart.
    sheet->addWidget(table_, 2);
    sheet->addLayout(chartColumn, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(staleNote_);
    layout->addLayout(sheet, 1);
    layout->addWidget(study_, 1);
    layout->addLayout(buttons);

    setTabOrder(table_, chartView_);
    setTabOrder(chartView_, saveChart);
    setTabOrder(saveChart, study_);
    setTabOrder(study_->LastInTabOrder(), copy);
    setTabOrder(copy, close);

    ResizeWithinScreen(*this, QSize(1100, 780));
}

void PerformanceWindow::BuildTable()
{
    const QStringList header = SheetHeader();
    table_ = new QTableWidget(0, static_cast<int>(header.size()), this);
    table_->setObjectName(u"PerformanceTable"_s);
    table_->setAccessibleName(u"Tabla de prestaciones"_s);
    table_->setAccessibleDescription(
        u"Una fila por cifra: tiempo, velocidad y, donde no llega, por qué; luego una por cambio de marcha"_s);
    // The unit on a line of its own keeps the columns narrow.
    table_->setHorizontalHeaderLabels(header.join(u'\t').replace(u" ("_s, u"\n("_s).split(u'\t'));
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false); // Tab leaves the table; the arrows move in it
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setMinimumSectionSize(1);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() * 3 / 2);
}

void PerformanceWindow::ShowSheet(const PerformanceSheet& sheet, const CalcInput& input, const WindowState& state)
{
    const QStringList header = SheetHeader();
    const std::vector<QStringList> rows = SheetRows(sheet, locale_);
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const QStringList& cells = rows[static_cast<std::size_t>(row)];
        const QString words = RowInWords(header, cells);
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            const bool number = column > 0 && column + 1 < cells.size();
            item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
            // Each cell is heard with its whole row: a figure is one sentence.
            item->setData(Qt::AccessibleTextRole, words);
            item->setToolTip(words); // a cut note is read whole here
            table_->setItem(row, column, item);
        }
    }
    table_->resizeColumnsToContents();
    tableText_ = RowsAsTsv(header, rows);
    QStringList sentences;
    for (const QStringList& row : rows) {
        sentences << RowInWords(header, row);
    }
    table_->setAccessibleDescription(sentences.join(u". "_s));
    const QString words = DistanceChartInWords(sheet, locale_);
    SetChart(*chartView_, DistanceChart(sheet, locale_, font()), words, words);
    study_->SetCar(input, state);
    SetStaleNote({});
}

void PerformanceWindow::CopyTable() const
{
    QApplication::clipboard()->setText(tableText_);
}

void PerformanceWindow::SetStaleNote(const QString& note)
{
    staleNote_->setText(note);
    staleNote_->setVisible(!note.isEmpty());
}

void PerformanceWindow::keyPressEvent(QKeyEvent* event)
{
    if (!ClosedOnEscape(*this, *event)) {
        QWidget::keyPressEvent(event);
    }
}

} // namespace kinetra
