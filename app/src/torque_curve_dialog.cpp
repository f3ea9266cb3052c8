#include "kinetra/torque_curve_dialog.h"

#include "kinetra/details_charts.h"

#include <QAccessibleWidget>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
#include <QTextBlock>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

// With no points, the current curve is drawn over the speeds of a usual car
// engine.
constexpr double kUsualLastSpeed = 6000;
// The chart goes a quarter beyond the last point: an engine driven past it
// still meets the polynomial there.
constexpr double kBeyondLastPoint = 1.25;

// Told apart also by those who see red and green alike, as the details' gears.
constexpr QRgb kTorqueColour = 0x0072B2;
constexpr QRgb kPowerColour = 0xD55E00;
constexpr QRgb kRefusalColour = 0xB00020;

QString PointsDescription()
{
    return u"Un punto por línea: régimen en rev/min y par en N·m, separados por espacios, un tabulador o «;». "
           u"Se leen como se escriben en español: 6.000 rev/min son seis mil y 205,5 N·m, doscientos cinco "
           u"y medio. Dos columnas copiadas de una hoja de cálculo valen tal cual."_s;
}

// To screen readers the chart is a chart, not an anonymous picture.
QAccessibleInterface* ChartAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1StringView(QChartView::staticMetaObject.className()) && object->isWidgetType()
        && object->objectName() == u"TorqueCurveChart"_s) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    }
    return nullptr;
}

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

// A polynomial far from its points can overflow: such points are left out.
QLineSeries* Curve(const QString& name, const QPen& pen, double from, double to, auto valueAt)
{
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(pen);
    constexpr int kSteps = 200;
    for (int i = 0; i <= kSteps; ++i) {
        const double rpm = from + (to - from) * i / kSteps;
        if (const double value = valueAt(rpm); std::isfinite(value)) {
            series->append(rpm, value);
        }
    }
    return series;
}

using Span = std::pair<double, double>; // lowest, highest

// What a series reaches, within `limit`: a curve that runs away beyond the
// last point is cut off rather than squeeze the part that matters.
void Widen(Span& range, const QXYSeries& series, Span limit = {-HUGE_VAL, HUGE_VAL})
{
    for (const QPointF& point : series.points()) {
        const double y = std::clamp(point.y(), limit.first, limit.second);
        range.first = std::min(range.first, y);
        range.second = std::max(range.second, y);
    }
}

// 1, 2, 2.5 or 5 times a power of ten, cutting `span` into about `parts`.
double NiceStep(double span, int parts)
{
    if (!(span > 0) || !std::isfinite(span)) {
        return 1;
    }
    const double raw = span / parts;
    const double magnitude = std::pow(10, std::floor(std::log10(raw)));
    for (const double times : {1.0, 2.0, 2.5, 5.0}) {
        if (times * magnitude >= raw) {
            return times * magnitude;
        }
    }
    return 10 * magnitude;
}

// Torque on the left, power on the right, with their zeros and grid lines
// level, so that neither axis reads against the other's lines.
void LevelAxes(QValueAxis& torqueAxis, Span torque, QValueAxis& powerAxis, Span power)
{
    const double torqueStep = NiceStep(torque.second - torque.first, 5);
    const double powerStep = NiceStep(power.second - power.first, 5);
    const double low = std::min(std::floor(torque.first / torqueStep), std::floor(power.first / powerStep));
    const double high = std::max(std::ceil(torque.second / torqueStep), std::ceil(power.second / powerStep));
    torqueAxis.setRange(low * torqueStep, std::max(high, low + 1) * torqueStep);
    powerAxis.setRange(low * powerStep, std::max(high, low + 1) * powerStep);
    const int ticks = static_cast<int>(std::clamp(std::max(high, low + 1) - low, 1.0, 30.0)) + 1;
    for (const auto& [axis, step] : {std::pair{&torqueAxis, torqueStep}, std::pair{&powerAxis, powerStep}}) {
        axis->setTickCount(ticks);
        // As many decimals as the step needs: 2.5 shows as 2.5, 50 as 50.
        int decimals = 0;
        for (double scaled = step; decimals < 6 && std::fabs(scaled - std::round(scaled)) > 1e-9 * scaled;
             scaled *= 10) {
            ++decimals;
        }
        axis->setLabelFormat(u"%.%1f"_s.arg(decimals));
    }
}

} // namespace

