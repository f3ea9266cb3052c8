// The performance sheet against the same physics integrated finely.
#include "kinetra/input_study.h"
#include "kinetra/performance.h"
#include "test_car.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>

namespace kinetra {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// A car's physics written out plainly, and integrated in time by the classic
// Runge-Kutta rule in steps of 0.1 ms, deciding the gear at every step.
struct FineCar {
    std::vector<double> ratios;           // overall, gear 1 first
    std::function<double(double)> torque; // N m at rev/s
    double radius, efficiency, mass, effectiveMass, area, drag, rolling;
    double redLine = kInf, launch = 0, shiftSeconds = 0, gripForce = kInf; // rev/min, rev/min, s, N
    double transfer = 0; // k·μ·h/L: the share of the grip that load moved onto the driven axle adds per m/s²

    double Rpm(std::size_t g, double v) const { return ratios[g] * v / radius / (2 * M_PI) * 60; }
    double RoadLoad(double v) const { return rolling * 9.81 * mass + 0.61 * drag * area * v * v; }
    // The engine spins up the car and its rotating parts; the tyres, whose
    // grip grows with the load moved onto them, push the car's own mass.
    double Acceleration(std::size_t g, double v) const
    {
        const double rpm = std::max(Rpm(g, v), launch);
        const double force = ratios[g] * efficiency * torque(rpm / 60) / radius;
        const double byEngine = (force - RoadLoad(v)) / effectiveMass;
        const double byGrip = (gripForce - RoadLoad(v)) / mass / (1 - transfer);
        return std::min(byEngine, byGrip);
    }
    bool NextBetter(std::size_t g, double v) const
    {
        return g + 1 < ratios.size() && Rpm(g + 1, v) < redLine && Acceleration(g + 1, v) > Acceleration(g, v);
    }

    // Time and speed where the run from `from` reaches `toSpeed` or
    // `toDistance`; none where it stops gaining speed first. `held` 0: the
    // gears chosen freely; otherwise gear `held` throughout.
    std::optional<std::pair<double, double>> Run(double from, std::size_t held, double toSpeed, double toDistance) const
    {
        const double dt = 1e-4;
        std::size_t g = held == 0 ? 0 : held - 1;
        while (held == 0 && (Rpm(g, from) >= redLine || NextBetter(g, from))) ++g;
        double t = 0, x = 0, v = from;
        const auto step = [&](auto a) {
            const double k1 = a(v), k2 = a(v + dt / 2 * k1), k3 = a(v + dt / 2 * k2), k4 = a(v + dt * k3);
            const double next = v + dt / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
            const double nextX = x + dt * (v + next) / 2;
            const double share = std::min(next >= toSpeed ? (toSpeed - v) / (next - v) : 1.0,
                                          nextX >= toDistance ? (toDistance - x) / (nextX - x) : 1.0);
            t += share < 1 ? share * dt : dt;
            const bool done = share < 1;
            v = done ? v + share * (next - v) : next;
            x = done ? x + share * (nextX - x) : nextX;
            return done;
        };
        for (;;) {
            if (Rpm(g, v) >= redLine && (held != 0 || g + 1 == ratios.size())) {
                // The engine's cut-off holds the top speed over a distance.
                if (held == 0 && toDistance < kInf && Acceleration(g, v) >= 0)
                    return std::pair{t + (toDistance - x) / v, v};
                return std::nullopt;
            }
            if (held == 0 && (Rpm(g, v) >= redLine || NextBetter(g, v))) {
                ++g;
                for (double coast = 0; coast < shiftSeconds - dt / 2; coast += dt) {
                    if (step([&](double s) { return -RoadLoad(s) / effectiveMass; })) return std::pair{t, v};
                }
                continue;
            }
            if (!(Acceleration(g, v) > 1e-4)) return std::nullopt;
            if (step([&](double s) { return Acceleration(g, s); })) return std::pair{t, v};
        }
    }

