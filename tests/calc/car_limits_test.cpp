// The limits of a real car: red line, launch, shift time and grip.
#include "kinetra/run_calculation.h"
#include "kinetra/run_summary.h"
#include "notes/result_sentence.h"
#include "test_car.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace kinetra {
namespace {

struct Traced {
    QString sentence;
    RunTrace trace;
};

Traced Calculate(const CalcInput& in)
{
    WindowState state = test::FourGearsWithArea(2.0);
    CalcTables tables;
    Traced run;
    const CalcOutcome outcome = RunCalculation(in, state, tables, test::DecimalPoint(), &run.trace);
    if (const auto* fault = std::get_if<CalcFault>(&outcome)) {
        ADD_FAILURE() << fault->message().toStdString();
        return run;
    }
    run.sentence = std::get<QString>(outcome);
    return run;
}

// The saloon's wheel radius, effective mass and road load, written out.
constexpr double kRadius = 15 * 0.0254 / 2 + 65 * 0.001 / 100 * 195;
constexpr double kEffectiveMass = 1.06 * 1200;

double SaloonTorque(double revPerSecond)
{
    return 80 + 2 * revPerSecond - 0.014 * revPerSecond * revPerSecond;
}

double SaloonRoadLoad(double v)
{
    return 0.015 * 9.81 * 1200 + 0.61 * 0.33 * 2.0 * v * v;
}

// The five boxes in the order of the form: red line, launch speed, shift
// time, grip and driven-axle share.
LimitTexts Limits(const char* redLine, const char* launch, const char* shift, const char* grip, const char* share)
{
    return LimitTexts{redLine, launch, shift, grip, share, {}, {}, {}};
}

CalcInput SaloonWith(LimitTexts limits)
{
    CalcInput in = test::SaloonCar();
    in.limits = std::move(limits);
    return in;
}

struct LimitProperty {
    const char* name;
    LimitTexts limits;
    std::function<void(const CalcInput& in, const Traced& run)> holds;
};

class OneLimit : public ::testing::TestWithParam<LimitProperty> {};

TEST_P(OneLimit, HoldsOnEveryStep)
{
    const LimitProperty& p = GetParam();
    const CalcInput in = SaloonWith(p.limits);
    const Traced run = Calculate(in);
    ASSERT_FALSE(run.trace.steps.empty());
    // Whatever the limit, the steps cover the run in order and add up to the sentence's time.
    double seconds = 0;
    for (std::size_t i = 0; i < run.trace.steps.size(); ++i) {
        const TraceStep& step = run.trace.steps[i];
        EXPECT_GT(step.seconds, 0) << i;
        if (i > 0) {
            EXPECT_EQ(step.fromSpeed, run.trace.steps[i - 1].toSpeed) << i;
        }
        seconds += step.seconds;
    }
    const auto parsed = test::ParseSentence(run.sentence, test::DecimalPoint());
    ASSERT_TRUE(parsed);
    EXPECT_EQ(test::ParseSentence(
                  ResultSentence(run.trace.startGear, run.trace.steps.back().gear, seconds, test::DecimalPoint()),
                  test::DecimalPoint())
                  ->seconds,
              parsed->seconds);
    EXPECT_EQ(run.trace.steps.back().toSpeed, 28);
    p.holds(in, run);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, OneLimit,
    ::testing::Values(LimitProperty{"RedLineIsNeverPassed", Limits("4500", "", "", "", ""),
                                    [](const CalcInput&, const Traced& run) {
                                        EXPECT_EQ(run.trace.redLine, 4500);
                                        int forced = 0;
                                        for (const TraceStep& step : run.trace.steps) {
                                            EXPECT_LE(step.engineFrom, 4500);
                                            EXPECT_LE(step.engineTo, 4500);
                                            forced += step.endsAtRedLine ? 1 : 0;
                                        }
                                        EXPECT_EQ(forced, 3) << "every change up of the saloon happens at the red line";
                                        for (const GearCurve& curve : run.trace.traction) {
                                            for (std::size_t i = 0; i < curve.acceleration.size(); ++i) {
                                                if (run.trace.gridSpeeds[i] > curve.redLineSpeed) {
                                                    EXPECT_TRUE(std::isnan(curve.acceleration[i])) << curve.gear;
                                                }
                                            }
                                        }
                                    }},
                      LimitProperty{"NoShiftTimeChangesNothing", Limits("4500", "", "0", "", ""),
                                    [](const CalcInput& in, const Traced& run) {
                                        CalcInput without = in;
                                        without.limits.shiftTime.clear();
                                        const Traced other = Calculate(without);
                                        EXPECT_EQ(run.sentence, other.sentence);
                                        EXPECT_EQ(run.trace.steps.size(), other.trace.steps.size());
                                        // Nor on its own: the car is then the one without limits.
                                        CalcInput plain = test::SaloonCar();
                                        EXPECT_EQ(Calculate(SaloonWith(Limits("", "", "0", "", ""))).sentence,
                                                  Calculate(plain).sentence);
                                    }},
                      LimitProperty{"GripCapsTheAcceleration", Limits("", "", "", "0.6", "55"),
                                    [](const CalcInput&, const Traced& run) {
                                        // The tyres move the car's own mass: no mass factor.
                                        const double cap = 0.6 * 0.55 * 9.81;
                                        bool capped = false;
                                        for (const TraceStep& step : run.trace.steps) {
                                            EXPECT_LE(step.accelerationFrom, cap);
                                            EXPECT_LE(step.accelerationTo, cap);
                                            capped = capped || step.limit == StepLimit::Grip;
                                        }
                                        EXPECT_TRUE(capped);
                                        EXPECT_GT(Summarize(run.trace).limits.gripUpTo, 0);
                                    }},
                      LimitProperty{"LaunchUsesTheTorqueAtTheLaunchSpeed", Limits("", "2000", "", "", ""),
                                    [](const CalcInput&, const Traced& run) {
                                        const TraceStep& first = run.trace.steps.front();
                                        const double ratio = 3.5 * 4.1;
                                        EXPECT_NEAR(
                                            first.accelerationFrom,
                                            (ratio * 0.9 * SaloonTorque(2000.0 / 60) / kRadius - SaloonRoadLoad(0))
                                                / kEffectiveMass,
                                            1e-12);
                                        EXPECT_DOUBLE_EQ(first.engineFrom, 2000);
                                        EXPECT_EQ(first.limit, StepLimit::Launch);
                                    }}),
    [](const ::testing::TestParamInfo<LimitProperty>& info) { return std::string(info.param.name); });

// The same physics written out plainly and integrated in time by the classic
// Runge-Kutta rule in steps of 0.1 ms, deciding the gear at every step.
struct FineLimitedCar {
    std::vector<double> ratios; // overall, gear 1 first
    double redLine, launch, shiftSeconds, gripForce;
    double transfer = 0; // k × μ × h / L

