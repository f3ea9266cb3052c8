#include "tables/frontal_area.h"

#include "faults/report_words.h"
#include "inputs/box_reading.h"

#include <cmath>

namespace kinetra {
namespace {

// The area box is the one box read with the user's locale: its reports say
// so, with the locale's own separator, and how to make the typed area count.
QString TypeTheArea(const QLocale& locale)
{
    return QStringLiteral(
               " Este cuadro se lee con la configuración regional del sistema: escriba el área en m² "
               "con «%1» como separador decimal y sin separador de miles, por ejemplo %2.")
        .arg(locale.decimalPoint(), QLatin1Char('2') + locale.decimalPoint() + QLatin1Char('2'));
}

double AreaFromText(const QString& text, const QLocale& locale)
{
    // Only a report needs the box's name: reading the area should not pay for it.
    const auto typed = [] { return Quoted(BoxId::AreaTyped); };
    const auto fault = [&](FaultKind kind, const QString& why) {
        return CalcFault(kind, why + TypeTheArea(locale), BoxId::AreaTyped);
    };
    if (IsBlank(text)) {
        throw fault(FaultKind::TypeMismatch, QStringLiteral("%1 está en blanco.").arg(typed()));
    }
    // A group separator would turn "2.500" into 2500 m² in a locale that
    // writes "2,5": no area is typed in thousands, so one is refused.
    QLocale reading = locale;
    reading.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = reading.toDouble(text, &ok);
    // Qt answers a number beyond the double range with infinity and not ok;
    // "inf" and "nan" it reads, but they are no area.
    if (!ok && std::isinf(value)) {
        throw fault(
            FaultKind::Overflow,
            QStringLiteral("%1 dice «%2», un número demasiado grande para calcular con él.").arg(typed(), text));
    }
    if (!ok || !std::isfinite(value)) {
        throw fault(FaultKind::TypeMismatch,
                    QStringLiteral("%1 dice «%2», que no se puede leer como un número.").arg(typed(), text));
    }
    if (value < 0) {
        QLocale writing = locale;
        writing.setNumberOptions(QLocale::OmitGroupSeparator);
        throw fault(FaultKind::InvalidInput,
                    QStringLiteral("%1 dice «%2», que se lee como %3 m²: un área no puede ser negativa.")
                        .arg(typed(), text, writing.toString(value, 'g', 15)));
    }
    return value;
}

} // namespace

double FrontalAreaValue(const FrontalArea& area, const QLocale& locale)
{
    if (const auto* number = std::get_if<double>(&area)) {
        if (*number < 0) {
            throw CalcFault(FaultKind::InvalidInput,
                            QStringLiteral("%1 da un área frontal de %2 m² (alto × 0.8 × ancho): un área no puede "
                                           "ser negativa. Escriba el alto y el ancho del vehículo en m, sin signo.")
                                .arg(QuotedRow(BoxId::AreaHeight), InputNumber(*number)),
                            BoxId::AreaHeight);
        }
        return *number;
    }
    const auto* text = std::get_if<QString>(&area);
    return text == nullptr ? 0 : AreaFromText(*text, locale);
}

} // namespace kinetra
