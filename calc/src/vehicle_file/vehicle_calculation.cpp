#include "kinetra/run_calculation.h"
#include "kinetra/vehicle_file.h"

#include <memory>

namespace kinetra {

CalcInput InputOf(const VehicleFile& car)
{
    CalcInput input;
    for (const InputBox& box : kInputBoxes) {
        if (QString* text = TextIn(input, box.id)) {
            *text = car.Box(box.id);
        }
    }
    input.limits.drivenAxle = car.drivenAxle;
    return input;
}

int GearCountOf(bool fifthGear, bool sixthGear)
{
    if (sixthGear) {
        return 6;
    }
    return fifthGear ? 5 : 4;
}

// The area the drag term uses, from the boxes of the chosen mode as they
// stand: the typed text, read with the user's locale when it is used, or
// height x 0.8 x width now.
std::variant<FrontalArea, CalcFault> FrontalAreaOf(AreaMode mode, const QString& typed, const QString& height,
                                                   const QString& width)
{
    switch (mode) {
    case AreaMode::Typed: return FrontalArea{typed};
    case AreaMode::HeightAndWidth: {
        auto area = AreaFromHeightAndWidth(height, width);
        if (auto* fault = std::get_if<CalcFault>(&area)) {
            return std::move(*fault);
        }
        return FrontalArea{std::get<double>(area)};
    }
    case AreaMode::None: break;
    }
    return FrontalArea{};
}

std::variant<QString, CalcFault> CalculateVehicle(const VehicleFile& car, const QLocale& locale, RunTrace* trace)
{
    auto area =
        FrontalAreaOf(car.area, car.Box(BoxId::AreaTyped), car.Box(BoxId::AreaHeight), car.Box(BoxId::AreaWidth));
    if (auto* fault = std::get_if<CalcFault>(&area)) {
        return std::move(*fault);
    }
    WindowState state{GearCountOf(car.fifthGear, car.sixthGear), std::get<FrontalArea>(std::move(area))};
    // Fresh tables, all 0, as in a window just opened; too large for the stack.
    auto tables = std::make_unique<CalcTables>();
    const CalcOutcome outcome = RunCalculation(InputOf(car), state, *tables, locale, trace);
    if (const auto* sentence = std::get_if<QString>(&outcome)) {
        return *sentence;
    }
    return std::get<CalcFault>(outcome);
}

} // namespace kinetra