TorqueCurveDialog::TorqueCurveDialog(QLocale locale, QWidget* parent) : QDialog(parent), locale_(std::move(locale))
{
    QAccessible::installFactory(ChartAccessible);
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
    setObjectName(u"CurvaDePar"_s);
    setWindowTitle(u"Curva de par del motor"_s);

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

    chartView_ = new QChartView(this);
    chartView_->setObjectName(u"TorqueCurveChart"_s);
    chartView_->setAccessibleName(u"Gráfica de la curva de par"_s);
    chartView_->setRenderHint(QPainter::Antialiasing);
    // Reached with Tab, so that a screen reader reads out what it shows.
    chartView_->setFocusPolicy(Qt::StrongFocus);
    chartView_->setMinimumSize(280, 200);

    words_ = new QLabel(this);
    words_->setObjectName(u"TorqueCurveSummary"_s);
    words_->setWordWrap(true);
    words_->setTextFormat(Qt::PlainText);
    words_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    words_->setFocusPolicy(Qt::StrongFocus);
    words_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    use_ = new QPushButton(u"&Usar estos coeficientes"_s, this);
    use_->setObjectName(u"UseCoefficients"_s);
    use_->setAccessibleDescription(u"Escribe los siete coeficientes en la columna «Coef. Polinomio Par»"_s);
    use_->setDefault(true);
    cancel_ = new QPushButton(u"Cancelar"_s, this);
    cancel_->setObjectName(u"CancelCurve"_s);
    cancel_->setAutoDefault(false);

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

    setTabOrder(points_, peakTorque_);
    setTabOrder(peakTorque_, peakTorqueSpeed_);
    setTabOrder(peakTorqueSpeed_, peakPower_);
    setTabOrder(peakPower_, peakPowerSpeed_);
    setTabOrder(peakPowerSpeed_, degree_);
    setTabOrder(degree_, chartView_);
    setTabOrder(chartView_, words_);
    setTabOrder(words_, use_);
    setTabOrder(use_, cancel_);

    // Everything follows what is typed, so the curve is seen as it is made.
    connect(points_, &QPlainTextEdit::textChanged, this, &TorqueCurveDialog::Refit);
    for (QLineEdit* box : {peakTorque_, peakTorqueSpeed_, peakPower_, peakPowerSpeed_}) {
        connect(box, &QLineEdit::textChanged, this, &TorqueCurveDialog::Refit);
    }
    connect(degree_, &QComboBox::currentIndexChanged, this, &TorqueCurveDialog::Refit);
    connect(use_, &QPushButton::clicked, this, &TorqueCurveDialog::UseCoefficients);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    const QSize room = screen()->availableGeometry().size() * 9 / 10;
    resize(QSize(920, 560).boundedTo(room));
    Refit();
}

void TorqueCurveDialog::ShowCurrentCurve(std::optional<TorqueCoefficients> current)
{
    const bool empty = current && std::ranges::all_of(*current, [](double c) { return c == 0; });
    current_ = empty ? std::nullopt : current;
    ShowOutcomeInWords();
    DrawCurves();
}

