#include "kinetra/torque_curve_dialog.h"

#include "chart_kit.h"
#include "torque_curve_chart.h"
#include "torque_curve_text.h"

#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

QLineEdit* FigureBox(const QString& name, const QString& accessibleName, const QString& description,
                     const QString& example, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setAccessibleDescription(description);
    box->setToolTip(description);
    box->setPlaceholderText(example);
    // Room for "10.000" rev/min and the box's margins, never squeezed.
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(u"00.000,0"_s) + box->fontMetrics().height());
    return box;
}

} // namespace

TorqueCurveDialog::TorqueCurveDialog(QLocale locale, QWidget* parent) : QDialog(parent), locale_(std::move(locale))
{
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
    setObjectName(u"CurvaDePar"_s);
    setWindowTitle(u"Curva de par del motor"_s);

    QLabel* pointsCaption = BuildPointsBox();
    QGroupBox* brochure = BuildBrochure();
    QLabel* degreeCaption = BuildDegreeBox();

    chartView_ = NewChartView(u"TorqueCurveChart"_s, u"Gráfica de la curva de par"_s, QSize(280, 200), this);

    words_ = NewChartWords(u"TorqueCurveSummary"_s, this);
    words_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    saveImage_ = NewSaveImageButton(*chartView_, u"SaveTorqueCurveImage"_s, this);

    use_ = new QPushButton(u"&Usar estos coeficientes"_s, this);
    use_->setObjectName(u"UseCoefficients"_s);
    use_->setAccessibleDescription(u"Escribe los siete coeficientes en la columna «Coef. Polinomio Par»"_s);
    use_->setDefault(true);
    cancel_ = new QPushButton(u"Cancelar"_s, this);
    cancel_->setObjectName(u"CancelCurve"_s);
    cancel_->setAutoDefault(false);

    LayOut(pointsCaption, brochure, degreeCaption);
    ChainFocus();

    // Everything follows what is typed, so the curve is seen as it is made.
    connect(points_, &QPlainTextEdit::textChanged, this, &TorqueCurveDialog::Refit);
    for (QLineEdit* box : {peakTorque_, peakTorqueSpeed_, peakPower_, peakPowerSpeed_}) {
        connect(box, &QLineEdit::textChanged, this, &TorqueCurveDialog::Refit);
    }
    connect(degree_, &QComboBox::currentIndexChanged, this, &TorqueCurveDialog::Refit);
    connect(use_, &QPushButton::clicked, this, &TorqueCurveDialog::UseCoefficients);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    ResizeWithinScreen(*this, QSize(920, 560));
    Refit();
}

QLabel* TorqueCurveDialog::BuildPointsBox()
{
    points_ = new QPlainTextEdit(this);
    points_->setObjectName(u"TorquePoints"_s);
    points_->setAccessibleName(u"Puntos de la curva de par"_s);
    points_->setAccessibleDescription(PointsDescription());
    points_->setToolTip(PointsDescription());
    points_->setPlaceholderText(u"Un punto por línea, por ejemplo:\n1.500\t160\n3.000\t185,5\n6.000\t150"_s);
    // Tab moves on, as in every other box; tabs pasted from a spreadsheet stay.
    points_->setTabChangesFocus(true);
    points_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* pointsCaption = new QLabel(u"&Puntos (rev/min y N·m, uno por línea):"_s, this);
    pointsCaption->setBuddy(points_);
    pointsReading_ = new QLabel(this);
    pointsReading_->setObjectName(u"TorquePointsReading"_s);
    pointsReading_->setWordWrap(true);
    pointsReading_->setTextFormat(Qt::PlainText);
    return pointsCaption;
}

