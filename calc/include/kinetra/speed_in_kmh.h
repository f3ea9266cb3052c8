#pragma once

#include <QLocale>
#include <QString>

namespace kinetra {

inline constexpr double kKmhPerMetrePerSecond = 3.6;

// Whether a number rounded to some decimals keeps the zeros rounding leaves
// at its end ("100,0") or drops them ("100").
enum class TrailingZeros { Kept, Dropped };

// A number in the user's format, rounded to `decimals`, without thousands
// separators, which would read as decimals.
QString LocaleNumber(double value, const QLocale& locale, int decimals, TrailingZeros zeros);

// The one way a speed in m/s is written in km/h: "100,8" in the user's
// format, to `decimals` places.
QString KmhNumber(double metresPerSecond, const QLocale& locale, int decimals,
                  TrailingZeros zeros = TrailingZeros::Kept);

// "100,8 km/h", to a tenth, without a trailing zero: "100 km/h".
QString SpeedInKmh(double metresPerSecond, const QLocale& locale);

} // namespace kinetra
