#include "form1_shared.h"
#include "kinetra/details_window.h"
#include "kinetra/form1.h"
#include "kinetra/form_controls.h"
#include "kinetra/form_layout.h"
#include "kinetra/input_study.h"
#include "kinetra/option_button.h"
#include "kinetra/performance.h"
#include "kinetra/performance_window.h"
#include "kinetra/reading_notes.h"
#include "kinetra/run_calculation.h"
#include "kinetra/torque_curve_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {

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
    return GearCountOf(check1_->isChecked(), check2_->isChecked());
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
                   ReadingNotes(input, state_, {Text(25)->text(), Text(26)->text(), Text(27)->text()}, locale_)
                       + RunNotes(input, state_, run));
        // A fault leaves the last good run's details, as it leaves the sentence.
        runs_.Add(std::move(run));
        SetOpen(*details_, true, true);
        SetOpen(*performance_, true, true);
        if (performanceWindow_ != nullptr && performanceWindow_->isVisible()) {
            ShowPerformance();
        }
        if (detailsWindow_ != nullptr) {
            detailsWindow_->ShowRuns(runs_);
            detailsWindow_->SetStaleNote({});
        }
    } else {
        AddStaleNote(kLastCalculationFailed.toString());
        ReportFault(std::get<CalcFault>(outcome));
    }
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

void Form1::ShowPerformance()
{
    if (const auto fault = TakeFrontalAreaOfSelectedMode()) {
        ReportFault(*fault);
        return;
    }
    const CalcInput input = InputFromBoxes();
    const auto sheet = PerformanceOf(input, state_, locale_);
    if (const auto* fault = std::get_if<CalcFault>(&sheet)) {
        ReportFault(*fault);
        return;
    }
    if (performanceWindow_ == nullptr) {
        performanceWindow_ = new PerformanceWindow(locale_, this);
        connect(performanceWindow_, &PerformanceWindow::valueChosen, this, &Form1::UseStudiedValue);
    }
    performanceWindow_->ShowSheet(std::get<PerformanceSheet>(sheet), input, state_);
    performanceWindow_->show();
    performanceWindow_->raise();
    performanceWindow_->activateWindow();
}

// The value goes into its box as typed; the result then no longer answers
// the boxes, as with any change.
void Form1::UseStudiedValue(BoxId box, double value)
{
    if (box == BoxId::AreaTyped && !option1_->isChecked()) {
        option1_->click();
    }
    QLocale plain = locale_;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    // The frontal area is read with the user's decimal separator, every other box with ".".
    const QString text = box == BoxId::AreaTyped ? plain.toString(value, 'g', 6) : StudyNumber(value);
    if (Box(box)->text() == text) {
        return;
    }
    Box(box)->setText(text);
    if (box == BoxId::AreaTyped) {
        state_.frontalArea = text;
    }
    AddStaleNote(kDataChanged.toString());
}

void Form1::ShowTorqueCurve()
{
    std::array<QString, 7> texts;
    for (std::size_t power = 0; power < texts.size(); ++power) {
        texts[power] = Box(TorqueBox(power))->text();
    }
    TorqueCurveDialog& dialog = TorqueCurve();
    dialog.ShowCurrentCurve(CoefficientsOfTexts(texts));
    dialog.open();
    dialog.raise();
    dialog.activateWindow();
}

// The sentence of the last calculation stays: it belongs to the coefficients
// it was calculated with until "Calcular" is pressed again.
void Form1::UseTorqueCoefficients(const TorqueCoefficients& coefficients)
{
    const std::array<QString, 7> texts = CoefficientTexts(coefficients);
    bool changed = false;
    for (std::size_t power = 0; power < texts.size(); ++power) {
        QLineEdit* box = Box(TorqueBox(power));
        changed = changed || box->text() != texts[power];
        box->setText(texts[power]);
        // The sign and the leading digits are what a narrow box should show.
        box->setCursorPosition(0);
    }
    if (changed) {
        AddStaleNote(kDataChanged.toString());
    }
}

} // namespace kinetra
