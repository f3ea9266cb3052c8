#include "run/plain_run.h"

#include "faults/report_words.h"
#include "kinetra/calc_fault.h"
#include "kinetra/run_trace.h"
#include "run/stall_reports.h"
#include "run/traction_curves.h"
#include "tables/gear_acceleration.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace kinetra {
namespace {

[[noreturn]] void ThrowCannotAccelerate(const Vehicle& vehicle, double step, int gear, int topGear,
                                        const QLocale& locale)
{
    const double from = (step + vehicle.initialSpeed) - 1;
    const Whereabouts advice = StallAdvice(vehicle, step, gear, topGear);
    throw CalcFault(FaultKind::CannotAccelerate,
                    QStringLiteral("El vehículo no puede pasar de %1 m/s%4: en %2.ª marcha, entre %1 y %3 m/s, la "
                                   "fuerza del motor en las ruedas no supera la resistencia al avance.")
                            .arg(InputNumber(from))
                            .arg(gear)
                            .arg(InputNumber(from + 1), KmhAside(from, locale))
                        + advice.text,
                    advice.box);
}

[[noreturn]] void ThrowStepTooLong(const Vehicle& vehicle, double step, int gear, int topGear)
{
    const double from = (step + vehicle.initialSpeed) - 1;
    const Whereabouts advice = StallAdvice(vehicle, step, gear, topGear);
    ThrowOverflow([&] {
        return Whereabouts(
            QStringLiteral("Pasó al calcular el tiempo del paso de %1 a %2 m/s, en el que el vehículo apenas acelera.")
                    .arg(InputNumber(from), InputNumber(from + 1))
                + advice.text,
            advice.box);
    });
}

// Time to gain 1 m/s between two accelerations (trapezoidal rule on dt = dv / a).
// The step loop's hot path: the reports are built apart.
inline double StepSeconds(const Vehicle& vehicle, double step, int gear, int topGear, double low, double high,
                          const QLocale& locale)
{
    if (!(low > 0 && high > 0)) [[unlikely]] {
        ThrowCannotAccelerate(vehicle, step, gear, topGear, locale);
    }
    const double seconds = (1 / high + 1 / low) / 2;
    if (!std::isfinite(seconds)) [[unlikely]] {
        ThrowStepTooLong(vehicle, step, gear, topGear);
    }
    return seconds;
}

// The step as it was timed, with the engine speed at both ends: wheel
// revolutions per second x overall ratio, in rev/min.
// Takes the initial speed by value, so that the step loop's copy of the car
// never escapes and stays in registers.
void RecordStep(RunTrace& trace, const CalcTables& tables, double initialSpeed, int step, int gear, double low,
                double high, double seconds)
{
    const double ratio = tables.OverallRatio[gear];
    trace.steps.push_back(TraceStep{(step + initialSpeed) - 1, (step + initialSpeed), gear, seconds, low, high,
                                    (tables.WheelSpeed[step] * ratio) * 60,
                                    (tables.WheelSpeed[step + 1] * ratio) * 60});
}

// The trace of a run of `steps` from its first step; by value, as above.
void StartTrace(RunTrace& trace, const CalcTables& tables, double initialSpeed, int steps, int startGear)
{
    trace = RunTrace{startGear, {}, {}, {}};
    trace.steps.reserve(static_cast<std::size_t>(std::max(steps, 1)));
    RecordStep(trace, tables, initialSpeed, 1, startGear, tables.StartAccelLow[startGear],
               tables.StartAccelHigh[startGear], tables.StepTime[1]);
}

// Whether the next gear pulls at least as hard over a step as the current
// one, by their mean accelerations: ties change up, since the higher gear is
// as good and revs the engine less.
bool NextPullsAsHard(double a1, double a2, double b1, double b2, int gear)
{
    const auto comparing = [&] {
        return QStringLiteral("Pasó al comparar la %1.ª marcha con la siguiente.").arg(gear);
    };
    const double mean = Finite((a1 + a2) / 2, comparing);
    const double nextMean = Finite((b1 + b2) / 2, comparing);
    return !(mean > nextMean);
}

// Every gear with a ratio at every speed of the run, at full load.
void FillTraction(RunTrace& trace, const CalcTables& tables, const Vehicle& vehicle, int topGear)
{
    trace.gridSpeeds = GridSpeeds(vehicle);
    trace.traction.clear();
    for (int gear = 1; gear <= topGear; ++gear) {
        if (tables.OverallRatio[gear] == 0) {
            continue;
        }
        trace.traction.push_back(TractionCurve(gear, trace.gridSpeeds.size(), [&](std::size_t i) {
            return GearAcceleration(tables, vehicle, gear, static_cast<int>(i) + 1);
        }));
    }
}

} // namespace