    double EngineSpeed(std::size_t g, double v) const { return ratios[g] * v / kRadius / 6.28303384 * 60; }

    double Acceleration(std::size_t g, double v) const
    {
        const double rpm = std::max(EngineSpeed(g, v), launch);
        const double engine = (ratios[g] * 0.9 * SaloonTorque(rpm / 60) / kRadius - SaloonRoadLoad(v)) / kEffectiveMass;
        // m·a + R = μ·(N0 + k·m·a·h/L), with μ·N0 = gripForce.
        const double grip = (gripForce - SaloonRoadLoad(v)) / 1200 / (1 - transfer);
        return std::min(engine, grip);
    }

    double Seconds(double to) const
    {
        const double dt = 1e-4;
        const auto rungeKutta = [&](const std::function<double(double)>& a, double v) {
            const double k1 = a(v);
            const double k2 = a(v + dt / 2 * k1);
            const double k3 = a(v + dt / 2 * k2);
            const double k4 = a(v + dt * k3);
            return v + dt / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
        };
        // The lowest gear of those that pull hardest over the first 1 m/s.
        std::size_t gear = 0;
        for (std::size_t g = 1; g < ratios.size(); ++g) {
            if (Acceleration(g, 0) + Acceleration(g, 1) > Acceleration(gear, 0) + Acceleration(gear, 1)) {
                gear = g;
            }
        }
        double v = 0;
        double t = 0;
        while (v < to) {
            const bool atRedLine = EngineSpeed(gear, v) >= redLine;
            const bool nextBetter = gear + 1 < ratios.size() && EngineSpeed(gear + 1, v) < redLine
                                    && Acceleration(gear + 1, v) > Acceleration(gear, v);
            if (atRedLine || nextBetter) {
                ++gear;
                for (double coast = 0; coast < shiftSeconds - dt / 2; coast += dt) {
                    v = rungeKutta([](double x) { return -SaloonRoadLoad(x) / kEffectiveMass; }, v);
                    t += dt;
                }
                continue;
            }
            const double next = rungeKutta([&](double x) { return Acceleration(gear, x); }, v);
            t += next < to ? dt : dt * (to - v) / (next - v);
            v = next;
        }
        return t;
    }
};

double SentenceSeconds(const Traced& run)
{
    const auto parsed = test::ParseSentence(run.sentence, test::DecimalPoint());
    return parsed ? parsed->seconds : std::nan("");
}

struct TransferCase {
    const char* name;
    const char* axle; // «Eje motriz»
    const char* grip;
    const char* share;
    double k;
};

class LoadTransfer : public ::testing::TestWithParam<TransferCase> {};

// P1 and P2 against the fine integration: the grip on the car's own mass,
// with the load that moves to the rear axle as the car accelerates.
TEST_P(LoadTransfer, MatchesAFineIntegration)
{
    const TransferCase& c = GetParam();
    LimitTexts limits = Limits("", "", "", c.grip, c.share);
    limits.cgHeight = "0.55";
    limits.wheelbase = "2.6";
    limits.drivenAxle = c.axle;
    const Traced run = Calculate(SaloonWith(limits));
    const double share = c.k == 0 && QString(c.axle) == "los dos" ? 1.0 : QString(c.share).toDouble() / 100;
    const FineLimitedCar fine{
        {3.5 * 4.1, 2.1 * 4.1, 1.4 * 4.1, 1.0 * 4.1}, 1e9, 0, 0, QString(c.grip).toDouble() * share * 1200 * 9.81,
        c.k * QString(c.grip).toDouble() * 0.55 / 2.6};
    const double reference = fine.Seconds(28);
    EXPECT_NEAR(SentenceSeconds(run), reference, 0.01 * reference);
    const RunSummary summary = Summarize(run.trace);
    EXPECT_GT(summary.limits.gripUpTo, 0);
    if (c.k != 0) {
        // The most load moved: m × a × h / L, over g, in kg, at the run's highest acceleration.
        double most = 0;
        for (const TraceStep& step : run.trace.steps) {
            most = std::max({most, step.accelerationFrom, step.accelerationTo});
        }
        EXPECT_NEAR(summary.limits.loadMoved, 1200 * most * 0.55 / 2.6 / 9.81, 1e-9);
        EXPECT_GT(summary.limits.loadMoved, 50);
    } else {
        EXPECT_EQ(summary.limits.loadMoved, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Axles, LoadTransfer,
                         ::testing::Values(TransferCase{"RearGainsGrip", "trasero", "0.7", "35", 1},
                                           TransferCase{"FrontLosesGrip", "delantero", "0.9", "60", -1},
                                           TransferCase{"BothCarryTheWholeWeight", "los dos", "0.25", "", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadTransfer, MovesTheRearAxleAheadAndTheFrontOneBehind)
{
    LimitTexts limits = Limits("", "", "", "0.9", "50");
    const double none = SentenceSeconds(Calculate(SaloonWith(limits)));
    limits.cgHeight = "0.55";
    limits.wheelbase = "2.6";
    limits.drivenAxle = "trasero";
    const double rear = SentenceSeconds(Calculate(SaloonWith(limits)));
    limits.drivenAxle = "delantero";
    const double front = SentenceSeconds(Calculate(SaloonWith(limits)));
    EXPECT_LT(rear, none);
    EXPECT_GT(front, none);
    // Without the height and the wheelbase, the axle moves no load.
    limits.cgHeight.clear();
    limits.wheelbase.clear();
    EXPECT_EQ(SentenceSeconds(Calculate(SaloonWith(limits))), none);
}

// P3: with a limit the run ends at the typed final speed, not the last whole step.
TEST(FinalSpeed, IsReachedExactlyWithLimits)
{
    CalcInput in = SaloonWith(Limits("", "", "", "0.9", "55"));
    in.finalSpeed = "27.78";
    const Traced run = Calculate(in);
    ASSERT_FALSE(run.trace.steps.empty());
    EXPECT_EQ(run.trace.steps.back().toSpeed, 27.78);
    const FineLimitedCar fine{{3.5 * 4.1, 2.1 * 4.1, 1.4 * 4.1, 1.0 * 4.1}, 1e9, 0, 0, 0.9 * 0.55 * 1200 * 9.81};
    EXPECT_NEAR(SentenceSeconds(run), fine.Seconds(27.78), 0.002 * fine.Seconds(27.78));
    // The last 0.78 m/s take time: more than the run to 27, less than to 28.
    in.finalSpeed = "27";
    const double to27 = SentenceSeconds(Calculate(in));
    in.finalSpeed = "28";
    const double to28 = SentenceSeconds(Calculate(in));
    EXPECT_GT(SentenceSeconds(run), to27);
    EXPECT_LT(SentenceSeconds(run), to28);
    // A final speed a rounding below a whole step is that step.
    in.finalSpeed = "27.999999999999996";
    EXPECT_EQ(Calculate(in).trace.steps.back().toSpeed, 28);
    // Without limits the run stops at the last whole step, as it always has.
    CalcInput plain = test::SaloonCar();
    plain.finalSpeed = "27.78";
    CalcInput whole = test::SaloonCar();
    whole.finalSpeed = "27";
    EXPECT_EQ(Calculate(plain).sentence, Calculate(whole).sentence);
}

TEST(EveryLimit, MatchesAFineIntegrationOfTheSamePhysics)
{
    const CalcInput in = SaloonWith(Limits("4500", "2000", "0.3", "0.7", "55"));
    const Traced run = Calculate(in);
    const auto parsed = test::ParseSentence(run.sentence, test::DecimalPoint());
    ASSERT_TRUE(parsed);
    const FineLimitedCar fine{{3.5 * 4.1, 2.1 * 4.1, 1.4 * 4.1, 1.0 * 4.1}, 4500, 2000, 0.3, 0.7 * 0.55 * 1200 * 9.81};
    const double reference = fine.Seconds(28);
    EXPECT_NEAR(parsed->seconds, reference, 0.01 * reference);

    // Every limit acted, and the summary's stretches cover the run.
    const RunSummary summary = Summarize(run.trace);
    EXPECT_GT(summary.limits.gripUpTo, 0);
    EXPECT_EQ(summary.limits.redLine, 4500);
    EXPECT_EQ(summary.limits.redLineChanges, 3);
    EXPECT_EQ(summary.limits.shiftGaps, 3);
    EXPECT_NEAR(summary.limits.shiftSeconds, 0.3, 1e-12);
    ASSERT_EQ(summary.shiftGaps.size(), std::size_t{3});
    EXPECT_LT(summary.shiftGaps[0].speedAfter, summary.shiftGaps[0].speedBefore);
    double stretched = 0;
    for (std::size_t i = 0; i < summary.stretches.size(); ++i) {
        stretched += summary.stretches[i].seconds;
        if (i > 0) {
            EXPECT_EQ(summary.stretches[i].fromSpeed, summary.stretches[i - 1].toSpeed);
        }
    }
    EXPECT_NEAR(stretched, summary.whole.seconds, 1e-12);
    EXPECT_EQ(summary.stretches.front().fromSpeed, 0);
    EXPECT_EQ(summary.stretches.back().toSpeed, 28);
}

} // namespace
} // namespace kinetra

namespace kinetra {
namespace {

// A coast under a road load R0 + D·v² has an exact solution:
// v(t) = √(R0/D) · tan(atan(v0·√(D/R0)) − t·√(R0·D)/M).
double ExactCoast(double v0, double t)
{
    const double r0 = 0.015 * 9.81 * 1200;
    const double d = 0.61 * 0.33 * 2.0;
    const double k = std::sqrt(r0 / d);
    return k * std::tan(std::atan(v0 / k) - t * std::sqrt(r0 * d) / kEffectiveMass);
}

TEST(ShiftGap, CoastsAsTheExactSolution)
{
    const Traced run = Calculate(SaloonWith(Limits("4500", "", "0.35", "", "")));
    int gaps = 0;
    for (const TraceStep& step : run.trace.steps) {
        if (step.limit != StepLimit::ShiftGap) {
            continue;
        }
        ++gaps;
        EXPECT_NEAR(step.seconds, 0.35, 1e-12);
        EXPECT_NEAR(step.toSpeed, ExactCoast(step.fromSpeed, 0.35), 1e-9 * step.fromSpeed);
        EXPECT_NEAR(step.accelerationFrom, -SaloonRoadLoad(step.fromSpeed) / kEffectiveMass, 1e-12);
        EXPECT_NEAR(step.accelerationTo, -SaloonRoadLoad(step.toSpeed) / kEffectiveMass, 1e-12);
        // The engine speed of the gear being engaged, at both ends.
        const double ratio = std::array{0.0, 3.5, 2.1, 1.4, 1.0}[static_cast<std::size_t>(step.gear)] * 4.1;
        EXPECT_NEAR(step.engineFrom, ratio * step.fromSpeed / kRadius / 6.28303384 * 60, 1e-6 * step.engineFrom);
        EXPECT_NEAR(step.engineTo, ratio * step.toSpeed / kRadius / 6.28303384 * 60, 1e-6 * step.engineTo);
    }
    EXPECT_EQ(gaps, 3);
}

TEST(LimitedRun, BooksEachStepToItsGridStepAndEachDistanceIsItsTrapezoid)
{
    for (const auto& [initialSpeed, finalSpeed] :
         std::array{std::pair{0, "28"}, std::pair{0, "27.78"}, std::pair{3, "28"}}) {
        CalcInput in = SaloonWith(Limits("4500", "2000", "0.3", "0.8", "55"));
        in.initialSpeed = QString::number(initialSpeed);
        in.finalSpeed = finalSpeed;
        WindowState state = test::FourGearsWithArea(2.0);
        // Tables left over from another calculation, as the window keeps them.
        CalcTables tables;
        test::FillAll(tables, 7);
        RunTrace trace;
        ASSERT_TRUE(std::holds_alternative<QString>(RunCalculation(in, state, tables, test::DecimalPoint(), &trace)));
        std::array<double, 30> booked{};
        for (const TraceStep& step : trace.steps) {
            booked[static_cast<std::size_t>(std::floor(step.fromSpeed - initialSpeed)) + 1] += step.seconds;
        }
        for (std::size_t s = 1; s <= static_cast<std::size_t>(28 - initialSpeed); ++s) {
            EXPECT_NEAR(tables.StepTime[static_cast<int>(s)], booked[s], 1e-12) << finalSpeed << " step " << s;
        }
        // One traction curve a gear; the red line is marked where it falls on the grid: 1.ª at
        // 10.4 m/s, 4.ª not before 36 m/s.
        ASSERT_EQ(trace.traction.size(), std::size_t{4});
        EXPECT_NEAR(trace.traction[0].redLineSpeed, 4500.0 / 60 * 6.28303384 * kRadius / (3.5 * 4.1), 1e-9);
        EXPECT_TRUE(std::isnan(trace.traction[3].redLineSpeed));
        const RunSummary summary = Summarize(trace);
        ASSERT_EQ(summary.stepMetres.size(), trace.steps.size());
        double metres = 0;
        for (std::size_t i = 0; i < trace.steps.size(); ++i) {
            const TraceStep& step = trace.steps[i];
            EXPECT_DOUBLE_EQ(summary.stepMetres[i], (step.fromSpeed + step.toSpeed) / 2 * step.seconds);
            metres += summary.stepMetres[i];
        }
        EXPECT_NEAR(summary.whole.metres, metres, 1e-9);
        // Every step but a gap gains speed, and the engine turns as its gear and speed say.
        for (const TraceStep& step : trace.steps) {
            if (step.limit == StepLimit::ShiftGap) {
                continue;
            }
            EXPECT_GT(step.toSpeed, step.fromSpeed);
            EXPECT_LE(step.toSpeed - step.fromSpeed, 1 + 1e-12);
            if (step.limit != StepLimit::Launch) {
                const double ratio = std::array{0.0, 3.5, 2.1, 1.4, 1.0}[static_cast<std::size_t>(step.gear)] * 4.1;
                EXPECT_NEAR(step.engineFrom, ratio * step.fromSpeed / kRadius / 6.28303384 * 60,
                            1e-6 * step.engineFrom + 1e-9);
                EXPECT_NEAR(step.engineTo, std::min(ratio * step.toSpeed / kRadius / 6.28303384 * 60, 4500.0),
                            1e-6 * step.engineTo);
            }
            if (step.endsAtRedLine) {
                EXPECT_EQ(step.engineTo, 4500);
            }
        }
    }
}

} // namespace
} // namespace kinetra

namespace kinetra {
namespace {

// The summary's stretches, changes and acted limits, each against the trace.
TEST(Summary, CountsEachGearOnceAndEachLimitWhereItActed)
{
    for (const char* grip : {"", "0.7"}) {
        const Traced run = Calculate(SaloonWith(Limits("4500", "2000", "0.3", grip, *grip ? "55" : "")));
        const RunSummary summary = Summarize(run.trace);
        ASSERT_EQ(summary.stretches.size(), std::size_t{4});
        ASSERT_EQ(summary.changes.size(), std::size_t{3});
        double gripUpTo = 0;
        double launchUpTo = 0;
        for (const TraceStep& step : run.trace.steps) {
            if (step.limit == StepLimit::Grip) {
                gripUpTo = std::max(gripUpTo, step.toSpeed);
            }
            if (step.limit == StepLimit::Launch) {
                launchUpTo = std::max(launchUpTo, step.toSpeed);
            }
        }
        EXPECT_GT(*grip ? gripUpTo : launchUpTo, 0);
        EXPECT_EQ(summary.limits.gripUpTo, gripUpTo);
        EXPECT_EQ(summary.limits.launchUpTo, launchUpTo);
        for (std::size_t i = 0; i < summary.stretches.size(); ++i) {
            EXPECT_EQ(summary.stretches[i].gear, static_cast<int>(i) + 1);
            if (i > 0) {
                EXPECT_EQ(summary.changes[i - 1].toGear, static_cast<int>(i) + 1);
                EXPECT_TRUE(summary.changes[i - 1].atRedLine);
            }
        }
    }
}

} // namespace
} // namespace kinetra

namespace kinetra {
namespace {

// Uphill the slope adds m·g·sin θ to the road load and the grip acts on m·g·cos θ.
TEST(GripOnASlope, IsWorkedOutAsWritten)
{
    CalcInput in = SaloonWith(Limits("", "", "", "0.4", "55"));
    in.slopePercent = "10";
    const Traced run = Calculate(in);
    ASSERT_FALSE(run.trace.steps.empty());
    const TraceStep& first = run.trace.steps.front();
    ASSERT_EQ(first.limit, StepLimit::Grip);
    const double theta = std::atan(0.1);
    const double load = 1200 * std::sin(theta) * 9.81 + SaloonRoadLoad(0);
    EXPECT_NEAR(first.accelerationFrom, (0.4 * 0.55 * 1200 * 9.81 * std::cos(theta) - load) / 1200, 1e-12);
}

} // namespace
} // namespace kinetra

namespace kinetra {
namespace {

// One gear at a constant torque: a = A − B·v² while the engine limits, whose
// time has the exact form artanh(v·√(B/A)) / √(A·B). With μ·s·g·m·λ − F just
// above (λ − 1)·R0 the grip takes over where (λ − 1)·R(v) reaches it.
TEST(OneGearAtConstantTorque, MatchesTheExactSolutionAndMarksWhereTheGripTakesOver)
{
    CalcInput in = SaloonWith(Limits("", "", "0.3", "0.9", "55"));
    in.gearRatio = {"3.5", "", "", "", "", ""};
    in.torqueCoefficient = {"151.2", "0", "0", "0", "0", "0", "0"};
    const double force = 3.5 * 4.1 * 0.9 * 151.2 / kRadius;
    const double drag = 0.61 * 0.33 * 2.0;
    const double a = (force - SaloonRoadLoad(0)) / kEffectiveMass;
    const double b = drag / kEffectiveMass;
    const auto exact = [&](double v) { return std::atanh(v * std::sqrt(b / a)) / std::sqrt(a * b); };
    const double gripFrom =
        std::sqrt(((1.06 * 0.9 * 0.55 * 9.81 * 1200 - force) / 0.06 - SaloonRoadLoad(0)) / drag); // ≈ 21.2 m/s
    in.finalSpeed = "20";
    EXPECT_NEAR(SentenceSeconds(Calculate(in)), exact(20), 1e-9 * exact(20));

    in.finalSpeed = "28";
    const Traced run = Calculate(in);
    bool passed = false;
    for (const TraceStep& step : run.trace.steps) {
        EXPECT_EQ(step.limit, step.fromSpeed < gripFrom - 1e-6 ? StepLimit::Engine : StepLimit::Grip)
            << step.fromSpeed << " to " << step.toSpeed;
        passed = passed || std::fabs(step.toSpeed - gripFrom) < 1e-6;
    }
    EXPECT_TRUE(passed) << "no step ends where the grip takes over, " << gripFrom << " m/s";
}

// The start gear is the lowest of those whose mean acceleration over the
// first step, at its two ends, is the highest: worked out here from the
// saloon's own numbers.
TEST(StartGear, IsTheLowestThatPullsHardestOverTheFirstStep)
{
    const std::array ratios{3.5 * 4.1, 2.1 * 4.1, 1.4 * 4.1, 1.0 * 4.1};
    // From rest, on the grip, and at every whole speed where 2.ª, 3.ª and 4.ª
    // take over from each other, where the first step decides.
    std::vector<std::pair<double, const char*>> starts{{0.0, ""}, {12.0, ""}, {0.0, "0.2"}};
    for (int v = 20; v <= 40; ++v) {
        starts.emplace_back(v, "");
    }
    for (const auto& [from, grip] : starts) {
        const double gripForce = *grip ? 0.2 * 0.55 * 9.81 * 1200 : 1e9;
        const auto pull = [&](std::size_t gear, double v) {
            const double force = ratios[gear] * 0.9 * SaloonTorque(ratios[gear] * v / kRadius / 6.28303384) / kRadius;
            return std::min((force - SaloonRoadLoad(v)) / kEffectiveMass, (gripForce - SaloonRoadLoad(v)) / 1200);
        };
        std::size_t best = 0;
        for (std::size_t g = 1; g < ratios.size(); ++g) {
            if (pull(g, from) + pull(g, from + 1) > pull(best, from) + pull(best, from + 1)) {
                best = g;
            }
        }
        CalcInput in = SaloonWith(Limits("", "", "0.3", grip, *grip ? "55" : ""));
        in.initialSpeed = QString::number(from);
        in.finalSpeed = QString::number(from + 3);
        const Traced run = Calculate(in);
        ASSERT_FALSE(run.trace.steps.empty());
        EXPECT_EQ(run.trace.steps.front().gear, static_cast<int>(best) + 1) << "from " << from << " grip " << grip;
    }
}

} // namespace
} // namespace kinetra
