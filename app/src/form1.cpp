#include "kinetra/form1.h"

#include "kinetra/details_window.h"
#include "kinetra/field_value.h"
#include "kinetra/form_controls.h"
#include "kinetra/form_fit.h"
#include "kinetra/form_layout.h"
#include "kinetra/long_numbers.h"
#include "kinetra/option_button.h"
#include "kinetra/plausibility.h"
#include "kinetra/reading_notes.h"
#include "kinetra/report_focus.h"
#include "kinetra/result_notes.h"
#include "kinetra/run_calculation.h"
#include "kinetra/square_check_box.h"
#include "kinetra/torque_curve_dialog.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

// What a screen reader calls the result: the frame's caption, then the
// sentence.
QString ResultName(const QString& sentence)
{
    return sentence.isEmpty() ? u"Resultados"_s : u"Resultados: "_s + sentence.trimmed();
}

// Controls whose caption's first letter, underlined, is reached with Alt:
// Alt+C calculates, Alt+S ends the program, Alt+R takes the focus to the
// result so that it can be selected and copied.
constexpr std::array<QStringView, 3> kMnemonicControls{u"Command1", u"Command2", u"Frame1"};

// The object that tells screen readers of a new result. Without pixels or
// focus, it is a notification: screen readers speak one as it appears,
// wherever the focus is, whereas the result label's change of name is heard
// only while the label has the focus.
constexpr QStringView kResultAnnouncement = u"ResultAnnouncement";

// Why a result shown may no longer answer the boxes.
constexpr QStringView kLastCalculationFailed = u"Resultado del cálculo anterior: el último no se pudo hacer.";
constexpr QStringView kDataChanged = u"Los datos han cambiado desde este resultado.";

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
    if (className == u"QWidget"_s && object->objectName() == kResultAnnouncement) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

// The torque column, top row down: C0, N, N2, N3, N4, N5, N6.
constexpr std::array kTorqueBoxes{22, 21, 20, 19, 24, 23, 28};

// A limit left blank is no limit: the details say what the limits did only
// for a car that has some.
bool AnyLimitTyped(const LimitTexts& limits)
{
    return std::ranges::any_of(
        std::array{limits.redLine, limits.launchSpeed, limits.shiftTime, limits.grip, limits.drivenShare},
        [](const QString& text) { return !text.trimmed().isEmpty(); });
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
        if (!entry.accessibleName.isEmpty()) {
            control->setAccessibleName(entry.accessibleName.toString());
        }
        if (!entry.description.isEmpty()) {
            // The frontal area is the one box read in the user's own number
            // format: its description shows that separator.
            const QString description = entry.description.toString().replace(u"%1"_s, locale_.decimalPoint());
            control->setToolTip(description);
            control->setAccessibleDescription(description);
        }
        // A locked box shows no example: greyed, it would look like a ratio in use.
        if (auto* box = qobject_cast<QLineEdit*>(control); box != nullptr && entry.enabledAtStart) {
            box->setPlaceholderText(entry.example.toString().replace(u"%1"_s, locale_.decimalPoint()));
        }
    });

    for (std::size_t index = 0; index < textBoxes_.size(); ++index) {
        textBoxes_[index] = findChild<QLineEdit*>(u"Text%1"_s.arg(index + 1));
        // A box lies over the label or option button that runs under it.
        textBoxes_[index]->raise();
        ShowNumbersFromTheirStart(*textBoxes_[index]);
    }
    ForEachControl([&](const ControlEntry& entry) {
        if (!entry.buddy.isEmpty()) {
            findChild<QLabel*>(entry.name.toString())->setBuddy(findChild<QLineEdit*>(entry.buddy.toString()));
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
    result_ = findChild<QLabel*>(u"Label31"_s);
    result_->setAccessibleName(ResultName(QString()));
    // The sentence is longer than one line of the frame.
    result_->setWordWrap(true);
    result_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // People paste the result into their reports: it can be selected and
    // copied, by mouse or keyboard, with a context menu. It is reached by a
    // click or by Alt+R, not by Tab, which keeps to the form's own stops.
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    result_->setFocusPolicy(Qt::ClickFocus);
    // A label offers a menu only for links: the result brings its own.
    result_->setContextMenuPolicy(Qt::CustomContextMenu);

    for (const QStringView name : kMnemonicControls) {
        QWidget* control = findChild<QWidget*>(name.toString());
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            button->setText(u'&' + button->text());
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            frame->setTitle(u'&' + frame->title());
            frame->installEventFilter(this);
        }
    }

    resultAnnouncement_ = new QWidget(result_->parentWidget());
    resultAnnouncement_->setObjectName(kResultAnnouncement.toString());
    resultAnnouncement_->setFocusPolicy(Qt::NoFocus);
    resultAnnouncement_->setGeometry(0, 0, 0, 0);
    resultAnnouncement_->hide();
    notes_ = new ResultNotes(result_->parentWidget());
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
        if (entry.kind == ControlKind::TextBox) {
            QWidget* box = findChild<QWidget*>(entry.name.toString());
            setTabOrder(last, box);
            last = box;
        }
    }
    // Only now: Qt leaves a control that takes no focus out of the chain.
    for (const ControlEntry* entry : focusOrder) {
        SetOpen(*findChild<QWidget*>(entry->name.toString()), entry->enabledAtStart, true);
    }
    SetOpen(*details_, false, true);
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
    connect(torqueCurveButton_, &QPushButton::clicked, this, &Form1::ShowTorqueCurve);
    connect(result_, &QWidget::customContextMenuRequested, this, &Form1::ShowResultMenu);
    // Whatever the person changes after a result makes it an old one: the
    // form's boxes and the car's limits alike.
    for (QLineEdit* box : canvas_->findChildren<QLineEdit*>()) {
        connect(box, &QLineEdit::textEdited, this, [this] { AddStaleNote(kDataChanged.toString()); });
    }
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

// The result's context menu, as a text box's read-only one: copy what is
// selected, select the whole sentence.
void Form1::ShowResultMenu(QPoint at)
{
    auto* menu = new QMenu(result_);
    menu->setObjectName(u"ResultMenu"_s);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy =
        menu->addAction(u"&Copiar"_s, this, [this] { QGuiApplication::clipboard()->setText(result_->selectedText()); });
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(result_->hasSelectedText());
    QAction* all = menu->addAction(u"Seleccionar &todo"_s, this, [this] {
        result_->setFocus(Qt::PopupFocusReason);
        result_->setSelection(0, static_cast<int>(result_->text().size()));
    });
    all->setShortcut(QKeySequence::SelectAll);
    all->setEnabled(!result_->text().isEmpty());
    menu->popup(result_->mapToGlobal(at));
}

// Alt+R, the mnemonic of "Resultados", takes the focus to the result with the
// whole sentence selected, ready to copy.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Shortcut && watched == result_->parentWidget()) {
        result_->setFocus(Qt::ShortcutFocusReason);
        result_->setSelection(0, static_cast<int>(result_->text().size()));
        return true;
    }
    return QWidget::eventFilter(watched, event);
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

