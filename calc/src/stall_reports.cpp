#include "stall_reports.h"

#include "fault_context.h"
#include "input_boxes.h"
#include "kinetra/speed_tables.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace kinetra {
namespace {

QString Named(const char* name, double value)
{
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(name), InputNumber(value));
}

// Engine speed in `gear` at `speed`, worked out as the tables do.
double EngineSpeed(const Vehicle& vehicle, int gear, double speed)
{
    const double ratio = vehicle.gearRatio[static_cast<std::size_t>(gear - 1)] * vehicle.finalDrive;
    return ratio * ((speed / vehicle.wheelRadius) / kRadiansPerTurn);
}

QString WholeNumber(double value)
{
    return QString::number(value, 'f', 0);
}

} // namespace

QString ForceBalanceBoxes(const Vehicle& vehicle, int topGear)
{
    QStringList boxes;
    for (int g = 1; g <= topGear; ++g) {
        const auto gear = static_cast<std::size_t>(g - 1);
        boxes << Named(box::kGear[gear], vehicle.gearRatio[gear]);
    }
    boxes << Named(box::kFinalDrive, vehicle.finalDrive) << Named(box::kEfficiency, vehicle.efficiency);
    for (std::size_t i = 0; i < vehicle.torqueCoefficient.size(); ++i) {
        boxes << Named(box::kTorque[i], vehicle.torqueCoefficient[i]);
    }
    boxes << QStringLiteral("«Ruedas» (%1 / %2 R %3)")
                 .arg(InputNumber(vehicle.tyreWidth), InputNumber(vehicle.tyreAspect), InputNumber(vehicle.rimDiameter))
          << Named(box::kMass, vehicle.mass) << Named(box::kMassFactor, vehicle.massFactor)
          << Named(box::kDrag, vehicle.dragCoefficient)
          << QStringLiteral("el área frontal (%1 m²)").arg(InputNumber(vehicle.frontalArea))
          << Named(box::kRolling, vehicle.rollingCoefficient) << Named(box::kSlope, vehicle.slopePercent);
    const QString last = boxes.takeLast();
    return QStringLiteral("%1 y %2").arg(boxes.join(QStringLiteral(", ")), last);
}

QString StallAdvice(const Vehicle& vehicle, double step, int gear, int topGear)
{
    const double from = (step + vehicle.initialSpeed) - 1;
    if (step > 1) {
        // Every step below this one was covered: the run up to here is a result.
        return QStringLiteral(
                   " Escriba en %1 %2 o menos, o, para llegar más lejos, revise los datos que deciden "
                   "la fuerza y la resistencia: %3.")
            .arg(QString::fromUtf8(box::kFinalSpeed), InputNumber(from), ForceBalanceBoxes(vehicle, topGear));
    }
    const double low = EngineSpeed(vehicle, gear, from);
    const double high = EngineSpeed(vehicle, gear, from + 1);
    const QString torque = low == 0 ? QStringLiteral("a pocas vueltas, de 0 a %1 rev/s (%2 es el par a 0 rev/s)")
                                          .arg(WholeNumber(high), QString::fromUtf8(box::kTorque[0]))
                                    : QStringLiteral("entre %1 y %2 rev/s, lo que gira el motor en ese paso")
                                          .arg(WholeNumber(low), WholeNumber(high));
    return QStringLiteral(
               " Ya falla el primer paso, y eso no cambia con %1: para acelerar desde %2 m/s hace "
               "falta más par motor %3, una relación mayor en %4 o menos carga. Revise los datos "
               "que deciden la fuerza y la resistencia: %5.")
        .arg(QString::fromUtf8(box::kFinalSpeed), InputNumber(from), torque, QString::fromUtf8(box::kGear[gear - 1]),
             ForceBalanceBoxes(vehicle, topGear));
}

CalcFault NoStartingGearFault(const CalcInput& input, const Vehicle& vehicle, const CalcTables& tables, int topGear)
{
    if (topGear == 0) {
        return CalcFault(FaultKind::NoStartingGear,
                         QStringLiteral("Ninguna marcha puede arrancar: ninguna tiene relación. Escriba la relación "
                                        "de %1, por ejemplo 3.5.")
                             .arg(QString::fromUtf8(box::kGear[0])));
    }
    const QString head =
        QStringLiteral("Ninguna marcha puede arrancar a %1 m/s: ").arg(InputNumber(vehicle.initialSpeed));
    const QString boxes = QStringLiteral(" Revise los datos que deciden la fuerza y la resistencia: %1.")
                              .arg(ForceBalanceBoxes(vehicle, topGear));
    const auto fault = [&](const QString& why) { return CalcFault(FaultKind::NoStartingGear, head + why + boxes); };
    if (vehicle.finalDrive == 0) {
        return fault(WhatItSays(box::kFinalDrive, input.finalDrive, 0)
                     + QStringLiteral(", y sin diferencial el motor no mueve las ruedas en ninguna marcha. Escriba la "
                                      "relación del diferencial, por ejemplo 4.1."));
    }
    if (vehicle.efficiency == 0) {
        return fault(WhatItSays(box::kEfficiency, input.efficiency, 0)
                     + QStringLiteral(", y con un rendimiento de 0 no llega a las ruedas nada de la fuerza del "
                                      "motor. Escriba el rendimiento de la transmisión, de 0 a 1, por ejemplo 0.9."));
    }
    double best = tables.StartMeanAccel[1];
    for (int g = 2; g <= topGear; ++g) {
        best = std::max(best, tables.StartMeanAccel[g]);
    }
    if (!(best > 0)) {
        return fault(
            QStringLiteral("en ninguna marcha la fuerza del motor en las ruedas supera la resistencia al "
                           "avance. Para arrancar hace falta más par motor, relaciones mayores o menos "
                           "carga."));
    }
    // Some gear accelerates, yet none beats both neighbours: the best
    // acceleration is shared by two neighbouring gears.
    for (int g = 1; g < topGear; ++g) {
        if (tables.StartMeanAccel[g] != best || tables.StartMeanAccel[g + 1] != best) {
            continue;
        }
        const auto lower = static_cast<std::size_t>(g - 1);
        const QString lowerBox = QString::fromUtf8(box::kGear[lower]);
        const QString upperBox = QString::fromUtf8(box::kGear[lower + 1]);
        if (vehicle.gearRatio[lower] == vehicle.gearRatio[lower + 1]) {
            return fault(QStringLiteral("%1 y %2 tienen la misma relación (%3), así que empujan igual y ninguna de "
                                        "las dos acelera más que la otra. Escriba en %2 una relación menor que la de "
                                        "%1.")
                             .arg(lowerBox, upperBox, InputNumber(vehicle.gearRatio[lower])));
        }
        return fault(QStringLiteral("%1 y %2 aceleran exactamente igual en el primer paso, así que ninguna de las "
                                    "dos acelera más que la otra. Cambie un poco la relación de una de ellas.")
                         .arg(lowerBox, upperBox));
    }
    return fault(QStringLiteral("en el primer paso ninguna marcha acelera más que las de al lado."));
}

} // namespace kinetra
