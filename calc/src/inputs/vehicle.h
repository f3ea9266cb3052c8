#pragma once

#include "kinetra/calc_input.h"

#include <array>

namespace kinetra {

// The numbers of one calculation, each field read once with FieldValue.
struct Vehicle {
    std::array<double, 6> gearRatio{};         // i1 .. i6
    double finalDrive = 0;                     // i0
    double initialSpeed = 0;                   // Vi, m/s
    double finalSpeed = 0;                     // Vf, m/s
    double massFactor = 0;                     // lambda
    double mass = 0;                           // m, kg
    double tyreWidth = 0;                      // w, mm
    double tyreAspect = 0;                     // h, percent
    double rimDiameter = 0;                    // d, inches
    double efficiency = 0;                     // eta
    double dragCoefficient = 0;                // Cx
    double rollingCoefficient = 0;             // f
    double slopePercent = 0;                   // p
    std::array<double, 7> torqueCoefficient{}; // c0 .. c6

    // Derived before the tables are filled.
    int steps = 0;          // whole 1 m/s steps from Vi to Vf: WholeSteps
    double wheelRadius = 0; // r, m
    double sinSlope = 0;    // sin(arctan(p / 100))
    double frontalArea = 0; // S, m²: the window's frontal area as a number
};

// Reads every field. A number too large for a double is an overflow fault
// whose message names the field.
Vehicle ReadVehicle(const CalcInput& input);

} // namespace kinetra