void TorqueCurveDialog::Refit()
{
    outcome_ = FitTorqueCurve({points_->toPlainText(), peakTorque_->text(), peakTorqueSpeed_->text(),
                               peakPower_->text(), peakPowerSpeed_->text(), degree_->currentData().toInt()});
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

namespace {

QString Rpm(const QLocale& locale, double rpm)
{
    return locale.toString(rpm, 'f', 0);
}

QString Nm(const QLocale& locale, double torque)
{
    return locale.toString(torque, 'f', std::fabs(torque) < 10 ? 2 : 1);
}

// Peaks and the torque at rest of a curve, in words.
QString ShapeInWords(const CurveShape& shape, const QLocale& locale)
{
    return u"Par máximo: %1 N·m a %2 rev/min. Potencia máxima: %3 kW a %4 rev/min."_s.arg(
        Nm(locale, shape.peakTorque), Rpm(locale, shape.peakTorqueSpeed), locale.toString(shape.peakPower, 'f', 1),
        Rpm(locale, shape.peakPowerSpeed));
}

QStringList FitInWords(const TorqueCurveFit& fit, int askedDegree, const QLocale& locale)
{
    QStringList words;
    if (fit.fromBrochure) {
        words << u"Parábola del folleto (grado 2): su punto más alto es el par máximo, y pasa por el par de la "
                 u"potencia máxima, %1 N·m."_s.arg(Nm(locale, fit.points.back().newtonMetres));
    } else {
        const QString how = askedDegree == kAutomaticDegree ? u"automático"_s : u"elegido"_s;
        words << u"Grado %1 (%2): la mayor desviación de los puntos es %3 N·m, el %4 % del par máximo."_s.arg(
            QString::number(fit.degree), how, Nm(locale, fit.largestDeviation),
            locale.toString(fit.largestDeviationPercent, 'f', 1));
        if (!fit.withinTolerance) {
            words << u"Ningún grado queda dentro del 2 %: se usa el %1, el que mejor sigue los puntos."_s.arg(
                fit.degree);
        }
    }
    words << ShapeInWords(fit.shape, locale);
    // A parabola through both figures tops its power elsewhere than the
    // brochure says: worth knowing when it is more than a trifle.
    if (const double brochurePower = CurvePower(fit.coefficients, fit.lastRevPerMinute);
        fit.fromBrochure && fit.shape.peakPower > brochurePower * 1.02) {
        words << u"La parábola da más potencia que el folleto, %1 kW: lo supera antes de %2 rev/min."_s.arg(
            locale.toString(brochurePower, 'f', 1), Rpm(locale, fit.lastRevPerMinute));
    }
    words << u"Par a 0 rev/min (C0): %1 N·m; es el par con el que el cálculo arranca desde parado."_s.arg(
        Nm(locale, fit.shape.torqueAtRest));
    if (fit.shape.lowestTorque < 0) {
        words << u"Aviso: el par ajustado baja de 0 entre 0 y %1 rev/min (%2 N·m a %3 rev/min)%4."_s.arg(
            Rpm(locale, fit.lastRevPerMinute), Nm(locale, fit.shape.lowestTorque),
            Rpm(locale, fit.shape.lowestTorqueSpeed),
            fit.shape.torqueAtRest <= 0 ? u": desde parado, el coche no puede arrancar"_s : QString());
    }
    if (fit.shape.risesBeyondLastPoint) {
        words << u"Aviso: pasado el último punto (%1 rev/min) el par ajustado sube; el cálculo lo usaría si el motor "
                 u"pasara de ese régimen."_s.arg(Rpm(locale, fit.lastRevPerMinute));
    }
    return words;
}

} // namespace

void TorqueCurveDialog::ShowOutcomeInWords()
{
    QStringList words;
    QString refused;
    CurveField refusedField = CurveField::Points;
    QStringList readings;
    if (const auto* fit = std::get_if<TorqueCurveFit>(&outcome_)) {
        words = FitInWords(*fit, degree_->currentData().toInt(), locale_);
        readings = fit->readingNotes;
    } else if (const auto* refusal = std::get_if<CurveRefusal>(&outcome_)) {
        refused = refusal->message;
        refusedField = refusal->field;
        words << u"No se puede ajustar la curva: "_s + refusal->message;
    } else {
        words << u"Escriba los puntos de la curva de par o, si no los tiene, los datos del folleto: par máximo y "
                 u"potencia máxima, cada uno con su régimen."_s;
        // Before anything is fitted, what the typed coefficients mean.
        if (current_) {
            const CurveShape shape = ShapeOf(*current_, kUsualLastSpeed);
            words << u"Curva actual (la de las casillas), hasta %1 rev/min. "_s.arg(Rpm(locale_, kUsualLastSpeed))
                         + ShapeInWords(shape, locale_)
                  << u"Par a 0 rev/min (C0): %1 N·m."_s.arg(Nm(locale_, shape.torqueAtRest));
        }
    }
    words_->setText(words.join(u'\n'));
    QPalette palette = words_->palette();
    palette.setColor(QPalette::WindowText,
                     refused.isEmpty() ? this->palette().color(QPalette::WindowText) : QColor(kRefusalColour));
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
    const double last = fit != nullptr ? fit->lastRevPerMinute : kUsualLastSpeed;
    const double first = fit != nullptr ? fit->firstRevPerMinute : 0;
    // Speeds and torques past any engine's are only typing errors: the axes
    // stop there rather than overflow.
    constexpr double kAbsurd = 1e12;
    const double end = std::min(last * kBeyondLastPoint, kAbsurd);

    auto* chart = new QChart;
    chart->setTitle(u"Par y potencia frente al régimen"_s);
    chart->setLocale(locale_);
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* speedAxis = new QValueAxis;
    speedAxis->setTitleText(u"Régimen (rev/min)"_s);
    const double speedStep = NiceStep(end, 6);
    speedAxis->setRange(0, std::ceil(end / speedStep) * speedStep);
    speedAxis->setTickCount(static_cast<int>(std::clamp(std::ceil(end / speedStep), 1.0, 30.0)) + 1);
    auto* torqueAxis = new QValueAxis;
    torqueAxis->setTitleText(u"Par (N·m)"_s);
    auto* powerAxis = new QValueAxis;
    powerAxis->setTitleText(u"Potencia (kW)"_s);
    speedAxis->setLabelFormat(u"%.0f"_s);
    chart->addAxis(speedAxis, Qt::AlignBottom);
    chart->addAxis(torqueAxis, Qt::AlignLeft);
    chart->addAxis(powerAxis, Qt::AlignRight);

    Span torqueRange{0, 0};
    Span powerRange{0, 0};
    const auto add = [&](QXYSeries* series, QValueAxis* valueAxis, bool inLegend = true) {
        chart->addSeries(series);
        series->attachAxis(speedAxis);
        series->attachAxis(valueAxis);
        for (QLegendMarker* marker : chart->legend()->markers(series)) {
            marker->setVisible(inLegend);
        }
    };

    if (current_) {
        const TorqueCoefficients c = *current_;
        auto* line = Curve(u"Curva actual"_s, QPen(QColor(120, 120, 120, 150), 2, Qt::DashDotLine), 0, end,
                           [&](double rpm) { return CurveTorque(c, rpm); });
        add(line, torqueAxis);
        // Beside a fit, the current curve is cut off rather than squeeze it.
        if (fit == nullptr) {
            Widen(torqueRange, *line);
        }
    }
    if (fit != nullptr) {
        const TorqueCoefficients c = fit->coefficients;
        const auto torque = [&](double rpm) { return CurveTorque(c, rpm); };
        const auto power = [&](double rpm) { return CurvePower(c, rpm); };
        const QPen torqueGuess(QColor(kTorqueColour), 2, Qt::DashLine);
        const QPen powerGuess(QColor(kPowerColour), 2, Qt::DashLine);
        // From rest up to the first point the calculation uses the curve as
        // it is; beyond the last, only if the engine is driven past it.
        auto* torqueLine = Curve(u"Par"_s, QPen(QColor(kTorqueColour), 3), first, last, torque);
        auto* powerLine = Curve(u"Potencia"_s, QPen(QColor(kPowerColour), 2), first, last, power);
        auto* torqueBelow = Curve(u"Par extrapolado"_s, torqueGuess, 0, first, torque);
        auto* powerBelow = Curve(u"Potencia extrapolada"_s, powerGuess, 0, first, power);
        auto* torqueBeyond = Curve(u"Extrapolado"_s, torqueGuess, last, end, torque);
        auto* powerBeyond = Curve(u"Potencia extrapolada"_s, powerGuess, last, end, power);
        // The axes, in the curves' colours, name them: the legend keeps to
        // what they do not say, and fits a narrow chart.
        add(torqueLine, torqueAxis, false);
        add(powerLine, powerAxis, false);
        add(torqueBeyond, torqueAxis);
        add(powerBeyond, powerAxis, false);
        add(torqueBelow, torqueAxis, false);
        add(powerBelow, powerAxis, false);
        for (const auto& [line, range] : {std::pair{torqueLine, &torqueRange}, std::pair{torqueBelow, &torqueRange},
                                          std::pair{powerLine, &powerRange}, std::pair{powerBelow, &powerRange}}) {
            Widen(*range, *line);
        }
        const auto quarterMore = [](Span range) {
            const double quarter = (range.second - range.first) / 4;
            return Span{range.first - quarter, range.second + quarter};
        };
        Widen(torqueRange, *torqueBeyond, quarterMore(torqueRange));
        Widen(powerRange, *powerBeyond, quarterMore(powerRange));

        auto* dots = new QScatterSeries;
        dots->setName(fit->fromBrochure ? u"Folleto"_s : u"Puntos"_s);
        dots->setMarkerSize(9);
        dots->setColor(QColor(kTorqueColour));
        dots->setBorderColor(Qt::black);
        // A logger's thousands of rows would take seconds to draw at each
        // keystroke: a few hundred show the same cloud.
        const std::size_t every = fit->points.size() / 400 + 1;
        for (std::size_t i = 0; i < fit->points.size(); i += every) {
            dots->append(fit->points[i].revPerMinute, fit->points[i].newtonMetres);
        }
        add(dots, torqueAxis);
        Widen(torqueRange, *dots);
    }
    for (Span* range : {&torqueRange, &powerRange}) {
        *range = {std::max(range->first, -kAbsurd), std::min(range->second, kAbsurd)};
    }
    if (torqueRange.second <= torqueRange.first) {
        torqueRange.second = 100;
    }
    // Air above the highest point, so that the markers are seen whole.
    torqueRange.second += (torqueRange.second - torqueRange.first) * 0.05;
    LevelAxes(*torqueAxis, torqueRange, *powerAxis, powerRange);
    powerAxis->setVisible(fit != nullptr);
    for (const auto& [axis, colour] :
         {std::pair{torqueAxis, QColor(kTorqueColour)}, std::pair{powerAxis, QColor(kPowerColour)}}) {
        if (fit != nullptr) {
            axis->setLinePenColor(colour);
            axis->setLabelsColor(colour);
            axis->setTitleBrush(colour);
        }
    }
    UseFont(*chart, font());

    QChart* old = chartView_->chart();
    chartView_->setChart(chart);
    delete old;

    // The chart in words, for screen readers and as its tooltip.
    QStringList words;
    if (fit != nullptr) {
        words << u"Par y potencia ajustados, de grado %1, de 0 a %2 rev/min."_s.arg(fit->degree).arg(Rpm(locale_, end))
              << ShapeInWords(fit->shape, locale_)
              << u"La mayor desviación de los puntos es %1 N·m (%2 %)."_s.arg(
                     Nm(locale_, fit->largestDeviation), locale_.toString(fit->largestDeviationPercent, 'f', 1));
        words << (first > 0 ? u"De 0 a %1 rev/min y de %2 a %3 rev/min la curva es una extrapolación, en trazo "
                              u"discontinuo: no hay puntos allí."_s.arg(Rpm(locale_, first), Rpm(locale_, last),
                                                                        Rpm(locale_, end))
                            : u"De %1 a %2 rev/min, más allá del último punto, la curva es una extrapolación, en "
                              u"trazo discontinuo."_s.arg(Rpm(locale_, last), Rpm(locale_, end)));
    }
    if (current_) {
        const CurveShape shape = ShapeOf(*current_, last);
        words << u"En trazo claro, la curva actual de las casillas: par máximo %1 N·m a %2 rev/min; a 0 rev/min, "
                 u"%3 N·m."_s.arg(Nm(locale_, shape.peakTorque), Rpm(locale_, shape.peakTorqueSpeed),
                                  Nm(locale_, shape.torqueAtRest));
    } else {
        words << u"Las casillas del par están vacías: no hay curva actual."_s;
    }
    chartView_->setAccessibleDescription(words.join(u' '));
    chartView_->setToolTip(words.join(u'\n'));
}

} // namespace kinetra
