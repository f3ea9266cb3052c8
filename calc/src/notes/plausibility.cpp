#include "kinetra/plausibility.h"

#include "faults/report_words.h"
#include "inputs/box_reading.h"
#include "kinetra/field_value.h"
#include "kinetra/input_boxes.h"
#include "kinetra/speed_in_kmh.h"
#include "tables/frontal_area.h"

#include <QRegularExpression>

#include <array>
#include <cmath>
#include <variant>
#include <vector>

namespace kinetra {
namespace {

// The slip that most likely turns an ordinary value into the one read.
enum class Slip {
    None,
    ThousandsOrTonnes, // "1.050" for 1050 kg, or 1.2 (t) for 1200 kg
    KmhForMs,          // 100 km/h typed where m/s is asked
    Percentage,        // 90 (%) for 0.9
};

// What road vehicles have, from a moped to a 60-tonne lorry and from a
// lorry's crawler gear to a sports car at 300 km/h: a value outside gets a
// note. `unit` comes with its blank; a pure number has none.
struct Range {
    BoxId box;
    double low;
    double high;
    Slip slip = Slip::None;
};

constexpr std::array kRanges{
    Range{BoxId::FirstGear, 0.3, 20},
    Range{BoxId::SecondGear, 0.3, 20},
    Range{BoxId::ThirdGear, 0.3, 20},
    Range{BoxId::FourthGear, 0.3, 20},
    Range{BoxId::FifthGear, 0.3, 20},
    Range{BoxId::SixthGear, 0.3, 20},
    Range{BoxId::FinalDrive, 1, 15},
    Range{BoxId::InitialSpeed, 0, 85, Slip::KmhForMs},
    Range{BoxId::FinalSpeed, 0, 85, Slip::KmhForMs},
    Range{BoxId::MassFactor, 1, 1.6, Slip::Percentage},
    Range{BoxId::Mass, 50, 60000, Slip::ThousandsOrTonnes},
    Range{BoxId::TyreWidth, 70, 500},
    Range{BoxId::TyreAspect, 20, 100},
    Range{BoxId::RimDiameter, 8, 25},
    Range{BoxId::Efficiency, 0.6, 1, Slip::Percentage},
    Range{BoxId::Drag, 0.15, 1.2},
    Range{BoxId::Rolling, 0.004, 0.05, Slip::Percentage},
    Range{BoxId::Slope, -40, 40},
};

bool IsGear(BoxId box)
{
    return box <= BoxId::SixthGear;
}

// The box's unit with its blank, " kg"; a pure number has none.
QString UnitOf(BoxId box)
{
    const QStringView unit = BoxOf(box).unit;
    return unit.isEmpty() ? QString() : u' ' + unit.toString();
}

// A frontal area of 0 has a note of its own (no air resistance).
constexpr double kAreaLow = 0.3;
constexpr double kAreaHigh = 12;

bool Within(double value, double low, double high)
{
    return value >= low && value <= high;
}

QString Rounded(double value, const QLocale& locale, int decimals)
{
    return LocaleNumber(value, locale, decimals, TrailingZeros::Dropped);
}

// ": ¿eran 1050 kg? Escriba 1050", or empty when no slip explains `value`,
// which lies outside the range.
QString LikelySlip(const Range& range, const QString& text, double value, const QLocale& locale)
{
    const QString unit = UnitOf(range.box);
    switch (range.slip) {
    case Slip::None: return {};
    case Slip::ThousandsOrTonnes: {
        // "1.050" is 1050 written the Spanish way; the field rule reads 1.05.
        static const QRegularExpression thousands(QStringLiteral("^\\+?\\d{1,3}(\\.\\d{3})+$"));
        const QString cleaned = Cleaned(text);
        if (thousands.match(cleaned).hasMatch()) {
            const auto whole = ReadField(QString(cleaned).remove(QLatin1Char('.')));
            if (whole && Within(whole->value, range.low, range.high)) {
                return QStringLiteral(": ¿eran %1%2? Escriba %1").arg(InputNumber(whole->value), unit);
            }
        }
        if (value < range.low && Within(value * 1000, range.low, range.high)) {
            return QStringLiteral(": ¿eran %1 t? Escriba %2").arg(InputNumber(value), InputNumber(value * 1000));
        }
        return {};
    }
    case Slip::KmhForMs: {
        const double metres = value / kKmhPerMetrePerSecond;
        if (!Within(metres, range.low, range.high)) {
            return {};
        }
        return QStringLiteral(": %1 m/s son %2; %1 km/h son %3 m/s. Si eran km/h, escriba %4")
            .arg(InputNumber(value), SpeedInKmh(value, locale), Rounded(metres, locale, 2),
                 InputNumber(std::round(metres * 100) / 100));
    }
    case Slip::Percentage: {
        const double fraction = value / 100;
        if (!Within(fraction, range.low, range.high)) {
            return {};
        }
        return QStringLiteral(": ¿era un %1 %? Escriba %2").arg(InputNumber(value), InputNumber(fraction));
    }
    }
    return {};
}

struct Note {
    BoxId box;
    QString name; // as the note quotes the box
    QString text;
    bool hasSlip = false;
};

std::vector<Note> Notes(const CalcInput& input, const WindowState& state, const QLocale& locale)
{
    std::vector<Note> notes;
    for (const Range& range : kRanges) {
        // Fifth and sixth gear count only while they take part; an empty
        // gear is no gear.
        const bool gear = IsGear(range.box);
        if (gear && static_cast<int>(range.box) >= state.gearCount) {
            continue;
        }
        const QString& text = *TextIn(input, range.box);
        const auto reading = ReadField(text);
        if (!reading || CommaAfterDigit(Cleaned(text)) >= 0 || Within(reading->value, range.low, range.high)
            || (gear && reading->value == 0)) {
            continue;
        }
        const double value = reading->value;
        const QString unit = UnitOf(range.box);
        const QString slip = LikelySlip(range, text, value, locale);
        QString usual = QStringLiteral("de %1 a %2%3").arg(InputNumber(range.low), InputNumber(range.high), unit);
        if (range.slip == Slip::KmhForMs) {
            usual += QStringLiteral(" (%1)").arg(SpeedInKmh(range.high, locale));
        }
        const QString name = Quoted(range.box);
        notes.push_back({range.box, name,
                         QStringLiteral("%1: «%2» se leyó %3%4%5. Lo habitual es %6.")
                             .arg(name, text, InputNumber(value), unit, slip, usual),
                         !slip.isEmpty()});
    }

    double area = 0;
    try {
        area = FrontalAreaValue(state.frontalArea, locale);
    } catch (const CalcFault&) {
        return notes;
    }
    if (area != 0 && !Within(area, kAreaLow, kAreaHigh)) {
        const bool typed = std::holds_alternative<QString>(state.frontalArea);
        const BoxId box = typed ? BoxId::AreaTyped : BoxId::AreaHeight;
        const QString name = typed ? Quoted(BoxId::AreaTyped) : QuotedRow(BoxId::AreaHeight);
        // Height and width in centimetres give ten thousand times the area.
        const bool centimetres = !typed && Within(area / 10000, kAreaLow, kAreaHigh);
        const QString read = typed ? QStringLiteral(": «%1» se leyó %2 m²")
                                         .arg(std::get<QString>(state.frontalArea), Rounded(area, locale, 2))
                                   : QStringLiteral(" da %1 m²").arg(InputNumber(area));
        notes.push_back(
            {box, name,
             QStringLiteral("%1%2%3. Lo habitual es de %4 a %5 m².")
                 .arg(name, read,
                      centimetres ? QStringLiteral(": ¿eran el alto y el ancho en cm? Escríbalos en m") : QString(),
                      Rounded(kAreaLow, locale, 1), Rounded(kAreaHigh, locale, 1)),
             centimetres});
    }
    return notes;
}

} // namespace

QStringList PlausibilityNotes(const CalcInput& input, const WindowState& state, const QLocale& locale)
{
    QStringList texts;
    for (const Note& note : Notes(input, state, locale)) {
        texts.append(note.text);
    }
    return texts;
}

CalcFault WithLikelySlips(const CalcFault& fault, const CalcInput& input, const WindowState& state,
                          const QLocale& locale)
{
    const QString& report = fault.message();
    QString hinted = report;
    std::optional<BoxId> box = fault.box();
    for (const Note& note : Notes(input, state, locale)) {
        if (note.hasSlip && !report.contains(note.name + QStringLiteral(" dice «"))) {
            hinted += QLatin1Char(' ') + note.text;
            box = box ? box : note.box;
        }
    }
    return CalcFault(fault.kind(), hinted, box);
}

} // namespace kinetra
