#pragma once

#include "kinetra/torque_curve_fit.h"

#include <QDialog>
#include <QLocale>

#include <optional>

class QChartView;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kinetra {

// "Curva de par del motor": the engine's torque curve from rev/min points or
// a brochure's peaks, drawn with its power, fitted and handed back as the
// seven coefficients. What was typed stays for as long as the dialog lives.
class TorqueCurveDialog : public QDialog {
    Q_OBJECT

public:
    explicit TorqueCurveDialog(QLocale locale, QWidget* parent = nullptr);

    // The curve the torque column holds now, drawn faintly as "Curva actual";
    // none when its boxes are empty or cannot be read.
    void ShowCurrentCurve(std::optional<TorqueCoefficients> current);

    // What is typed in the dialog: the points, the brochure and the degree,
    // as a vehicle file keeps them.
    CurveRequest Request() const;
    void SetRequest(const CurveRequest& request);

signals:
    // "Usar estos coeficientes" with a fit: c0 .. c6, unused powers 0.
    void coefficientsChosen(const kinetra::TorqueCoefficients& coefficients);

private:
    // The parts of the dialog, each returning what the layout places beside
    // the boxes it made: their caption, or the brochure's group.
    QLabel* BuildPointsBox();
    QGroupBox* BuildBrochure();
    QLabel* BuildDegreeBox();
    void LayOut(QLabel* pointsCaption, QGroupBox* brochure, QLabel* degreeCaption);
    void ChainFocus();

    void Refit();
    void UseCoefficients();
    void ShowOutcomeInWords();
    void DrawCurves();
    void FocusRefusedInput(const CurveRefusal& refusal);

    QLocale locale_;
    std::optional<TorqueCoefficients> current_;
    CurveOutcome outcome_;

    QPlainTextEdit* points_ = nullptr;
    QLabel* pointsReading_ = nullptr; // under the points: what was read another way
    QLineEdit* peakTorque_ = nullptr;
    QLineEdit* peakTorqueSpeed_ = nullptr;
    QLineEdit* peakPower_ = nullptr;
    QLineEdit* peakPowerSpeed_ = nullptr;
    QComboBox* degree_ = nullptr;
    QChartView* chartView_ = nullptr;
    QLabel* words_ = nullptr;
    QPushButton* saveImage_ = nullptr; // "Guardar imagen…" of the chart
    QPushButton* use_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace kinetra
