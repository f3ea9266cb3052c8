#include "kinetra/gear_choice.h"

#include "fault_context.h"
#include "kinetra/calc_fault.h"
#include "kinetra/torque.h"

namespace kinetra {
namespace {

[[noreturn]] void ThrowCannotAccelerate(const Vehicle& vehicle, double step, int gear)
{
    const double from = (step + vehicle.initialSpeed) - 1;
    throw CalcFault(FaultKind::CannotAccelerate,
                    QStringLiteral("El vehículo no puede pasar de %1 m/s: en %2.ª marcha su aceleración "
                                   "entre %1 y %3 m/s no es positiva, porque la fuerza de tracción no "
                                   "supera la resistencia al avance.")
                            .arg(InputNumber(from))
                            .arg(gear)
                            .arg(InputNumber(from + 1))
                        + DecimalPointHint());
}

// Time to gain 1 m/s between two accelerations (trapezoidal rule on dt = dv / a).
double StepSeconds(const Vehicle& vehicle, double step, int gear, double low, double high)
{
    if (!(low > 0 && high > 0)) {
        ThrowCannotAccelerate(vehicle, step, gear);
    }
    return Finite((1 / high + 1 / low) / 2, [&] {
        const double from = (step + vehicle.initialSpeed) - 1;
        return QStringLiteral("al calcular el tiempo del paso de %1 a %2 m/s.")
            .arg(InputNumber(from), InputNumber(from + 1));
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
                return QStringLiteral("al comparar la %1.ª marcha con la siguiente.").arg(gear);
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
    return RunTime{gear, Finite(total, [] { return QStringLiteral("al sumar el tiempo total."); })};
}

QString ResultSentence(int startGear, int finalGear, double totalSeconds, const QLocale& locale)
{
    // General format, 15 significant digits, the user's decimal separator and
    // never a thousands separator.
    QLocale timeLocale = locale;
    timeLocale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    QString sentence;
    sentence.reserve(96);
    sentence += QLatin1String("   El resultado final es: Marcha inicial: ");
    sentence += QString::number(startGear);
    sentence += QLatin1String("; marcha final: ");
    sentence += QString::number(finalGear);
    sentence += QLatin1String("; Tiempo empleado: ");
    sentence += timeLocale.toString(totalSeconds, 'g', 15);
    return sentence;
}

} // namespace kinetra
