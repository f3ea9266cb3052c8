#include "form1_shared.h"
#include "kinetra/field_value.h"
#include "kinetra/form1.h"
#include "kinetra/option_button.h"
#include "kinetra/plausibility.h"
#include "kinetra/run_calculation.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {

// A limit left blank is no limit: the details say what the limits did only
// for a car that has some.
bool AnyLimitTyped(const LimitTexts& limits)
{
    return std::ranges::any_of(
        std::array{limits.redLine, limits.launchSpeed, limits.shiftTime, limits.grip, limits.drivenShare},
        [](const QString& text) { return !text.trimmed().isEmpty(); });
}

std::optional<CalcFault> Form1::StoreAreaFromHeightAndWidth()
{
    auto area = AreaFromHeightAndWidth(Text(26)->text(), Text(27)->text());
    if (auto* fault = std::get_if<CalcFault>(&area)) {
        return std::move(*fault);
    }
    state_.frontalArea = std::get<double>(area);
    return std::nullopt;
}

// The drag term uses the area as the boxes of the chosen mode stand now, so
// that an area typed after choosing its mode is not lost.
std::optional<CalcFault> Form1::TakeFrontalAreaOfSelectedMode()
{
    if (option1_->isChecked()) {
        state_.frontalArea = Text(25)->text();
    } else if (option2_->isChecked()) {
        return StoreAreaFromHeightAndWidth();
    } else {
        state_.frontalArea = std::monostate{};
    }
    return std::nullopt;
}

CalcInput Form1::InputFromBoxes() const
{
    CalcInput input;
    for (std::size_t gear = 0; gear < input.gearRatio.size(); ++gear) {
        input.gearRatio[gear] = Text(static_cast<int>(gear) + 1)->text();
    }
    input.finalDrive = Text(7)->text();
    input.initialSpeed = Text(8)->text();
    input.finalSpeed = Text(9)->text();
    input.massFactor = Text(10)->text();
    input.mass = Text(11)->text();
    input.tyreWidth = Text(12)->text();
    input.efficiency = Text(13)->text();
    input.dragCoefficient = Text(14)->text();
    input.rollingCoefficient = Text(15)->text();
    input.slopePercent = Text(16)->text();
    input.tyreAspect = Text(17)->text();
    input.rimDiameter = Text(18)->text();
    for (std::size_t power = 0; power < kTorqueBoxes.size(); ++power) {
        input.torqueCoefficient[power] = Text(kTorqueBoxes[power])->text();
    }
    const auto typed = [this](const QString& name) { return findChild<QLineEdit*>(name)->text(); };
    input.limits = {typed(u"RedLine"_s), typed(u"LaunchSpeed"_s), typed(u"ShiftTime"_s), typed(u"Grip"_s),
                    typed(u"DrivenShare"_s)};
    return input;
}

// "Vi = 100,8 km/h" in the user's number format, while the box begins with
// a number the field rule reads.
void Form1::ShowSpeedInKmh(const QLineEdit& box, QStringView symbol, QLabel& reading) const
{
    static const QRegularExpression startsWithNumber(u"^[+-]?\\.?\\d"_s);
    static const QRegularExpression ignored(u"[ \\t\\n]"_s);
    const QString text = box.text().remove(ignored);
    QString kmh;
    if (startsWithNumber.match(text).hasMatch()) {
        try {
            kmh = symbol.toString() + u" = "_s + SpeedInKmh(FieldValue(text), locale_);
        } catch (const CalcFault&) {
            // Too large to read: the calculation will say so.
        }
    }
    reading.setText(kmh);
    reading.setAccessibleName(kmh.isEmpty() ? reading.toolTip() : kmh);
}

} // namespace kinetra
