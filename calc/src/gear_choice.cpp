#include "kinetra/gear_choice.h"

#include "fault_context.h"
#include "input_boxes.h"
#include "kinetra/calc_fault.h"
#include "kinetra/torque.h"

namespace kinetra {
namespace {

[[noreturn]] void ThrowCannotAccelerate(const Vehicle& vehicle, double step, int gear)
{
    const double from = (step + vehicle.initialSpeed) - 1;
    throw CalcFault(FaultKind::CannotAccelerate,
                    QStringLiteral("El vehículo no puede pasar de %1 m/s: en %2.ª marcha, entre %1 y %3 m/s, la "
                                   "fuerza del motor en las ruedas no supera la resistencia al avance. Escriba "
                                   "en %4 %1 o menos, o revise el par motor (%5 a %6), %7 (%8), %9 (%10) y "
                                   "%11 (%12).")
                        .arg(InputNumber(from))
                        .arg(gear)
                        .arg(InputNumber(from + 1), QString::fromUtf8(box::kFinalSpeed),
                             QString::fromUtf8(box::kTorque[0]), QString::fromUtf8(box::kTorque[6]),
                             QString::fromUtf8(box::kEfficiency), InputNumber(vehicle.efficiency),
                             QString::fromUtf8(box::kMass))
                        .arg(InputNumber(vehicle.mass), QString::fromUtf8(box::kSlope),
                             InputNumber(vehicle.slopePercent)));
}

// Time to gain 1 m/s between two accelerations (trapezoidal rule on dt = dv / a).
double StepSeconds(const Vehicle& vehicle, double step, int gear, double low, double high)
{
    if (!(low > 0 && high > 0)) {
        ThrowCannotAccelerate(vehicle, step, gear);
    }
    return Finite((1 / high + 1 / low) / 2, [&] {
        const double from = (step + vehicle.initialSpeed) - 1;
        return QStringLiteral("Pasó al calcular el tiempo del paso de %1 a %2 m/s, en el que el vehículo apenas "
                              "acelera: escriba en %3 %1 o menos.")
            .arg(InputNumber(from), InputNumber(from + 1), QString::fromUtf8(box::kFinalSpeed));
    });
}

} // namespace

std::optional<int> ChooseStartGear(const CalcTables& tables, int gearCount)
{
    std::optional<int> start;
    for (int g = 1; g <= gearCount; ++g) {
        const double mean = tables.StartMeanAccel.at(g);
        if (mean > tables.StartMeanAccel.at(g + 1) && tables.StartMeanAccel.at(g - 1) < mean) {
            start = g;
        }
    }
    return start;
}

RunTime IntegrateTime(CalcTables& tables, const Vehicle& vehicle, int startGear, int gearCount)
{
    const double steps = vehicle.steps;

    tables.StepTime.set(1, StepSeconds(vehicle, 1, startGear, tables.StartAccelLow.at(startGear),
                                       tables.StartAccelHigh.at(startGear)));
    int gear = startGear;
    for (double s = 2; s <= steps; s += 1) {
        const double low = s;
        const double high = s + 1;
        double a1 = GearAcceleration(tables, vehicle, gear, low, TorqueForm::Plain);
        double a2 = GearAcceleration(tables, vehicle, gear, high, TorqueForm::Plain);
        if (gear < gearCount) {
            const double b1 = GearAcceleration(tables, vehicle, gear + 1, low, TorqueForm::NextGear);
            const double b2 = GearAcceleration(tables, vehicle, gear + 1, high, TorqueForm::NextGear);
            const auto comparing = [&] {
                return QStringLiteral("Pasó al comparar la %1.ª marcha con la siguiente.").arg(gear);
            };
            const double mean = Finite((a1 + a2) / 2, comparing);
            const double nextMean = Finite((b1 + b2) / 2, comparing);
            // Ties change up: the higher gear is as good and revs the engine less.
            if (!(mean > nextMean)) {
                ++gear;
                a1 = b1;
                a2 = b2;
            }
        }
        tables.StepTime.set(s, StepSeconds(vehicle, s, gear, a1, a2));
    }

    double total = 0;
    for (double i = 1; i <= steps; i += 1) {
        total = total + tables.StepTime.at(i);
    }
    return RunTime{gear, Finite(total, [] { return QStringLiteral("Pasó al sumar el tiempo total."); })};
}

QString ResultSentence(int startGear, int finalGear, double totalSeconds, const QLocale& locale)
{
    // General format with 15 significant digits, written the same in every
    // locale but for the decimal separator: Latin digits, "-" and "E+NN".
    QString time = QString::number(totalSeconds, 'g', 15);
    time.replace(QLatin1Char('e'), QLatin1Char('E'));
    time.replace(QLatin1Char('.'), locale.decimalPoint());
    QString sentence;
    sentence.reserve(96);
    sentence += QLatin1String("   El resultado final es: Marcha inicial: ");
    sentence += QString::number(startGear);
    sentence += QLatin1String("; marcha final: ");
    sentence += QString::number(finalGear);
    sentence += QLatin1String("; Tiempo empleado: ");
    sentence += time;
    return sentence;
}

} // namespace kinetra