int TopGear(const Vehicle& vehicle, int gearCount)
{
    int top = 0;
    for (int g = 1; g <= gearCount; ++g) {
        if (vehicle.gearRatio[static_cast<std::size_t>(g - 1)] != 0) {
            top = g;
        }
    }
    return top;
}

std::optional<int> ChooseStartGear(const CalcTables& tables, int topGear)
{
    std::optional<int> start;
    for (int g = 1; g <= topGear; ++g) {
        const double mean = tables.StartMeanAccel.at(g);
        // The table may hold a gear without a ratio above the top gear: it is
        // no gear, and the top gear is compared with 0 as in a full box.
        const double above = g < topGear ? tables.StartMeanAccel.at(g + 1) : 0;
        if (mean > above && tables.StartMeanAccel.at(g - 1) < mean) {
            start = g;
        }
    }
    return start;
}

namespace {

// The run itself. Recording is chosen when this is compiled, so that a run
// nobody traces executes the very loop it always did.
template <bool kTracing>
RunTime Integrate(CalcTables& tables, const Vehicle& car, int startGear, int topGear, const QLocale& locale,
                  RunTrace* trace)
{
    // The loop's own copy of the car's numbers: no table write can alias it,
    // so they stay in registers from one step to the next.
    const Vehicle vehicle = car;
    const int steps = vehicle.steps;
    assert(steps <= Table::kSize - 2 && startGear >= 1 && startGear <= topGear && topGear <= 6);

    tables.StepTime[1] = StepSeconds(vehicle, 1, startGear, topGear, tables.StartAccelLow[startGear],
                                     tables.StartAccelHigh[startGear], locale);
    // Added up as the steps are timed, in their order.
    double total = 0;
    total += tables.StepTime[1];
    if constexpr (kTracing) {
        StartTrace(*trace, tables, vehicle.initialSpeed, steps, startGear);
    }

    int gear = startGear;
    // While the gear stays, a step starts where the one before ended: its
    // accelerations at the lower entry, in the current gear and the next, are
    // known and checked already. Both gears are judged on the same full-load
    // curve, the one the engine gives.
    bool carried = false;
    double a1 = 0;
    double b1 = 0;
    // Step s goes from speed entry s to s + 1.
    for (int s = 2; s <= steps; ++s) {
        if (!carried) {
            a1 = GearAcceleration(tables, vehicle, gear, s);
        }
        const double a2 = GearAcceleration(tables, vehicle, gear, s + 1);
        double stepLow = a1;
        double stepHigh = a2;
        bool changedUp = false;
        if (gear < topGear) {
            if (!carried) {
                b1 = GearAcceleration(tables, vehicle, gear + 1, s);
            }
            const double b2 = GearAcceleration(tables, vehicle, gear + 1, s + 1);
            if (NextPullsAsHard(a1, a2, b1, b2, gear)) {
                ++gear;
                changedUp = true;
                stepLow = b1;
                stepHigh = b2;
            }
            b1 = b2;
        }
        a1 = a2;
        carried = !changedUp;
        tables.StepTime[s] = StepSeconds(vehicle, s, gear, topGear, stepLow, stepHigh, locale);
        total += tables.StepTime[s];
        if constexpr (kTracing) {
            RecordStep(*trace, tables, vehicle.initialSpeed, s, gear, stepLow, stepHigh, tables.StepTime[s]);
        }
    }
    if constexpr (kTracing) {
        FillTraction(*trace, tables, car, topGear);
    }
    return RunTime{gear, Finite(total, [] { return QStringLiteral("Pasó al sumar el tiempo total."); })};
}

} // namespace

RunTime IntegrateTime(CalcTables& tables, const Vehicle& vehicle, int startGear, int topGear, const QLocale& locale,
                      RunTrace* trace)
{
    return trace == nullptr ? Integrate<false>(tables, vehicle, startGear, topGear, locale, nullptr)
                            : Integrate<true>(tables, vehicle, startGear, topGear, locale, trace);
}

} // namespace kinetra
