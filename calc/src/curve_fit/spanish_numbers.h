#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <map>
#include <optional>
#include <utility>

namespace kinetra {

// How a number was read, where a Spanish speaker and a spreadsheet in
// another language could mean different things.
enum class Reading {
    AsWritten,
    DotAsThousands,    // "6.000": six thousand, not six
    CommaOfThree,      // "1,500": one and a half, not fifteen hundred
    DotAsDecimalPoint, // "205.5": no thousands fit, so the point is decimal
    DotAsItsColumn,    // "301.875" under "222.703125": the column writes "." as the decimal point
};

struct SpanishNumber {
    double value = 0;
    Reading reading = Reading::AsWritten;
};

// A number as Spanish speakers write it, a sign leading or not: "6.000" is six
// thousand, "205,5" is 205.5. None when the text is no number.
std::optional<SpanishNumber> ReadSpanishNumber(QStringView text);

// "301.875" read with "." as the decimal point, as the rest of its column
// writes it; none when the text is not one point between digits.
std::optional<SpanishNumber> ReadWithDecimalPoint(QStringView text);

// A number as a Spanish speaker reads it back: a decimal comma, no grouping.
QString SpanishText(double value);

// One note a kind of reading, with its first example: a table pasted from a
// spreadsheet repeats the same reading on every line.
class ReadingLog {
public:
    void Add(QStringView typed, const SpanishNumber& number);
    QStringList Notes() const;

private:
    std::map<Reading, std::pair<QString, int>> seen_;
};

} // namespace kinetra
