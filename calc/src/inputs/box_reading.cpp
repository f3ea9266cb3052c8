#include "inputs/box_reading.h"

#include "faults/report_words.h"
#include "kinetra/field_value.h"

#include <algorithm>

namespace kinetra {

std::vector<TypedBox> TypedBoxes(const CalcInput& input)
{
    std::vector<TypedBox> boxes;
    for (const InputBox& box : kInputBoxes) {
        if (const QString* text = TextIn(input, box.id)) {
            boxes.push_back({box.id, *text});
        }
    }
    return boxes;
}

bool IsBlank(const QString& text)
{
    return std::ranges::all_of(text, [](QChar c) { return c.isSpace(); });
}

QString Cleaned(const QString& text)
{
    QString cleaned = text;
    cleaned.remove(QLatin1Char(' ')).remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
    return cleaned;
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype CommaAfterDigit(const QString& cleaned)
{
    qsizetype comma = cleaned.indexOf(QLatin1Char(','), 1);
    while (comma > 0 && !IsDigit(cleaned.at(comma - 1))) {
        comma = cleaned.indexOf(QLatin1Char(','), comma + 1);
    }
    return comma;
}

double ReadBox(BoxId id, const QString& text, const char* advice)
{
    try {
        return FieldValue(text);
    } catch (const CalcFault& fault) {
        const QString boxName = Quoted(id);
        throw CalcFault(fault.kind(),
                        QStringLiteral("%1 dice «%2», un número demasiado grande para calcular con él. %3")
                            .arg(boxName, text, QString::fromUtf8(advice).replace(QStringLiteral("%1"), boxName)),
                        id);
    }
}

QString WhatItSays(BoxId id, const QString& text, double value)
{
    if (IsBlank(text)) {
        return QStringLiteral("%1 está en blanco").arg(Quoted(id));
    }
    QString says = QStringLiteral("%1 dice «%2»").arg(Quoted(id), text);
    if (Cleaned(text) != InputNumber(value)) {
        says += QStringLiteral(", que se lee como %1").arg(InputNumber(value));
    }
    return says;
}

CalcFault WithDecimalCommaHints(const CalcFault& fault, const std::vector<TypedBox>& boxes)
{
    const QString& report = fault.message();
    bool anyComma = false;
    std::optional<BoxId> hinted;
    QString hints;
    for (const TypedBox& b : boxes) {
        const QString cleaned = Cleaned(b.text);
        const qsizetype comma = CommaAfterDigit(cleaned);
        if (comma < 0) {
            continue;
        }
        const auto reading = ReadField(b.text);
        if (!reading) {
            continue; // too large to read: the report itself is about that box
        }
        anyComma = true;
        // A report that quotes the box already says what it read there and
        // what to type: a second piece of advice could only contradict it.
        const QString name = Quoted(b.id);
        if (report.contains(QStringLiteral("%1 dice «%2»").arg(name, b.text))) {
            continue;
        }
        QString typed = cleaned;
        typed[comma] = QLatin1Char('.');
        hints += QStringLiteral(" %1 dice «%2», que se lee como %3: escriba %4.")
                     .arg(name, b.text, InputNumber(reading->value), typed);
        hinted = hinted ? hinted : b.id;
    }
    if (!anyComma) {
        return fault;
    }
    return CalcFault(fault.kind(),
                     report
                         + QStringLiteral(" Salvo en «Area Frontal», el separador decimal es el punto «.» y la coma "
                                          "corta el número.")
                         + hints,
                     fault.box() ? fault.box() : hinted);
}

} // namespace kinetra
