#include "tables/wheel_and_slope.h"

#include "faults/checked_real.h"
#include "faults/report_words.h"

#include <cmath>

namespace kinetra {

double WheelRadius(const Vehicle& vehicle)
{
    return Computing(
        [&] {
            return Whereabouts(QStringLiteral("Pasó al calcular el radio de la rueda.") + TyreHint(vehicle),
                               BoxId::TyreWidth);
        },
        [&] {
            const Real d = vehicle.rimDiameter;
            const Real h = vehicle.tyreAspect;
            const Real w = vehicle.tyreWidth;
            return ((d * 0.0254) / 2 + ((h * 0.001) / 100) * w).value();
        });
}

double SinSlope(const Vehicle& vehicle)
{
    const double theta = std::atan((Real(vehicle.slopePercent) / 100).value());
    return std::sin(theta);
}

QString TyreHint(const Vehicle& vehicle)
{
    return QStringLiteral(" %1 se lee como %2 / %3 R %4: escriba la medida del neumático, por ejemplo 195 / 65 R 15.")
        .arg(QuotedRow(BoxId::TyreWidth), InputNumber(vehicle.tyreWidth), InputNumber(vehicle.tyreAspect),
             InputNumber(vehicle.rimDiameter));
}

} // namespace kinetra
