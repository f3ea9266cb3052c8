#include "curve_fit/spanish_numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kinetra {
namespace {

bool AllDigits(QStringView text)
{
    return std::ranges::all_of(text, [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// "6.000", "12.345.678": groups of three after the first, which does not
// start with 0.
bool GroupedByDots(QStringView whole)
{
    const QList<QStringView> groups = whole.split(u'.');
    if (groups.size() < 2 || groups.front().isEmpty() || groups.front().size() > 3 || groups.front()[0] == u'0') {
        return false;
    }
    return std::ranges::all_of(groups, [](QStringView g) { return !g.isEmpty() && g.size() <= 3 && AllDigits(g); })
           && std::ranges::all_of(groups.sliced(1), [](QStringView g) { return g.size() == 3; });
}

} // namespace

std::optional<SpanishNumber> ReadSpanishNumber(QStringView text)
{
    bool negative = false;
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'\u2212' || text[0] == u'+')) {
        negative = text[0] != u'+';
        text = text.sliced(1);
    }
    if (text.count(u',') > 1) {
        return std::nullopt;
    }
    const qsizetype comma = text.indexOf(u',');
    QStringView whole = comma < 0 ? text : text.first(comma);
    QStringView fraction = comma < 0 ? QStringView() : text.sliced(comma + 1);
    if (comma >= 0 && (fraction.isEmpty() || !AllDigits(fraction))) {
        return std::nullopt;
    }
    SpanishNumber number;
    QString digits;
    if (AllDigits(whole)) {
        digits = whole.toString();
        if (fraction.size() == 3 && !digits.isEmpty() && digits.front() != u'0') {
            number.reading = Reading::CommaOfThree;
        }
    } else if (GroupedByDots(whole)) {
        digits = whole.toString().remove(u'.');
        if (comma < 0 && whole.count(u'.') == 1) {
            number.reading = Reading::DotAsThousands;
        }
    } else if (comma < 0 && whole.count(u'.') == 1) {
        const qsizetype point = whole.indexOf(u'.');
        digits = whole.first(point).toString();
        fraction = whole.sliced(point + 1);
        if (fraction.isEmpty() || !AllDigits(digits) || !AllDigits(fraction)) {
            return std::nullopt;
        }
        number.reading = Reading::DotAsDecimalPoint;
    } else {
        return std::nullopt;
    }
    if (digits.isEmpty() && fraction.isEmpty()) {
        return std::nullopt;
    }
    // Only ASCII digits and one point are left: from_chars rounds them correctly.
    QString plain = digits.isEmpty() ? QStringLiteral("0") : digits;
    if (!fraction.isEmpty()) {
        plain += u'.' + fraction.toString();
    }
    const QByteArray ascii = plain.toLatin1();
    const auto [end, error] = std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), number.value);
    static_cast<void>(end);
    if (error != std::errc() || !std::isfinite(number.value)) {
        return std::nullopt;
    }
    number.value = negative && number.value != 0 ? -number.value : number.value;
    return number;
}

std::optional<SpanishNumber> ReadWithDecimalPoint(QStringView text)
{
    const qsizetype point = text.indexOf(u'.');
    if (point < 0 || text.count(u'.') != 1 || text.contains(u',')) {
        return std::nullopt;
    }
    // The same text with a decimal comma is the one reading the rule gives.
    QString asComma = text.toString();
    asComma[point] = u',';
    auto number = ReadSpanishNumber(asComma);
    if (!number) {
        return std::nullopt;
    }
    number->reading = Reading::DotAsItsColumn;
    return number;
}

QString SpanishText(double value)
{
    return QString::number(value, 'g', 15).replace(u'.', u',');
}

void ReadingLog::Add(QStringView typed, const SpanishNumber& number)
{
    if (number.reading == Reading::AsWritten) {
        return;
    }
    auto& [example, count] = seen_[number.reading];
    if (count++ == 0) {
        example = QStringLiteral("«%1» se leyó como %2").arg(typed, SpanishText(number.value));
    }
}

QStringList ReadingLog::Notes() const
{
    QStringList notes;
    for (const auto& [reading, seen] : seen_) {
        const auto& [example, count] = seen;
        QString note = example;
        switch (reading) {
        case Reading::DotAsThousands: note += QStringLiteral(" (el punto separa los miles)"); break;
        case Reading::CommaOfThree: note += QStringLiteral(" (la coma es decimal)"); break;
        case Reading::DotAsDecimalPoint: note += QStringLiteral(" (el punto, como coma decimal)"); break;
        case Reading::DotAsItsColumn:
            note += QStringLiteral(" (el punto, como coma decimal, como en el resto de su columna)");
            break;
        case Reading::AsWritten: break;
        }
        if (count > 1) {
            note += QStringLiteral(", y %1 más como él").arg(count - 1);
        }
        notes << note + u'.';
    }
    return notes;
}

} // namespace kinetra
