// The yardstick for window_start: a bare Qt window with the form's 71
// controls, of the same kinds, texts and places, and nothing else of the
// program (no calculation, no details window, no libraries beyond Qt
// Widgets). Prints the wall clock (ns since the epoch) once its first paint
// has been handled, as window_start does.
#include "first_paint.h"
#include "kinetra/form_layout.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace kinetra;

namespace {

QWidget* Make(const ControlEntry& entry, QWidget* parent)
{
    const QString caption = entry.caption.toString();
    switch (entry.kind) {
    case ControlKind::Picture: return new QLabel(parent);
    case ControlKind::Label: return new QLabel(caption, parent);
    case ControlKind::TextBox: return new QLineEdit(caption, parent);
    case ControlKind::CheckBox: return new QCheckBox(caption, parent);
    case ControlKind::OptionButton: return new QRadioButton(caption, parent);
    case ControlKind::Frame: return new QGroupBox(caption, parent);
    case ControlKind::CommandButton: return new QPushButton(caption, parent);
    case ControlKind::ComboBox: return new QComboBox(parent);
    case ControlKind::Line: {
        auto* line = new QFrame(parent);
        line->setFrameShape(QFrame::HLine);
        return line;
    }
    }
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(kWindowCaption.toString());
    for (const ControlEntry& entry : FormControls()) {
        QWidget* parent = entry.container.isEmpty() ? &window : window.findChild<QWidget*>(entry.container.toString());
        QWidget* control = Make(entry, parent);
        control->setObjectName(entry.name.toString());
        control->setGeometry(PixelRect(entry.place, kPixelsPerTwipAt96Dpi));
    }
    window.setFixedSize(PixelRect(kClientArea, kPixelsPerTwipAt96Dpi).size());
    FirstPaint probe;
    application.installEventFilter(&probe); // the first widget painted, whichever it is
    window.show();
    return QApplication::exec();
}
