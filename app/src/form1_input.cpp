#include "kinetra/field_value.h"
#include "kinetra/form1.h"
#include "kinetra/input_boxes.h"
#include "kinetra/option_button.h"
#include "kinetra/run_calculation.h"
#include "kinetra/speed_in_kmh.h"
#include "kinetra/vehicle_file.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {

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
AreaMode Form1::SelectedAreaMode() const
{
    if (option1_->isChecked()) {
        return AreaMode::Typed;
    }
    return option2_->isChecked() ? AreaMode::HeightAndWidth : AreaMode::None;
}

std::optional<CalcFault> Form1::TakeFrontalAreaOfSelectedMode()
{
    auto area = FrontalAreaOf(SelectedAreaMode(), Text(25)->text(), Text(26)->text(), Text(27)->text());
    if (auto* fault = std::get_if<CalcFault>(&area)) {
        return std::move(*fault);
    }
    state_.frontalArea = std::get<FrontalArea>(std::move(area));
    return std::nullopt;
}

CalcInput Form1::InputFromBoxes() const
{
    CalcInput input;
    for (const InputBox& box : kInputBoxes) {
        if (QString* text = TextIn(input, box.id)) {
            *text = Box(box.id)->text();
        }
    }
    input.limits.drivenAxle = drivenAxle_->currentText();
    return input;
}

// "Vi = 100,8 km/h" in the user's number format, while the box begins with
// a number the field rule reads.
void Form1::ShowSpeedInKmh(const QLineEdit& box, QStringView symbol, QLabel& reading) const
{
    const auto typed = ReadField(box.text());
    const QString kmh =
        typed && typed->isNumber ? symbol.toString() + u" = "_s + SpeedInKmh(typed->value, locale_) : QString();
    reading.setText(kmh);
    reading.setAccessibleName(kmh.isEmpty() ? reading.toolTip() : kmh);
}

} // namespace kinetra