void Form1::Form_Load()
{
    state_.gearCount = 4;
}

// A gear takes part exactly while its check box is ticked; unticking it takes
// the gear out again and locks its box, keeping what was typed there. Sexta
// needs Quinta: the two boxes are kept consistent so that a locked Quinta
// never takes part below a ticked Sexta.
void Form1::Check1_Click()
{
    if (!check1_->isChecked()) {
        check2_->setChecked(false);
    }
    OpenGearBoxesOfCheckBoxes();
}

void Form1::Check2_Click()
{
    if (check2_->isChecked()) {
        check1_->setChecked(true);
    }
    OpenGearBoxesOfCheckBoxes();
}

// A locked box shows no example, lest it look like a ratio in use; an open
// one shows it again.
void Form1::OpenGearBoxesOfCheckBoxes()
{
    for (const auto& [box, open] : {std::pair{5, check1_->isChecked()}, std::pair{6, check2_->isChecked()}}) {
        SetOpen(*Text(box), open, true);
        const auto entry = std::ranges::find(FormControls(), u"Text%1"_s.arg(box), &ControlEntry::name);
        Text(box)->setPlaceholderText(open ? entry->example.toString() : QString());
    }
    state_.gearCount = GearCountFromCheckBoxes();
}

int Form1::GearCountFromCheckBoxes() const
{
    if (check2_->isChecked()) {
        return 6;
    }
    return check1_->isChecked() ? 5 : 4;
}

// "Area Frontal": the area is typed; height and width no longer apply.
void Form1::Option1_Click()
{
    Text(26)->clear();
    Text(27)->clear();
    state_.frontalArea = Text(25)->text();
}

