#pragma once

#include "kinetra/torque_curve_fit.h"

#include <QStringList>
#include <QStringView>

#include <variant>
#include <vector>

namespace kinetra {

struct ReadPoints {
    std::vector<TorquePoint> points;
    QStringList notes;
};

// A point a line; blank lines are skipped, and so is a first line with no
// digit at all, the column headings a spreadsheet copies with its numbers.
std::variant<ReadPoints, CurveRefusal> ReadTorquePoints(QStringView text);

} // namespace kinetra
