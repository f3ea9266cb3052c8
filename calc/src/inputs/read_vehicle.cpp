#include "faults/report_words.h"
#include "inputs/box_reading.h"
#include "inputs/vehicle.h"

namespace kinetra {
namespace {

double Read(const CalcInput& input, BoxId id)
{
    return ReadBox(id, *TextIn(input, id), "Escriba en %1 un número menor que 1E+308.");
}

} // namespace

Vehicle ReadVehicle(const CalcInput& input)
{
    Vehicle v;
    for (int g = 1; g <= 6; ++g) {
        v.gearRatio[static_cast<std::size_t>(g - 1)] = Read(input, GearBox(g));
    }
    v.finalDrive = Read(input, BoxId::FinalDrive);
    v.initialSpeed = Read(input, BoxId::InitialSpeed);
    v.finalSpeed = Read(input, BoxId::FinalSpeed);
    v.massFactor = Read(input, BoxId::MassFactor);
    v.mass = Read(input, BoxId::Mass);
    v.tyreWidth = Read(input, BoxId::TyreWidth);
    v.tyreAspect = Read(input, BoxId::TyreAspect);
    v.rimDiameter = Read(input, BoxId::RimDiameter);
    v.efficiency = Read(input, BoxId::Efficiency);
    v.dragCoefficient = Read(input, BoxId::Drag);
    v.rollingCoefficient = Read(input, BoxId::Rolling);
    v.slopePercent = Read(input, BoxId::Slope);
    for (std::size_t i = 0; i < v.torqueCoefficient.size(); ++i) {
        v.torqueCoefficient[i] = Read(input, TorqueBox(i));
    }
    return v;
}

} // namespace kinetra
