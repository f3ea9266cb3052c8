#include "kinetra/reading_notes.h"

#include "faults/report_words.h"
#include "inputs/box_reading.h"
#include "inputs/car_limits.h"
#include "kinetra/field_value.h"
#include "kinetra/plausibility.h"
#include "tables/frontal_area.h"
#include "tables/speed_grid.h"

#include <vector>

namespace kinetra {
namespace {

// "1,200" may be 1.2 written with a decimal comma or 1200 with a thousands
// separator: three digits after the comma give both readings.
QString CommaNote(const TypedBox& box)
{
    const QString cleaned = Cleaned(box.text);
    const qsizetype comma = CommaAfterDigit(cleaned);
    if (comma < 0) {
        return {};
    }
    QString asDecimal = cleaned;
    asDecimal[comma] = QLatin1Char('.');
    const auto read = ReadField(box.text);
    const auto decimal = ReadField(asDecimal);
    if (!read || !decimal) {
        return {};
    }
    qsizetype digitsAfter = 0;
    while (comma + 1 + digitsAfter < cleaned.size() && IsDigit(cleaned.at(comma + 1 + digitsAfter))) {
        ++digitsAfter;
    }
    const QString head = QStringLiteral("%1 dice «%2» y se leyó %3: el decimal se escribe con punto.")
                             .arg(Quoted(box.id), box.text, InputNumber(read->value));
    if (digitsAfter == 3) {
        QString asThousands = cleaned;
        asThousands.remove(QLatin1Char(','));
        if (const auto thousands = ReadField(asThousands)) {
            return head
                   + QStringLiteral(" Escriba %1, o %2 si eran miles.")
                         .arg(InputNumber(decimal->value), InputNumber(thousands->value));
        }
    }
    return head + QStringLiteral(" Escriba %1.").arg(InputNumber(decimal->value));
}

// The grid starts at the initial speed and goes in whole 1 m/s steps: a final
// speed that is not a whole number of steps away is not reached.
QString RangeNote(const CalcInput& input)
{
    // With a limit that acts, the run ends at the final speed exactly.
    try {
        if (ReadLimits(input).CanAct()) {
            return {};
        }
    } catch (const CalcFault&) {
        return {};
    }
    const auto viRead = ReadField(input.initialSpeed);
    const auto vfRead = ReadField(input.finalSpeed);
    if (!viRead || !vfRead) {
        return {};
    }
    const double vi = viRead->value;
    const double vf = vfRead->value;
    const double reached = vi + WholeSteps(vi, vf);
    // Compared as the user reads them, so that 0.1 + 4 is 4.1.
    if (InputNumber(reached) == InputNumber(vf)) {
        return {};
    }
    return QStringLiteral(
               "Calculado de %1 a %2 m/s, en pasos enteros de 1 m/s: los últimos %3 m/s hasta los %4 de %5 "
               "no cuentan.")
        .arg(InputNumber(vi), InputNumber(reached),
             // The difference of two typed numbers: twelve digits drop its binary tail.
             QString::number(vf - reached, 'g', 12), input.finalSpeed.trimmed(), Quoted(BoxId::FinalSpeed));
}

// Without a frontal area the drag term is 0 whatever Cx says.
QString AreaNote(const WindowState& state, const AreaBoxes& area, const QLocale& locale)
{
    const QString noAir = QStringLiteral("Sin resistencia del aire: ");
    const QString example = QLatin1Char('2') + locale.decimalPoint() + QLatin1Char('2');
    const QString typed = Quoted(BoxId::AreaTyped);
    const QString fromSides = QuotedRow(BoxId::AreaHeight);
    if (std::holds_alternative<std::monostate>(state.frontalArea)) {
        QString note =
            noAir + QStringLiteral("el área frontal es 0 m² porque no se eligió %1 ni %2.").arg(typed, fromSides);
        if (!IsBlank(area.typed)) {
            note += QStringLiteral(" El «%1» escrito solo cuenta con %2 elegida.").arg(area.typed, typed);
        }
        return note + QStringLiteral(" Elija una y escriba el área (por ejemplo %1 m²).").arg(example);
    }
    double value = 0;
    try {
        value = FrontalAreaValue(state.frontalArea, locale);
    } catch (const CalcFault&) {
        return {};
    }
    if (value != 0) {
        return {};
    }
    if (std::holds_alternative<double>(state.frontalArea)) {
        return noAir
               + QStringLiteral(
                     "%1 da 0 m² (alto «%2» × 0.8 × ancho «%3»). Escriba el alto y el ancho en m, por "
                     "ejemplo 1.4 y 1.7.")
                     .arg(fromSides, area.height, area.width);
    }
    return noAir
           + QStringLiteral("%1 dice «%2», 0 m². Escriba el área en m², por ejemplo %3.")
                 .arg(typed, std::get<QString>(state.frontalArea), example);
}

} // namespace

QStringList ReadingNotes(const CalcInput& input, const WindowState& state, const AreaBoxes& area, const QLocale& locale)
{
    std::vector<TypedBox> boxes = TypedBoxes(input);
    // Height and width are read with the field rule only in their own mode.
    if (std::holds_alternative<double>(state.frontalArea)) {
        boxes.push_back({BoxId::AreaHeight, area.height});
        boxes.push_back({BoxId::AreaWidth, area.width});
    }
    QStringList notes;
    for (const TypedBox& b : boxes) {
        if (QString note = CommaNote(b); !note.isEmpty()) {
            notes.append(note);
        }
    }
    notes.append(PlausibilityNotes(input, state, locale));
    for (QString note : {RangeNote(input), AreaNote(state, area, locale)}) {
        if (!note.isEmpty()) {
            notes.append(note);
        }
    }
    return notes;
}

} // namespace kinetra
