#include "kinetra/speed_tables.h"

#include "checked_real.h"
#include "fault_context.h"
#include "input_boxes.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

namespace kinetra {

int WholeSteps(double initialSpeed, double finalSpeed)
{
    const double difference = finalSpeed - initialSpeed;
    const double nearest = std::nearbyint(difference);
    // Each speed is off its decimal value by at most half a unit in its last
    // place, and the subtraction adds as much again: four times that bound
    // leaves a margin and is still far below any range a person types.
    const double tolerance =
        4 * std::numeric_limits<double>::epsilon() * (std::fabs(initialSpeed) + std::fabs(finalSpeed));
    const double whole = std::fabs(difference - nearest) <= tolerance ? nearest : std::floor(difference);
    return static_cast<int>(std::clamp(whole, 0.0, static_cast<double>(Table::kSize)));
}

namespace {

// The area box is the one box read with the user's locale: its reports say
// so, with the locale's own separator, and how to make the typed area count.
QString TypeTheArea(const QLocale& locale)
{
    return QStringLiteral(
               " Este cuadro se lee con la configuración regional del sistema: escriba el área en m² "
               "con «%1» como separador decimal y sin separador de miles, por ejemplo %2.")
        .arg(locale.decimalPoint(), QLatin1Char('2') + locale.decimalPoint() + QLatin1Char('2'));
}

double AreaFromText(const QString& text, const QLocale& locale)
{
    const QString typed = QString::fromUtf8(box::kAreaTyped);
    if (text.trimmed().isEmpty()) {
        throw CalcFault(FaultKind::TypeMismatch, QStringLiteral("%1 está en blanco.").arg(typed) + TypeTheArea(locale));
    }
    // A group separator would turn "2.500" into 2500 m² in a locale that
    // writes "2,5": no area is typed in thousands, so one is refused.
    QLocale reading = locale;
    reading.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = reading.toDouble(text, &ok);
    // Qt answers a number beyond the double range with infinity and not ok;
    // "inf" and "nan" it reads, but they are no area.
    if (!ok && std::isinf(value)) {
        throw CalcFault(
            FaultKind::Overflow,
            QStringLiteral("%1 dice «%2», un número demasiado grande para calcular con él.").arg(typed, text)
                + TypeTheArea(locale));
    }
    if (!ok || !std::isfinite(value)) {
        throw CalcFault(FaultKind::TypeMismatch,
                        QStringLiteral("%1 dice «%2», que no se puede leer como un número.").arg(typed, text)
                            + TypeTheArea(locale));
    }
    if (value < 0) {
        QLocale writing = locale;
        writing.setNumberOptions(QLocale::OmitGroupSeparator);
        throw CalcFault(FaultKind::InvalidInput,
                        QStringLiteral("%1 dice «%2», que se lee como %3 m²: un área no puede ser negativa.")
                                .arg(typed, text, writing.toString(value, 'g', 15))
                            + TypeTheArea(locale));
    }
    return value;
}

} // namespace

double FrontalAreaValue(const FrontalArea& area, const QLocale& locale)
{
    if (const auto* number = std::get_if<double>(&area)) {
        if (*number < 0) {
            throw CalcFault(FaultKind::InvalidInput,
                            QStringLiteral("%1 da un área frontal de %2 m² (alto × 0.8 × ancho): un área no puede "
                                           "ser negativa. Escriba el alto y el ancho del vehículo en m, sin signo.")
                                .arg(QString::fromUtf8(box::kAreaFromSides), InputNumber(*number)));
        }
        return *number;
    }
    const auto* text = std::get_if<QString>(&area);
    return text == nullptr ? 0 : AreaFromText(*text, locale);
}

namespace {

// The parts of the road load that do not change with speed, each grouped as
// written: computed once a fill in plain doubles, and as Real, every operation
// checked, only to find the one that overflowed.
template <class Number>
struct RoadLoadTerms {
    Number drag;    // S x k, with k = Cx x 0.61: the drag divided by v²
    Number rolling; // Frr = (f x 9.81) x m
    Number slope;   // Fs = (m x sin(theta)) x 9.81
};

template <class Number>
RoadLoadTerms<Number> RoadLoadTermsOf(const Vehicle& vehicle)
{
    const Number m = vehicle.mass;
    const Number k = Number(vehicle.dragCoefficient) * 0.61;
    const Number frr = (Number(vehicle.rollingCoefficient) * 9.81) * m;
    const Number fs = (m * vehicle.sinSlope) * 9.81;
    return {Number(vehicle.frontalArea) * k, frr, fs};
}

// Fs + (Frr + v x (v x (S x k))). Only +, - and x: an overflow anywhere
// leaves the result infinite or NaN, so one check of the result finds it.
template <class Number>
Number RoadLoadAt(const RoadLoadTerms<Number>& terms, Number v)
{
    return terms.slope + (terms.rolling + v * (v * terms.drag));
}

} // namespace

void FillRoadLoad(CalcTables& tables, const Vehicle& vehicle)
{
    assert(vehicle.steps >= 0 && vehicle.steps <= Table::kSize - 2);
    const double vi = vehicle.initialSpeed;
    const RoadLoadTerms<double> terms = RoadLoadTermsOf<double>(vehicle);
    tables.RoadLoad[0] = 0;
    for (int j = 1; j <= vehicle.steps + 1; ++j) {
        double load = RoadLoadAt(terms, (j + vi) - 1);
        if (!std::isfinite(load)) [[unlikely]] {
            // Again with every operation checked, in the order written, to
            // report the first that overflowed.
            const Real v = (Real(j) + vi) - 1;
            load = Computing(
                [&] {
                    return QStringLiteral(
                               "Pasó al calcular la resistencia al avance a %1 m/s: revise %2 (%3), el "
                               "área frontal (%4 m²), %5 (%6), %7 (%8) y %9 (%10).")
                        .arg(InputNumber(v.value()), QString::fromUtf8(box::kDrag),
                             InputNumber(vehicle.dragCoefficient), InputNumber(vehicle.frontalArea),
                             QString::fromUtf8(box::kRolling), InputNumber(vehicle.rollingCoefficient),
                             QString::fromUtf8(box::kMass), InputNumber(vehicle.mass), QString::fromUtf8(box::kSlope))
                        .arg(InputNumber(vehicle.slopePercent));
                },
                [&] { return RoadLoadAt(RoadLoadTermsOf<Real>(vehicle), v).value(); });
        }
        tables.RoadLoad[j] = load;
    }
}

void FillWheelSpeed(CalcTables& tables, const Vehicle& vehicle)
{
    assert(vehicle.steps >= 0 && vehicle.steps <= Table::kSize - 2);
    const double vi = vehicle.initialSpeed;
    const Real r = vehicle.wheelRadius;
    tables.WheelSpeed[0] = 0;
    for (int j = 1; j <= vehicle.steps + 1; ++j) {
        // A zero radius or an overflow leaves the quotient infinite or NaN.
        double speed = (((j + vi) - 1) / r.value()) / kRadiansPerTurn;
        if (!std::isfinite(speed)) [[unlikely]] {
            const Real v = (Real(j) + vi) - 1;
            speed = Computing(
                [&] {
                    return QStringLiteral(
                               "Pasó al calcular el giro de la rueda a %1 m/s, con un radio de rueda de "
                               "%2 m.")
                               .arg(InputNumber(v.value()), InputNumber(r.value()))
                           + TyreHint(vehicle);
                },
                [&] { return ((v / r) / kRadiansPerTurn).value(); });
        }
        tables.WheelSpeed[j] = speed;
    }
}

} // namespace kinetra
