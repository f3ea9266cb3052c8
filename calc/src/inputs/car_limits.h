#pragma once

#include "kinetra/calc_input.h"

#include <optional>

namespace kinetra {

// The optional limits of a real car, each read from its box with the field
// rule; a blank box is no limit.
struct CarLimits {
    std::optional<double> redLine;     // «Régimen máximo», rev/min
    std::optional<double> launchSpeed; // «Régimen de salida», rev/min
    std::optional<double> shiftTime;   // «Tiempo de cambio», s
    std::optional<double> grip;        // «Adherencia μ»
    std::optional<double> drivenShare; // «Peso en el eje motriz», %

    // Whether any limit can change the run. A launch at 0 rev/min or less
    // never slips the clutch and a change that takes no time costs nothing:
    // on their own they leave the calculation as it is without limits.
    bool CanAct() const
    {
        return redLine || launchSpeed.value_or(0) > 0 || shiftTime.value_or(0) > 0 || (grip && drivenShare);
    }

    // Whether any box of the limits was filled in, acting or not.
    bool AnyTyped() const { return redLine || launchSpeed || shiftTime || grip || drivenShare; }
};

// Reads the five boxes of the limits. A number too large for a double is an
// overflow fault naming the box.
CarLimits ReadLimits(const CalcInput& input);

} // namespace kinetra