QGroupBox* TorqueCurveDialog::BuildBrochure()
{
    auto* brochure = new QGroupBox(u"Datos del folleto (si no hay puntos)"_s, this);
    peakTorque_ = FigureBox(u"PeakTorque"_s, u"Par máximo"_s, u"Par máximo del motor, en N·m"_s, u"250"_s, brochure);
    peakTorqueSpeed_ = FigureBox(u"PeakTorqueSpeed"_s, u"Régimen del par máximo"_s,
                                 u"Régimen al que el motor da el par máximo, en rev/min"_s, u"4.000"_s, brochure);
    peakPower_ =
        FigureBox(u"PeakPower"_s, u"Potencia máxima"_s, u"Potencia máxima del motor, en kW"_s, u"120"_s, brochure);
    peakPowerSpeed_ = FigureBox(u"PeakPowerSpeed"_s, u"Régimen de la potencia máxima"_s,
                                u"Régimen al que el motor da la potencia máxima, en rev/min"_s, u"6.000"_s, brochure);
    auto* peakTorqueCaption = new QLabel(u"Par &máximo"_s, brochure);
    peakTorqueCaption->setBuddy(peakTorque_);
    auto* peakPowerCaption = new QLabel(u"Po&tencia máxima"_s, brochure);
    peakPowerCaption->setBuddy(peakPower_);
    auto* brochureGrid = new QGridLayout(brochure);
    brochureGrid->addWidget(peakTorqueCaption, 0, 0);
    brochureGrid->addWidget(peakTorque_, 0, 1);
    brochureGrid->addWidget(new QLabel(u"N·m a"_s, brochure), 0, 2);
    brochureGrid->addWidget(peakTorqueSpeed_, 0, 3);
    brochureGrid->addWidget(new QLabel(u"rev/min"_s, brochure), 0, 4);
    brochureGrid->addWidget(peakPowerCaption, 1, 0);
    brochureGrid->addWidget(peakPower_, 1, 1);
    brochureGrid->addWidget(new QLabel(u"kW a"_s, brochure), 1, 2);
    brochureGrid->addWidget(peakPowerSpeed_, 1, 3);
    brochureGrid->addWidget(new QLabel(u"rev/min"_s, brochure), 1, 4);
    brochureGrid->setColumnStretch(5, 1);
    return brochure;
}

QLabel* TorqueCurveDialog::BuildDegreeBox()
{
    degree_ = new QComboBox(this);
    degree_->setObjectName(u"CurveDegree"_s);
    degree_->setAccessibleName(u"Grado del polinomio"_s);
    degree_->setAccessibleDescription(
        u"Automático: el grado más bajo cuya mayor desviación de los puntos no pasa del 2 % del par máximo"_s);
    degree_->addItem(u"Automático"_s, kAutomaticDegree);
    for (int degree = 1; degree <= kHighestDegree; ++degree) {
        degree_->addItem(QString::number(degree), degree);
    }
    auto* degreeCaption = new QLabel(u"&Grado del polinomio:"_s, this);
    degreeCaption->setBuddy(degree_);
    return degreeCaption;
}

