#include "kinetra/details_window.h"
#include "kinetra/form1.h"
#include "kinetra/form_controls.h"
#include "kinetra/form_layout.h"
#include "kinetra/option_button.h"
#include "kinetra/performance_window.h"
#include "kinetra/result_notes.h"
#include "kinetra/torque_curve_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

struct FileCommand {
    QStringView button;
    QStringView shortcut;
};
constexpr std::array kFileCommands{FileCommand{u"OpenButton", u"Ctrl+O"}, FileCommand{u"SaveButton", u"Ctrl+S"},
                                   FileCommand{u"SaveAsButton", u"Ctrl+Shift+S"}, FileCommand{u"ExamplesButton", {}}};

QString FileFilter()
{
    return u"Vehículos de Kinetra (*.%1);;Todos los archivos (*)"_s.arg(kVehicleFileSuffix);
}

// The one .kinetra file a drag carries, if it carries exactly that.
QString DroppedVehicleFile(const QMimeData* data)
{
    if (data == nullptr || data->urls().size() != 1 || !data->urls().front().isLocalFile()) {
        return {};
    }
    const QString path = data->urls().front().toLocalFile();
    return QFileInfo(path).suffix().compare(kVehicleFileSuffix, Qt::CaseInsensitive) == 0 ? path : QString();
}

// The inputs a file keeps, the name and note aside.
bool SameInputs(const VehicleFile& a, const VehicleFile& b)
{
    return a.boxes == b.boxes && a.fifthGear == b.fifthGear && a.sixthGear == b.sixthGear && a.area == b.area
           && a.drivenAxle == b.drivenAxle && a.curve == b.curve;
}

} // namespace

void Form1::BuildFileCommands()
{
    // After every stop of the form and those the program added before,
    // "Prestaciones…" the last of them, in the order they stand.
    QWidget* last = performance_;
    for (const FileCommand& command : kFileCommands) {
        auto* button = findChild<QPushButton*>(command.button.toString());
        button->setShortcut(QKeySequence(command.shortcut.toString()));
        setTabOrder(last, button);
        last = button;
    }
    connect(findChild<QPushButton*>(u"OpenButton"_s), &QPushButton::clicked, this, &Form1::OpenFile);
    connect(findChild<QPushButton*>(u"SaveButton"_s), &QPushButton::clicked, this, &Form1::SaveFile);
    connect(findChild<QPushButton*>(u"SaveAsButton"_s), &QPushButton::clicked, this, &Form1::SaveFileAs);
    connect(findChild<QPushButton*>(u"ExamplesButton"_s), &QPushButton::clicked, this, &Form1::ShowExamplesMenu);

    setAcceptDrops(true);
    for (QLineEdit* box : canvas_->findChildren<QLineEdit*>()) {
        box->installEventFilter(this);
        // Any change may bring the boxes back to the file or away from it.
        connect(box, &QLineEdit::textChanged, this, &Form1::ShowFileInTitle);
    }
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{check1_, check2_, option1_, option2_}) {
        connect(button, &QAbstractButton::toggled, this, &Form1::ShowFileInTitle);
    }
}

void Form1::ShowExamplesMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName(u"ExamplesMenu"_s);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setToolTipsVisible(true);
    const QDir examples(u":/kinetra/examples"_s);
    for (const QString& name : examples.entryList({u"*.kinetra"_s}, QDir::Files, QDir::Name)) {
        const QString resource = examples.filePath(name);
        const auto car = LoadVehicleFile(resource);
        if (const auto* example = std::get_if<VehicleFile>(&car)) {
            QAction* action = menu->addAction(example->name, this, [this, resource] { OpenExample(resource); });
            action->setObjectName(QFileInfo(name).completeBaseName());
            action->setToolTip(example->note);
        }
    }
    const auto* button = findChild<QPushButton*>(u"ExamplesButton"_s);
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    if (!menu->actions().isEmpty()) {
        menu->setActiveAction(menu->actions().front());
    }
}

