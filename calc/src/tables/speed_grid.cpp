#include "tables/speed_grid.h"

#include "faults/checked_real.h"
#include "faults/report_words.h"
#include "tables/wheel_and_slope.h"

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
                    return Whereabouts(QStringLiteral("Pasó al calcular la resistencia al avance a %1 m/s: revise "
                                                      "%2 (%3), el área frontal (%4 m²), %5 (%6), %7 (%8) y %9 (%10).")
                                           .arg(InputNumber(v.value()), Quoted(BoxId::Drag),
                                                InputNumber(vehicle.dragCoefficient), InputNumber(vehicle.frontalArea),
                                                Quoted(BoxId::Rolling), InputNumber(vehicle.rollingCoefficient),
                                                Quoted(BoxId::Mass), InputNumber(vehicle.mass), Quoted(BoxId::Slope))
                                           .arg(InputNumber(vehicle.slopePercent)),
                                       BoxId::Drag);
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
                    return Whereabouts(QStringLiteral("Pasó al calcular el giro de la rueda a %1 m/s, con un radio de "
                                                      "rueda de %2 m.")
                                               .arg(InputNumber(v.value()), InputNumber(r.value()))
                                           + TyreHint(vehicle),
                                       BoxId::TyreWidth);
                },
                [&] { return ((v / r) / kRadiansPerTurn).value(); });
        }
        tables.WheelSpeed[j] = speed;
    }
}

} // namespace kinetra
