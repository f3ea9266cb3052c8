#include "kinetra/vehicle.h"

#include "checked_real.h"
#include "fault_context.h"
#include "input_boxes.h"

#include <cmath>

namespace kinetra {
namespace {

double Read(const QString& text, const char* boxName)
{
    return ReadBox(boxName, text, "Escriba en %1 un número menor que 1E+308.");
}

} // namespace

Vehicle ReadVehicle(const CalcInput& input)
{
    Vehicle v;
    for (std::size_t g = 0; g < v.gearRatio.size(); ++g) {
        v.gearRatio[g] = Read(input.gearRatio[g], box::kGear[g]);
    }
    v.finalDrive = Read(input.finalDrive, box::kFinalDrive);
    v.initialSpeed = Read(input.initialSpeed, box::kInitialSpeed);
    v.finalSpeed = Read(input.finalSpeed, box::kFinalSpeed);
    v.massFactor = Read(input.massFactor, box::kMassFactor);
    v.mass = Read(input.mass, box::kMass);
    v.tyreWidth = Read(input.tyreWidth, box::kTyreWidth);
    v.tyreAspect = Read(input.tyreAspect, box::kTyreAspect);
    v.rimDiameter = Read(input.rimDiameter, box::kRimDiameter);
    v.efficiency = Read(input.efficiency, box::kEfficiency);
    v.dragCoefficient = Read(input.dragCoefficient, box::kDrag);
    v.rollingCoefficient = Read(input.rollingCoefficient, box::kRolling);
    v.slopePercent = Read(input.slopePercent, box::kSlope);
    for (std::size_t i = 0; i < v.torqueCoefficient.size(); ++i) {
        v.torqueCoefficient[i] = Read(input.torqueCoefficient[i], box::kTorque[i]);
    }
    return v;
}

double WheelRadius(const Vehicle& vehicle)
{
    return Computing([&] { return QStringLiteral("Pasó al calcular el radio de la rueda.") + TyreHint(vehicle); },
                     [&] {
                         const Real d = vehicle.rimDiameter;
                         const Real h = vehicle.tyreAspect;
                         const Real w = vehicle.tyreWidth;
                         return ((d * 0.0254) / 2 + ((h * 0.001) / 100) * w).value();
                     });
}

double SinSlope(const Vehicle& vehicle)
{
    const double theta = std::atan((Real(vehicle.slopePercent) / 100).value());
    return std::sin(theta);
}

} // namespace kinetra
