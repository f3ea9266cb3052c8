#include "kinetra/input_study.h"

#include "calculation/prepared_car.h"
#include "faults/report_words.h"
#include "kinetra/field_value.h"
#include "kinetra/speed_in_kmh.h"
#include "performance/figures.h"

#include <algorithm>
#include <cmath>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

// The boxes whose number moves a figure, beside the gear ratios.
constexpr std::array kBodyAndLimits{
    BoxId::FinalDrive,  BoxId::Mass,      BoxId::MassFactor, BoxId::Efficiency,  BoxId::Drag,        BoxId::AreaTyped,
    BoxId::Rolling,     BoxId::Slope,     BoxId::TyreWidth,  BoxId::TyreAspect,  BoxId::RimDiameter, BoxId::RedLine,
    BoxId::LaunchSpeed, BoxId::ShiftTime, BoxId::Grip,       BoxId::DrivenShare, BoxId::CgHeight,    BoxId::Wheelbase};

// The car of `input` and `state` with `value` in `box`.
void Put(CalcInput& input, WindowState& state, BoxId box, double value)
{
    if (box == BoxId::AreaTyped) {
        state.frontalArea = value;
    } else if (QString* text = TextIn(input, box)) {
        *text = StudyNumber(value);
    }
}

// What a figure is written as: "6,21 s", "201,3 km/h".
QString FigureText(double figure, Figure which, const QLocale& locale)
{
    return which == Figure::TopSpeed ? SpeedInKmh(figure, locale)
                                     : LocaleNumber(figure, locale, 2, TrailingZeros::Kept) + u" s"_s;
}

// The first sentence of a fault's report: enough to say why a point is missing.
QString FirstSentence(const QString& message)
{
    const qsizetype end = message.indexOf(u". "_s);
    return end < 0 ? message : message.left(end + 1);
}

} // namespace

QString StudyNumber(double value)
{
    return QString::number(value, 'g', 6);
}

std::vector<BoxId> StudiedBoxes(const CalcInput& input, const WindowState& state, const QLocale& locale)
{
    std::vector<BoxId> boxes;
    const int gears = state.gearCount == 5 || state.gearCount == 6 ? state.gearCount : 4;
    for (int gear = 1; gear <= gears; ++gear) {
        boxes.push_back(GearBox(gear));
    }
    boxes.insert(boxes.end(), kBodyAndLimits.begin(), kBodyAndLimits.end());
    std::erase_if(boxes, [&](BoxId box) { return TypedValue(input, state, box, locale).value_or(0) == 0; });
    return boxes;
}

std::optional<double> TypedValue(const CalcInput& input, const WindowState& state, BoxId box, const QLocale& locale)
{
    if (box == BoxId::AreaTyped) {
        if (const auto* number = std::get_if<double>(&state.frontalArea)) {
            return *number;
        }
        const auto* text = std::get_if<QString>(&state.frontalArea);
        bool read = false;
        const double area = text != nullptr ? locale.toDouble(text->trimmed(), &read) : 0;
        return read ? std::optional(area) : std::nullopt;
    }
    const QString* text = TextIn(input, box);
    const std::optional<FieldReading> reading = text != nullptr ? ReadField(*text) : std::nullopt;
    return reading && reading->isNumber ? std::optional(reading->value) : std::nullopt;
}

std::vector<double> StudyValues(double from, double to, int points)
{
    std::vector<double> values;
    for (int i = 0; i < points; ++i) {
        values.push_back(points == 1 ? from : from + (to - from) * i / (points - 1));
    }
    return values;
}

StudyPoint StudyAt(const CalcInput& typed, const WindowState& typedState, BoxId box, double value, Figure figure,
                   const QLocale& locale)
{
    CalcInput input = typed;
    WindowState state = typedState;
    // The value as the box would hold it, so that "Usar este valor" writes
    // what was studied.
    value = StudyNumber(value).toDouble();
    Put(input, state, box, value);
    StudyPoint point{value, std::nullopt, {}};
    try {
        const auto tables = std::make_unique<CalcTables>();
        const PreparedCar prepared = PrepareCar(input, state, *tables, locale);
        if (figure == Figure::SentenceTime) {
            point.figure = TimeTheRun(input, prepared, *tables, locale, nullptr).seconds;
            return point;
        }
        const FigureValue result =
            FigureOf(CarOf(*tables, prepared.vehicle, prepared.limits, prepared.topGear), figure, locale);
        point.figure = result.value;
        point.why = result.why;
    } catch (const CalcFault& fault) {
        point.why = FirstSentence(fault.message());
    }
    return point;
}

std::optional<std::size_t> BestPoint(const std::vector<StudyPoint>& points, Figure figure)
{
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!points[i].figure) {
            continue;
        }
        const double here = *points[i].figure;
        if (!best || (figure == Figure::TopSpeed ? here > *points[*best].figure : here < *points[*best].figure)) {
            best = i;
        }
    }
    return best;
}

QString StudyInWords(const std::vector<StudyPoint>& points, BoxId box, const StudyPoint& typed, Figure figure,
                     const QLocale& locale)
{
    QStringList sentences;
    if (const auto best = BestPoint(points, figure)) {
        const StudyPoint& point = points[*best];
        QString sentence = u"Mejor %1: %2, %3 %4"_s.arg(Quoted(box), StudyNumber(point.value), FigureName(figure),
                                                        FigureText(*point.figure, figure, locale));
        if (typed.figure) {
            const double gain = std::abs(*point.figure - *typed.figure);
            const bool faster = figure == Figure::TopSpeed;
            sentence += u" (%1 %2 que con %3)"_s.arg(FigureText(gain, figure, locale), faster ? u"más"_s : u"menos"_s,
                                                     StudyNumber(typed.value));
        }
        sentences << sentence + u'.';
    } else {
        sentences << u"Ningún valor de %1 da %2."_s.arg(Quoted(box), FigureName(figure));
    }
    // Each stretch without a result, once, with why at its end nearest the
    // values that give one: where the valid part stops.
    for (std::size_t i = 0; i < points.size();) {
        if (points[i].figure) {
            ++i;
            continue;
        }
        std::size_t last = i;
        while (last + 1 < points.size() && !points[last + 1].figure) {
            ++last;
        }
        const QString& why = points[i == 0 ? last : i].why;
        sentences << u"Sin resultado de %1 a %2: %3"_s.arg(
            StudyNumber(points[i].value), StudyNumber(points[last].value), why.endsWith(u'.') ? why : why + u'.');
        i = last + 1;
    }
    return sentences.join(u' ');
}

} // namespace kinetra
