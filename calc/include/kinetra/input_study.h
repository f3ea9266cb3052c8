#pragma once

#include "kinetra/calc_input.h"
#include "kinetra/input_boxes.h"
#include "kinetra/performance.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

namespace kinetra {

// The boxes a study can vary, in the form's order: the gear ratios in use,
// the car's body and the limits typed, each holding a number other than 0.
std::vector<BoxId> StudiedBoxes(const CalcInput& input, const WindowState& state, const QLocale& locale);

// The number in `box` as the calculation reads it; none for an empty box.
std::optional<double> TypedValue(const CalcInput& input, const WindowState& state, BoxId box, const QLocale& locale);

// `points` values evenly from `from` to `to` (both included; one point: `from`).
std::vector<double> StudyValues(double from, double to, int points);

// The figure of the car with `value` in `box`: a time in s, or for the top
// speed a speed in m/s; or why there is none.
struct StudyPoint {
    double value = 0;
    std::optional<double> figure;
    QString why;
};
StudyPoint StudyAt(const CalcInput& input, const WindowState& state, BoxId box, double value, Figure figure,
                   const QLocale& locale);

// The point with the best figure: the shortest time, the highest top speed.
std::optional<std::size_t> BestPoint(const std::vector<StudyPoint>& points, Figure figure);

// The study in words: the best value and what it gains against the typed
// one (`typed`), then each stretch without a result and why.
QString StudyInWords(const std::vector<StudyPoint>& points, BoxId box, const StudyPoint& typed, Figure figure,
                     const QLocale& locale);

// A study value as the box would hold it: "4.35".
QString StudyNumber(double value);

} // namespace kinetra
