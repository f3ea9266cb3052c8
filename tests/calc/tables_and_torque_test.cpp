#include "inputs/vehicle.h"
#include "kinetra/calc_fault.h"
#include "kinetra/calc_tables.h"
#include "notes/result_sentence.h"
#include "run/plain_run.h"
#include "tables/frontal_area.h"
#include "tables/gear_acceleration.h"
#include "tables/gear_tables.h"
#include "tables/speed_grid.h"
#include "tables/wheel_and_slope.h"
#include "test_car.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

namespace kinetra {
namespace {

TEST(TableIndex, RoundsHalvesToEven)
{
    Table table;
    for (int i = 0; i < Table::kSize; ++i) {
        table.set(i, i);
    }
    EXPECT_EQ(table.at(2.5), 2);
    EXPECT_EQ(table.at(3.5), 4);
    EXPECT_EQ(table.at(3.4999), 3);
    EXPECT_EQ(table.at(-0.5), 0);
    EXPECT_EQ(table.at(400.5), 400);
}

TEST(TableIndex, OutsideZeroToFourHundredIsSubscriptOutOfRange)
{
    Table table;
    for (const double index : {-1.0, -0.51, 400.51, 401.0, 1e300}) {
        try {
            table.set(index, 1);
            ADD_FAILURE() << "no fault at " << index;
        } catch (const CalcFault& fault) {
            EXPECT_EQ(fault.kind(), FaultKind::SubscriptOutOfRange);
        }
        EXPECT_THROW(static_cast<void>(table.at(index)), CalcFault);
    }
    for (const double entry : table.entries()) {
        ASSERT_EQ(entry, 0) << "a rejected write changed the table";
    }
}

TEST(Torque, PolynomialInRisingPowers)
{
    const std::array<double, 7> c{1, 2, 3, 4, 5, 6, 7};
    // 1 + 2*2 + 3*4 + 4*8 + 5*16 + 6*32 + 7*64
    EXPECT_EQ(EngineTorque(2, c), 769);
    EXPECT_EQ(EngineTorque(0, c), 1);
    for (const double n : {0.0, 1.0, 37.5, 120.0, 800.0}) {
        EXPECT_EQ(EngineTorque(n, {93.5, 0, 0, 0, 0, 0, 0}), 93.5);
    }
    EXPECT_EQ(EngineTorque(2, {0, 0, 0, 0, 0, 1, 0}), 32);
    EXPECT_EQ(EngineTorque(2, {0, 0, 0, 0, 0, 0, 1}), 64);
}

TEST(Torque, OverflowOfTheSixthPowerIsAFault)
{
    const std::array<double, 7> c{0, 0, 0, 0, 0, 0, 1e300};
    try {
        EngineTorque(1e3, c);
        FAIL() << "no fault";
    } catch (const CalcFault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::Overflow);
    }
}

TEST(Vehicle, WheelRadiusIsRimRadiusPlusSidewall)
{
    Vehicle v;
    v.tyreWidth = 195;
    v.tyreAspect = 65;
    v.rimDiameter = 15;
    EXPECT_NEAR(WheelRadius(v), 0.1905 + 0.12675, 1e-15);
}

TEST(SpeedTables, EntriesStandForWholeStepsFromTheInitialSpeed)
{
    Vehicle v = ReadVehicle(test::SaloonCar());
    v.initialSpeed = 0;
    v.finalSpeed = 10;
    v.steps = 10;
    v.wheelRadius = WheelRadius(v);
    CalcTables tables;
    test::FillAll(tables, -1);
    FillRoadLoad(tables, v);
    FillWheelSpeed(tables, v);

    // No area chosen and level road: rolling resistance only, at every speed.
    for (int j = 1; j <= 11; ++j) {
        EXPECT_DOUBLE_EQ(tables.RoadLoad.at(j), 0.015 * 9.81 * 1200) << j;
    }
    EXPECT_EQ(tables.RoadLoad.at(0), 0);
    EXPECT_EQ(tables.WheelSpeed.at(0), 0);
    EXPECT_EQ(tables.WheelSpeed.at(1), 0);
    EXPECT_NEAR(tables.WheelSpeed.at(11), 10 / 0.31725 / 6.28303384, 1e-12);
    EXPECT_NEAR(tables.WheelSpeed.at(11), 5.0, 0.03);
    EXPECT_EQ(tables.WheelSpeed.at(12), -1) << "beyond the final speed nothing is written";
}

TEST(SpeedTables, DragGrowsWithTheSquareOfSpeed)
{
    Vehicle v = ReadVehicle(test::SaloonCar());
    v.finalSpeed = 30;
    v.steps = 30;
    v.sinSlope = SinSlope(v);
    v.frontalArea = 2.0;
    CalcTables tables;
    FillRoadLoad(tables, v);
    const double rolling = 0.015 * 9.81 * 1200;
    EXPECT_NEAR(tables.RoadLoad.at(31) - rolling, 0.61 * 0.33 * 2 * 30 * 30, 1e-9);
    EXPECT_NEAR(tables.RoadLoad.at(16) - rolling, 0.61 * 0.33 * 2 * 15 * 15, 1e-9);
}

struct AreaText {
    const char* name;
    QString text;
    QLocale locale;
    std::optional<double> value; // none: a type mismatch
};

class FrontalAreaText : public ::testing::TestWithParam<AreaText> {};

TEST_P(FrontalAreaText, ReadsWithTheUsersLocale)
{
    const AreaText& c = GetParam();
    if (c.value) {
        EXPECT_EQ(FrontalAreaValue(FrontalArea{c.text}, c.locale), *c.value);
        return;
    }
    try {
        FrontalAreaValue(FrontalArea{c.text}, c.locale);
        FAIL() << "read as a number: " << c.text.toStdString();
    } catch (const CalcFault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::TypeMismatch);
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, FrontalAreaText,
                         ::testing::Values(AreaText{"CommaInSpanish", "2,5", test::DecimalComma(), 2.5},
                                           AreaText{"PointInEnglish", "2.5", test::DecimalPoint(), 2.5},
                                           AreaText{"BlanksAround", " 1,9 ", test::DecimalComma(), 1.9},
                                           AreaText{"Zero", "0", test::DecimalComma(), 0.0},
                                           AreaText{"PointInSpanish", "2.5", test::DecimalComma(), std::nullopt},
                                           AreaText{"ThousandsInGerman", "2.500", QLocale(QLocale::German),
                                                    std::nullopt},
                                           AreaText{"ThousandsInEnglish", "2,500", test::DecimalPoint(), std::nullopt},
                                           AreaText{"Empty", "", test::DecimalPoint(), std::nullopt},
                                           AreaText{"Words", "dos", test::DecimalComma(), std::nullopt},
                                           AreaText{"NumberThenUnit", "2 m2", test::DecimalPoint(), std::nullopt},
                                           AreaText{"NotANumber", "nan", test::DecimalPoint(), std::nullopt},
                                           AreaText{"Infinity", "inf", test::DecimalPoint(), std::nullopt}),
                         [](const ::testing::TestParamInfo<AreaText>& info) { return std::string(info.param.name); });

TEST(FrontalArea, UnsetCountsAsZeroAndNumbersAsThemselves)
{
    EXPECT_EQ(FrontalAreaValue(FrontalArea{}, test::DecimalComma()), 0);
    EXPECT_EQ(FrontalAreaValue(FrontalArea{1.75}, test::DecimalComma()), 1.75);
    EXPECT_EQ(FrontalAreaValue(FrontalArea{0.0}, test::DecimalComma()), 0) << "height or width 0";
}

struct StartGearCase {
    const char* name;
    int gearCount;
    std::vector<double> means; // gears 1, 2, ...
    std::optional<int> expected;
};

class StartGear : public ::testing::TestWithParam<StartGearCase> {};

TEST_P(StartGear, IsTheHighestGearThatBeatsBothNeighbours)
{
    const StartGearCase& c = GetParam();
    CalcTables tables;
    for (std::size_t g = 0; g < c.means.size(); ++g) {
        tables.StartMeanAccel.set(static_cast<double>(g + 1), c.means[g]);
    }
    EXPECT_EQ(ChooseStartGear(tables, c.gearCount), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Means, StartGear,
    ::testing::Values(StartGearCase{"FallingGearByGear", 4, {3, 2, 1, 0.5}, 1},
                      StartGearCase{"SecondBest", 4, {1, 3, 2, 0.5}, 2},
                      StartGearCase{"TwoPeaksTakesTheHigher", 4, {3, 1, 2, 0.5}, 3},
                      StartGearCase{"TopGearComparedWithZero", 4, {1, 2, 3, 4}, 4},
                      StartGearCase{"TopGearNegative", 4, {1, 2, 3, -1}, 3},
                      StartGearCase{"TiesPassNothing", 4, {2, 2, 2, 2}, std::nullopt},
                      StartGearCase{"AllNegativeFalling", 4, {-1, -2, -3, -4}, std::nullopt},
                      StartGearCase{"SixthGearAgainstAnUnwrittenSeventh", 6, {1, 2, 3, 4, 5, 6}, 6},
                      // A fourth gear without a ratio coasting downhill: no gear.
                      StartGearCase{"TopGearWithARatioComparedWithZero", 3, {1, 2, 3, 5}, 3}),
    [](const ::testing::TestParamInfo<StartGearCase>& info) { return std::string(info.param.name); });

struct SentenceCase {
    const char* name;
    int start;
    int final;
    double seconds;
    QLocale locale;
    QString expected;
};

class Sentence : public ::testing::TestWithParam<SentenceCase> {};

TEST_P(Sentence, GearsAndTimeInTheUsersLocale)
{
    const SentenceCase& c = GetParam();
    EXPECT_EQ(ResultSentence(c.start, c.final, c.seconds, c.locale).toStdString(), c.expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Locales, Sentence,
    ::testing::Values(
        SentenceCase{"DecimalComma", 1, 4, 12.5, test::DecimalComma(),
                     "   El resultado final es: Marcha inicial: 1; marcha final: 4; Tiempo empleado: 12,5"},
        SentenceCase{"DecimalPoint", 1, 4, 12.5, test::DecimalPoint(),
                     "   El resultado final es: Marcha inicial: 1; marcha final: 4; Tiempo empleado: 12.5"},
        SentenceCase{"WholeSeconds", 2, 2, 7, test::DecimalComma(),
                     "   El resultado final es: Marcha inicial: 2; marcha final: 2; Tiempo empleado: 7"},
        SentenceCase{"NoThousandsSeparator", 1, 6, 12345.678, test::DecimalComma(),
                     "   El resultado final es: Marcha inicial: 1; marcha final: 6; Tiempo empleado: 12345,678"},
        SentenceCase{"NoThousandsSeparatorInEnglish", 1, 6, 1234567.5, test::DecimalPoint(),
                     "   El resultado final es: Marcha inicial: 1; marcha final: 6; Tiempo empleado: 1234567.5"},
        SentenceCase{
            "FifteenSignificantDigits", 1, 3, 1.0 / 3.0, test::DecimalComma(),
            "   El resultado final es: Marcha inicial: 1; marcha final: 3; Tiempo empleado: 0,333333333333333"},
        SentenceCase{"RoundedAtTheFifteenthDigit", 1, 3, 13.98302190962759, test::DecimalPoint(),
                     "   El resultado final es: Marcha inicial: 1; marcha final: 3; Tiempo empleado: 13.9830219096276"},
        // Only the separator is the locale's: Latin digits, "-" and "E-NN" everywhere.
        SentenceCase{
            "ArabicSeparatorLatinDigits", 1, 2, 7.6e-05, QLocale(QLocale::Arabic, QLocale::Egypt),
            QStringLiteral(
                "   El resultado final es: Marcha inicial: 1; marcha final: 2; Tiempo empleado: 7\u066b6E-05")},
        SentenceCase{"SwedishExponent", 1, 2, 1.5e20, QLocale(QLocale::Swedish, QLocale::Sweden),
                     "   El resultado final es: Marcha inicial: 1; marcha final: 2; Tiempo empleado: 1,5E+20"},
        SentenceCase{"SpanishNegativeExponent", 1, 2, -7.6e-05, test::DecimalComma(),
                     "   El resultado final es: Marcha inicial: 1; marcha final: 2; Tiempo empleado: -7,6E-05"},
        SentenceCase{"CLocaleCapitalExponent", 1, 2, 1.25e-7, QLocale::c(),
                     "   El resultado final es: Marcha inicial: 1; marcha final: 2; Tiempo empleado: 1.25E-07"}),
    [](const ::testing::TestParamInfo<SentenceCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kinetra
