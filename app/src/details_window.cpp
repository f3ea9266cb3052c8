#include "kinetra/details_window.h"

#include "chart_kit.h"
#include "kinetra/details_charts.h"

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
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

// What each column holds, said in full for screen readers.
const QStringList& ColumnMeanings()
{
    static const QStringList meanings{u"Marcha"_s,
                                      u"Velocidad al entrar en la marcha, en m/s"_s,
                                      u"Velocidad al entrar en la marcha, en km/h"_s,
                                      u"Velocidad al salir de la marcha, en m/s"_s,
                                      u"Velocidad al salir de la marcha, en km/h"_s,
                                      u"Tiempo en la marcha, en segundos"_s,
                                      u"Distancia recorrida en la marcha, en metros"_s,
                                      u"Régimen del motor al entrar en la marcha, en revoluciones por minuto"_s,
                                      u"Régimen del motor al salir de la marcha, en revoluciones por minuto"_s};
    return meanings;
}

// The least room a chart keeps, side by side with the other.
constexpr QSize kChartRoom(280, 220);

} // namespace

DetailsWindow::DetailsWindow(QLocale locale, QWidget* parent) : QWidget(parent, Qt::Window), locale_(std::move(locale))
{
    QAccessible::installFactory(WindowAccessible<DetailsWindow>);
    setObjectName(u"DetallesDelCalculo"_s);
    setWindowTitle(u"Detalles del cálculo"_s);

    summary_ = NewChartWords(u"Resumen"_s, this);

    BuildTable();

    speedView_ = NewChartView(u"GraficaVelocidad"_s, u"Gráfica de velocidad frente al tiempo"_s, kChartRoom, this);
    tractionView_ = NewChartView(u"DiagramaTraccion"_s, u"Diagrama de tracción"_s, kChartRoom, this);
    QPushButton* saveSpeed = NewSaveImageButton(*speedView_, u"GuardarGraficaVelocidad"_s, this);
    QPushButton* saveTraction = NewSaveImageButton(*tractionView_, u"GuardarDiagramaTraccion"_s, this);

    copy_ = new QPushButton(u"Copiar tabla"_s, this);
    copy_->setObjectName(u"CopiarTabla"_s);
    copy_->setAccessibleDescription(
        u"Copia la tabla por marchas, separada por tabuladores, para una hoja de cálculo"_s);
    close_ = new QPushButton(u"Cerrar"_s, this);
    close_->setObjectName(u"Cerrar"_s);
    for (QPushButton* button : {copy_, close_}) {
        button->setAutoDefault(false);
    }
    connect(copy_, &QPushButton::clicked, this, &DetailsWindow::CopyTable);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    auto* charts = new QHBoxLayout;
    for (auto [view, save] : {std::pair{speedView_, saveSpeed}, std::pair{tractionView_, saveTraction}}) {
        auto* column = new QVBoxLayout;
        column->addWidget(view, 1);
        column->addWidget(save, 0, Qt::AlignRight);
        charts->addLayout(column);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(table_);
    layout->addLayout(charts, 1);
    layout->addLayout(buttons);

    setTabOrder(summary_, table_);
    setTabOrder(table_, speedView_);
    setTabOrder(speedView_, saveSpeed);
    setTabOrder(saveSpeed, tractionView_);
    setTabOrder(tractionView_, saveTraction);
    setTabOrder(saveTraction, copy_);
    setTabOrder(copy_, close_);

    // Large enough for both charts, never beyond the screen.
    ResizeWithinScreen(*this, QSize(960, 700));
}

void DetailsWindow::BuildTable()
{
    const QStringList header = TableHeader();
    table_ = new QTableWidget(0, static_cast<int>(header.size()), this);
    table_->setObjectName(u"TablaPorMarchas"_s);
    table_->setAccessibleName(u"Tabla por marchas"_s);
    table_->setAccessibleDescription(
        u"Una fila por marcha usada y una de total: velocidades al entrar y al salir, tiempo, distancia y "
        u"régimen del motor"_s);
    for (int column = 0; column < header.size(); ++column) {
        // The unit on a line of its own keeps the columns narrow.
        auto* item = new QTableWidgetItem(QString(header[column]).replace(u" ("_s, u"\n("_s));
        item->setData(Qt::AccessibleTextRole, ColumnMeanings()[column]);
        table_->setHorizontalHeaderItem(column, item);
    }
    table_->verticalHeader()->hide();
    // Rows as tall as a line of text and a little air: on a small screen the
    // charts need the height.
    table_->verticalHeader()->setMinimumSectionSize(1);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() * 3 / 2);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false); // Tab leaves the table; the arrows move in it
    // The columns are sized by FitTable, to share the table's width.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table_->viewport()->installEventFilter(this);
}

