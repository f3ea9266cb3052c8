#include "faults/report_words.h"
#include "inputs/box_reading.h"
#include "inputs/vehicle.h"

namespace kinetra {
namespace {

double Read(const QString& text, BoxId id)
{
    return ReadBox(id, text, "Escriba en %1 un número menor que 1E+308.");
}

} // namespace

Vehicle ReadVehicle(const CalcInput& input)
{
    Vehicle v;
    for (int g = 1; g <= 6; ++g) {
        v.gearRatio[static_cast<std::size_t>(g - 1)] =
            Read(input.gearRatio[static_cast<std::size_t>(g - 1)], GearBox(g));
    }
    v.finalDrive = Read(input.finalDrive, BoxId::FinalDrive);
    v.initialSpeed = Read(input.initialSpeed, BoxId::InitialSpeed);
    v.finalSpeed = Read(input.finalSpeed, BoxId::FinalSpeed);
    v.massFactor = Read(input.massFactor, BoxId::MassFactor);
    v.mass = Read(input.mass, BoxId::Mass);
    v.tyreWidth = Read(input.tyreWidth, BoxId::TyreWidth);
    v.tyreAspect = Read(input.tyreAspect, BoxId::TyreAspect);
    v.rimDiameter = Read(input.rimDiameter, BoxId::RimDiameter);
    v.efficiency = Read(input.efficiency, BoxId::Efficiency);
    v.dragCoefficient = Read(input.dragCoefficient, BoxId::Drag);
    v.rollingCoefficient = Read(input.rollingCoefficient, BoxId::Rolling);
    v.slopePercent = Read(input.slopePercent, BoxId::Slope);
    for (std::size_t i = 0; i < v.torqueCoefficient.size(); ++i) {
        v.torqueCoefficient[i] = Read(input.torqueCoefficient[i], TorqueBox(i));
    }
    return v;
}

} // namespace kinetra
