#include "kinetra/option_button.h"

namespace kinetra {

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {}

// Qt's exclusivity, kept so that the buttons stay radio buttons to screen
// readers, takes the other buttons of the group out of the Tab order when
// one gets the focus; they are put back at once.
void OptionButton::focusInEvent(QFocusEvent* event)
{
    QRadioButton::focusInEvent(event);
    if (parentWidget() == nullptr) {
        return;
    }
    for (OptionButton* other : parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly)) {
        other->setFocusPolicy(Qt::FocusPolicy(other->focusPolicy() | Qt::TabFocus));
    }
}

} // namespace kinetra
