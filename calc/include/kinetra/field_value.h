#pragma once

#include <QStringView>

#include <optional>

namespace kinetra {

// How the text of any input box becomes a number, whatever the user's locale:
// blanks, tabs and line feeds are ignored wherever they stand; then an
// optional sign, digits with "." as the only decimal point and an optional
// exponent (E or D) are read, up to the first character that does not fit.
// "&H" and "&O" introduce hexadecimal and octal integers. A text that does not
// begin with a number is 0 ("0,9" is 0, "12abc" is 12).
// Throws CalcFault (overflow) for a number too large for a double; one too
// small for it reads as 0.
double FieldValue(QStringView text);

// What a box reads by that rule: its number, and whether the text begins
// with one at all ("&H1C" and "-.5" do; a blank box, "abc" and "-" read as 0
// without one). None for a number too large for a double.
struct FieldReading {
    double value = 0;
    bool isNumber = false;
};
std::optional<FieldReading> ReadField(QStringView text);

} // namespace kinetra
