#include "kinetra/reading_notes.h"

#include "fault_context.h"
#include "input_boxes.h"
#include "kinetra/calc_fault.h"
#include "kinetra/field_value.h"
#include "kinetra/speed_tables.h"

#include <vector>

namespace kinetra {
namespace {

// The box's number, or none when it is too large to read (a calculation that
// read it would have failed, so this is only a guard).
std::optional<double> ValueOf(const QString& text)
{
    try {
        return FieldValue(text);
    } catch (const CalcFault&) {
        return std::nullopt;
    }
}

// "1,200" may be 1.2 written with a decimal comma or 1200 with a thousands
// separator: three digits after the comma give both readings.
QString CommaNote(const InputBox& box)
{
    const QString cleaned = Cleaned(box.text);
    const qsizetype comma = CommaAfterDigit(cleaned);
    if (comma < 0) {
        return {};
    }
    QString asDecimal = cleaned;
    asDecimal[comma] = QLatin1Char('.');
    const auto read = ValueOf(box.text);
    const auto decimal = ValueOf(asDecimal);
    if (!read || !decimal) {
        return {};
    }
    qsizetype digitsAfter = 0;
    while (comma + 1 + digitsAfter < cleaned.size() && IsDigit(cleaned.at(comma + 1 + digitsAfter))) {
        ++digitsAfter;
    }
    const QString head =
        QStringLiteral("%1 dice «%2» y se leyó como %3, porque el separador decimal es el punto «.» y la coma corta "
                       "el número.")
            .arg(box.name, box.text, InputNumber(*read));
    if (digitsAfter == 3) {
        QString asThousands = cleaned;
        asThousands.remove(QLatin1Char(','));
        if (const auto thousands = ValueOf(asThousands)) {
            return head
                   + QStringLiteral(" Si quería decir %1, escriba %1; si quería decir %2, escriba %2.")
                         .arg(InputNumber(*decimal), InputNumber(*thousands));
        }
    }
    return head + QStringLiteral(" Escriba %1.").arg(InputNumber(*decimal));
}

// The grid starts at the initial speed and goes in whole 1 m/s steps: a final
// speed that is not a whole number of steps away is not reached.
QString RangeNote(const CalcInput& input)
{
    const auto vi = ValueOf(input.initialSpeed);
    const auto vf = ValueOf(input.finalSpeed);
    if (!vi || !vf) {
        return {};
    }
    const double reached = *vi + WholeSteps(*vi, *vf);
    // Compared as the user reads them, so that 0.1 + 4 is 4.1.
    if (InputNumber(reached) == InputNumber(*vf)) {
        return {};
    }
    return QStringLiteral(
               "Se calculó de %1 a %2 m/s, en pasos enteros de 1 m/s desde %3; %4 dice «%5», así que los "
               "últimos %6 m/s no cuentan en el tiempo.")
        .arg(InputNumber(*vi), InputNumber(reached), QString::fromUtf8(box::kInitialSpeed),
             QString::fromUtf8(box::kFinalSpeed), input.finalSpeed,
             // The difference of two typed numbers: twelve digits drop its binary tail.
             QString::number(*vf - reached, 'g', 12));
}

// Without a frontal area the drag term is 0 whatever Cx says.
QString AreaNote(const WindowState& state, const AreaBoxes& area, const QLocale& locale)
{
    const QString noAir = QStringLiteral("Sin resistencia del aire: ");
    const QString example = QLatin1Char('2') + locale.decimalPoint() + QLatin1Char('2');
    if (std::holds_alternative<std::monostate>(state.frontalArea)) {
        QString note = noAir
                       + QStringLiteral("no está elegida ni %1 ni %2, así que el área frontal es 0 m².")
                             .arg(QString::fromUtf8(box::kAreaTyped), QString::fromUtf8(box::kAreaFromSides));
        if (!area.typed.trimmed().isEmpty()) {
            note += QStringLiteral(" El área «%1» escrita junto a %2 solo cuenta con esa opción elegida.")
                        .arg(area.typed, QString::fromUtf8(box::kAreaTyped));
        }
        return note
               + QStringLiteral(" Elija %1 y escriba el área en m² (por ejemplo %2), o elija %3 y escriba el alto y el "
                                "ancho en m.")
                     .arg(QString::fromUtf8(box::kAreaTyped), example, QString::fromUtf8(box::kAreaFromSides));
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
                     "%1 da un área frontal de 0 m² (alto «%2» × 0.8 × ancho «%3»). Escriba el alto y el ancho del "
                     "vehículo en m, por ejemplo 1.4 y 1.7.")
                     .arg(QString::fromUtf8(box::kAreaFromSides), area.height, area.width);
    }
    return noAir
           + QStringLiteral("%1 dice «%2», un área de 0 m². Escriba el área frontal del vehículo en m², por ejemplo %3.")
                 .arg(QString::fromUtf8(box::kAreaTyped), std::get<QString>(state.frontalArea), example);
}

} // namespace

QStringList ReadingNotes(const CalcInput& input, const WindowState& state, const AreaBoxes& area,
                         const QLocale& locale)
{
    std::vector<InputBox> boxes = InputBoxes(input);
    // Height and width are read with the field rule only in their own mode.
    if (std::holds_alternative<double>(state.frontalArea)) {
        boxes.push_back({QString::fromUtf8(box::kHeight), area.height});
        boxes.push_back({QString::fromUtf8(box::kWidth), area.width});
    }
    QStringList notes;
    for (const InputBox& b : boxes) {
        if (QString note = CommaNote(b); !note.isEmpty()) {
            notes.append(note);
        }
    }
    for (QString note : {RangeNote(input), AreaNote(state, area, locale)}) {
        if (!note.isEmpty()) {
            notes.append(note);
        }
    }
    return notes;
}

} // namespace kinetra