    // The highest speed at which some gear pulls, up to its red line.
    double TopSpeed() const
    {
        double top = 0;
        for (std::size_t g = 0; g < ratios.size(); ++g) {
            bool pulled = false;
            for (double v = 0.001; v < 200; v += 0.001) {
                if (Rpm(g, v) >= redLine || (pulled && Acceleration(g, v) <= 0)) break;
                pulled = pulled || Acceleration(g, v) > 0;
                if (pulled) top = std::max(top, v);
            }
        }
        return top;
    }
};

struct SheetCase {
    const char* name;
    CalcInput input;
    double area;
    FineCar fine;
};

// The saloon of the other tests with every limit; and a one-gear electric car.
std::vector<SheetCase> Cases()
{
    CalcInput saloon = test::SaloonCar();
    saloon.limits = {"6000", "2000", "0.3", "0.7", "55", "0.55", "2.6", "trasero"};
    const double saloonRadius = 15 * 0.0254 / 2 + 65 * 0.001 / 100 * 195;
    CalcInput electric = test::SaloonCar();
    electric.gearRatio = {"1", "", "", "", "", ""};
    electric.finalDrive = "9";
    electric.mass = "1600";
    electric.massFactor = "1.04";
    electric.tyreWidth = "225";
    electric.tyreAspect = "45";
    electric.rimDiameter = "18";
    electric.efficiency = "0.95";
    electric.dragCoefficient = "0.25";
    electric.rollingCoefficient = "0.01";
    electric.torqueCoefficient = {"330", "", "-0.006", "", "", "", ""};
    electric.limits = {"16000", "", "", "1.0", "50", {}, {}, {}};
    const double electricRadius = 18 * 0.0254 / 2 + 45 * 0.001 / 100 * 225;
    const FineCar saloonFine{.ratios = {3.5 * 4.1, 2.1 * 4.1, 1.4 * 4.1, 1.0 * 4.1},
                             .torque = [](double n) { return 80 + 2 * n - 0.014 * n * n; },
                             .radius = saloonRadius,
                             .efficiency = 0.9,
                             .mass = 1200,
                             .effectiveMass = 1.06 * 1200,
                             .area = 2.0,
                             .drag = 0.33,
                             .rolling = 0.015,
                             .redLine = 6000,
                             .launch = 2000,
                             .shiftSeconds = 0.3,
                             .gripForce = 0.7 * 0.55 * 1200 * 9.81,
                             .transfer = 0.7 * 0.55 / 2.6};
    const FineCar electricFine{.ratios = {9},
                               .torque = [](double n) { return 330 - 0.006 * n * n; },
                               .radius = electricRadius,
                               .efficiency = 0.95,
                               .mass = 1600,
                               .effectiveMass = 1.04 * 1600,
                               .area = 2.2,
                               .drag = 0.25,
                               .rolling = 0.01,
                               .redLine = 16000,
                               .gripForce = 1.0 * 0.5 * 1600 * 9.81};
    return {{"saloon_every_limit", saloon, 2.0, saloonFine}, {"one_gear_electric", electric, 2.2, electricFine}};
}

class Sheet : public ::testing::TestWithParam<SheetCase> {};

TEST_P(Sheet, EveryFigureMatchesAFineIntegration)
{
    const SheetCase& c = GetParam();
    const auto outcome = PerformanceOf(c.input, test::FourGearsWithArea(c.area), test::DecimalPoint());
    ASSERT_TRUE(std::holds_alternative<PerformanceSheet>(outcome));
    const PerformanceSheet& sheet = std::get<PerformanceSheet>(outcome);
    const auto expectNear = [](const FigureValue& figure, const std::optional<std::pair<double, double>>& fine,
                               const char* what) {
        SCOPED_TRACE(what);
        ASSERT_EQ(figure.value.has_value(), fine.has_value()) << figure.why.toStdString();
        if (fine) {
            EXPECT_NEAR(*figure.value, fine->first, 0.005 * fine->first);
            EXPECT_NEAR(figure.speedAtEnd, fine->second, 0.005 * fine->second);
        }
    };
    const FineCar& fine = c.fine;
    expectNear(sheet.zeroTo100, fine.Run(0, 0, 100 / 3.6, kInf), "0-100");
    expectNear(sheet.zeroTo400, fine.Run(0, 0, kInf, 400), "0-400");
    expectNear(sheet.zeroTo1000, fine.Run(0, 0, kInf, 1000), "0-1000");
    expectNear(sheet.overtaking, fine.Run(80 / 3.6, 0, 120 / 3.6, kInf), "80-120");
    ASSERT_EQ(sheet.overtakingFourth.has_value(), fine.ratios.size() >= 4);
    if (sheet.overtakingFourth) expectNear(*sheet.overtakingFourth, fine.Run(80 / 3.6, 4, 120 / 3.6, kInf), "4th");
    EXPECT_FALSE(sheet.overtakingFifth.has_value());
    ASSERT_TRUE(sheet.topSpeed.has_value());
    EXPECT_NEAR(sheet.topSpeed->speed, fine.TopSpeed(), 0.005 * fine.TopSpeed());
    EXPECT_EQ(sheet.changes.size(), fine.ratios.size() - 1);
}

INSTANTIATE_TEST_SUITE_P(Cars, Sheet, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<SheetCase>& info) { return std::string(info.param.name); });

