#include "run/limited_run_reports.h"

#include "kinetra/speed_in_kmh.h"
#include "run/stall_reports.h"

#include <algorithm>
#include <cmath>

namespace kinetra {
namespace {

// A speed for a report, rounded down to a tenth, so that a final speed typed
// as said is one the car reaches; never below the initial speed, which the
// car has.
double ReportedSpeed(const Car& car, double v)
{
    return std::max(std::floor(v * 10) / 10, car.vehicle.initialSpeed);
}

QString SpeedText(double v, const QLocale& locale)
{
    return QStringLiteral("%1 m/s (%2 km/h)").arg(InputNumber(v), KmhNumber(v, locale, 1));
}

// What to type to get past a speed the car cannot pass: a lower final speed
// where the car got anywhere, and else or also `further`.
Whereabouts GetFurther(const Car& car, double shown, const QString& further, const QString& onlyFurther,
                       BoxId furtherBox)
{
    if (shown >= car.vehicle.initialSpeed + 1) {
        return {QStringLiteral(" Escriba en %1 %2 o menos, o, para llegar más lejos, %3.")
                    .arg(Quoted(BoxId::FinalSpeed), InputNumber(shown), further),
                BoxId::FinalSpeed};
    }
    return {onlyFurther.arg(further), furtherBox};
}

} // namespace

void ThrowRedLineTopSpeed(const Car& car, double v, int gear, const QLocale& locale)
{
    const double shown = ReportedSpeed(car, v);
    const QString further =
        QStringLiteral("un %1 mayor o una relación menor en %2").arg(Quoted(BoxId::RedLine), Quoted(GearBox(gear)));
    const Whereabouts advice =
        GetFurther(car, shown, further, QStringLiteral(" Para llegar más lejos, escriba %1."), BoxId::RedLine);
    throw CalcFault(FaultKind::CannotAccelerate,
                    QStringLiteral("El vehículo no puede pasar de %1: en %2.ª el motor llega al %3 (%4 rev/min).")
                            .arg(SpeedText(shown, locale), QString::number(gear), Quoted(BoxId::RedLine),
                                 InputNumber(car.redLine * 60))
                        + advice.text,
                    BoxId::RedLine);
}

void ThrowStall(const Car& car, double v, int gear, StepLimit limit, const QLocale& locale)
{
    const double shown = ReportedSpeed(car, v);
    const double initial = car.vehicle.initialSpeed;
    if (limit == StepLimit::Grip) {
        const QString further = QStringLiteral("un coeficiente mayor en %1 o un porcentaje mayor en %2")
                                    .arg(Quoted(BoxId::Grip), Quoted(BoxId::DrivenShare));
        const Whereabouts advice =
            GetFurther(car, shown, further, QStringLiteral(" Para arrancar, escriba %1."), BoxId::Grip);
        throw CalcFault(
            FaultKind::CannotAccelerate,
            QStringLiteral("El vehículo no puede pasar de %1: en %2.ª marcha la adherencia de los "
                           "neumáticos, que admite como mucho %3 N en las ruedas motrices, no supera la "
                           "resistencia al avance.")
                    .arg(SpeedText(shown, locale), QString::number(gear), QString::number(car.gripForce, 'f', 0))
                + advice.text,
            advice.box);
    }
    // StallAdvice speaks of the step that starts at the speed it is given.
    const double step = (shown - initial) + 1;
    const Whereabouts advice = StallAdvice(car.vehicle, shown >= initial + 1 ? step : 1, gear, car.topGear);
    throw CalcFault(FaultKind::CannotAccelerate,
                    QStringLiteral("El vehículo no puede pasar de %1: en %2.ª marcha la fuerza del motor en las "
                                   "ruedas no supera la resistencia al avance.")
                            .arg(SpeedText(shown, locale), QString::number(gear))
                        + advice.text,
                    advice.box);
}

void ThrowStallWithin(const Car& car, int gear, double pulling, double stalled, const QLocale& locale)
{
    const double v = Crossing(pulling, stalled, [&](double x) { return !(car.At(gear, x).acceleration > 0); });
    ThrowStall(car, v, gear, car.At(gear, v).limit, locale);
}

void ThrowNoStart(const Car& car, const CalcInput& input, const CalcTables& tables, bool anyGearBelowRedLine,
                  const QLocale& locale)
{
    const double from = car.vehicle.initialSpeed;
    if (!anyGearBelowRedLine) {
        const int top = car.topGear;
        throw CalcFault(
            FaultKind::NoStartingGear,
            QStringLiteral("Ninguna marcha puede arrancar a %1: hasta en %2.ª el motor giraría a %3 rev/min, y el %4 "
                           "es %5 rev/min. Escriba en %6 menos de %7, o un %4 mayor.")
                .arg(SpeedText(from, locale), QString::number(top),
                     QString::number(car.EngineSpeed(top, from) * 60, 'f', 0), Quoted(BoxId::RedLine),
                     InputNumber(car.redLine * 60), Quoted(BoxId::InitialSpeed),
                     InputNumber(std::floor(car.redLineSpeed[static_cast<std::size_t>(top)] * 10) / 10)),
            BoxId::RedLine);
    }
    const double load = car.RoadLoad(from);
    if (car.gripForce <= load) {
        const QString grip = Quoted(BoxId::Grip);
        const QString share = Quoted(BoxId::DrivenShare);
        // With no weight on the driven axle no grip helps.
        const QString advice =
            car.drivenShare > 0
                ? QStringLiteral("Escriba un coeficiente mayor en %1 o un porcentaje mayor en %2.").arg(grip, share)
                : QStringLiteral("Escriba en %1 el porcentaje del peso que carga el eje motriz, por ejemplo 60.")
                      .arg(share);
        throw CalcFault(
            FaultKind::NoStartingGear,
            QStringLiteral("Ninguna marcha puede arrancar a %1: con %2 (%3) y %4 (%5 %) los neumáticos "
                           "admiten como mucho %6 N en las ruedas motrices, y la resistencia al avance "
                           "es de %7 N. %8")
                .arg(SpeedText(from, locale), grip, InputNumber(car.grip), share, InputNumber(car.drivenShare),
                     QString::number(car.gripForce, 'f', 0), QString::number(load, 'f', 0), advice),
            BoxId::Grip);
    }
    throw NoStartingGearFault(input, car.vehicle, tables, car.topGear, locale);
}

void ThrowStoppedInShift(const Car& car, int gear, double from, const QLocale& locale)
{
    throw CalcFault(FaultKind::CannotAccelerate,
                    QStringLiteral("En el cambio a %1.ª, %2 s sin fuerza del motor, la resistencia al avance detiene "
                                   "el vehículo, que iba a %3. Escriba en %4 un tiempo menor, por ejemplo 0.2, o "
                                   "déjelo en blanco.")
                        .arg(QString::number(gear), InputNumber(car.shiftSeconds),
                             SpeedText(ReportedSpeed(car, from), locale), Quoted(BoxId::ShiftTime)),
                    BoxId::ShiftTime);
}

void ThrowStallAfterGap(const Car& car, int gear, double fastest, double v, const QLocale& locale)
{
    const double shown = ReportedSpeed(car, fastest);
    const QString quicker = QStringLiteral("un tiempo menor en %1, por ejemplo 0.2").arg(Quoted(BoxId::ShiftTime));
    const Whereabouts advice = GetFurther(car, shown, quicker, QStringLiteral(" Escriba %1."), BoxId::ShiftTime);
    throw CalcFault(FaultKind::CannotAccelerate,
                    QStringLiteral("El vehículo no puede pasar de %1: tras %2 s sin fuerza del motor en el cambio a "
                                   "%3.ª va a %4, y a esa velocidad la fuerza del motor en las ruedas no supera la "
                                   "resistencia al avance.")
                            .arg(SpeedText(shown, locale), InputNumber(car.shiftSeconds), QString::number(gear),
                                 SpeedText(std::floor(v * 10) / 10, locale))
                        + advice.text,
                    advice.box);
}

} // namespace kinetra
