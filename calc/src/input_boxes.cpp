#include "input_boxes.h"

#include "fault_context.h"
#include "kinetra/calc_fault.h"
#include "kinetra/field_value.h"

namespace kinetra {
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

std::vector<InputBox> InputBoxes(const CalcInput& input)
{
    const auto named = [](const char* name, const QString& text) { return InputBox{QString::fromUtf8(name), text}; };
    std::vector<InputBox> boxes;
    for (std::size_t g = 0; g < input.gearRatio.size(); ++g) {
        boxes.push_back(named(box::kGear[g], input.gearRatio[g]));
    }
    boxes.push_back(named(box::kFinalDrive, input.finalDrive));
    boxes.push_back(named(box::kInitialSpeed, input.initialSpeed));
    boxes.push_back(named(box::kFinalSpeed, input.finalSpeed));
    boxes.push_back(named(box::kMassFactor, input.massFactor));
    boxes.push_back(named(box::kMass, input.mass));
    boxes.push_back(named(box::kTyreWidth, input.tyreWidth));
    boxes.push_back(named(box::kTyreAspect, input.tyreAspect));
    boxes.push_back(named(box::kRimDiameter, input.rimDiameter));
    boxes.push_back(named(box::kEfficiency, input.efficiency));
    boxes.push_back(named(box::kDrag, input.dragCoefficient));
    boxes.push_back(named(box::kRolling, input.rollingCoefficient));
    boxes.push_back(named(box::kSlope, input.slopePercent));
    for (std::size_t i = 0; i < input.torqueCoefficient.size(); ++i) {
        boxes.push_back(named(box::kTorque[i], input.torqueCoefficient[i]));
    }
    boxes.push_back(named(box::kRedLine, input.limits.redLine));
    boxes.push_back(named(box::kLaunchSpeed, input.limits.launchSpeed));
    boxes.push_back(named(box::kShiftTime, input.limits.shiftTime));
    boxes.push_back(named(box::kGrip, input.limits.grip));
    boxes.push_back(named(box::kDrivenShare, input.limits.drivenShare));
    return boxes;
}

double ReadBox(const char* name, const QString& text, const char* advice)
{
    try {
        return FieldValue(text);
    } catch (const CalcFault& fault) {
        const QString boxName = QString::fromUtf8(name);
        throw CalcFault(fault.kind(),
                        QStringLiteral("%1 dice «%2», un número demasiado grande para calcular con él. %3")
                            .arg(boxName, text, QString::fromUtf8(advice).replace(QStringLiteral("%1"), boxName)));
    }
}

QString WhatItSays(const char* name, const QString& text, double value)
{
    const QString cleaned = Cleaned(text);
    if (cleaned.isEmpty()) {
        return QStringLiteral("%1 está en blanco").arg(QString::fromUtf8(name));
    }
    QString says = QStringLiteral("%1 dice «%2»").arg(QString::fromUtf8(name), text);
    if (cleaned != InputNumber(value)) {
        says += QStringLiteral(", que se lee como %1").arg(InputNumber(value));
    }
    return says;
}

QString WithDecimalCommaHints(const QString& report, const std::vector<InputBox>& boxes)
{
    bool anyComma = false;
    QString hints;
    for (const InputBox& b : boxes) {
        const QString cleaned = Cleaned(b.text);
        const qsizetype comma = CommaAfterDigit(cleaned);
        if (comma < 0) {
            continue;
        }
        double value = 0;
        try {
            value = FieldValue(b.text);
        } catch (const CalcFault&) {
            continue; // too large to read: the report itself is about that box
        }
        anyComma = true;
        // A report that quotes the box already says what it read there and
        // what to type: a second piece of advice could only contradict it.
        if (report.contains(QStringLiteral("%1 dice «%2»").arg(b.name, b.text))) {
            continue;
        }
        QString typed = cleaned;
        typed[comma] = QLatin1Char('.');
        hints += QStringLiteral(" %1 dice «%2», que se lee como %3: escriba %4.")
                     .arg(b.name, b.text, InputNumber(value), typed);
    }
    if (!anyComma) {
        return report;
    }
    return report
           + QStringLiteral(" Salvo en «Area Frontal», el separador decimal es el punto «.» y la coma corta el número.")
           + hints;
}

} // namespace kinetra