// What a figure says instead of a number, and a study across values the
// calculation refuses.
TEST(SheetFigure, SaysWhyItIsMissing)
{
    CalcInput in = test::SaloonCar();
    in.limits.redLine = "4000"; // 4th reaches it at 116.7 km/h
    const WindowState state = test::FourGearsWithArea(2.0);
    const auto sheet = std::get<PerformanceSheet>(PerformanceOf(in, state, test::DecimalComma()));
    EXPECT_EQ(sheet.overtakingFourth->why, "en 4.ª el motor pasa del «Régimen máximo» antes de 120 km/h");
    EXPECT_EQ(sheet.overtaking.why, "no llega a 120 km/h: no pasa de 116,7 km/h");
    EXPECT_TRUE(sheet.topSpeed->atRedLine);
    // Held at the red line, the car covers the rest of the kilometre at its top speed.
    ASSERT_TRUE(sheet.zeroTo1000.value);
    EXPECT_NEAR(sheet.zeroTo1000.speedAtEnd, sheet.topSpeed->speed, 1e-6);

    in.mass = "0";
    const auto refused = PerformanceOf(in, state, test::DecimalComma());
    ASSERT_TRUE(std::holds_alternative<CalcFault>(refused));
    EXPECT_EQ(std::get<CalcFault>(refused).box(), BoxId::Mass);
}

TEST(Study, GivesTheSheetsFigureAndGapsWhereTheCarCannotRun)
{
    const CalcInput in = test::SaloonCar();
    const WindowState state = test::FourGearsWithArea(2.0);
    const QLocale locale = test::DecimalComma();
    const auto sheet = std::get<PerformanceSheet>(PerformanceOf(in, state, locale));
    const StudyPoint typed = StudyAt(in, state, BoxId::Mass, 1200, Figure::ZeroTo100, locale);
    EXPECT_NEAR(*typed.figure, *sheet.zeroTo100.value, 1e-4);

    std::vector<StudyPoint> points;
    for (const double mass : StudyValues(-600, 1800, 5)) {
        points.push_back(StudyAt(in, state, BoxId::Mass, mass, Figure::ZeroTo100, locale));
    }
    EXPECT_FALSE(points[0].figure || points[1].figure); // -600 and 0 kg: no car
    EXPECT_TRUE(points[2].figure && points[3].figure && points[4].figure);
    EXPECT_EQ(BestPoint(points, Figure::ZeroTo100), 2u); // the lightest car is the quickest
    const QString words = StudyInWords(points, BoxId::Mass, typed, Figure::ZeroTo100, locale);
    EXPECT_TRUE(words.startsWith("Mejor «Peso del vehículo»: 600, 0–100 km/h ")) << words.toStdString();
    EXPECT_TRUE(words.contains(" s menos que con 1200). Sin resultado de -600 a 0: ")) << words.toStdString();
    EXPECT_EQ(StudiedBoxes(in, state, locale).front(), BoxId::FirstGear);
}

} // namespace
} // namespace kinetra
