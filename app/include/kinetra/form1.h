#pragma once

#include "kinetra/calc_fault.h"
#include "kinetra/calc_input.h"
#include "kinetra/calc_tables.h"
#include "kinetra/details_text.h"
#include "kinetra/torque_curve_fit.h"
#include "kinetra/vehicle_file.h"

#include <QLocale>
#include <QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;
class QScrollArea;

namespace kinetra {

class DetailsWindow;
class PerformanceWindow;
class OptionButton;
class ResultNotes;
class TorqueCurveDialog;

// The program's only window: the vehicle's data, the two input modes, the
// result and the two commands. It owns what the calculation needs between
// clicks: the gear count, the frontal area and the tables.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // `locale` is the user's: it reads a frontal area typed as text and
    // writes the decimal separator of the result.
    explicit Form1(QLocale locale = QLocale::system(), QWidget* parent = nullptr);

    // Start-up: centred on the screen, typing goes to the first-gear box.
    void ShowAtStart();

    const WindowState& windowState() const { return state_; }
    const CalcTables& calcTables() const { return tables_; }
    const QLocale& locale() const { return locale_; }

    // The window's handlers, one per user action.
    void Form_Load();
    void Check1_Click();
    void Check2_Click();
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void Command2_Click();

    // "Detalles…": the details of the last successful run, in a window of
    // their own that follows every later calculation.
    void ShowDetails();

    // "Prestaciones…": the figures a magazine prints for the car in the
    // boxes, and the study of one input, in a window of their own; a car the
    // calculation refuses is reported as "Calcular" reports it.
    void ShowPerformance();

    // "Curva de par…": the engine's torque curve from points or a brochure,
    // drawn over the curve the torque column holds now.
    void ShowTorqueCurve();

    // The car kept in a file. Opening fills every box, the options and the
    // curve dialog, and clears the result; a file that cannot be used is
    // refused with a message, and the boxes stay. False when refused.
    bool OpenVehicleFile(const QString& path);
    // An example car from the program's own resources, opened read-only:
    // "Guardar" asks where to keep it.
    bool OpenExample(const QString& resource);
    void OpenFile();   // "Abrir…"
    bool SaveFile();   // "Guardar": false when nothing was saved
    bool SaveFileAs(); // "Guardar como…"
    // With a file open, whether the boxes differ from it.
    bool HasUnsavedChanges() const;

protected:
    // Enter or Return anywhere in the form but on "Salir" calculates, as a
    // dialog's default button would.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // With unsaved changes to a file, asks whether to keep them first.
    void closeEvent(QCloseEvent* event) override;
    // A .kinetra file dropped anywhere on the window opens.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildControls();
    void ChainFocusByTabIndex();
    void FitToDesktop();
    void ConnectHandlers();
    void BuildResult();

    QLineEdit* Text(int number) const { return textBoxes_.at(static_cast<std::size_t>(number - 1)); }
    // The text box of a box of the calculation, by the table of the boxes.
    QLineEdit* Box(BoxId id) const;
    CalcInput InputFromBoxes() const;
    void OpenGearBoxesOfCheckBoxes();
    int GearCountFromCheckBoxes() const;
    AreaMode SelectedAreaMode() const;
    std::optional<CalcFault> TakeFrontalAreaOfSelectedMode();
    std::optional<CalcFault> StoreAreaFromHeightAndWidth();
    void ReportFault(const CalcFault& fault);
    void FocusReportedBox();
    void ShowResultMenu(QPoint at);
    // The result of "Calcular": `sentence` into Label31, and the sentence
    // followed by `notes` told to screen readers once, wherever the focus is.
    void ShowResult(const QString& sentence, const QStringList& notes);
    // "Usar estos coeficientes": c0 .. c6 into the torque column, top row down.
    void UseTorqueCoefficients(const TorqueCoefficients& coefficients);
    void BuildFileCommands();
    void ShowExamplesMenu();
    bool TakeFileDrop(QEvent* event);
    VehicleFile CarFromWindow() const;
    void ShowCar(const VehicleFile& car);
    void KeepOpenCar(const VehicleFile& car, const QString& path, bool example);
    void ClearResult();
    void ShowFileInTitle();
    // Whether the car on screen may give way: true with nothing unsaved, or
    // once the person has chosen to save it or to let it go.
    bool MayLeaveCar();
    bool SaveTo(const QString& path);
    // A message that does not wait: the window stays usable behind it.
    void Tell(const QString& title, const QString& text, bool failure);
    // "Usar este valor" of the study: `value` into `box`.
    void UseStudiedValue(BoxId box, double value);
    // Tells screen readers `text` once, wherever the focus is.
    void Announce(const QString& text);
    // A reason why the result on screen no longer answers the boxes, shown
    // under it and over its details and told once, while a result stands.
    void AddStaleNote(const QString& note);
    // The speed typed in `box` in km/h, in `reading`, after `symbol`.
    void ShowSpeedInKmh(const QLineEdit& box, QStringView symbol, QLabel& reading) const;

    QLocale locale_;
    WindowState state_;
    CalcTables tables_;

    QScrollArea* scroll_ = nullptr;          // shows the form when it outgrows the screen
    QWidget* canvas_ = nullptr;              // the form's client area, which holds the controls
    std::array<QLineEdit*, 28> textBoxes_{}; // Text1 .. Text28
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    OptionButton* option1_ = nullptr;
    OptionButton* option2_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QLabel* result_ = nullptr;              // Label31
    ResultNotes* notes_ = nullptr;          // under the sentence: what was read differently
    QStringList staleNotes_;                // why the result shown is no longer current
    QWidget* resultAnnouncement_ = nullptr; // no pixels: what screen readers are told of a new result
    QMessageBox* faultReport_ = nullptr;    // made at the first fault, then reused
    std::optional<BoxId> reportedBox_;      // the box the open report points at
    QPushButton* details_ = nullptr;
    RunHistory runs_;                        // the last two successful runs
    DetailsWindow* detailsWindow_ = nullptr; // made when first asked for
    QPushButton* performance_ = nullptr;
    PerformanceWindow* performanceWindow_ = nullptr; // made when first asked for
    QPushButton* torqueCurveButton_ = nullptr;
    QComboBox* drivenAxle_ = nullptr;          // «Eje motriz», one of kDrivenAxleItems
    TorqueCurveDialog* torqueCurve_ = nullptr; // made when first asked for; keeps what was typed
    TorqueCurveDialog& TorqueCurve();
    // The file in use: the car as it was last opened or saved, its path,
    // and whether it is one of the examples, which are not written to.
    std::optional<VehicleFile> openCar_;
    QString openPath_;
    bool openExample_ = false;
};

} // namespace kinetra
