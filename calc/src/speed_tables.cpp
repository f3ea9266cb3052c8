#include "kinetra/speed_tables.h"

#include "checked_real.h"
#include "fault_context.h"

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

double FrontalAreaValue(const FrontalArea& area, const QLocale& locale)
{
    if (const auto* number = std::get_if<double>(&area)) {
        return *number;
    }
    const auto* text = std::get_if<QString>(&area);
    if (text == nullptr) {
        return 0;
    }
    bool ok = false;
    const double value = locale.toDouble(*text, &ok);
    if (ok && std::isfinite(value)) {
        return value;
    }
    // Qt answers a number beyond the double range with infinity and not ok;
    // "inf" and "nan" it reads, but they are no area.
    if (!ok && std::isinf(value)) {
        throw CalcFault(FaultKind::Overflow,
                        QStringLiteral("Desbordamiento: el área frontal «%1» es demasiado grande.").arg(*text));
    }
    throw CalcFault(FaultKind::TypeMismatch,
                    QStringLiteral("No coinciden los tipos: el área frontal «%1» no es un número "
                                   "(se escribe con el separador decimal «%2»).")
                        .arg(*text, locale.decimalPoint()));
}

namespace {

// The parts of the road load that do not change with speed, each grouped as
// written: computed once a fill in plain doubles, and as Real, every operation
// checked, only to find the one that overflowed.
template <class Number>
struct RoadLoadTerms {
    Number drag;     // S x k, with k = Cx x 0.61: the drag divided by v²
    Number rolling;  // Frr = (f x 9.81) x m
    Number slope;    // Fs = (m x sin(theta)) x 9.81
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
                [&] { return QStringLiteral("al calcular la resistencia al avance a %1 m/s.").arg(InputNumber(v.value())); },
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
        double speed = (((j + vi) - 1) / r.value()) / 6.28303384;
        if (!std::isfinite(speed)) [[unlikely]] {
            const Real v = (Real(j) + vi) - 1;
            speed = Computing(
                [&] {
                    return QStringLiteral("al calcular la velocidad de giro de la rueda a %1 m/s.")
                               .arg(InputNumber(v.value()))
                           + (r.value() == 0 ? TyreHint() : QString());
                },
                [&] { return ((v / r) / 6.28303384).value(); });
        }
        tables.WheelSpeed[j] = speed;
    }
}

} // namespace kinetra
