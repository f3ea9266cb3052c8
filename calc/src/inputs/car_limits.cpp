#include "inputs/car_limits.h"

#include "inputs/box_reading.h"

namespace kinetra {
namespace {

std::optional<double> Read(const QString& text, BoxId id)
{
    if (IsBlank(text)) {
        return std::nullopt;
    }
    return ReadBox(id, text, "Escriba en %1 un número menor que 1E+308, o déjelo en blanco.");
}

} // namespace

CarLimits ReadLimits(const CalcInput& input)
{
    const LimitTexts& limits = input.limits;
    return CarLimits{Read(limits.redLine, BoxId::RedLine), Read(limits.launchSpeed, BoxId::LaunchSpeed),
                     Read(limits.shiftTime, BoxId::ShiftTime), Read(limits.grip, BoxId::Grip),
                     Read(limits.drivenShare, BoxId::DrivenShare)};
}

} // namespace kinetra
