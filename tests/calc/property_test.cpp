// What any user of the model expects of it on ordinary cars.
#include "kinetra/run_calculation.h"
#include "test_car.h"

#include <gtest/gtest.h>

#include <functional>

namespace kinetra {
namespace {

double Seconds(const CalcInput& in, int gearCount = 4)
{
    WindowState state{gearCount, 2.0};
    CalcTables tables;
    const CalcOutcome outcome = RunCalculation(in, state, tables, test::DecimalPoint());
    if (const auto* fault = std::get_if<CalcFault>(&outcome)) {
        ADD_FAILURE() << fault->message().toStdString();
        return 0;
    }
    const auto parsed = test::ParseSentence(std::get<QString>(outcome), test::DecimalPoint());
    EXPECT_TRUE(parsed);
    EXPECT_LE(parsed->finalGear, gearCount);
    return parsed ? parsed->seconds : 0;
}

struct Monotone {
    const char* name;
    std::function<void(CalcInput&, int step)> set; // step 0, 1, 2, ... in rising order of the quantity
    bool timeGrows;
};

class RealisticCars : public ::testing::TestWithParam<Monotone> {};

TEST_P(RealisticCars, TimeMovesTheWayPhysicsSays)
{
    const Monotone& m = GetParam();
    for (const auto& [from, to] : {std::pair{"0", "28"}, std::pair{"5", "20"}, std::pair{"14", "33"}}) {
        double previous = 0;
        for (int step = 0; step < 5; ++step) {
            CalcInput in = test::SaloonCar();
            in.initialSpeed = from;
            in.finalSpeed = to;
            m.set(in, step);
            const double seconds = Seconds(in);
            if (step > 0) {
                if (m.timeGrows) {
                    EXPECT_GT(seconds, previous) << from << " to " << to << ", step " << step;
                } else {
                    EXPECT_LT(seconds, previous) << from << " to " << to << ", step " << step;
                }
            }
            previous = seconds;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Quantities, RealisticCars,
    ::testing::Values(
        Monotone{"HeavierIsSlower", [](CalcInput& in, int s) { in.mass = QString::number(900 + 250 * s); }, true},
        Monotone{"UphillIsSlower", [](CalcInput& in, int s) { in.slopePercent = QString::number(-4 + 2 * s); }, true},
        Monotone{"MoreDragIsSlower",
                 [](CalcInput& in, int s) { in.dragCoefficient = QString::number(0.25 + 0.05 * s); }, true},
        Monotone{"MoreTorqueIsFaster",
                 [](CalcInput& in, int s) { in.torqueCoefficient[0] = QString::number(60 + 20 * s); }, false},
        Monotone{"BetterEfficiencyIsFaster",
                 [](CalcInput& in, int s) { in.efficiency = QString::number(0.8 + 0.05 * s); }, false}),
    [](const ::testing::TestParamInfo<Monotone>& info) { return std::string(info.param.name); });

TEST(RealisticCars, SameInputsInTheSameWindowGiveTheSameSentence)
{
    CalcTables tables;
    WindowState state{5, 2.0};
    CalcInput in = test::SaloonCar();
    in.gearRatio[4] = "0.8";
    QString first;
    for (int press = 0; press < 5; ++press) {
        const CalcOutcome outcome = RunCalculation(in, state, tables, test::DecimalComma());
        ASSERT_TRUE(std::holds_alternative<QString>(outcome));
        if (press == 0) {
            first = std::get<QString>(outcome);
        }
        EXPECT_EQ(std::get<QString>(outcome), first);
    }
}

TEST(RealisticCars, FinalGearNeverExceedsTheGearCount)
{
    CalcInput in = test::SaloonCar();
    in.gearRatio = {"3.5", "2.1", "1.4", "1.0", "0.8", "0.7"};
    for (const char* to : {"5", "20", "40", "45"}) {
        in.finalSpeed = to;
        for (const int gears : {4, 5, 6}) {
            Seconds(in, gears);
        }
    }
}

} // namespace
} // namespace kinetra
