#include "kinetra/input_boxes.h"

#include <algorithm>

namespace kinetra {

static_assert(std::ranges::all_of(kInputBoxes, [](const InputBox& box) { return &BoxOf(box.id) == &box; }),
              "the table lists every box once, in the order of BoxId");

QString Quoted(BoxId id)
{
    const InputBox& box = BoxOf(id);
    QString quoted = QuotedRow(id);
    if (!box.part.isEmpty() && box.quotedWithPart) {
        quoted += QStringLiteral(" (%1)").arg(box.part);
    }
    return quoted;
}

QString QuotedRow(BoxId id)
{
    return u'«' + BoxOf(id).caption.toString() + u'»';
}

QString AccessibleBoxName(BoxId id)
{
    const InputBox& box = BoxOf(id);
    return box.part.isEmpty() ? box.caption.toString()
                              : box.caption.toString() + QStringLiteral(": ") + box.part.toString();
}

QString* TextIn(CalcInput& input, BoxId id)
{
    const int index = static_cast<int>(id);
    if (id >= BoxId::FirstGear && id <= BoxId::SixthGear) {
        return &input.gearRatio[static_cast<std::size_t>(index - static_cast<int>(BoxId::FirstGear))];
    }
    if (id >= BoxId::TorqueC0 && id <= BoxId::TorqueN6) {
        return &input.torqueCoefficient[static_cast<std::size_t>(index - static_cast<int>(BoxId::TorqueC0))];
    }
    switch (id) {
    case BoxId::FinalDrive: return &input.finalDrive;
    case BoxId::InitialSpeed: return &input.initialSpeed;
    case BoxId::FinalSpeed: return &input.finalSpeed;
    case BoxId::MassFactor: return &input.massFactor;
    case BoxId::Mass: return &input.mass;
    case BoxId::TyreWidth: return &input.tyreWidth;
    case BoxId::TyreAspect: return &input.tyreAspect;
    case BoxId::RimDiameter: return &input.rimDiameter;
    case BoxId::Efficiency: return &input.efficiency;
    case BoxId::Drag: return &input.dragCoefficient;
    case BoxId::Rolling: return &input.rollingCoefficient;
    case BoxId::Slope: return &input.slopePercent;
    case BoxId::RedLine: return &input.limits.redLine;
    case BoxId::LaunchSpeed: return &input.limits.launchSpeed;
    case BoxId::ShiftTime: return &input.limits.shiftTime;
    case BoxId::Grip: return &input.limits.grip;
    case BoxId::DrivenShare: return &input.limits.drivenShare;
    case BoxId::CgHeight: return &input.limits.cgHeight;
    case BoxId::Wheelbase: return &input.limits.wheelbase;
    default: return nullptr;
    }
}

const QString* TextIn(const CalcInput& input, BoxId id)
{
    return TextIn(const_cast<CalcInput&>(input), id);
}

} // namespace kinetra
