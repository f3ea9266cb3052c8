#include "car_limits.h"

#include "input_boxes.h"

namespace kinetra {
namespace {

std::optional<double> Read(const QString& text, const char* boxName)
{
    // Empty boxes are the usual case: they cost no copy.
    if (text.isEmpty() || Cleaned(text).isEmpty()) {
        return std::nullopt;
    }
    return ReadBox(boxName, text, "Escriba en %1 un número menor que 1E+308, o déjelo en blanco.");
}

} // namespace

CarLimits ReadLimits(const LimitTexts& texts)
{
    return CarLimits{Read(texts.redLine, box::kRedLine), Read(texts.launchSpeed, box::kLaunchSpeed),
                     Read(texts.shiftTime, box::kShiftTime), Read(texts.grip, box::kGrip),
                     Read(texts.drivenShare, box::kDrivenShare)};
}

} // namespace kinetra
