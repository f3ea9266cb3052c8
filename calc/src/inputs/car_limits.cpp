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

// The list's item as its text; anything else moves no load.
DrivenAxle AxleOf(const QString& item)
{
    const QString text = item.trimmed();
    if (text == QStringView(kDrivenAxleItems[1])) {
        return DrivenAxle::Front;
    }
    if (text == QStringView(kDrivenAxleItems[2])) {
        return DrivenAxle::Rear;
    }
    if (text == QStringView(kDrivenAxleItems[3])) {
        return DrivenAxle::Both;
    }
    return DrivenAxle::None;
}

} // namespace

CarLimits ReadLimits(const CalcInput& input)
{
    return CarLimits{Read(input, BoxId::RedLine),   Read(input, BoxId::LaunchSpeed), Read(input, BoxId::ShiftTime),
                     Read(input, BoxId::Grip),      Read(input, BoxId::DrivenShare), Read(input, BoxId::CgHeight),
                     Read(input, BoxId::Wheelbase), AxleOf(input.limits.drivenAxle)};
}

} // namespace kinetra
