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
    const LimitTexts& limits = input.limits;
    return CarLimits{Read(limits.redLine, BoxId::RedLine),         Read(limits.launchSpeed, BoxId::LaunchSpeed),
                     Read(limits.shiftTime, BoxId::ShiftTime),     Read(limits.grip, BoxId::Grip),
                     Read(limits.drivenShare, BoxId::DrivenShare), Read(limits.cgHeight, BoxId::CgHeight),
                     Read(limits.wheelbase, BoxId::Wheelbase),     AxleOf(limits.drivenAxle)};
}

} // namespace kinetra
