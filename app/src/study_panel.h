#pragma once

#include "kinetra/calc_input.h"
#include "kinetra/input_study.h"

#include <QGroupBox>
#include <QLocale>
#include <QPointer>

#include <atomic>
#include <memory>
#include <vector>

class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QThread;

namespace kinetra {

// "Estudio": one input of the car varied over a range, and one figure worked
// out at each value, drawn and said in words with the best value, which
// "Usar este valor" writes into its box. A long study runs off the window's
// thread, with a progress bar and "Cancelar".
class StudyPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit StudyPanel(QLocale locale, QWidget* parent = nullptr);
    ~StudyPanel() override;

    // The car the study varies: the boxes it offers, and their typed values.
    void SetCar(const CalcInput& input, const WindowState& state);

    // Works the study out, as "Estudiar" does.
    void Study();

    // Whether a study is under way off the window's thread.
    bool Running() const { return !worker_.isNull(); }

    QWidget* LastInTabOrder() const;

signals:
    void valueChosen(kinetra::BoxId box, double value);

private:
    void BuildControls();
    void LayOut();
    void ResetRange();
    void ShowStudy(const std::vector<StudyPoint>& points, BoxId box, const StudyPoint& typed, Figure figure);
    void StopWorker();
    BoxId ChosenBox() const;
    Figure ChosenFigure() const;

    QLocale locale_;
    CalcInput input_;
    WindowState state_;
    QComboBox* inputs_ = nullptr;
    QComboBox* figure_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QSpinBox* points_ = nullptr;
    QPushButton* study_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QChartView* chartView_ = nullptr;
    QPushButton* saveChart_ = nullptr;
    QLabel* best_ = nullptr;
    QPushButton* use_ = nullptr;
    std::optional<double> bestValue_;
    QPointer<QThread> worker_;
    std::shared_ptr<std::atomic_bool> cancelled_;
};

} // namespace kinetra
