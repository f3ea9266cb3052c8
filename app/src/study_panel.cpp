#include "study_panel.h"

#include "chart_kit.h"
#include "performance_charts.h"

#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

// A study of more points than this runs off the window's thread with a
// progress bar; a shorter one is over before a bar could be read.
constexpr int kQuickStudy = 101;

constexpr std::array kFigures{Figure::SentenceTime,    Figure::ZeroTo100,  Figure::ZeroTo400,
                              Figure::ZeroTo1000,      Figure::Overtaking, Figure::OvertakingFourth,
                              Figure::OvertakingFifth, Figure::TopSpeed};

// A number typed in a range box: with ".", as in the form, or the user's
// decimal separator.
std::optional<double> RangeValue(const QLineEdit& box, const QLocale& locale)
{
    bool read = false;
    double value = QLocale::c().toDouble(box.text().trimmed(), &read);
    if (!read) {
        value = locale.toDouble(box.text().trimmed(), &read);
    }
    return read ? std::optional(value) : std::nullopt;
}

} // namespace

StudyPanel::StudyPanel(QLocale locale, QWidget* parent) : QGroupBox(u"Estudio"_s, parent), locale_(std::move(locale))
{
    setObjectName(u"Estudio"_s);
    BuildControls();
    LayOut();
    connect(inputs_, &QComboBox::currentIndexChanged, this, &StudyPanel::ResetRange);
    connect(study_, &QPushButton::clicked, this, &StudyPanel::Study);
    connect(cancel_, &QPushButton::clicked, this, &StudyPanel::StopWorker);
    connect(use_, &QPushButton::clicked, this, [this] {
        if (bestValue_) {
            emit valueChosen(ChosenBox(), *bestValue_);
        }
    });
}

StudyPanel::~StudyPanel()
{
    StopWorker();
}

void StudyPanel::BuildControls()
{
    const auto named = [this](QWidget* control, const QString& objectName, const QString& accessibleName) {
        control->setObjectName(objectName);
        control->setAccessibleName(accessibleName);
    };
    inputs_ = new QComboBox(this);
    named(inputs_, u"StudyInput"_s, u"Dato que varía"_s);
    figure_ = new QComboBox(this);
    named(figure_, u"StudyFigure"_s, u"Cifra que se estudia"_s);
    for (const Figure figure : kFigures) {
        figure_->addItem(FigureName(figure), static_cast<int>(figure));
    }
    figure_->setCurrentIndex(1); // 0–100 km/h, the figure people compare first
    from_ = new QLineEdit(this);
    named(from_, u"StudyFrom"_s, u"Desde el valor"_s);
    to_ = new QLineEdit(this);
    named(to_, u"StudyTo"_s, u"Hasta el valor"_s);
    points_ = new QSpinBox(this);
    named(points_, u"StudyPoints"_s, u"Número de puntos"_s);
    points_->setRange(2, 1000);
    points_->setValue(51);
    study_ = new QPushButton(u"Estudiar"_s, this);
    study_->setObjectName(u"StudyRun"_s);
    progress_ = new QProgressBar(this);
    named(progress_, u"StudyProgress"_s, u"Progreso del estudio"_s);
    cancel_ = new QPushButton(u"Cancelar"_s, this);
    cancel_->setObjectName(u"StudyCancel"_s);
    chartView_ = NewChartView(u"StudyChart"_s, u"Gráfica del estudio"_s, QSize(320, 200), this);
    saveChart_ = NewSaveImageButton(*chartView_, u"GuardarGraficaEstudio"_s, this);
    best_ = NewChartWords(u"StudyBest"_s, this);
    use_ = new QPushButton(u"Usar este valor"_s, this);
    use_->setObjectName(u"StudyUse"_s);
    use_->setAccessibleDescription(u"Escribe el mejor valor en su casilla del formulario"_s);
    use_->setEnabled(false);
    for (QPushButton* button : {study_, cancel_, use_}) {
        button->setAutoDefault(false);
    }
    progress_->hide();
    cancel_->hide();
}

void StudyPanel::LayOut()
{
    auto* choices = new QGridLayout;
    const auto caption = [this](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        return label;
    };
    choices->addWidget(caption(u"&Dato:"_s, inputs_), 0, 0);
    choices->addWidget(inputs_, 0, 1);
    choices->addWidget(caption(u"&Cifra:"_s, figure_), 1, 0);
    choices->addWidget(figure_, 1, 1);
    choices->addWidget(caption(u"De&sde:"_s, from_), 2, 0);
    choices->addWidget(from_, 2, 1);
    choices->addWidget(caption(u"&Hasta:"_s, to_), 3, 0);
    choices->addWidget(to_, 3, 1);
    choices->addWidget(caption(u"&Puntos:"_s, points_), 4, 0);
    choices->addWidget(points_, 4, 1);
    choices->addWidget(study_, 5, 1);
    choices->addWidget(progress_, 6, 0, 1, 2);
    choices->addWidget(cancel_, 7, 1);
    choices->setRowStretch(8, 1);
    auto* shown = new QVBoxLayout;
    shown->addWidget(chartView_, 1);
    auto* under = new QHBoxLayout;
    under->addWidget(best_, 1);
    under->addWidget(use_, 0, Qt::AlignTop);
    under->addWidget(saveChart_, 0, Qt::AlignTop);
    shown->addLayout(under);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(shown, 1);

    setTabOrder(inputs_, figure_);
    setTabOrder(figure_, from_);
    setTabOrder(from_, to_);
    setTabOrder(to_, points_);
    setTabOrder(points_, study_);
    setTabOrder(study_, cancel_);
    setTabOrder(cancel_, chartView_);
    setTabOrder(chartView_, best_);
    setTabOrder(best_, use_);
    setTabOrder(use_, saveChart_);
}

