#include "kinetra/vehicle.h"

#include "checked_real.h"
#include "fault_context.h"
#include "kinetra/field_value.h"

#include <cmath>

namespace kinetra {
namespace {

double Read(const QString& text, const char* fieldName)
{
    return Computing([fieldName] { return QStringLiteral("en «%1».").arg(QString::fromUtf8(fieldName)); },
                     [&text] { return FieldValue(text); });
}

} // namespace

Vehicle ReadVehicle(const CalcInput& input)
{
    static constexpr const char* kGearNames[] = {"Primera", "Segunda", "Tercera", "Cuarta", "Quinta", "Sexta"};
    static constexpr const char* kCoefficientNames[] = {"C0", "N", "N2", "N3", "N4", "N5", "N6"};

    Vehicle v;
    for (std::size_t g = 0; g < v.gearRatio.size(); ++g) {
        v.gearRatio[g] = Read(input.gearRatio[g], kGearNames[g]);
    }
    v.finalDrive = Read(input.finalDrive, "Diferencial");
    v.initialSpeed = Read(input.initialSpeed, "Velocidad Inicial");
    v.finalSpeed = Read(input.finalSpeed, "Velocidad Final");
    v.massFactor = Read(input.massFactor, "Factor de masas");
    v.mass = Read(input.mass, "Peso del vehículo");
    v.tyreWidth = Read(input.tyreWidth, "Ruedas (ancho)");
    v.tyreAspect = Read(input.tyreAspect, "Ruedas (perfil)");
    v.rimDiameter = Read(input.rimDiameter, "Ruedas (llanta)");
    v.efficiency = Read(input.efficiency, "Rendimiento Transmisión");
    v.dragCoefficient = Read(input.dragCoefficient, "Cx");
    v.rollingCoefficient = Read(input.rollingCoefficient, "Coef. Rodadura");
    v.slopePercent = Read(input.slopePercent, "Pendiente (%)");
    for (std::size_t i = 0; i < v.torqueCoefficient.size(); ++i) {
        v.torqueCoefficient[i] = Read(input.torqueCoefficient[i], kCoefficientNames[i]);
    }
    return v;
}

double WheelRadius(const Vehicle& vehicle)
{
    return Computing([] { return QStringLiteral("al calcular el radio de la rueda."); },
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
