#include "faults/report_words.h"
#include "inputs/box_reading.h"
#include "kinetra/field_value.h"
#include "kinetra/reading_notes.h"
#include "tables/gear_acceleration.h"

#include <algorithm>
#include <array>
#include <optional>

namespace kinetra {
namespace {

// Beyond 1.5 g no road tyre pushes a car; beyond this engine speed, with no
// red line typed and a torque curve still climbing there, the curve is
// being used far past the data it was made from.
constexpr double kMostAcceleration = 1.5 * 9.81; // m/s²
constexpr double kMostEngineSpeed = 9000;        // rev/min

// Segunda, Tercera and Cuarta empty with neither Quinta nor Sexta ticked:
// the car has one gear, an electric car's reduction.
QString OneGearNote(const CalcInput& input, const WindowState& state)
{
    if (state.gearCount != 4 || IsBlank(input.gearRatio[0])
        || !std::all_of(input.gearRatio.begin() + 1, input.gearRatio.begin() + 4, IsBlank)) {
        return {};
    }
    return QStringLiteral(
               "Una sola marcha: con %1, %2 y %3 vacías, el vehículo tiene solo %4, como la reducción "
               "de un coche eléctrico.")
        .arg(Quoted(BoxId::SecondGear), Quoted(BoxId::ThirdGear), Quoted(BoxId::FourthGear), Quoted(BoxId::FirstGear));
}

// A box the field rule read as 0 because its text holds no number at all.
QStringList NoNumberNotes(const CalcInput& input)
{
    QStringList notes;
    for (const TypedBox& box : TypedBoxes(input)) {
        if (IsBlank(box.text)) {
            continue;
        }
        const auto read = ReadField(box.text);
        if (read && !read->isNumber) {
            notes << QStringLiteral("%1 dice «%2»: se leyó 0.").arg(Quoted(box.id), box.text.trimmed());
        }
    }
    return notes;
}

// The steps of the run with the highest acceleration and that turn the
// engine fastest, leaving out shift gaps; none in a run of gaps only.
struct Extremes {
    const TraceStep* fastest = nullptr;
    const TraceStep* highest = nullptr;
};

Extremes ExtremesOf(const RunTrace& run)
{
    Extremes extremes;
    const auto most = [](const TraceStep& step) { return std::max(step.accelerationFrom, step.accelerationTo); };
    const auto engine = [](const TraceStep& step) { return std::max(step.engineFrom, step.engineTo); };
    for (const TraceStep& step : run.steps) {
        if (step.limit == StepLimit::ShiftGap) {
            continue;
        }
        if (extremes.fastest == nullptr || most(step) > most(*extremes.fastest)) {
            extremes.fastest = &step;
        }
        if (extremes.highest == nullptr || engine(step) > engine(*extremes.highest)) {
            extremes.highest = &step;
        }
    }
    return extremes;
}

// The torque column as the calculation read it; none when a number is too
// large for it.
std::optional<std::array<double, 7>> TorqueColumn(const CalcInput& input)
{
    std::array<double, 7> c{};
    for (std::size_t k = 0; k < c.size(); ++k) {
        const auto reading = ReadField(input.torqueCoefficient[k]);
        if (!reading) {
            return std::nullopt;
        }
        c[k] = reading->value;
    }
    return c;
}

// A run no road car makes: an acceleration past 1.5 g, or an engine turned
// far past any red line, and why, with what to type.
QString AbsurdRunNote(const CalcInput& input, const RunTrace& run)
{
    const auto [fastest, highest] = ExtremesOf(run);
    const auto torque = TorqueColumn(input);
    if (fastest == nullptr || !torque) {
        return {};
    }
    const double most = std::max(fastest->accelerationFrom, fastest->accelerationTo);
    const double engine = std::max(highest->engineFrom, highest->engineTo);
    // The polynomial climbing at the speeds the run reached: a fit that goes
    // on rising past its last point.
    const std::array<double, 7>& c = *torque;
    const double atTop = EngineTorqueUnchecked(engine / 60, c);
    const double below = EngineTorqueUnchecked(0.75 * engine / 60, c);
    const bool climbing = atTop > below;
    const bool tooQuick = most > kMostAcceleration;
    const bool tooFast = run.redLine == 0 && engine > kMostEngineSpeed && climbing;
    if (!tooQuick && !tooFast) {
        return {};
    }
    QString note = QStringLiteral("Resultado dudoso:");
    if (tooQuick) {
        note += QStringLiteral(
                    " en %1.ª marcha la aceleración llega a %2 m/s² (%3 g), más de lo que admiten unos "
                    "neumáticos de calle.")
                    .arg(QString::number(fastest->gear), QString::number(most, 'f', 1),
                         QString::number(most / 9.81, 'f', 1));
    }
    if (tooFast) {
        note += QStringLiteral(" En %1.ª marcha el motor llega a %2 rev/min.")
                    .arg(QString::number(highest->gear), QString::number(engine, 'f', 0));
    }
    if (climbing) {
        note += QStringLiteral(
                    " El par de la curva sube a esas vueltas (%1 N·m a %2 rev/min, %3 N·m a %4): la curva "
                    "sigue subiendo pasado el régimen de sus datos.")
                    .arg(QString::number(atTop, 'f', 0), QString::number(engine, 'f', 0),
                         QString::number(below, 'f', 0), QString::number(0.75 * engine, 'f', 0));
    }
    return note
           + QStringLiteral(" Escriba el %1 del motor o una %2 con el %3 en «Límites del vehículo».")
                 .arg(Quoted(BoxId::RedLine), Quoted(BoxId::Grip), Quoted(BoxId::DrivenShare));
}

} // namespace

QStringList RunNotes(const CalcInput& input, const WindowState& state, const RunTrace& run)
{
    QStringList notes;
    if (QString one = OneGearNote(input, state); !one.isEmpty()) {
        notes << one;
    }
    notes << NoNumberNotes(input);
    if (QString absurd = AbsurdRunNote(input, run); !absurd.isEmpty()) {
        notes << absurd;
    }
    return notes;
}

} // namespace kinetra
