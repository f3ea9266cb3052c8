#pragma once

#include "inputs/vehicle.h"

#include <QString>

namespace kinetra {

// r = (d x 0.0254) / 2 + ((h x 0.001) / 100) x w: rim radius plus sidewall.
double WheelRadius(const Vehicle& vehicle);

// sin(theta) with theta = arctan(p / 100).
double SinSlope(const Vehicle& vehicle);

// What the tyre boxes read, for a fault that the wheel's size caused:
// " «Ruedas» se lee como 195 / 65 R 15: escriba ...".
QString TyreHint(const Vehicle& vehicle);

} // namespace kinetra
