#include "kinetra/long_numbers.h"

#include <QEvent>
#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

// Scrolls the box back to the start of its text when it loses the focus.
class StartInSight : public QObject {
public:
    explicit StartInSight(QLineEdit& box) : QObject(&box) { box.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut) {
            static_cast<QLineEdit*>(watched)->setCursorPosition(0);
        }
        return false;
    }
};

void ShowWholeValueInTip(QLineEdit& box)
{
    const QString description = box.accessibleDescription();
    box.setToolTip(box.text().isEmpty() ? description : description + u"\nValor: "_s + box.text());
}

} // namespace

void ShowNumbersFromTheirStart(QLineEdit& box)
{
    new StartInSight(box);
    ShowWholeValueInTip(box);
    QObject::connect(&box, &QLineEdit::textChanged, &box, [&box] {
        ShowWholeValueInTip(box);
        // A text set by the program, not typed, is shown from its start too.
        if (!box.isModified()) {
            box.setCursorPosition(0);
        }
    });
    box.setCursorPosition(0);
}

} // namespace kinetra
