#include "kinetra/form1.h"

#include "form1_shared.h"
#include "kinetra/form_controls.h"
#include "kinetra/form_fit.h"
#include "kinetra/form_layout.h"
#include "kinetra/long_numbers.h"
#include "kinetra/option_button.h"
#include "kinetra/result_notes.h"
#include "kinetra/square_check_box.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

// Controls whose caption's first letter, underlined, is reached with Alt:
// Alt+C calculates, Alt+S ends the program, Alt+R takes the focus to the
// result so that it can be selected and copied.
constexpr std::array<QStringView, 4> kMnemonicControls{u"Command1", u"Command2", u"Frame1", u"PerformanceButton"};

// The speed boxes and their km/h readings, with the symbol that says which
// is which.
struct SpeedBox {
    int box;
    QStringView symbol;
    QStringView reading; // the label
};
constexpr std::array kSpeedBoxes{SpeedBox{8, u"Vi", u"KmhInicial"}, SpeedBox{9, u"Vf", u"KmhFinal"}};

// To screen readers the form is a window, not an anonymous grouping, and its
// lines are separators, not empty frames.
QAccessibleInterface* FormAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1StringView(Form1::staticMetaObject.className()) && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    if (const auto* line = qobject_cast<QFrame*>(object);
        className == u"QFrame"_s && line != nullptr && line->frameShape() == QFrame::HLine) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Separator);
    }
    return nullptr;
}

} // namespace

Form1::Form1(QLocale locale, QWidget* parent) : QWidget(parent), locale_(std::move(locale))
{
    setObjectName(u"Form1"_s);
    setWindowTitle(kWindowCaption.toString());
    setWindowIcon(QIcon(u":/kinetra/kinetra-32.png"_s));
    QAccessible::installFactory(FormAccessible);
    QAccessible::installFactory(SquareCheckBox::Accessible);

    // The form's client area scrolls inside the window when a large desktop
    // font makes it larger than the screen; the frame of the scroll area and
    // the area itself take no focus, so the Tab order is the form's.
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(u"FormScroll"_s);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    canvas_ = new QWidget;
    canvas_->setObjectName(u"FormCanvas"_s);
    scroll_->setWidget(canvas_);

    BuildControls();
    ChainFocusByTabIndex();
    FitToDesktop();
    ConnectHandlers();
    BuildFileCommands();
    Form_Load();
}

namespace {

// The form's own controls and those the program adds, in one sequence.
template <class Visit>
void ForEachControl(Visit visit)
{
    std::ranges::for_each(FormControls(), visit);
    std::ranges::for_each(AddedControls(), visit);
}

} // namespace

namespace {

// What a person is told of a control: its name and description, as screen
// readers and tooltips give them, and a box's example.
void Describe(QWidget& control, const ControlEntry& entry, const QLocale& locale)
{
    if (entry.box) {
        control.setAccessibleName(AccessibleBoxName(*entry.box));
    } else if (!entry.accessibleName.isEmpty()) {
        control.setAccessibleName(entry.accessibleName.toString());
    }
    if (!entry.description.isEmpty()) {
        // The frontal area is the one box read in the user's own number
        // format: its description shows that separator.
        const QString description = entry.description.toString().replace(u"%1"_s, locale.decimalPoint());
        control.setToolTip(description);
        control.setAccessibleDescription(description);
    }
    // A locked box shows no example: greyed, it would look like a ratio in use.
    if (auto* box = qobject_cast<QLineEdit*>(&control); box != nullptr && entry.enabledAtStart) {
        box->setPlaceholderText(entry.example.toString().replace(u"%1"_s, locale.decimalPoint()));
    }
}

} // namespace

QLineEdit* Form1::Box(BoxId id) const
{
    return findChild<QLineEdit*>(BoxOf(id).control.toString());
}

