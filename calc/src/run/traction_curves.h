#pragma once

#include "inputs/vehicle.h"
#include "kinetra/calc_fault.h"
#include "kinetra/run_trace.h"

#include <cstddef>
#include <limits>
#include <vector>

namespace kinetra {

// Speed entries 1 .. steps + 1 of the run's grid, as the tables write them:
// (j + Vi) - 1.
std::vector<double> GridSpeeds(const Vehicle& vehicle);

// One gear's curve of the traction diagram: `accelerationAt(i)` at each of
// `points` grid speeds. A speed at which the gear's acceleration cannot be
// worked out (far outside the gear's range) leaves a gap: the run did not
// use it there, so it must not stop the calculation.
template <class AccelerationAt>
GearCurve TractionCurve(int gear, std::size_t points, AccelerationAt accelerationAt)
{
    GearCurve curve{gear, {}};
    curve.acceleration.reserve(points);
    for (std::size_t i = 0; i < points; ++i) {
        double a = std::numeric_limits<double>::quiet_NaN();
        try {
            a = accelerationAt(i);
        } catch (const CalcFault&) {
            // No point of the curve here.
        }
        curve.acceleration.push_back(a);
    }
    return curve;
}

} // namespace kinetra
