#include "inputs/car_limits.h"

#include "inputs/box_reading.h"

namespace kinetra {
namespace {

std::optional<double> Read(const CalcInput& input, BoxId id)
{
    const QString& text = *TextIn(input, id);
    if (IsBlank(text)) {
        return std::nullopt;
    }
    return ReadBox(id, text, "Escriba en %1 un número menor que 1E+308, o déjelo en blanco.");
}

} // namespace

CarLimits ReadLimits(const CalcInput& input)
{
    return CarLimits{Read(input, BoxId::RedLine), Read(input, BoxId::LaunchSpeed), Read(input, BoxId::ShiftTime),
                     Read(input, BoxId::Grip), Read(input, BoxId::DrivenShare)};
}

} // namespace kinetra