void Form1::BuildControls()
{
    ForEachControl([&](const ControlEntry& entry) {
        QWidget* parent = canvas_;
        if (!entry.container.isEmpty()) {
            parent = findChild<QWidget*>(entry.container.toString());
        }
        QWidget* control = MakeControl(entry, parent);
        control->setObjectName(entry.name.toString());
        control->setFocusPolicy(TakesFocus(entry.kind) ? Qt::StrongFocus : Qt::NoFocus);
        Describe(*control, entry, locale_);
    });

    for (std::size_t index = 0; index < textBoxes_.size(); ++index) {
        textBoxes_[index] = findChild<QLineEdit*>(u"Text%1"_s.arg(index + 1));
        // A box lies over the label or option button that runs under it.
        textBoxes_[index]->raise();
        ShowNumbersFromTheirStart(*textBoxes_[index]);
    }
    ForEachControl([&](const ControlEntry& entry) {
        if (!entry.buddy.isEmpty()) {
            findChild<QLabel*>(entry.name.toString())->setBuddy(findChild<QWidget*>(entry.buddy.toString()));
        }
    });

    check1_ = findChild<QCheckBox*>(u"Check1"_s);
    check2_ = findChild<QCheckBox*>(u"Check2"_s);
    option1_ = findChild<OptionButton*>(u"Option1"_s);
    option2_ = findChild<OptionButton*>(u"Option2"_s);
    command1_ = findChild<QPushButton*>(u"Command1"_s);
    command2_ = findChild<QPushButton*>(u"Command2"_s);
    details_ = findChild<QPushButton*>(u"Detalles"_s);
    torqueCurveButton_ = findChild<QPushButton*>(u"TorqueCurveButton"_s);
    performance_ = findChild<QPushButton*>(u"PerformanceButton"_s);
    drivenAxle_ = findChild<QComboBox*>(u"DrivenAxle"_s);

    for (const QStringView name : kMnemonicControls) {
        QWidget* control = findChild<QWidget*>(name.toString());
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            button->setText(u'&' + button->text());
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            frame->setTitle(u'&' + frame->title());
            frame->installEventFilter(this);
        }
    }

    BuildResult();
}

// The focus moves by tab index, which is not the order on the screen: after
// the fourth gear come the two check boxes, and the sixth torque coefficient
// is last of all.
void Form1::ChainFocusByTabIndex()
{
    std::vector<const ControlEntry*> focusOrder;
    for (const ControlEntry& entry : FormControls()) {
        if (TakesFocus(entry.kind)) {
            focusOrder.push_back(&entry);
        }
    }
    std::ranges::sort(focusOrder, {}, &ControlEntry::tabIndex);
    QWidget* previous = nullptr;
    for (const ControlEntry* entry : focusOrder) {
        QWidget* control = findChild<QWidget*>(entry->name.toString());
        if (previous != nullptr) {
            setTabOrder(previous, control);
        }
        previous = control;
    }
    // "Detalles…" comes right after "Calcular", which it answers.
    setTabOrder(command1_, details_);
    // The notes, while there are any, come next: from the keyboard they are
    // scrolled with the arrow keys.
    setTabOrder(details_, notes_);
    setTabOrder(notes_, command2_);
    // "Curva de par…" follows the last torque box, which it fills.
    setTabOrder(Text(28), torqueCurveButton_);
    // The boxes the program adds, the car's limits, come after it, in the
    // order they stand.
    QWidget* last = torqueCurveButton_;
    for (const ControlEntry& entry : AddedControls()) {
        if (entry.kind == ControlKind::TextBox || entry.kind == ControlKind::ComboBox) {
            QWidget* box = findChild<QWidget*>(entry.name.toString());
            setTabOrder(last, box);
            last = box;
        }
    }
    // "Prestaciones…" last, after the boxes: the stops before it keep their order.
    setTabOrder(last, performance_);
    // Only now: Qt leaves a control that takes no focus out of the chain.
    for (const ControlEntry* entry : focusOrder) {
        SetOpen(*findChild<QWidget*>(entry->name.toString()), entry->enabledAtStart, true);
    }
    SetOpen(*details_, false, true);
    SetOpen(*performance_, false, true);
}