void TorqueCurveDialog::LayOut(QLabel* pointsCaption, QGroupBox* brochure, QLabel* degreeCaption)
{
    auto* inputs = new QVBoxLayout;
    inputs->addWidget(pointsCaption);
    inputs->addWidget(points_, 1);
    inputs->addWidget(pointsReading_);
    inputs->addWidget(brochure);
    auto* degreeRow = new QHBoxLayout;
    degreeRow->addWidget(degreeCaption);
    degreeRow->addWidget(degree_);
    degreeRow->addStretch();
    inputs->addLayout(degreeRow);
    auto* shown = new QVBoxLayout;
    shown->addWidget(chartView_, 1);
    shown->addWidget(words_);
    shown->addWidget(saveImage_, 0, Qt::AlignRight);
    auto* columns = new QHBoxLayout;
    // The inputs take what they need; the chart, the rest.
    columns->addLayout(inputs);
    columns->addLayout(shown, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(use_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
}

void TorqueCurveDialog::ChainFocus()
{
    setTabOrder(points_, peakTorque_);
    setTabOrder(peakTorque_, peakTorqueSpeed_);
    setTabOrder(peakTorqueSpeed_, peakPower_);
    setTabOrder(peakPower_, peakPowerSpeed_);
    setTabOrder(peakPowerSpeed_, degree_);
    setTabOrder(degree_, chartView_);
    setTabOrder(chartView_, words_);
    setTabOrder(words_, saveImage_);
    setTabOrder(saveImage_, use_);
    setTabOrder(use_, cancel_);
}

void TorqueCurveDialog::ShowCurrentCurve(std::optional<TorqueCoefficients> current)
{
    const bool empty = current && std::ranges::all_of(*current, [](double c) { return c == 0; });
    current_ = empty ? std::nullopt : current;
    ShowOutcomeInWords();
    DrawCurves();
}

CurveRequest TorqueCurveDialog::Request() const
{
    return {points_->toPlainText(), peakTorque_->text(),     peakTorqueSpeed_->text(),
            peakPower_->text(),     peakPowerSpeed_->text(), degree_->currentData().toInt()};
}

void TorqueCurveDialog::SetRequest(const CurveRequest& request)
{
    points_->setPlainText(request.points);
    peakTorque_->setText(request.peakTorque);
    peakTorqueSpeed_->setText(request.peakTorqueSpeed);
    peakPower_->setText(request.peakPower);
    peakPowerSpeed_->setText(request.peakPowerSpeed);
    degree_->setCurrentIndex(std::max(0, degree_->findData(request.degree)));
}

void TorqueCurveDialog::Refit()
{
    outcome_ = FitTorqueCurve(Request());
    ShowOutcomeInWords();
    DrawCurves();
}

// Writes nothing unless there is a fit: a refusal takes the user to what to
// change.
void TorqueCurveDialog::UseCoefficients()
{
    if (const auto* fit = std::get_if<TorqueCurveFit>(&outcome_)) {
        emit coefficientsChosen(fit->coefficients);
        accept();
    } else if (const auto* refusal = std::get_if<CurveRefusal>(&outcome_)) {
        FocusRefusedInput(*refusal);
    } else {
        points_->setFocus(Qt::OtherFocusReason);
    }
}

void TorqueCurveDialog::FocusRefusedInput(const CurveRefusal& refusal)
{
    QLineEdit* box = nullptr;
    switch (refusal.field) {
    case CurveField::Points: break;
    case CurveField::PeakTorque: box = peakTorque_; break;
    case CurveField::PeakTorqueSpeed: box = peakTorqueSpeed_; break;
    case CurveField::PeakPower: box = peakPower_; break;
    case CurveField::PeakPowerSpeed: box = peakPowerSpeed_; break;
    }
    if (box != nullptr) {
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        return;
    }
    points_->setFocus(Qt::OtherFocusReason);
    if (refusal.line > 0) {
        const QTextBlock line = points_->document()->findBlockByNumber(refusal.line - 1);
        QTextCursor cursor(line);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        points_->setTextCursor(cursor);
    }
}

void TorqueCurveDialog::ShowOutcomeInWords()
{
    const auto* fit = std::get_if<TorqueCurveFit>(&outcome_);
    const auto* refusal = std::get_if<CurveRefusal>(&outcome_);
    const QString refused = refusal != nullptr ? refusal->message : QString();
    const CurveField refusedField = refusal != nullptr ? refusal->field : CurveField::Points;
    const QStringList readings = fit != nullptr ? fit->readingNotes : QStringList();
    const QStringList words = OutcomeInWords(outcome_, degree_->currentData().toInt(), current_, locale_);
    words_->setText(words.join(u'\n'));
    QPalette palette = words_->palette();
    palette.setColor(QPalette::WindowText,
                     refused.isEmpty() ? this->palette().color(QPalette::WindowText) : QColor(kAlarmRed));
    words_->setPalette(palette);
    words_->setAccessibleName(u"Resumen de la curva: "_s + words.join(u' '));

    // Under the points box, what was read another way; a refusal told on the
    // input it blames, for whoever reaches it with a screen reader.
    pointsReading_->setText(readings.join(u'\n'));
    pointsReading_->setVisible(!readings.isEmpty());
    const auto blame = [&](QWidget* input, CurveField field, const QString& description) {
        input->setAccessibleDescription(!refused.isEmpty() && refusedField == field ? refused + u' ' + description
                                                                                    : description);
    };
    blame(points_, CurveField::Points, (readings + QStringList{PointsDescription()}).join(u' '));
    blame(peakTorque_, CurveField::PeakTorque, peakTorque_->toolTip());
    blame(peakTorqueSpeed_, CurveField::PeakTorqueSpeed, peakTorqueSpeed_->toolTip());
    blame(peakPower_, CurveField::PeakPower, peakPower_->toolTip());
    blame(peakPowerSpeed_, CurveField::PeakPowerSpeed, peakPowerSpeed_->toolTip());
}

void TorqueCurveDialog::DrawCurves()
{
    const auto* fit = std::get_if<TorqueCurveFit>(&outcome_);
    const ChartedSpeeds speeds = SpeedsCharted(fit);
    const QStringList words = CurveChartInWords(fit, current_, speeds, locale_);
    SetChart(*chartView_, TorqueCurveChart(fit, current_, speeds, locale_, font()), words.join(u' '),
             words.join(u'\n'));
}

} // namespace kinetra
