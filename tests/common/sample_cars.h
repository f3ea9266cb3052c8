#pragma once

#include "kinetra/calc_input.h"

namespace kinetra::samples {

// A small petrol saloon: four gears, 195/65 R15 tyres, 1200 kg, torque in
// N m against engine speed in rev/s: 80 N m at rest, 151 N m at its peak near
// 71 rev/s (4300 rpm), falling to 42 N m at 160 rev/s. From 0 to 28 m/s.
inline CalcInput SaloonCar()
{
    CalcInput in;
    in.gearRatio = {"3.5", "2.1", "1.4", "1.0", "", ""};
    in.finalDrive = "4.1";
    in.initialSpeed = "0";
    in.finalSpeed = "28";
    in.massFactor = "1.06";
    in.mass = "1200";
    in.tyreWidth = "195";
    in.tyreAspect = "65";
    in.rimDiameter = "15";
    in.efficiency = "0.9";
    in.dragCoefficient = "0.33";
    in.rollingCoefficient = "0.015";
    in.slopePercent = "0";
    in.torqueCoefficient = {"80", "2", "-0.014", "", "", "", ""};
    return in;
}

// The saloon's body on a single gear with a flat 2 kN m torque: with no
// frontal area it reaches 399 m/s, the longest run the tables hold.
inline CalcInput LongestRunCar()
{
    CalcInput in = SaloonCar();
    in.gearRatio = {"3", "", "", "", "", ""};
    in.finalDrive = "1";
    in.finalSpeed = "399";
    in.torqueCoefficient = {"2000", "", "", "", "", "", ""};
    return in;
}

} // namespace kinetra::samples
