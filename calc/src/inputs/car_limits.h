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
    std::optional<double> cgHeight;    // «Altura del centro de gravedad», m
    std::optional<double> wheelbase;   // «Batalla», m
    DrivenAxle axle = DrivenAxle::None;

    // Whether the grip limit acts: a coefficient and the load it acts on.
    // With both axles driving, the whole weight is on them and the share may
    // be left blank.
    bool HasGrip() const { return grip && (drivenShare || axle == DrivenAxle::Both); }

    // The driven axle's share of the weight at rest, %.
    double Share() const { return axle == DrivenAxle::Both ? 100.0 : drivenShare.value_or(0); }

    // k of the load transfer: +1 when the rear axle drives, which gains load
    // as the car accelerates, -1 for the front, which loses it, and 0 for
    // both or without a height and a wheelbase.
    int TransferSign() const
    {
        if (!cgHeight || !wheelbase) {
            return 0;
        }
        return axle == DrivenAxle::Rear ? 1 : (axle == DrivenAxle::Front ? -1 : 0);
    }

    // Whether any limit can change the run. A launch at 0 rev/min or less
    // never slips the clutch and a change that takes no time costs nothing:
    // on their own they leave the calculation as it is without limits; the
    // height, the wheelbase and the axle act only through the grip.
    bool CanAct() const { return redLine || launchSpeed.value_or(0) > 0 || shiftTime.value_or(0) > 0 || HasGrip(); }

    // Whether any box of the limits was filled in, acting or not.
    bool AnyTyped() const
    {
        return redLine || launchSpeed || shiftTime || grip || drivenShare || cgHeight || wheelbase
               || axle != DrivenAxle::None;
    }
};

// Reads the boxes of the limits and the choice of «Eje motriz». A number too
// large for a double is an overflow fault naming the box.
CarLimits ReadLimits(const CalcInput& input);

} // namespace kinetra