// "Alto X Ancho": the area comes from height and width; the typed one goes.
void Form1::Option2_Click()
{
    Text(25)->clear();
    if (const auto fault = StoreAreaFromHeightAndWidth()) {
        ReportFault(*fault);
    }
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

// "Calcular".
void Form1::Command1_Click()
{
    if (const auto fault = TakeFrontalAreaOfSelectedMode()) {
        AddStaleNote(kLastCalculationFailed.toString());
        ReportFault(*fault);
        return;
    }
    const CalcInput input = InputFromBoxes();
    RunTrace run;
    const CalcOutcome outcome = RunCalculation(input, state_, tables_, locale_, &run);
    if (const auto* sentence = std::get_if<QString>(&outcome)) {
        ShowResult(*sentence,
                   ReadingNotes(input, state_, {Text(25)->text(), Text(26)->text(), Text(27)->text()}, locale_));
        // A fault leaves the last good run's details, as it leaves the sentence.
        runs_.Add(std::move(run), AnyLimitTyped(input.limits));
        SetOpen(*details_, true, true);
        if (detailsWindow_ != nullptr) {
            detailsWindow_->ShowRuns(runs_);
            detailsWindow_->SetStaleNote({});
        }
    } else {
        AddStaleNote(kLastCalculationFailed.toString());
        ReportFault(std::get<CalcFault>(outcome));
    }
}

void Form1::ShowResult(const QString& sentence, const QStringList& noteList)
{
    const QString notes = noteList.join(u' ');
    const bool renamed = result_->accessibleName() != ResultName(sentence);
    result_->setText(sentence);
    result_->setAccessibleName(ResultName(sentence));
    // Placed under the sentence as it now wraps.
    staleNotes_.clear();
    notes_->ShowStale(staleNotes_, *result_);
    notes_->Show(noteList, *result_);
    // A result label that has the focus is read out again when its name
    // changes; the notification then adds only what the name lacks, so that
    // nothing is heard twice. The same sentence again is no change of name.
    const QString whole = notes.isEmpty() ? sentence.trimmed() : sentence.trimmed() + u' ' + notes;
    const QString told = result_->hasFocus() && renamed ? notes : whole;
    if (!told.isEmpty()) {
        Announce(told);
    }
}

void Form1::Announce(const QString& text)
{
    // Shown again, the notification is spoken again, once per text.
    resultAnnouncement_->hide();
    resultAnnouncement_->setAccessibleName(text);
    resultAnnouncement_->show();
}

void Form1::AddStaleNote(const QString& note)
{
    if (result_->text().isEmpty() || staleNotes_.contains(note)) {
        return;
    }
    staleNotes_.append(note);
    notes_->ShowStale(staleNotes_, *result_);
    if (detailsWindow_ != nullptr) {
        detailsWindow_->SetStaleNote(staleNotes_.join(u' '));
    }
    Announce(note);
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

// "Salir": the only window closes, and with it the program.
void Form1::Command2_Click()
{
    close();
}

void Form1::ShowDetails()
{
    if (detailsWindow_ == nullptr) {
        detailsWindow_ = new DetailsWindow(locale_, this);
        detailsWindow_->ShowRuns(runs_);
        detailsWindow_->SetStaleNote(staleNotes_.join(u' '));
    }
    detailsWindow_->show();
    detailsWindow_->raise();
    detailsWindow_->activateWindow();
}

void Form1::ShowTorqueCurve()
{
    if (torqueCurve_ == nullptr) {
        torqueCurve_ = new TorqueCurveDialog(locale_, this);
        connect(torqueCurve_, &TorqueCurveDialog::coefficientsChosen, this, &Form1::UseTorqueCoefficients);
        // Back in the form, typing goes on from «C0» once the coefficients
        // are in, or from where it was.
        connect(torqueCurve_, &QDialog::finished, this, [this](int result) {
            activateWindow();
            if (result == QDialog::Accepted) {
                Text(22)->setFocus(Qt::OtherFocusReason);
            }
        });
    }
    std::array<QString, 7> texts;
    for (std::size_t power = 0; power < kTorqueBoxes.size(); ++power) {
        texts[power] = Text(kTorqueBoxes[power])->text();
    }
    torqueCurve_->ShowCurrentCurve(CoefficientsOfTexts(texts));
    torqueCurve_->open();
    torqueCurve_->raise();
    torqueCurve_->activateWindow();
}

// The sentence of the last calculation stays: it belongs to the coefficients
// it was calculated with until "Calcular" is pressed again.
void Form1::UseTorqueCoefficients(const TorqueCoefficients& coefficients)
{
    const std::array<QString, 7> texts = CoefficientTexts(coefficients);
    bool changed = false;
    for (std::size_t power = 0; power < kTorqueBoxes.size(); ++power) {
        QLineEdit* box = Text(kTorqueBoxes[power]);
        changed = changed || box->text() != texts[power];
        box->setText(texts[power]);
        // The sign and the leading digits are what a narrow box should show.
        box->setCursorPosition(0);
    }
    if (changed) {
        AddStaleNote(kDataChanged.toString());
    }
}

// A run-time error report: the window stays usable once it is dismissed, and
// the result keeps the last sentence.
void Form1::ReportFault(const CalcFault& fault)
{
    if (faultReport_ == nullptr) {
        faultReport_ = new QMessageBox(this);
        faultReport_->setObjectName(u"FaultReport"_s);
        faultReport_->setIcon(QMessageBox::Critical);
        faultReport_->setStandardButtons(QMessageBox::Ok);
        faultReport_->button(QMessageBox::Ok)->setText(u"Aceptar"_s);
        faultReport_->setTextFormat(Qt::PlainText);
        connect(faultReport_, &QMessageBox::finished, this, &Form1::FocusReportedBox);
    }
    faultReport_->setWindowTitle(FaultTitle(fault.kind()));
    faultReport_->setText(fault.message());
    reportedBox_ = BoxNamedByReport(fault.message());
    faultReport_->open();
}

// Once the report is read, typing goes to the box it points at and replaces
// its text.
void Form1::FocusReportedBox()
{
    auto* box = findChild<QLineEdit*>(reportedBox_);
    if (box == nullptr || !box->isEnabled()) {
        return;
    }
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

} // namespace kinetra
