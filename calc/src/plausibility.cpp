#include "kinetra/plausibility.h"

#include "fault_context.h"
#include "input_boxes.h"
#include "kinetra/calc_fault.h"
#include "kinetra/field_value.h"
#include "kinetra/speed_tables.h"

#include <QRegularExpression>

#include <array>
#include <cmath>
#include <optional>
#include <variant>
#include <vector>

namespace kinetra {
namespace {

constexpr double kKmhPerMetrePerSecond = 3.6;

// The slip that most likely turns an ordinary value into the one read.
enum class Slip {
    None,
    ThousandsOrTonnes, // "1.050" for 1050 kg, or 1.2 (t) for 1200 kg
    KmhForMs,          // 100 km/h typed where m/s is asked
    Percentage,        // 90 (%) for 0.9
};

using BoxText = const QString& (*)(const CalcInput&);

template <std::size_t kGear>
const QString& GearText(const CalcInput& in)
{
    return in.gearRatio[kGear];
}

// What road vehicles have, from a moped to a 60-tonne lorry and from a
// lorry's crawler gear to a sports car at 300 km/h: a value outside gets a
// note. `unit` comes with its blank; a pure number has none.
struct Range {
    const char* box;
    BoxText text;
    double low;
    double high;
    const char* unit;
    Slip slip = Slip::None;
};

// The six gears come first in the table below.
constexpr std::size_t kGears = 6;

constexpr std::array kRanges{
    Range{box::kGear[0], &GearText<0>, 0.3, 20, ""},
    Range{box::kGear[1], &GearText<1>, 0.3, 20, ""},
    Range{box::kGear[2], &GearText<2>, 0.3, 20, ""},
    Range{box::kGear[3], &GearText<3>, 0.3, 20, ""},
    Range{box::kGear[4], &GearText<4>, 0.3, 20, ""},
    Range{box::kGear[5], &GearText<5>, 0.3, 20, ""},
    Range{box::kFinalDrive, [](const CalcInput& in) -> const QString& { return in.finalDrive; }, 1, 15, ""},
    Range{box::kInitialSpeed, [](const CalcInput& in) -> const QString& { return in.initialSpeed; }, 0, 85, " m/s",
          Slip::KmhForMs},
    Range{box::kFinalSpeed, [](const CalcInput& in) -> const QString& { return in.finalSpeed; }, 0, 85, " m/s",
          Slip::KmhForMs},
    Range{box::kMassFactor, [](const CalcInput& in) -> const QString& { return in.massFactor; }, 1, 1.6, "",
          Slip::Percentage},
    Range{box::kMass, [](const CalcInput& in) -> const QString& { return in.mass; }, 50, 60000, " kg",
          Slip::ThousandsOrTonnes},
    Range{box::kTyreWidth, [](const CalcInput& in) -> const QString& { return in.tyreWidth; }, 70, 500, " mm"},
    Range{box::kTyreAspect, [](const CalcInput& in) -> const QString& { return in.tyreAspect; }, 20, 100, " %"},
    Range{box::kRimDiameter, [](const CalcInput& in) -> const QString& { return in.rimDiameter; }, 8, 25, " pulgadas"},
    Range{box::kEfficiency, [](const CalcInput& in) -> const QString& { return in.efficiency; }, 0.6, 1, "",
          Slip::Percentage},
    Range{box::kDrag, [](const CalcInput& in) -> const QString& { return in.dragCoefficient; }, 0.15, 1.2, ""},
    Range{box::kRolling, [](const CalcInput& in) -> const QString& { return in.rollingCoefficient; }, 0.004, 0.05, "",
          Slip::Percentage},
    Range{box::kSlope, [](const CalcInput& in) -> const QString& { return in.slopePercent; }, -40, 40, " %"},
};

// A frontal area of 0 has a note of its own (no air resistance).
constexpr double kAreaLow = 0.3;
constexpr double kAreaHigh = 12;

bool Within(double value, double low, double high)
{
    return value >= low && value <= high;
}

std::optional<double> ValueOf(const QString& text)
{
    try {
        return FieldValue(text);
    } catch (const CalcFault&) {
        return std::nullopt;
    }
}

// Rounded to `decimals`, without the zeros that rounding leaves at its end,
// and without thousands separators, which would read as decimals.
QString LocaleNumber(double value, const QLocale& locale, int decimals)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = plain.toString(value, 'f', decimals);
    if (decimals > 0) {
        while (text.endsWith(plain.zeroDigit())) {
            text.chop(1);
        }
        if (text.endsWith(plain.decimalPoint())) {
            text.chop(plain.decimalPoint().size());
        }
    }
    return text;
}

// ": ¿eran 1050 kg? Escriba 1050", or empty when no slip explains `value`,
// which lies outside the range.
QString LikelySlip(const Range& range, const QString& text, double value, const QLocale& locale)
{
    const QString unit = QString::fromUtf8(range.unit);
    switch (range.slip) {
    case Slip::None: return {};
    case Slip::ThousandsOrTonnes: {
        // "1.050" is 1050 written the Spanish way; the field rule reads 1.05.
        static const QRegularExpression thousands(QStringLiteral("^\\+?\\d{1,3}(\\.\\d{3})+$"));
        const QString cleaned = Cleaned(text);
        if (thousands.match(cleaned).hasMatch()) {
            const auto whole = ValueOf(QString(cleaned).remove(QLatin1Char('.')));
            if (whole && Within(*whole, range.low, range.high)) {
                return QStringLiteral(": ¿eran %1%2? Escriba %1").arg(InputNumber(*whole), unit);
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
            .arg(InputNumber(value), SpeedInKmh(value, locale), LocaleNumber(metres, locale, 2),
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
    QString box;
    QString text;
    bool hasSlip = false;
};

std::vector<Note> Notes(const CalcInput& input, const WindowState& state, const QLocale& locale)
{
    std::vector<Note> notes;
    for (std::size_t i = 0; i < kRanges.size(); ++i) {
        const Range& range = kRanges[i];
        // Fifth and sixth gear count only while they take part; an empty
        // gear is no gear.
        if (i < kGears && static_cast<int>(i) >= state.gearCount) {
            continue;
        }
        const QString& text = range.text(input);
        const auto value = ValueOf(text);
        if (!value || CommaAfterDigit(Cleaned(text)) >= 0 || Within(*value, range.low, range.high)
            || (i < kGears && *value == 0)) {
            continue;
        }
        const QString unit = QString::fromUtf8(range.unit);
        const QString slip = LikelySlip(range, text, *value, locale);
        QString usual = QStringLiteral("de %1 a %2%3").arg(InputNumber(range.low), InputNumber(range.high), unit);
        if (range.slip == Slip::KmhForMs) {
            usual += QStringLiteral(" (%1)").arg(SpeedInKmh(range.high, locale));
        }
        const QString box = QString::fromUtf8(range.box);
        notes.push_back({box,
                         QStringLiteral("%1: «%2» se leyó %3%4%5. Lo habitual es %6.")
                             .arg(box, text, InputNumber(*value), unit, slip, usual),
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
        const QString box = QString::fromUtf8(typed ? box::kAreaTyped : box::kAreaFromSides);
        // Height and width in centimetres give ten thousand times the area.
        const bool centimetres = !typed && Within(area / 10000, kAreaLow, kAreaHigh);
        const QString read = typed ? QStringLiteral(": «%1» se leyó %2 m²")
                                         .arg(std::get<QString>(state.frontalArea), LocaleNumber(area, locale, 2))
                                   : QStringLiteral(" da %1 m²").arg(InputNumber(area));
        notes.push_back(
            {box,
             QStringLiteral("%1%2%3. Lo habitual es de %4 a %5 m².")
                 .arg(box, read,
                      centimetres ? QStringLiteral(": ¿eran el alto y el ancho en cm? Escríbalos en m") : QString(),
                      LocaleNumber(kAreaLow, locale, 1), LocaleNumber(kAreaHigh, locale, 1)),
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

QString WithLikelySlips(const QString& report, const CalcInput& input, const WindowState& state, const QLocale& locale)
{
    QString hinted = report;
    for (const Note& note : Notes(input, state, locale)) {
        if (note.hasSlip && !report.contains(note.box + QStringLiteral(" dice «"))) {
            hinted += QLatin1Char(' ') + note.text;
        }
    }
    return hinted;
}

QString SpeedInKmh(double metresPerSecond, const QLocale& locale)
{
    return LocaleNumber(metresPerSecond * kKmhPerMetrePerSecond, locale, 1) + QStringLiteral(" km/h");
}

} // namespace kinetra