TorqueCurveDialog& Form1::TorqueCurve()
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
            ShowFileInTitle();
        });
    }
    return *torqueCurve_;
}

VehicleFile Form1::CarFromWindow() const
{
    VehicleFile car = openCar_.value_or(VehicleFile{});
    for (const InputBox& box : kInputBoxes) {
        car.Box(box.id) = Box(box.id)->text();
    }
    car.fifthGear = check1_->isChecked();
    car.sixthGear = check2_->isChecked();
    car.area = SelectedAreaMode();
    car.drivenAxle = drivenAxle_->currentText();
    car.curve = torqueCurve_ != nullptr ? torqueCurve_->Request() : CurveRequest{};
    return car;
}

bool Form1::HasUnsavedChanges() const
{
    return openCar_ && !SameInputs(CarFromWindow(), *openCar_);
}

void Form1::ShowCar(const VehicleFile& car)
{
    for (const InputBox& box : kInputBoxes) {
        Box(box.id)->setText(car.Box(box.id));
        Box(box.id)->setCursorPosition(0);
    }
    check1_->setChecked(car.fifthGear);
    check2_->setChecked(car.sixthGear);
    drivenAxle_->setCurrentIndex(drivenAxle_->findText(car.drivenAxle));
    OpenGearBoxesOfCheckBoxes();
    // Neither option may be chosen, as when the window opens.
    for (OptionButton* option : {option1_, option2_}) {
        option->setAutoExclusive(false);
    }
    option1_->setChecked(car.area == AreaMode::Typed);
    option2_->setChecked(car.area == AreaMode::HeightAndWidth);
    for (OptionButton* option : {option1_, option2_}) {
        option->setAutoExclusive(true);
    }
    // The area is taken from its boxes again at "Calcular"; a fault there is
    // reported then, as for typed boxes.
    const auto area =
        FrontalAreaOf(car.area, car.Box(BoxId::AreaTyped), car.Box(BoxId::AreaHeight), car.Box(BoxId::AreaWidth));
    state_.frontalArea = std::holds_alternative<FrontalArea>(area) ? std::get<FrontalArea>(area) : FrontalArea{};
    if (torqueCurve_ != nullptr || car.curve != CurveRequest{}) {
        TorqueCurve().SetRequest(car.curve);
    }
    ClearResult();
}

void Form1::ClearResult()
{
    result_->clear();
    staleNotes_.clear();
    notes_->Show({}, *result_);
    notes_->ShowStale(staleNotes_, *result_);
    runs_ = RunHistory{};
    SetOpen(*details_, false, true);
    SetOpen(*performance_, false, true);
    // Their figures were of the car before.
    for (QWidget* window : std::initializer_list<QWidget*>{detailsWindow_, performanceWindow_}) {
        if (window != nullptr) {
            window->hide();
        }
    }
}

void Form1::KeepOpenCar(const VehicleFile& car, const QString& path, bool example)
{
    // What the boxes hold now is what a later change is measured from; the
    // name, the note and the keys kept come from the file.
    openCar_ = car;
    openCar_ = CarFromWindow();
    openPath_ = path;
    openExample_ = example;
    ShowFileInTitle();
}

void Form1::ShowFileInTitle()
{
    if (!openCar_) {
        return;
    }
    const QString shown =
        openExample_ ? u"%1 (ejemplo, solo lectura)"_s.arg(openCar_->name) : QFileInfo(openPath_).fileName();
    setWindowTitle(kWindowCaption.toString() + u" — "_s + shown + u"[*]"_s);
    setWindowModified(HasUnsavedChanges());
}

bool Form1::OpenVehicleFile(const QString& path)
{
    const auto car = LoadVehicleFile(path);
    if (const auto* refusal = std::get_if<FileRefusal>(&car)) {
        Tell(u"No se puede abrir el archivo"_s, RefusalOfFile(path, *refusal), true);
        return false;
    }
    ShowCar(std::get<VehicleFile>(car));
    KeepOpenCar(std::get<VehicleFile>(car), QFileInfo(path).absoluteFilePath(), false);
    if (const QString note = UnknownKeysNote(openCar_->unknownKeys); !note.isEmpty()) {
        Tell(u"Claves desconocidas"_s, note, false);
    }
    return true;
}

