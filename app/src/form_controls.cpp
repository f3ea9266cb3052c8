#include "kinetra/form_controls.h"

#include "kinetra/calc_input.h"
#include "kinetra/option_button.h"
#include "kinetra/square_check_box.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {

bool TakesFocus(ControlKind kind)
{
    return kind == ControlKind::TextBox || kind == ControlKind::CheckBox || kind == ControlKind::OptionButton
           || kind == ControlKind::CommandButton || kind == ControlKind::ComboBox;
}

QWidget* MakeControl(const ControlEntry& entry, QWidget* parent)
{
    const QString caption = entry.caption.toString();
    switch (entry.kind) {
    case ControlKind::Picture: {
        auto* picture = new QLabel(parent);
        picture->setPixmap(QPixmap(u":/kinetra/logo.jpg"_s));
        picture->setScaledContents(true);
        return picture;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::TextBox: return new QLineEdit(caption, parent);
    case ControlKind::CheckBox: return new SquareCheckBox(caption, parent);
    case ControlKind::OptionButton: return new OptionButton(caption, parent);
    case ControlKind::Frame: return new QGroupBox(caption, parent);
    case ControlKind::CommandButton: {
        // Neither button becomes a default button: the form answers Enter
        // itself (see Form1::keyPressEvent), and "Salir" never does.
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case ControlKind::ComboBox: {
        // «Eje motriz», the one list of the form: its first item is empty.
        auto* list = new QComboBox(parent);
        for (const char16_t* item : kDrivenAxleItems) {
            list->addItem(QString::fromUtf16(item));
        }
        return list;
    }
    case ControlKind::Line: {
        auto* line = new QFrame(parent);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);
        line->setLineWidth(1);
        return line;
    }
    }
    return nullptr;
}

QRect Geometry(const ControlEntry& entry, double pixelsPerTwip)
{
    const QRect pixels = PixelRect(entry.place, pixelsPerTwip);
    if (entry.kind == ControlKind::Line) {
        // A horizontal line one pixel thick, both end points drawn, across
        // the middle of a control three pixels high: in a control one pixel
        // high the line is lost when the desktop scales by a fraction.
        return {pixels.left(), pixels.top() - 1, pixels.width() + 1, 3};
    }
    return pixels;
}

int CaptionExtent(const ControlEntry& entry, const QWidget& control, const QFontMetrics& metrics, double pixelsPerTwip)
{
    const int text = metrics.horizontalAdvance(entry.caption.toString());
    const QStyle& style = *control.style();
    switch (entry.kind) {
    case ControlKind::OptionButton: {
        QStyleOptionButton option;
        option.initFrom(&control);
        option.rect = QRect(QPoint(), PixelRect(entry.place, pixelsPerTwip).size());
        return style.subElementRect(QStyle::SE_RadioButtonContents, &option, &control).left() + text;
    }
    case ControlKind::CommandButton: return text + 2 * style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &control);
    case ControlKind::ComboBox: {
        // The longest item beside the arrow.
        int widest = 0;
        for (const char16_t* item : kDrivenAxleItems) {
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf16(item)));
        }
        QStyleOptionComboBox option;
        option.initFrom(&control);
        return style.sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, metrics.height()), &control).width();
    }
    case ControlKind::Frame:
        // The frame's title sits inset from its corner by about a blank.
        return text + 2 * metrics.horizontalAdvance(u' ');
    default: return text;
    }
}

void SetOpen(QWidget& control, bool open, bool takesFocus)
{
    control.setEnabled(open);
    control.setFocusPolicy(open && takesFocus ? Qt::StrongFocus : Qt::NoFocus);
}

int TextBoxFrameHeight(const QLineEdit& box)
{
    constexpr int kAnyHeight = 100;
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.rect = QRect(0, 0, kAnyHeight, kAnyHeight);
    option.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
    return kAnyHeight - box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box).height();
}

QMargins FrameAllowance(const QWidget& window)
{
    const QStyle& style = *window.style();
    const int border = style.pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
    const int titleBar = style.pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return {border, titleBar + border, border, border};
}

} // namespace kinetra
