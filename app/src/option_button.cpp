#include "kinetra/option_button.h"

namespace kinetra {

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {
    // Qt's own exclusivity would take the others out of the Tab order.
    setAutoExclusive(false);
    connect(this, &QAbstractButton::toggled, this, &OptionButton::ClearTheOthers);
}

void OptionButton::nextCheckState() { setChecked(true); }

void OptionButton::ClearTheOthers(bool selected) {
    if (!selected || parentWidget() == nullptr) {
        return;
    }
    for (OptionButton* other : parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly)) {
        if (other != this) {
            other->setChecked(false);
        }
    }
}

} // namespace kinetra