void DetailsWindow::ShowRuns(const RunHistory& runs)
{
    if (!runs.latest) {
        return;
    }
    const ShownRun& run = *runs.latest;
    const RunTrace* previous = runs.previous ? &runs.previous->trace : nullptr;
    const RunSummary* previousSummary = runs.previous ? &runs.previous->summary : nullptr;
    QStringList lines{RunInWords(run.summary, locale_)};
    if (run.trace.limitsTyped) {
        const QString acted = LimitsInWords(run.summary.limits, locale_);
        lines << (acted.isEmpty() ? u"Ningún límite del vehículo llegó a actuar."_s : acted) << WhatTheModelLeavesOut();
    }
    summary_->setText(lines.join(u'\n'));
    summary_->setAccessibleName(u"Resumen: "_s + lines.join(u' '));
    FillTable(run.summary);
    tableText_ = TableAsTsv(run.summary, locale_);
    const QString speedWords = SpeedChartInWords(run.summary, previousSummary, locale_);
    SetChart(*speedView_, SpeedChart(run, previous, locale_, font()), speedWords, speedWords);
    const QString tractionWords = TractionChartInWords(run, locale_);
    SetChart(*tractionView_, TractionChart(run, locale_, font()), tractionWords, tractionWords);
}

void DetailsWindow::FillTable(const RunSummary& run)
{
    const std::vector<QStringList> rows = TableRows(run, locale_);
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const QStringList& cells = rows[static_cast<std::size_t>(row)];
        const QString rowName = cells[0] == u"Total"_s ? u"Total"_s : u"%1 marcha"_s.arg(GearName(cells[0].toInt()));
        table_->setVerticalHeaderItem(row, new QTableWidgetItem(rowName));
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(column == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            // Heard as "2.ª marcha, Tiempo en la marcha, en segundos: 3,21".
            item->setData(Qt::AccessibleTextRole,
                          column == 0 ? rowName
                                      : u"%1, %2: %3"_s.arg(rowName, ColumnMeanings()[column],
                                                            cells[column].isEmpty() ? u"sin dato"_s : cells[column]));
            table_->setItem(row, column, item);
        }
    }
    FitTable();
}

// Each column as wide as its widest cell, and the room left over shared out
// evenly, so that no empty band is left at the right. No taller than its
// rows, with room for a scroll bar only while the columns do not fit: the
// charts take what is left.
void DetailsWindow::FitTable()
{
    QHeaderView& header = *table_->horizontalHeader();
    const int columns = table_->columnCount();
    table_->resizeColumnsToContents();
    const int needed = header.length();
    const int spare = std::max(0, table_->viewport()->width() - needed);
    for (int column = 0; column < columns; ++column) {
        // The last column takes what an even share leaves over.
        const int share = column + 1 < columns ? spare / columns : spare - (columns - 1) * (spare / columns);
        header.resizeSection(column, header.sectionSize(column) + share);
    }
    int height = header.sizeHint().height() + 2 * table_->frameWidth();
    if (needed > table_->viewport()->width()) {
        height += table_->horizontalScrollBar()->sizeHint().height();
    }
    for (int row = 0; row < table_->rowCount(); ++row) {
        height += table_->rowHeight(row);
    }
    table_->setMaximumHeight(height);
}

bool DetailsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == table_->viewport() && event->type() == QEvent::Resize) {
        FitTable();
    }
    return QWidget::eventFilter(watched, event);
}

void DetailsWindow::keyPressEvent(QKeyEvent* event)
{
    if (!ClosedOnEscape(*this, *event)) {
        QWidget::keyPressEvent(event);
    }
}

void DetailsWindow::CopyTable() const
{
    QApplication::clipboard()->setText(tableText_);
}

void DetailsWindow::SetStaleNote(const QString& note)
{
    if (staleNote_ == nullptr) {
        staleNote_ = NewStaleNote(u"AvisoResultadoAnterior"_s, this);
        // Above everything, as over the form's result.
        if (auto* column = qobject_cast<QBoxLayout*>(layout())) {
            column->insertWidget(0, staleNote_);
        } else {
            layout()->addWidget(staleNote_);
        }
    }
    staleNote_->setText(note);
    staleNote_->setVisible(!note.isEmpty());
}

} // namespace kinetra
