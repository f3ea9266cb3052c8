#include "kinetra/speed_tables.h"

#include "checked_real.h"
#include "fault_context.h"

#include <cmath>
#include <optional>

namespace kinetra {

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

void FillRoadLoad(CalcTables& tables, const Vehicle& vehicle, const FrontalArea& area,
                  const QLocale& locale)
{
    const Real vi = vehicle.initialSpeed;
    const Real nst = (Real(vehicle.finalSpeed) - vi) + 1;
    const Real m = vehicle.mass;
    // The area text is read once, where the first entry needs it.
    std::optional<Real> s;
    for (double j = 1; j <= nst.value(); j += 1) {
        tables.RoadLoad.set(0, 0);
        const Real v = (Real(j) + vi) - 1;
        const double load = Computing(
            [&] { return QStringLiteral("al calcular la resistencia al avance a %1 m/s.").arg(InputNumber(v.value())); },
            [&] {
                const Real k = Real(vehicle.dragCoefficient) * 0.61;
                const Real frr = (Real(vehicle.rollingCoefficient) * 9.81) * m;
                const Real fs = (m * vehicle.sinSlope) * 9.81;
                if (!s) {
                    s = FrontalAreaValue(area, locale);
                }
                return (fs + (frr + v * (v * (*s * k)))).value();
            });
        tables.RoadLoad.set(j, load);
    }
}

void FillWheelSpeed(CalcTables& tables, const Vehicle& vehicle)
{
    const Real vi = vehicle.initialSpeed;
    const Real nst = (Real(vehicle.finalSpeed) - vi) + 1;
    const Real r = vehicle.wheelRadius;
    for (double j = 1; j <= nst.value(); j += 1) {
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
