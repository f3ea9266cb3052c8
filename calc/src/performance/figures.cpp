#include "performance/figures.h"

#include "kinetra/input_boxes.h"
#include "kinetra/speed_in_kmh.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

FigureValue Time(const TimedPoint& at)
{
    return {at.seconds, at.speed, {}};
}

// The speed the run got to, in km/h, for a figure it could not reach.
QString FastestOf(const TimedRun& run, const QLocale& locale)
{
    const auto fastest = std::ranges::max(run.path, {}, &TimedPoint::speed);
    return SpeedInKmh(fastest.speed, locale);
}

} // namespace

QString FigureName(Figure figure)
{
    switch (figure) {
    case Figure::SentenceTime: return u"Tiempo del cálculo"_s;
    case Figure::ZeroTo100: return u"0–100 km/h"_s;
    case Figure::ZeroTo400: return u"0–400 m"_s;
    case Figure::ZeroTo1000: return u"0–1000 m"_s;
    case Figure::Overtaking: return u"80–120 km/h"_s;
    case Figure::OvertakingFourth: return u"80–120 km/h en 4.ª"_s;
    case Figure::OvertakingFifth: return u"80–120 km/h en 5.ª"_s;
    case Figure::TopSpeed: return u"Velocidad máxima"_s;
    }
    return {};
}

TimedRun RunFromRest(const Car& car, TimedRunEnd end)
{
    return RunTimed(car, 0, 0, end);
}

FigureValue TimeToSpeed(const TimedRun& run, double speed, const QLocale& locale)
{
    if (const auto at = PassingSpeed(run, speed)) {
        return Time(*at);
    }
    return {std::nullopt, 0, u"no llega a %1: no pasa de %2"_s.arg(SpeedInKmh(speed, locale), FastestOf(run, locale))};
}

FigureValue TimeOverDistance(const TimedRun& run, double distance)
{
    if (const auto at = PassingDistance(run, distance)) {
        return Time(*at);
    }
    return {std::nullopt, 0, u"no llega a %1 m antes de su velocidad máxima"_s.arg(distance)};
}

FigureValue Overtaking(const Car& car, int heldGear, const QLocale& locale)
{
    if (heldGear > car.topGear) {
        return {std::nullopt, 0, u"no tiene %1.ª"_s.arg(heldGear)};
    }
    const TimedRun run = RunTimed(car, k80Kmh, heldGear, {k120Kmh});
    if (run.stop == TimedRunStop::Reached || heldGear == 0) {
        return TimeToSpeed(run, k120Kmh, locale);
    }
    if (run.stop == TimedRunStop::RedLine) {
        return {std::nullopt, 0,
                u"en %1.ª el motor pasa del %2 antes de 120 km/h"_s.arg(heldGear).arg(Quoted(BoxId::RedLine))};
    }
    return {std::nullopt, 0, u"en %1.ª no pasa de %2"_s.arg(heldGear).arg(FastestOf(run, locale))};
}

FigureValue TopSpeedFigure(const Car& car)
{
    if (const auto top = TopSpeedOf(car)) {
        return {top->speed, top->speed, {}};
    }
    return {std::nullopt, 0, u"ninguna marcha mueve el vehículo"_s};
}

FigureValue FigureOf(const Car& car, Figure figure, const QLocale& locale)
{
    switch (figure) {
    case Figure::ZeroTo100: return TimeToSpeed(RunFromRest(car, {k100Kmh}), k100Kmh, locale);
    case Figure::ZeroTo400: return TimeOverDistance(RunFromRest(car, {kInfinity, 400}), 400);
    case Figure::ZeroTo1000: return TimeOverDistance(RunFromRest(car, {kInfinity, 1000}), 1000);
    case Figure::Overtaking: return Overtaking(car, 0, locale);
    case Figure::OvertakingFourth: return Overtaking(car, 4, locale);
    case Figure::OvertakingFifth: return Overtaking(car, 5, locale);
    case Figure::TopSpeed:
    case Figure::SentenceTime: // the calculation's own, not the car's alone
        break;
    }
    return TopSpeedFigure(car);
}

} // namespace kinetra