// The form keeps the desktop's font; the whole form grows with it, by one
// scale, until every caption is seen whole, but never beyond the screen.
// The check boxes are left out: only their square shows.
void Form1::FitToDesktop()
{
    const int textBoxFrame = TextBoxFrameHeight(*Text(1));
    const auto captionsFit = [&](const QFont& font, double pixelsPerTwip) {
        const QFontMetrics metrics(font);
        const auto fits = [&](const ControlEntry& entry) {
            const int height = PixelsFromTwips(entry.place.height, pixelsPerTwip);
            if (entry.kind == ControlKind::TextBox) {
                return metrics.height() + textBoxFrame <= height;
            }
            if (entry.kind == ControlKind::ComboBox) {
                const QWidget& list = *findChild<QWidget*>(entry.name.toString());
                return metrics.height() + textBoxFrame <= height
                       && CaptionExtent(entry, list, metrics, pixelsPerTwip)
                              <= PixelsFromTwips(entry.place.width, pixelsPerTwip);
            }
            if (entry.caption.isEmpty() || entry.kind == ControlKind::CheckBox) {
                return true;
            }
            const QWidget& control = *findChild<QWidget*>(entry.name.toString());
            return CaptionExtent(entry, control, metrics, pixelsPerTwip)
                       <= PixelsFromTwips(UncoveredWidth(entry), pixelsPerTwip)
                   && metrics.height() <= height;
        };
        return std::ranges::all_of(FormControls(), fits) && std::ranges::all_of(AddedControls(), fits);
    };
    const QSize room = screen()->availableGeometry().size().shrunkBy(FrameAllowance(*this));
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
    const FormFit fit = FitForm(font(), room, scrollBar, captionsFit);

    setFont(fit.font);
    canvas_->setFixedSize(PixelRect(kClientArea, fit.pixelsPerTwip).size());
    setFixedSize(fit.window);
    scroll_->setGeometry(rect());
    ForEachControl([&](const ControlEntry& entry) {
        findChild<QWidget*>(entry.name.toString())->setGeometry(Geometry(entry, fit.pixelsPerTwip));
    });
    // The km/h readings are an aside: smaller, to fit their strip.
    QFont aside = fit.font;
    aside.setPointSizeF(fit.font.pointSizeF() * 0.8);
    for (const SpeedBox& speed : kSpeedBoxes) {
        findChild<QLabel*>(speed.reading.toString())->setFont(aside);
    }
}

void Form1::ConnectHandlers()
{
    connect(check1_, &QCheckBox::clicked, this, &Form1::Check1_Click);
    connect(check2_, &QCheckBox::clicked, this, &Form1::Check2_Click);
    connect(option1_, &OptionButton::clicked, this, &Form1::Option1_Click);
    connect(option2_, &OptionButton::clicked, this, &Form1::Option2_Click);
    connect(command1_, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(details_, &QPushButton::clicked, this, &Form1::ShowDetails);
    connect(performance_, &QPushButton::clicked, this, &Form1::ShowPerformance);
    connect(torqueCurveButton_, &QPushButton::clicked, this, &Form1::ShowTorqueCurve);
    connect(result_, &QWidget::customContextMenuRequested, this, &Form1::ShowResultMenu);
    // Whatever the person changes after a result makes it an old one: the
    // form's boxes and the car's limits alike.
    for (QLineEdit* box : canvas_->findChildren<QLineEdit*>()) {
        connect(box, &QLineEdit::textEdited, this, [this] { AddStaleNote(kDataChanged.toString()); });
    }
    connect(drivenAxle_, &QComboBox::activated, this, [this] { AddStaleNote(kDataChanged.toString()); });
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{check1_, check2_, option1_, option2_}) {
        connect(button, &QAbstractButton::clicked, this, [this] { AddStaleNote(kDataChanged.toString()); });
    }
    for (const SpeedBox& speed : kSpeedBoxes) {
        const auto show = [this, speed] {
            ShowSpeedInKmh(*Text(speed.box), speed.symbol, *findChild<QLabel*>(speed.reading.toString()));
        };
        connect(Text(speed.box), &QLineEdit::textChanged, this, show);
        show();
    }
    // Tab, a shortcut or a report may move the focus out of sight of a form
    // that scrolls: the form follows it, bringing the whole control into
    // sight (not only a box's text cursor) with a little of what is around.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == nullptr || !canvas_->isAncestorOf(now)) {
            return;
        }
        const QRect place(now->mapTo(canvas_, QPoint()), now->size());
        const int margin = now->fontMetrics().height();
        scroll_->ensureVisible(place.center().x(), place.center().y(), place.width() / 2 + margin,
                               place.height() / 2 + margin);
    });
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain && QApplication::focusWidget() != command2_) {
        command1_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::ShowAtStart()
{
    // The window is centred with the frame that the window manager will add,
    // so that its title bar is not pushed off the top of a small screen.
    const QMargins frame = FrameAllowance(*this);
    const QRect framed =
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size().grownBy(frame), screen()->availableGeometry());
    setGeometry(framed.marginsRemoved(frame));
    Text(1)->setFocus();
    show();
}

} // namespace kinetra
