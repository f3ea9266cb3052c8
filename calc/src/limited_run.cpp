#include "limited_run.h"

#include "fault_context.h"
#include "gear_acceleration.h"
#include "input_boxes.h"
#include "kinetra/calc_fault.h"
#include "kinetra/run_trace.h"
#include "kinetra/speed_tables.h"
#include "stall_reports.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

// The scheme. Between events the time is the integral of dv / a, taken by
// Simpson's rule on sub-steps of at most kSubStep. Every place where the
// acceleration stops being smooth ends a step: the grid speeds, the end of
// the clutch slip and the red line are known speeds; where the grip starts or
// stops capping the force and where the next gear starts pulling harder are
// found by bisection within the sub-step that crosses them. A shift gap is
// integrated in time, by the classic Runge-Kutta rule in steps of at most
// kCoastStep. Against a fine integration of the same physics the time agrees
// to far better than 0.1 % for an ordinary car.

namespace kinetra {
namespace {

constexpr double kSubStep = 0.1;     // m/s
constexpr double kCoastStep = 0.005; // s
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Pull {
    double acceleration = 0; // m/s²
    double engine = 0;       // rev/s, what the engine turns at (the launch speed while the clutch slips)
    StepLimit limit = StepLimit::Engine;
};

// The car's numbers as the run needs them, each worked out once.
struct Car {
    const Vehicle& vehicle;
    int topGear = 0;
    std::array<double, 7> ratio{};          // overall ratio by gear
    std::array<double, 7> redLineSpeed{};   // m/s at which the engine reaches the red line; +inf without one
    std::array<double, 7> launchEndSpeed{}; // m/s below which the clutch slips; 0 without a launch speed
    double redLine = kInfinity;             // rev/s
    double launch = 0;                      // rev/s
    double gripForce = kInfinity;           // N
    double grip = 0;                        // μ, for the reports
    double drivenShare = 0;                 // %, for the reports
    double shiftSeconds = 0;
    double effectiveMass = 0;
    double drag = 0;    // S x k
    double rolling = 0; // Frr
    double slope = 0;   // Fs

    double RoadLoad(double v) const { return slope + (rolling + v * (v * drag)); }

    // rev/s, from the wheel's speed as the tables work it out.
    double EngineSpeed(int gear, double v) const
    {
        return ratio[static_cast<std::size_t>(gear)] * ((v / vehicle.wheelRadius) / kRadiansPerTurn);
    }

    Pull At(int gear, double v) const
    {
        const auto g = static_cast<std::size_t>(gear);
        const bool slipping = v < launchEndSpeed[g];
        const double engine = slipping ? launch : EngineSpeed(gear, v);
        const double torque = EngineTorqueUnchecked(engine, TorqueForm::Plain, vehicle.torqueCoefficient);
        const double force = ratio[g] * (vehicle.efficiency * torque) / vehicle.wheelRadius;
        const bool gripLimited = force > gripForce;
        const double acceleration = ((gripLimited ? gripForce : force) - RoadLoad(v)) / effectiveMass;
        Finite(acceleration, [&] {
            return QStringLiteral("Pasó al calcular la aceleración en %1.ª marcha a %2 m/s.")
                .arg(InputNumber(gear), InputNumber(v));
        });
        return {acceleration, engine,
                gripLimited ? StepLimit::Grip : (slipping ? StepLimit::Launch : StepLimit::Engine)};
    }