bool Form1::OpenExample(const QString& resource)
{
    if (!MayLeaveCar()) {
        return false;
    }
    const auto car = LoadVehicleFile(resource);
    if (const auto* refusal = std::get_if<FileRefusal>(&car)) {
        Tell(u"No se puede abrir el ejemplo"_s, RefusalOfFile(resource, *refusal), true);
        return false;
    }
    ShowCar(std::get<VehicleFile>(car));
    KeepOpenCar(std::get<VehicleFile>(car), resource, true);
    return true;
}

void Form1::OpenFile()
{
    if (!MayLeaveCar()) {
        return;
    }
    const QString folder = openExample_ ? QDir::homePath() : QFileInfo(openPath_).absolutePath();
    const QString path = QFileDialog::getOpenFileName(this, u"Abrir un vehículo"_s, folder, FileFilter());
    if (!path.isEmpty()) {
        OpenVehicleFile(path);
    }
}

bool Form1::SaveFile()
{
    if (openPath_.isEmpty() || openExample_) {
        return SaveFileAs();
    }
    return SaveTo(openPath_);
}

bool Form1::SaveFileAs()
{
    const QString suggested = openPath_.isEmpty() || openExample_
                                  ? QDir::home().filePath((openCar_ ? openCar_->name : u"vehículo"_s) + u".kinetra"_s)
                                  : openPath_;
    QString path = QFileDialog::getSaveFileName(this, u"Guardar el vehículo como"_s, suggested, FileFilter());
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += u'.' + kVehicleFileSuffix.toString();
    }
    return SaveTo(path);
}

bool Form1::SaveTo(const QString& path)
{
    VehicleFile car = CarFromWindow();
    if (car.name.isEmpty()) {
        car.name = QFileInfo(path).completeBaseName();
    }
    if (const auto failure = SaveVehicleFile(car, path)) {
        Tell(u"No se pudo guardar"_s, failure->reason, true);
        return false;
    }
    KeepOpenCar(car, QFileInfo(path).absoluteFilePath(), false);
    return true;
}

bool Form1::MayLeaveCar()
{
    if (!HasUnsavedChanges()) {
        return true;
    }
    QMessageBox question(QMessageBox::Question, u"Cambios sin guardar"_s,
                         u"Los datos han cambiado desde que se abrió o guardó «%1». ¿Guardar los cambios?"_s.arg(
                             openExample_ ? openCar_->name : QFileInfo(openPath_).fileName()),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.setObjectName(u"UnsavedQuestion"_s);
    question.button(QMessageBox::Save)->setText(u"&Guardar"_s);
    question.button(QMessageBox::Discard)->setText(u"&No guardar"_s);
    question.button(QMessageBox::Cancel)->setText(u"Cancelar"_s);
    question.setDefaultButton(QMessageBox::Save);
    switch (question.exec()) {
    case QMessageBox::Save: return SaveFile();
    case QMessageBox::Discard: return true;
    default: return false;
    }
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (MayLeaveCar()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool Form1::TakeFileDrop(QEvent* event)
{
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DroppedVehicleFile(drop->mimeData());
    if (path.isEmpty()) {
        return false;
    }
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop && MayLeaveCar()) {
        OpenVehicleFile(path);
    }
    return true;
}

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    TakeFileDrop(event);
}

void Form1::dropEvent(QDropEvent* event)
{
    TakeFileDrop(event);
}

void Form1::Tell(const QString& title, const QString& text, bool failure)
{
    auto* message =
        new QMessageBox(failure ? QMessageBox::Warning : QMessageBox::Information, title, text, QMessageBox::Ok, this);
    message->setObjectName(u"FileMessage"_s);
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->setTextFormat(Qt::PlainText);
    message->button(QMessageBox::Ok)->setText(u"Aceptar"_s);
    message->open();
}

} // namespace kinetra
