#include "run/limited_car.h"

#include <algorithm>
#include <cmath>

namespace kinetra {

Car CarOf(const CalcTables& tables, const Vehicle& vehicle, const CarLimits& limits, int topGear)
{
    Car car{vehicle};
    car.topGear = topGear;
    car.mass = vehicle.mass;
    car.effectiveMass = vehicle.massFactor * vehicle.mass;
    car.drag = vehicle.frontalArea * (vehicle.dragCoefficient * 0.61);
    car.rolling = (vehicle.rollingCoefficient * 9.81) * vehicle.mass;
    car.slope = (vehicle.mass * vehicle.sinSlope) * 9.81;
    car.redLine = limits.redLine ? *limits.redLine / 60 : kInfinity;
    car.launch = std::max(limits.launchSpeed.value_or(0), 0.0) / 60;
    car.shiftSeconds = std::max(limits.shiftTime.value_or(0), 0.0);
    if (limits.HasGrip()) {
        const double cosSlope = std::cos(std::atan(vehicle.slopePercent / 100));
        car.gripForce = ((((*limits.grip * limits.Share()) / 100) * vehicle.mass) * 9.81) * cosSlope;
        car.grip = *limits.grip;
        car.drivenShare = limits.Share();
        if (const int k = limits.TransferSign(); k != 0) {
            car.transfer = k * ((*limits.grip * *limits.cgHeight) / *limits.wheelbase);
        }
    }
    for (int g = 1; g <= topGear; ++g) {
        const auto i = static_cast<std::size_t>(g);
        car.ratio[i] = tables.OverallRatio.at(g);
        // The wheel speed at which the engine turns at n: n x 2 pi r / ratio.
        const auto speedAt = [&](double n) { return ((n * kRadiansPerTurn) * vehicle.wheelRadius) / car.ratio[i]; };
        car.redLineSpeed[i] = limits.redLine && car.ratio[i] > 0 ? speedAt(car.redLine) : kInfinity;
        car.launchEndSpeed[i] = car.launch > 0 && car.ratio[i] > 0 ? speedAt(car.launch) : 0;
    }
    return car;
}

} // namespace kinetra