    // The next gear may take over where it pulls harder and still turns the
    // engine below the red line. A tie keeps the gear: at the grip limit both
    // pull alike, and a change would only cost the shift time.
    bool NextPullsHarder(int gear, double v) const
    {
        return gear < topGear && v < redLineSpeed[static_cast<std::size_t>(gear) + 1]
               && At(gear + 1, v).acceleration > At(gear, v).acceleration;
    }
};

Car CarOf(const CalcTables& tables, const Vehicle& vehicle, const CarLimits& limits, int topGear)
{
    Car car{vehicle};
    car.topGear = topGear;
    car.effectiveMass = vehicle.massFactor * vehicle.mass;
    car.drag = vehicle.frontalArea * (vehicle.dragCoefficient * 0.61);
    car.rolling = (vehicle.rollingCoefficient * 9.81) * vehicle.mass;
    car.slope = (vehicle.mass * vehicle.sinSlope) * 9.81;
    car.redLine = limits.redLine ? *limits.redLine / 60 : kInfinity;
    car.launch = std::max(limits.launchSpeed.value_or(0), 0.0) / 60;
    car.shiftSeconds = std::max(limits.shiftTime.value_or(0), 0.0);
    if (limits.grip && limits.drivenShare) {
        const double cosSlope = std::cos(std::atan(vehicle.slopePercent / 100));
        car.gripForce = ((((*limits.grip * *limits.drivenShare) / 100) * vehicle.mass) * 9.81) * cosSlope;
        car.grip = *limits.grip;
        car.drivenShare = *limits.drivenShare;
    }
    for (int g = 1; g <= topGear; ++g) {
        const auto i = static_cast<std::size_t>(g);
        car.ratio[i] = tables.OverallRatio.at(g);
        // The wheel speed at which the engine turns at n: n x 2 pi r / ratio.
        const auto speedAt = [&](double n) { return ((n * kRadiansPerTurn) * vehicle.wheelRadius) / car.ratio[i]; };
        car.redLineSpeed[i] = limits.redLine && car.ratio[i] > 0 ? speedAt(car.redLine) : kInfinity;
        car.launchEndSpeed[i] = car.launch > 0 && car.ratio[i] > 0 ? speedAt(car.launch) : 0;
    }
    return car;
}

// Where `changed` first holds between lo (where it does not) and hi (where
// it does), to 1e-9 (m/s or s): the first point of the new state.
template <class Changed>
double Crossing(double lo, double hi, Changed changed)
{
    for (int i = 0; i < 60 && hi - lo > 1e-9; ++i) {
        const double mid = lo + (hi - lo) / 2;
        (changed(mid) ? hi : lo) = mid;
    }
    return hi;
}

QString KilometresPerHourText(double metresPerSecond)
{
    return QString::number(metresPerSecond * 3.6, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

// A speed for a report, rounded down to a tenth, so that a final speed typed
// as said is one the car reaches; never below the initial speed, which the
// car has.
double ReportedSpeed(const Car& car, double v)
{
    return std::max(std::floor(v * 10) / 10, car.vehicle.initialSpeed);
}

QString SpeedText(double v)
{
    return QStringLiteral("%1 m/s (%2 km/h)").arg(InputNumber(v), KilometresPerHourText(v));
}

QString GearBox(int gear)
{
    return QString::fromUtf8(box::kGear[gear - 1]);
}

[[noreturn]] void ThrowRedLineTopSpeed(const Car& car, double v, int gear)
{
    const double shown = ReportedSpeed(car, v);
    const double initial = car.vehicle.initialSpeed;
    const QString further = QStringLiteral("un «Régimen máximo» mayor o una relación menor en %1").arg(GearBox(gear));
    throw CalcFault(
        FaultKind::CannotAccelerate,
        QStringLiteral("El vehículo no puede pasar de %1: en %2.ª el motor llega al «Régimen máximo» "
                       "(%3 rev/min).")
                .arg(SpeedText(shown), QString::number(gear), InputNumber(car.redLine * 60))
            + (shown >= initial + 1 ? QStringLiteral(" Escriba en %1 %2 o menos, o, para llegar más lejos, %3.")
                                          .arg(QString::fromUtf8(box::kFinalSpeed), InputNumber(shown), further)
                                    : QStringLiteral(" Para llegar más lejos, escriba %1.").arg(further)));
}

[[noreturn]] void ThrowStall(const Car& car, double v, int gear, StepLimit limit)
{
    const double shown = ReportedSpeed(car, v);
    const double initial = car.vehicle.initialSpeed;
    if (limit == StepLimit::Grip) {
        const QString further = QStringLiteral("un coeficiente mayor en %1 o un porcentaje mayor en %2")
                                    .arg(QString::fromUtf8(box::kGrip), QString::fromUtf8(box::kDrivenShare));
        throw CalcFault(
            FaultKind::CannotAccelerate,
            QStringLiteral("El vehículo no puede pasar de %1: en %2.ª marcha la adherencia de los neumáticos, "
                           "que admite como mucho %3 N en las ruedas motrices, no supera la resistencia al avance.")
                    .arg(SpeedText(shown), QString::number(gear), QString::number(car.gripForce, 'f', 0))
                + (shown >= initial + 1 ? QStringLiteral(" Escriba en %1 %2 o menos, o, para llegar más lejos, %3.")
                                              .arg(QString::fromUtf8(box::kFinalSpeed), InputNumber(shown), further)
                                        : QStringLiteral(" Para arrancar, escriba %1.").arg(further)));
    }
    // StallAdvice speaks of the step that starts at the speed it is given.
    const double step = (shown - initial) + 1;
    throw CalcFault(FaultKind::CannotAccelerate,
                    QStringLiteral("El vehículo no puede pasar de %1: en %2.ª marcha la fuerza del motor en las "
                                   "ruedas no supera la resistencia al avance.")
                            .arg(SpeedText(shown), QString::number(gear))
                        + StallAdvice(car.vehicle, shown >= initial + 1 ? step : 1, gear, car.topGear));
}

// The speed at which a sub-step that ends without pull loses it.
[[noreturn]] void ThrowStallWithin(const Car& car, int gear, double pulling, double stalled)
{
    const double v = Crossing(pulling, stalled, [&](double x) { return !(car.At(gear, x).acceleration > 0); });
    ThrowStall(car, v, gear, car.At(gear, v).limit);
}

// The lowest of the gears that pull hardest over the first step, leaving out
// those already at the red line.
int StartGear(const Car& car, const CalcInput& input, const CalcTables& tables)
{
    const Vehicle& vehicle = car.vehicle;
    const double from = vehicle.initialSpeed;
    const double to = (2 + from) - 1;
    int start = 0;
    double best = 0;
    for (int g = 1; g <= car.topGear; ++g) {
        const double redLineSpeed = car.redLineSpeed[static_cast<std::size_t>(g)];
        if (!(from < redLineSpeed)) {
            continue;
        }
        const double mean = (car.At(g, from).acceleration + car.At(g, std::min(to, redLineSpeed)).acceleration) / 2;
        if (start == 0 || mean > best) {
            start = g;
            best = mean;
        }
    }
    if (start == 0) {
        const int top = car.topGear;
        throw CalcFault(
            FaultKind::NoStartingGear,
            QStringLiteral("Ninguna marcha puede arrancar a %1: hasta en %2.ª el motor giraría a %3 "
                           "rev/min, y el «Régimen máximo» es %4 rev/min. Escriba en %5 menos de %6, "
                           "o un «Régimen máximo» mayor.")
                .arg(SpeedText(from), QString::number(top), QString::number(car.EngineSpeed(top, from) * 60, 'f', 0),
                     InputNumber(car.redLine * 60), QString::fromUtf8(box::kInitialSpeed),
                     InputNumber(std::floor(car.redLineSpeed[static_cast<std::size_t>(top)] * 10) / 10)));
    }
    if (!(best > 0)) {
        const double load = car.RoadLoad(from);
        if (car.gripForce <= load) {
            throw CalcFault(FaultKind::NoStartingGear,
                            QStringLiteral("Ninguna marcha puede arrancar a %1: con %2 (%3) y %4 (%5 %) los "
                                           "neumáticos admiten como mucho %6 N en las ruedas motrices, y la "
                                           "resistencia al avance es de %7 N. %8")
                                .arg(SpeedText(from), QString::fromUtf8(box::kGrip), InputNumber(car.grip),
                                     QString::fromUtf8(box::kDrivenShare), InputNumber(car.drivenShare),
                                     QString::number(car.gripForce, 'f', 0), QString::number(load, 'f', 0),
                                     // With no weight on the driven axle no grip helps.
                                     car.drivenShare > 0
                                         ? QStringLiteral("Escriba un coeficiente mayor en %1 o un porcentaje mayor "
                                                          "en %2.")
                                               .arg(QString::fromUtf8(box::kGrip), QString::fromUtf8(box::kDrivenShare))
                                         : QStringLiteral("Escriba en %1 el porcentaje del peso que carga el eje "
                                                          "motriz, por ejemplo 60.")
                                               .arg(QString::fromUtf8(box::kDrivenShare))));
        }
        throw NoStartingGearFault(input, vehicle, tables, car.topGear);
    }
    return start;
}

// The run as it goes: where it is, and what it has recorded.
class Run {
public:
    Run(const Car& car, CalcTables& tables, RunTrace* trace) : car_(car), tables_(tables), trace_(trace)
    {
        endSpeed_ = Grid(car.vehicle.steps + 1);
        tables_.StepTime[1] = 0;
    }

    RunTime From(int startGear)
    {
        gear_ = startGear;
        speed_ = car_.vehicle.initialSpeed;
        while (speed_ < endSpeed_) {
            const auto g = static_cast<std::size_t>(gear_);
            if (!(speed_ < car_.redLineSpeed[g])) {
                if (gear_ == car_.topGear) {
                    ThrowRedLineTopSpeed(car_, car_.redLineSpeed[g], gear_);
                }
                ChangeUp();
            } else if (car_.NextPullsHarder(gear_, speed_)) {
                ChangeUp();
            } else {
                Drive();
            }
        }
        return RunTime{gear_, Finite(total_, [] { return QStringLiteral("Pasó al sumar el tiempo total."); })};
    }

private:
    // Speed entry j of the grid, as the tables write it.
    double Grid(int entry) const { return (entry + car_.vehicle.initialSpeed) - 1; }

    // One step in the current gear from the current speed, to the next grid
    // speed or event.
    void Drive()
    {
        const int gear = gear_;
        const auto g = static_cast<std::size_t>(gear);
        const double from = speed_;
        double end = std::min({Grid(gridEntry_), endSpeed_, car_.redLineSpeed[g]});
        if (from < car_.launchEndSpeed[g]) {
            end = std::min(end, car_.launchEndSpeed[g]);
        }
        const Pull start = car_.At(gear, from);
        if (!(start.acceleration > 0)) {
            if (afterGap_) {
                ThrowStallAfterGap(from);
            }
            ThrowStall(car_, from, gear, start.limit);
        }
        const bool gripAtStart = start.limit == StepLimit::Grip;
        double x0 = from;
        double a0 = start.acceleration;
        double seconds = 0;
        Pull last = start;
        while (x0 < end) {
            double x1 = std::min(x0 + kSubStep, end);
            bool eventHere = false;
            if (car_.NextPullsHarder(gear, x1)) {
                x1 = Crossing(x0, x1, [&](double x) { return car_.NextPullsHarder(gear, x); });
                eventHere = true;
            }
            Pull d1 = car_.At(gear, x1);
            if ((d1.limit == StepLimit::Grip) != gripAtStart) {
                x1 = Crossing(x0, x1,
                              [&](double x) { return (car_.At(gear, x).limit == StepLimit::Grip) != gripAtStart; });
                d1 = car_.At(gear, x1);
                eventHere = true;
            }
            const double am = car_.At(gear, x0 + (x1 - x0) / 2).acceleration;
            if (!(am > 0)) {
                ThrowStallWithin(car_, gear, x0, x0 + (x1 - x0) / 2);
            }
            if (!(d1.acceleration > 0)) {
                ThrowStallWithin(car_, gear, x0, x1);
            }
            seconds += ((x1 - x0) / 6) * (1 / a0 + 4 / am + 1 / d1.acceleration);
            x0 = x1;
            a0 = d1.acceleration;
            last = d1;
            if (eventHere) {
                break;
            }
        }
        const bool atRedLine = x0 == car_.redLineSpeed[g];
        const double redLine = car_.redLine * 60;
        Record(TraceStep{from, x0, gear, seconds, start.acceleration, last.acceleration, start.engine * 60,
                         atRedLine ? redLine : std::min(last.engine * 60, redLine),
                         car_.At(gear, from + (x0 - from) / 2).limit, atRedLine});
    }

    // Up one gear, coasting under the road load for the shift time.
    void ChangeUp()
    {
        ++gear_;
        if (!(car_.shiftSeconds > 0)) {
            return;
        }
        const auto deceleration = [&](double v) { return -car_.RoadLoad(v) / car_.effectiveMass; };
        const auto rungeKutta = [&](double v, double dt) {
            const double k1 = deceleration(v);
            const double k2 = deceleration(v + dt / 2 * k1);
            const double k3 = deceleration(v + dt / 2 * k2);
            const double k4 = deceleration(v + dt * k3);
            return v + dt / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
        };
        const double from = speed_;
        const int steps = static_cast<int>(std::ceil(car_.shiftSeconds / kCoastStep));
        const double dt = car_.shiftSeconds / steps;
        double v = from;
        double seconds = 0;
        for (int i = 0; i < steps; ++i) {
            const double next = rungeKutta(v, dt);
            if (next >= endSpeed_) {
                // Downhill the car may reach the final speed while it coasts.
                const double part = Crossing(0, dt, [&](double t) { return rungeKutta(v, t) >= endSpeed_; });
                seconds += part;
                v = endSpeed_;
                break;
            }
            if (!(next > 0)) {
                throw CalcFault(FaultKind::CannotAccelerate,
                                QStringLiteral("En el cambio a %1.ª, %2 s sin fuerza del motor, la resistencia al "
                                               "avance detiene el vehículo, que iba a %3. Escriba en %4 un tiempo "
                                               "menor, por ejemplo 0.2, o déjelo en blanco.")
                                    .arg(QString::number(gear_), InputNumber(car_.shiftSeconds),
                                         SpeedText(ReportedSpeed(car_, from)), QString::fromUtf8(box::kShiftTime)));
            }
            v = next;
            seconds += dt;
        }
        Finite(v, [] { return QStringLiteral("Pasó al calcular un cambio de marcha."); });
        const double engineFrom = std::min(car_.EngineSpeed(gear_, from), car_.redLine) * 60;
        const double engineTo = std::min(car_.EngineSpeed(gear_, v), car_.redLine) * 60;
        Record(TraceStep{from, v, gear_, seconds, deceleration(from), deceleration(v), engineFrom, engineTo,
                         StepLimit::ShiftGap, false});
    }

    // The gear just engaged cannot pull at the speed the shift gap left: the
    // speed reached before it is a result, and a quicker change may keep it.
    [[noreturn]] void ThrowStallAfterGap(double v) const
    {
        const double fastest = ReportedSpeed(car_, fastest_);
        const QString quicker =
            QStringLiteral("un tiempo menor en %1, por ejemplo 0.2").arg(QString::fromUtf8(box::kShiftTime));
        throw CalcFault(FaultKind::CannotAccelerate,
                        QStringLiteral("El vehículo no puede pasar de %1: tras %2 s sin fuerza del motor en el "
                                       "cambio a %3.ª va a %4, y a esa velocidad la fuerza del motor en las ruedas "
                                       "no supera la resistencia al avance.")
                                .arg(SpeedText(fastest), InputNumber(car_.shiftSeconds), QString::number(gear_),
                                     SpeedText(std::floor(v * 10) / 10))
                            + (fastest >= car_.vehicle.initialSpeed + 1
                                   ? QStringLiteral(" Escriba en %1 %2 o menos, o, para llegar más lejos, %3.")
                                         .arg(QString::fromUtf8(box::kFinalSpeed), InputNumber(fastest), quicker)
                                   : QStringLiteral(" Escriba %1.").arg(quicker)));
    }

    void Record(const TraceStep& step)
    {
        afterGap_ = step.limit == StepLimit::ShiftGap;
        fastest_ = std::max(fastest_, step.toSpeed);
        total_ += step.seconds;
        tables_.StepTime[gridEntry_ - 1] += step.seconds;
        speed_ = step.toSpeed;
        // Past the grid speeds it has reached: a step ends on one, or a
        // downhill coast passes some.
        while (gridEntry_ <= car_.vehicle.steps + 1 && !(speed_ < Grid(gridEntry_))) {
            ++gridEntry_;
            if (gridEntry_ <= car_.vehicle.steps + 1) {
                tables_.StepTime[gridEntry_ - 1] = 0;
            }
        }
        if (trace_ != nullptr) {
            trace_->steps.push_back(step);
        }
    }

    const Car& car_;
    CalcTables& tables_;
    RunTrace* trace_;
    double endSpeed_ = 0;
    int gridEntry_ = 2; // the grid speed the car heads for
    int gear_ = 0;
    double speed_ = 0;
    double total_ = 0;
    double fastest_ = 0;    // m/s, the highest speed reached
    bool afterGap_ = false; // the last step recorded was a shift gap
};

// Each gear's acceleration at the grid speeds, as the run works it out, up
// to the red line.
std::vector<GearCurve> Traction(const Car& car, const std::vector<double>& grid)
{
    std::vector<GearCurve> curves;
    for (int g = 1; g <= car.topGear; ++g) {
        const auto i = static_cast<std::size_t>(g);
        GearCurve curve{g, {}};
        curve.acceleration.reserve(grid.size());
        for (const double v : grid) {
            double a = std::numeric_limits<double>::quiet_NaN();
            if (!(v > car.redLineSpeed[i])) {
                try {
                    a = car.At(g, v).acceleration;
                } catch (const CalcFault&) {
                    // Far outside the gear's range: no point of the curve.
                }
            }
            curve.acceleration.push_back(a);
        }
        if (!grid.empty() && car.redLineSpeed[i] >= grid.front() && car.redLineSpeed[i] <= grid.back()) {
            curve.redLineSpeed = car.redLineSpeed[i];
            try {
                curve.redLineAcceleration = car.At(g, car.redLineSpeed[i]).acceleration;
            } catch (const CalcFault&) {
                curve.redLineSpeed = std::numeric_limits<double>::quiet_NaN();
            }
        }
        curves.push_back(std::move(curve));
    }
    return curves;
}

} // namespace

LimitedRunTime RunWithLimits(CalcTables& tables, const CalcInput& input, const Vehicle& vehicle,
                             const CarLimits& limits, int topGear, RunTrace* trace)
{
    const Car car = CarOf(tables, vehicle, limits, topGear);
    const int startGear = StartGear(car, input, tables);
    if (trace != nullptr) {
        *trace = RunTrace{};
        trace->startGear = startGear;
        trace->redLine = limits.redLine.value_or(0);
    }
    Run run(car, tables, trace);
    const RunTime time = run.From(startGear);
    if (trace != nullptr) {
        for (int entry = 1; entry <= vehicle.steps + 1; ++entry) {
            trace->gridSpeeds.push_back((entry + vehicle.initialSpeed) - 1);
        }
        trace->traction = Traction(car, trace->gridSpeeds);
    }
    return {startGear, time};
}

} // namespace kinetra
