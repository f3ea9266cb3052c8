#include "run/traction_curves.h"

namespace kinetra {

std::vector<double> GridSpeeds(const Vehicle& vehicle)
{
    std::vector<double> speeds;
    speeds.reserve(static_cast<std::size_t>(vehicle.steps + 1));
    for (int entry = 1; entry <= vehicle.steps + 1; ++entry) {
        speeds.push_back((entry + vehicle.initialSpeed) - 1);
    }
    return speeds;
}

} // namespace kinetra
