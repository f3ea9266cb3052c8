#include "curve_fit/torque_points.h"

#include "curve_fit/refusals.h"
#include "curve_fit/spanish_numbers.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace kinetra {
namespace {

// The fields of a line: what lies between blanks, tabs and ";".
QList<QStringView> SplitFields(QStringView row)
{
    QList<QStringView> fields;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= row.size(); ++i) {
        const bool separator = i == row.size() || row[i].isSpace() || row[i] == u';';
        if (!separator && start < 0) {
            start = i;
        } else if (separator && start >= 0) {
            fields << row.sliced(start, i - start);
            start = -1;
        }
    }
    return fields;
}

// The rev/min and N·m of a line, neither negative.
std::variant<std::array<SpanishNumber, 2>, CurveRefusal> ReadPoint(const QList<QStringView>& fields, int line)
{
    std::vector<SpanishNumber> numbers;
    for (const QStringView field : fields) {
        const auto number = ReadSpanishNumber(field);
        if (!number) {
            return Refusal(CurveField::Points, line,
                           QStringLiteral("Línea %1: «%2» no es un número.").arg(line).arg(ShortQuote(field)));
        }
        numbers.push_back(*number);
    }
    if (numbers.size() != 2) {
        return Refusal(
            CurveField::Points, line,
            QStringLiteral("Línea %1: se esperan dos números, rev/min y N·m, y hay %2.").arg(line).arg(numbers.size()));
    }
    if (numbers[0].value < 0) {
        return Refusal(CurveField::Points, line,
                       QStringLiteral("Línea %1: el régimen es negativo (%2).").arg(line).arg(ShortQuote(fields[0])));
    }
    if (numbers[1].value < 0) {
        return Refusal(CurveField::Points, line,
                       QStringLiteral("Línea %1: el par es negativo (%2).").arg(line).arg(ShortQuote(fields[1])));
    }
    return std::array{numbers[0], numbers[1]};
}

// A column that shows "." as the decimal point anywhere ("222.703125") is
// read so throughout: its "301.875" is 301.875, not 301875.
void FollowTheColumns(std::vector<std::array<SpanishNumber, 2>>& numbers,
                      const std::vector<std::array<QStringView, 2>>& fields)
{
    for (std::size_t column = 0; column < 2; ++column) {
        const bool decimalPoint = std::ranges::any_of(
            numbers, [&](const auto& row) { return row[column].reading == Reading::DotAsDecimalPoint; });
        if (!decimalPoint) {
            continue;
        }
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            if (numbers[i][column].reading != Reading::DotAsThousands) {
                continue;
            }
            if (const auto reread = ReadWithDecimalPoint(fields[i][column])) {
                numbers[i][column] = *reread;
            }
        }
    }
}

} // namespace

std::variant<ReadPoints, CurveRefusal> ReadTorquePoints(QStringView text)
{
    ReadPoints read;
    ReadingLog log;
    std::vector<std::array<SpanishNumber, 2>> numbers;
    std::vector<std::array<QStringView, 2>> fieldsOf;
    std::vector<int> lines;
    bool firstContent = true;
    int line = 0;
    for (const QStringView row : text.split(u'\n')) {
        ++line;
        const QList<QStringView> fields = SplitFields(row);
        if (fields.isEmpty()) {
            continue;
        }
        const bool heading = firstContent && !std::ranges::any_of(row, [](QChar c) { return c.isDigit(); });
        firstContent = false;
        if (heading) {
            read.notes << QStringLiteral("La línea %1 se tomó como encabezado.").arg(line);
            continue;
        }
        const auto point = ReadPoint(fields, line);
        if (const auto* refusal = std::get_if<CurveRefusal>(&point)) {
            return *refusal;
        }
        numbers.push_back(std::get<std::array<SpanishNumber, 2>>(point));
        fieldsOf.push_back({fields[0], fields[1]});
        lines.push_back(line);
    }
    FollowTheColumns(numbers, fieldsOf);
    std::map<double, int> lineOfSpeed;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const auto& [speed, torque] = numbers[i];
        if (const auto [earlier, isNew] = lineOfSpeed.try_emplace(speed.value, lines[i]); !isNew) {
            return Refusal(CurveField::Points, lines[i],
                           QStringLiteral("Líneas %1 y %2: las dos dicen %3 rev/min; cada régimen, una vez.")
                               .arg(earlier->second)
                               .arg(lines[i])
                               .arg(SpanishText(speed.value)));
        }
        log.Add(fieldsOf[i][0], speed);
        log.Add(fieldsOf[i][1], torque);
        read.points.push_back({speed.value, torque.value});
    }
    read.notes << log.Notes();
    return read;
}

} // namespace kinetra
