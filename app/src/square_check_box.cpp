#include "kinetra/square_check_box.h"

#include <QAccessibleWidget>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace kinetra {
namespace {

class AccessibleSquareCheckBox : public QAccessibleWidget {
public:
    explicit AccessibleSquareCheckBox(SquareCheckBox* box) : QAccessibleWidget(box, QAccessible::CheckBox) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = box()->isChecked();
        return state;
    }

    QStringList actionNames() const override { return QStringList{toggleAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        if (action != toggleAction()) {
            QAccessibleWidget::doAction(action);
        } else if (box()->isEnabled()) {
            box()->click();
        }
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        return action == toggleAction() ? QStringList{QStringLiteral("Space")}
                                        : QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    SquareCheckBox* box() const { return static_cast<SquareCheckBox*>(widget()); }
};

} // namespace

QAccessibleInterface* SquareCheckBox::Accessible(const QString& className, QObject* object)
{
    if (className == QLatin1StringView(staticMetaObject.className()) && object->isWidgetType()) {
        return new AccessibleSquareCheckBox(static_cast<SquareCheckBox*>(object));
    }
    return nullptr;
}

void SquareCheckBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_CheckBox, option);
}

} // namespace kinetra
