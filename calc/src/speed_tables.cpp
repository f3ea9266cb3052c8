#include "kinetra/speed_tables.h"

#include "checked_real.h"
#include "fault_context.h"

#include <algorithm>
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

void FillRoadLoad(CalcTables& tables, const Vehicle& vehicle)
{
    const Real vi = vehicle.initialSpeed;
    const double entries = vehicle.steps + 1;
    const Real m = vehicle.mass;
    const Real s = vehicle.frontalArea;
    for (double j = 1; j <= entries; j += 1) {
        tables.RoadLoad.set(0, 0);
        const Real v = (Real(j) + vi) - 1;
        const double load = Computing(
            [&] { return QStringLiteral("al calcular la resistencia al avance a %1 m/s.").arg(InputNumber(v.value())); },
            [&] {
                const Real k = Real(vehicle.dragCoefficient) * 0.61;
                const Real frr = (Real(vehicle.rollingCoefficient) * 9.81) * m;
                const Real fs = (m * vehicle.sinSlope) * 9.81;
                return (fs + (frr + v * (v * (s * k)))).value();
            });
        tables.RoadLoad.set(j, load);
    }
}

void FillWheelSpeed(CalcTables& tables, const Vehicle& vehicle)
{
    const Real vi = vehicle.initialSpeed;
    const double entries = vehicle.steps + 1;
    const Real r = vehicle.wheelRadius;
    for (double j = 1; j <= entries; j += 1) {
        tables.WheelSpeed.set(0, 0);
        const Real v = (Real(j) + vi) - 1;
        const double speed = Computing(
            [&] {
                return QStringLiteral("al calcular la velocidad de giro de la rueda a %1 m/s.")
                           .arg(InputNumber(v.value()))
                       + (r.value() == 0 ? TyreHint() : QString());
            },
            [&] { return ((v / r) / 6.28303384).value(); });
        tables.WheelSpeed.set(j, speed);
    }
}

} // namespace kinetra