QWidget* StudyPanel::LastInTabOrder() const
{
    return saveChart_;
}

void StudyPanel::SetCar(const CalcInput& input, const WindowState& state)
{
    input_ = input;
    state_ = state;
    const QVariant chosen = inputs_->currentData();
    inputs_->blockSignals(true);
    inputs_->clear();
    for (const BoxId box : StudiedBoxes(input_, state_, locale_)) {
        inputs_->addItem(Quoted(box), static_cast<int>(box));
    }
    // The input studied before stays chosen while the car still has it.
    inputs_->setCurrentIndex(std::max(0, inputs_->findData(chosen)));
    inputs_->blockSignals(false);
    ResetRange();
}

BoxId StudyPanel::ChosenBox() const
{
    return static_cast<BoxId>(inputs_->currentData().toInt());
}

Figure StudyPanel::ChosenFigure() const
{
    return static_cast<Figure>(figure_->currentData().toInt());
}

// ±25 % of the typed value.
void StudyPanel::ResetRange()
{
    const std::optional<double> typed =
        inputs_->count() > 0 ? TypedValue(input_, state_, ChosenBox(), locale_) : std::nullopt;
    // Written as the boxes of the form take them, with ".".
    from_->setText(typed ? StudyNumber(*typed * 0.75) : QString());
    to_->setText(typed ? StudyNumber(*typed * 1.25) : QString());
}

void StudyPanel::Study()
{
    const std::optional<double> from = RangeValue(*from_, locale_);
    const std::optional<double> to = RangeValue(*to_, locale_);
    if (Running() || inputs_->count() == 0 || !from || !to) {
        best_->setText(inputs_->count() == 0 ? u"Ninguna casilla tiene un valor que estudiar."_s
                                             : u"Escriba el intervalo con dos números, por ejemplo 3.5 y 4.5."_s);
        return;
    }
    const BoxId box = ChosenBox();
    const Figure figure = ChosenFigure();
    const std::vector<double> values = StudyValues(*from, *to, points_->value());
    const CalcInput input = input_;
    const WindowState state = state_;
    const QLocale locale = locale_;
    const StudyPoint typed =
        StudyAt(input, state, box, TypedValue(input, state, box, locale).value_or(0), figure, locale);
    if (static_cast<int>(values.size()) <= kQuickStudy) {
        std::vector<StudyPoint> points;
        for (const double value : values) {
            points.push_back(StudyAt(input, state, box, value, figure, locale));
        }
        ShowStudy(points, box, typed, figure);
        return;
    }
    cancelled_ = std::make_shared<std::atomic_bool>(false);
    progress_->setRange(0, static_cast<int>(values.size()));
    progress_->setValue(0);
    progress_->show();
    cancel_->show();
    study_->setEnabled(false);
    worker_ = QThread::create([=, this, cancelled = cancelled_] {
        std::vector<StudyPoint> points;
        for (const double value : values) {
            if (*cancelled) {
                return;
            }
            points.push_back(StudyAt(input, state, box, value, figure, locale));
            const int done = static_cast<int>(points.size());
            QMetaObject::invokeMethod(
                this, [this, done] { progress_->setValue(done); }, Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(
            this, [=, this] { ShowStudy(points, box, typed, figure); }, Qt::QueuedConnection);
    });
    connect(worker_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &QThread::finished, this, [this] {
        progress_->hide();
        cancel_->hide();
        study_->setEnabled(true);
    });
    worker_->start();
}

// "Cancelar", and the window closing: the study stops at its next point.
void StudyPanel::StopWorker()
{
    if (cancelled_) {
        *cancelled_ = true;
    }
    if (worker_) {
        worker_->wait();
    }
}

void StudyPanel::ShowStudy(const std::vector<StudyPoint>& points, BoxId box, const StudyPoint& typed, Figure figure)
{
    const QString words = StudyInWords(points, box, typed, figure, locale_);
    best_->setText(words);
    SetChart(*chartView_, StudyChart(points, box, typed, figure, locale_, font()), words, words);
    const std::optional<std::size_t> best = BestPoint(points, figure);
    bestValue_ = best ? std::optional(points[*best].value) : std::nullopt;
    use_->setEnabled(bestValue_.has_value());
}

} // namespace kinetra
