// Where the calculation answers plainly instead of reusing old table entries,
// climbing past the gearbox, dividing by a zero acceleration or adding a
// negative time.
#include "kinetra/plausibility.h"
#include "kinetra/reading_notes.h"
#include "kinetra/run_calculation.h"
#include "kinetra/speed_in_kmh.h"
#include "test_car.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace kinetra {
namespace {

using test::FillAll;
using test::ParseSentence;

CalcOutcome Calculate(const CalcInput& in, int gearCount, CalcTables& tables, FrontalArea area = 2.0)
{
    WindowState state{gearCount, std::move(area)};
    return RunCalculation(in, state, tables, test::DecimalPoint());
}

CalcInput SaloonFromTo(const QString& from, const QString& to)
{
    CalcInput in = test::SaloonCar();
    in.initialSpeed = from;
    in.finalSpeed = to;
    return in;
}

test::Parsed ParsedOrFail(const CalcOutcome& outcome)
{
    if (const auto* fault = std::get_if<CalcFault>(&outcome)) {
        ADD_FAILURE() << fault->message().toStdString();
        return {};
    }
    const auto parsed = ParseSentence(std::get<QString>(outcome), test::DecimalPoint());
    EXPECT_TRUE(parsed) << std::get<QString>(outcome).toStdString();
    return parsed.value_or(test::Parsed{});
}

TEST(WholeSteps, EachStepIsTimedOnceAndAllOfThemAreAdded)
{
    CalcTables tables;
    FillAll(tables, 7);
    const test::Parsed result = ParsedOrFail(Calculate(SaloonFromTo("4", "9"), 4, tables));
    double sum = 0;
    for (int s = 1; s <= 5; ++s) {
        EXPECT_NE(tables.StepTime.at(s), 7) << "step " << s << " not timed";
        EXPECT_GT(tables.StepTime.at(s), 0);
        sum += tables.StepTime.at(s);
    }
    EXPECT_EQ(tables.StepTime.at(6), 7) << "a step beyond the final speed was timed";
    EXPECT_EQ(QString::number(result.seconds, 'g', 15), QString::number(sum, 'g', 15));
}

TEST(WholeSteps, EachStepIsTimedInOneGearAtBothEnds)
{
    // The saloon changes up on the way: after a change the step's lower end
    // belongs to the new gear too, never to the one it left.
    CalcTables tables;
    const test::Parsed result = ParsedOrFail(Calculate(SaloonFromTo("0", "28"), 4, tables));
    ASSERT_GT(result.finalGear, result.startGear);
    const test::ReferenceCar car = test::SaloonReference(2.0);
    // Step s goes from s - 1 to s m/s; the saloon's two torque forms are alike.
    const auto stepSeconds = [&](int gear, int s) {
        const double ratio = car.overallRatios[static_cast<std::size_t>(gear - 1)];
        return (1 / car.Acceleration(ratio, s) + 1 / car.Acceleration(ratio, s - 1)) / 2;
    };
    int gear = result.startGear;
    for (int s = 2; s <= 28; ++s) {
        const double seconds = tables.StepTime.at(s);
        while (gear < result.finalGear && std::abs(stepSeconds(gear, s) - seconds) > 1e-9 * seconds) {
            ++gear;
        }
        EXPECT_NEAR(seconds, stepSeconds(gear, s), 1e-9 * seconds) << "step " << s << " in gear " << gear;
    }
}

struct StepsCase {
    const char* name;
    QString from;
    QString to;
    int steps; // whole 1 m/s steps between the speeds as typed
};

class TypedSpeeds : public ::testing::TestWithParam<StepsCase> {};

// Entries 1 to steps + 1 of the speed tables and 1 to steps of the step times
// are written, nothing beyond, and the time is their sum.
TEST_P(TypedSpeeds, AreCoveredInTheWholeStepsBetweenThem)
{
    const StepsCase& c = GetParam();
    CalcTables tables;
    FillAll(tables, 7);
    const test::Parsed result = ParsedOrFail(Calculate(SaloonFromTo(c.from, c.to), 4, tables));
    double sum = 0;
    for (int s = 1; s <= c.steps; ++s) {
        EXPECT_NE(tables.StepTime.at(s), 7) << "step " << s << " not timed";
        sum += tables.StepTime.at(s);
    }
    EXPECT_EQ(tables.StepTime.at(c.steps + 1), 7) << "a step beyond the final speed was timed";
    EXPECT_NE(tables.RoadLoad.at(c.steps + 1), 7);
    EXPECT_NE(tables.WheelSpeed.at(c.steps + 1), 7);
    EXPECT_EQ(tables.RoadLoad.at(c.steps + 2), 7);
    EXPECT_EQ(tables.WheelSpeed.at(c.steps + 2), 7);
    EXPECT_EQ(QString::number(result.seconds, 'g', 15), QString::number(sum, 'g', 15));
}

INSTANTIATE_TEST_SUITE_P(Speeds, TypedSpeeds,
                         ::testing::Values(StepsCase{"Fractional", "0.5", "3.7", 3},
                                           StepsCase{"HalfStepOver", "0", "2.5", 2},
                                           StepsCase{"TenthsJustBelowWhole", "12.4", "16.4", 4},
                                           StepsCase{"FromTenthToTenths", "0.1", "4.1", 4},
                                           StepsCase{"TenthsJustAboveWhole", "12.1", "16.1", 4},
                                           StepsCase{"ExactlyOneStep", "0.4", "1.4", 1},
                                           StepsCase{"ThirdsRoundedDown", "0.3", "4.2", 3}),
                         [](const ::testing::TestParamInfo<StepsCase>& info) { return std::string(info.param.name); });

TEST(WholeSteps, ResultDoesNotDependOnWhatTheTablesHeldBefore)
{
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> garbage(-1e6, 1e6);
    for (const auto& [from, to] : {std::pair{"0", "1"}, std::pair{"2", "30"}, std::pair{"12", "20"},
                                   std::pair{"0.25", "17.5"}, std::pair{"0.1", "4.1"}}) {
        CalcTables fresh;
        CalcTables used;
        for (Table* table : {&used.RoadLoad, &used.WheelSpeed, &used.OverallRatio, &used.StartMeanAccel,
                             &used.StartAccelLow, &used.StartAccelHigh, &used.StepTime}) {
            for (int i = 0; i < Table::kSize; ++i) {
                table->set(i, garbage(random));
            }
        }
        // No calculation ever writes these two: they are 0 in every window.
        used.StartMeanAccel.set(0, 0);
        used.StartMeanAccel.set(7, 0);
        const CalcInput in = SaloonFromTo(from, to);
        EXPECT_EQ(std::get<QString>(Calculate(in, 4, fresh)), std::get<QString>(Calculate(in, 4, used)))
            << from << " to " << to;
    }
}

TEST(TopGear, NoChangeUpPastTheGearCount)
{
    // Third, fourth and fifth alike: every next-gear test from third on is a
    // tie, and a tie changes up, so the run ends in the top gear it may use.
    CalcInput in = SaloonFromTo("0", "40");
    in.gearRatio = {"3.5", "2.1", "1.4", "1.4", "1.4", ""};
    CalcTables tables;
    EXPECT_EQ(ParsedOrFail(Calculate(in, 4, tables)).finalGear, 4);
    EXPECT_EQ(ParsedOrFail(Calculate(in, 5, tables)).finalGear, 5);
    EXPECT_EQ(ParsedOrFail(Calculate(in, 6, tables)).finalGear, 5) << "a sixth gear without a ratio is never taken";
}

TEST(TopGear, NeverAGearWithoutARatio)
{
    // Downhill with no drag, an empty top gear coasts harder than a gear past
    // the engine's torque curve; it is still no gear to start or end in.
    struct Case {
        const char* name;
        int gearCount;
        int topGear; // the last gear with a ratio
        QString from;
        QString to;
    };
    for (const Case& c :
         {Case{"FourthEmpty55To60", 4, 3, "55", "60"}, Case{"FourthEmpty70To75", 4, 3, "70", "75"},
          Case{"FourthEmpty0To60", 4, 3, "0", "60"}, Case{"FourthEmpty0To70", 4, 3, "0", "70"},
          Case{"FifthTickedEmpty70To75", 5, 4, "70", "75"}, Case{"FifthTickedEmpty90To95", 5, 4, "90", "95"}}) {
        CalcInput in = SaloonFromTo(c.from, c.to);
        in.gearRatio[static_cast<std::size_t>(c.topGear)] = "";
        in.slopePercent = "-8";
        CalcTables tables;
        const CalcOutcome outcome = Calculate(in, c.gearCount, tables, 0.0);
        if (const auto* fault = std::get_if<CalcFault>(&outcome)) {
            const QString message = fault->message();
            EXPECT_FALSE(message.contains(QStringLiteral("%1.ª marcha").arg(c.topGear + 1))) << c.name;
            EXPECT_FALSE(message.contains(c.topGear == 3 ? QStringLiteral("«Cuarta»") : QStringLiteral("«Quinta»")))
                << c.name << ": " << message.toStdString();
            continue;
        }
        const auto parsed = ParseSentence(std::get<QString>(outcome), test::DecimalPoint());
        ASSERT_TRUE(parsed) << c.name;
        EXPECT_LE(parsed->startGear, c.topGear) << c.name;
        EXPECT_LE(parsed->finalGear, c.topGear) << c.name;
    }
}

TEST(TopGear, StaysInSixthRollingDownhill)
{
    // Down a 100 % slope, past the engine's torque curve, a gear without a
    // ratio (free-wheeling) would pull harder than sixth.
    CalcInput in = SaloonFromTo("0", "132");
    in.gearRatio = {"3.5", "2.1", "1.4", "1.0", "0.8", "0.7"};
    in.slopePercent = "-100";
    test::ReferenceCar reference = test::SaloonReference(2.0);
    reference.slopePercent = -100;
    ASSERT_GT(reference.Acceleration(0, 131.5), reference.Acceleration(0.7 * 4.1, 131.5));
    ASSERT_GT(reference.Acceleration(0.7 * 4.1, 131.5), 0);

    CalcTables tables;
    const test::Parsed result = ParsedOrFail(Calculate(in, 6, tables));
    EXPECT_EQ(result.finalGear, 6);
    EXPECT_GT(result.seconds, 0);
}

TEST(CannotAccelerate, NamesTheSpeedItCannotGetPast)
{
    CalcTables tables;
    const CalcOutcome outcome = Calculate(SaloonFromTo("0", "80"), 4, tables);
    ASSERT_TRUE(std::holds_alternative<CalcFault>(outcome));
    const CalcFault& fault = std::get<CalcFault>(outcome);
    EXPECT_EQ(fault.kind(), FaultKind::CannotAccelerate);
    const QString message = fault.message();
    const int at = message.indexOf(QStringLiteral("no puede pasar de "));
    ASSERT_GE(at, 0) << message.toStdString();
    const QString speed = message.mid(at + 18).section(QLatin1Char(' '), 0, 0);
    bool ok = false;
    const int topSpeed = speed.toInt(&ok);
    ASSERT_TRUE(ok) << message.toStdString();
    EXPECT_GT(topSpeed, 30);
    EXPECT_LT(topSpeed, 80);
    // It gets up to that speed, and not one step further.
    EXPECT_GT(ParsedOrFail(Calculate(SaloonFromTo("0", speed), 4, tables)).seconds, 0);
    EXPECT_TRUE(
        std::holds_alternative<CalcFault>(Calculate(SaloonFromTo("0", QString::number(topSpeed + 1)), 4, tables)));
}

TEST(CannotAccelerate, NoGearStartsWhenEveryGearIsAlike)
{
    CalcInput in = test::SaloonCar();
    in.gearRatio = {"2", "2", "2", "2", "", ""};
    CalcTables tables;
    const CalcOutcome outcome = Calculate(in, 4, tables);
    ASSERT_TRUE(std::holds_alternative<CalcFault>(outcome));
    EXPECT_EQ(std::get<CalcFault>(outcome).kind(), FaultKind::NoStartingGear);
}

struct RangeCase {
    const char* name;
    QString from;
    QString to;
};

class SpeedRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(SpeedRange, OutsideTheGridIsRejectedBeforeAnyTableIsTouched)
{
    CalcTables tables;
    FillAll(tables, 7);
    const CalcOutcome outcome = Calculate(SaloonFromTo(GetParam().from, GetParam().to), 4, tables);
    ASSERT_TRUE(std::holds_alternative<CalcFault>(outcome));
    EXPECT_EQ(std::get<CalcFault>(outcome).kind(), FaultKind::InvalidInput);
    EXPECT_EQ(std::get<CalcFault>(outcome).message().contains(QStringLiteral("la coma corta el número")),
              GetParam().to.contains(QLatin1Char(',')));
    test::ExpectAllEntries(tables, 7);
}

INSTANTIATE_TEST_SUITE_P(Speeds, SpeedRange,
                         ::testing::Values(RangeCase{"NegativeInitial", "-1", "10"}, RangeCase{"BothEmpty", "", ""},
                                           RangeCase{"Equal", "5", "5"}, RangeCase{"LessThanOneStep", "5", "5.99"},
                                           RangeCase{"FinalBelowInitial", "20", "10"},
                                           RangeCase{"FourHundredSteps", "0", "400"},
                                           RangeCase{"FarTooLong", "3", "1e9"},
                                           RangeCase{"DecimalCommaFinal", "0", "0,9"}),
                         [](const ::testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

TEST(SpeedRange, TheLongestRunUsesTheLastTableEntry)
{
    CalcInput in = samples::LongestRunCar();
    in.finalSpeed = "399.5";
    CalcTables tables;
    FillAll(tables, 7);
    const test::Parsed result = ParsedOrFail(Calculate(in, 4, tables, FrontalArea{}));
    EXPECT_EQ(result.startGear, 1);
    EXPECT_EQ(result.finalGear, 1);
    EXPECT_NE(tables.RoadLoad.at(400), 7);
    EXPECT_NE(tables.StepTime.at(399), 7);
    EXPECT_EQ(tables.StepTime.at(400), 7);
    // Constant force: t = dv / a with a = (3 x 0.9 x 2000 / r - f g m) / (lambda m).
    const double r = 0.31725;
    const double a = (3 * 0.9 * 2000 / r - 0.015 * 9.81 * 1200) / (1.06 * 1200);
    EXPECT_NEAR(result.seconds, 399 / a, 1e-9 * 399 / a);
}

// What a successful calculation read differently from what was typed: the
// sentence stays as it is, and each of these stands beside it.
struct NotesCase {
    const char* name;
    QString CalcInput::*field;
    const char* text;
    FrontalArea area;
    AreaBoxes boxes;
    QStringList notes;
};

class ReadingNotesOf : public ::testing::TestWithParam<NotesCase> {};

TEST_P(ReadingNotesOf, ASuccessfulCalculation)
{
    const NotesCase& c = GetParam();
    CalcInput in = test::SaloonCar();
    if (c.field != nullptr) {
        in.*c.field = QString::fromUtf8(c.text);
    }
    CalcTables tables;
    WindowState state{4, c.area};
    ASSERT_TRUE(std::holds_alternative<QString>(RunCalculation(in, state, tables, test::DecimalComma())));
    EXPECT_EQ(ReadingNotes(in, state, c.boxes, test::DecimalComma()).join(u'|').toStdString(),
              c.notes.join(u'|').toStdString());
}

const QString kPoint = QStringLiteral(": el decimal se escribe con punto.");

INSTANTIATE_TEST_SUITE_P(
    Notes, ReadingNotesOf,
    ::testing::Values(
        NotesCase{"NoneWhenReadAsTyped", nullptr, "", 2.0, {}, {}},
        NotesCase{"ThreeDigitsAfterTheCommaReadTwoWays",
                  &CalcInput::mass,
                  "1,200",
                  2.0,
                  {},
                  {"«Peso del vehículo» dice «1,200» y se leyó 1" + kPoint + " Escriba 1.2, o 1200 si eran miles."}},
        // Only digits after the comma count towards the thousands reading.
        NotesCase{"UnitAfterADecimalComma",
                  &CalcInput::mass,
                  "1,2 kg",
                  2.0,
                  {},
                  {"«Peso del vehículo» dice «1,2 kg» y se leyó 1" + kPoint + " Escriba 1.2."}},
        // A comma reading too large for the calculation offers nothing to type.
        NotesCase{"CommaReadingTooLarge", &CalcInput::slopePercent, "0,1e999", 2.0, {}, {}},
        NotesCase{"DecimalCommaInCx",
                  &CalcInput::dragCoefficient,
                  " 0,39 ",
                  2.0,
                  {},
                  {"«Cx» dice « 0,39 » y se leyó 0" + kPoint + " Escriba 0.39."}},
        NotesCase{"FinalSpeedBetweenWholeSteps",
                  &CalcInput::finalSpeed,
                  "27.78",
                  2.0,
                  {},
                  {"Calculado de 0 a 27 m/s, en pasos enteros de 1 m/s: los últimos 0.78 m/s hasta los 27.78 de "
                   "«Velocidad Final» no cuentan."}},
        NotesCase{"WholeStepsWrittenWithDecimals", &CalcInput::finalSpeed, "28.000", 2.0, {}, {}},
        NotesCase{"AreaTypedButNoModeChosen",
                  nullptr,
                  "",
                  FrontalArea{},
                  {"2,2", "", ""},
                  {"Sin resistencia del aire: el área frontal es 0 m² porque no se eligió «Area Frontal» ni «Alto X "
                   "Ancho». El «2,2» escrito solo cuenta con «Area Frontal» elegida. Elija una y escriba el área (por "
                   "ejemplo 2,2 m²)."}},
        NotesCase{"HeightAndWidthWithCommas",
                  nullptr,
                  "",
                  0.8,
                  {"", "1,4", "1,7"},
                  {"«Alto X Ancho» (alto) dice «1,4» y se leyó 1" + kPoint + " Escriba 1.4.",
                   "«Alto X Ancho» (ancho) dice «1,7» y se leyó 1" + kPoint + " Escriba 1.7."}},
        NotesCase{"HeightAndWidthEmpty",
                  nullptr,
                  "",
                  0.0,
                  {},
                  {"Sin resistencia del aire: «Alto X Ancho» da 0 m² (alto «» × 0.8 × ancho «»). Escriba el alto y el "
                   "ancho en m, por ejemplo 1.4 y 1.7."}},
        NotesCase{"ThousandsWrittenWithAPoint",
                  &CalcInput::mass,
                  "1.050",
                  2.0,
                  {},
                  {"«Peso del vehículo»: «1.050» se leyó 1.05 kg: ¿eran 1050 kg? Escriba 1050. Lo habitual es de 50 a "
                   "60000 kg."}},
        NotesCase{"TonnesForKilograms",
                  &CalcInput::mass,
                  "1.2",
                  2.0,
                  {},
                  {"«Peso del vehículo»: «1.2» se leyó 1.2 kg: ¿eran 1.2 t? Escriba 1200. Lo habitual es de 50 a 60000 "
                   "kg."}},
        NotesCase{"CxNoCarHas",
                  &CalcInput::dragCoefficient,
                  "0.05",
                  2.0,
                  {},
                  {"«Cx»: «0.05» se leyó 0.05. Lo habitual es de 0.15 a 1.2."}},
        NotesCase{
            "AreaTypedAsZero",
            nullptr,
            "",
            QStringLiteral("0,0"),
            {"0,0", "", ""},
            {"Sin resistencia del aire: «Area Frontal» dice «0,0», 0 m². Escriba el área en m², por ejemplo 2,2."}}),
    [](const ::testing::TestParamInfo<NotesCase>& info) { return std::string(info.param.name); });

TEST(PlausibilityNotes, NoneForOrdinaryVehicles)
{
    struct Vehicle {
        const char* name;
        std::array<QString, 6> gears;
        QString finalDrive, speed, massFactor, mass, tyreWidth, tyreAspect, rim, efficiency, cx, rolling, slope;
        double area;
    };
    // clang-format off
    for (const Vehicle& v : {
             Vehicle{"Lorry", {"14.9", "11.7", "9.0", "7.1", "5.5", "0.73"}, "3.1", "25", "1.1", "40000", "315", "80",
                     "22.5", "0.88", "0.6", "0.006", "6", 9.5},
             Vehicle{"Motorbike", {"2.6", "1.9", "1.5", "1.3", "1.1", "1.0"}, "6.2", "83", "1.15", "260", "180", "55",
                     "17", "0.9", "0.6", "0.02", "0", 0.6},
             Vehicle{"Van", {"3.7", "2.0", "1.3", "0.95", "0.75", ""}, "4.2", "40", "1.08", "3500", "225", "65",
                     "16", "0.9", "0.38", "0.012", "-3", 4.3}}) {
        // clang-format on
        CalcInput in = test::SaloonCar();
        in.gearRatio = v.gears;
        in.finalDrive = v.finalDrive;
        in.finalSpeed = v.speed;
        in.massFactor = v.massFactor;
        in.mass = v.mass;
        in.tyreWidth = v.tyreWidth;
        in.tyreAspect = v.tyreAspect;
        in.rimDiameter = v.rim;
        in.efficiency = v.efficiency;
        in.dragCoefficient = v.cx;
        in.rollingCoefficient = v.rolling;
        in.slopePercent = v.slope;
        EXPECT_EQ(PlausibilityNotes(in, WindowState{6, v.area}, test::DecimalComma()).join(u'|').toStdString(), "")
            << v.name;
    }
    EXPECT_EQ(SpeedInKmh(28, test::DecimalComma()), QStringLiteral("100,8 km/h"));
    EXPECT_EQ(SpeedInKmh(1000 / 3.6, test::DecimalComma()), QStringLiteral("1000 km/h")) << "no thousands point";
    EXPECT_EQ(KmhNumber(24.3, test::DecimalPoint(), 1), QStringLiteral("87.5")) << "the user's separator";
}

TEST(PlausibilityNotes, NameTheUsualRangeAndOnlyASlipThatFits)
{
    struct Case {
        const char* name;
        std::function<void(CalcInput&)> change;
        int gearCount;
        FrontalArea area;
        const char* notes;
    };
    const auto mass = [](const char* text) { return [text](CalcInput& in) { in.mass = text; }; };
    // clang-format off
    for (const Case& c : {
             Case{"MassAtTheTopOfTheRange", mass("60000"), 4, 2.0, ""},
             Case{"MassAboveTheRange", mass("70000"), 4, 2.0,
                  "«Peso del vehículo»: «70000» se leyó 70000 kg. Lo habitual es de 50 a 60000 kg."},
             Case{"MassNoTonnesExplain", mass("0.01"), 4, 2.0,
                  "«Peso del vehículo»: «0.01» se leyó 0.01 kg. Lo habitual es de 50 a 60000 kg."},
             Case{"ThousandsOutOfRangeReadAsTonnes", mass("1.000.000"), 4, 2.0,
                  "«Peso del vehículo»: «1.000.000» se leyó 1 kg: ¿eran 1 t? Escriba 1000. Lo habitual es de 50 a "
                  "60000 kg."},
             Case{"SpeedNoKmhExplains", [](CalcInput& in) { in.finalSpeed = "400"; }, 4, 2.0,
                  "«Velocidad Final»: «400» se leyó 400 m/s. Lo habitual es de 0 a 85 m/s (306 km/h)."},
             Case{"EfficiencyNoPercentageExplains", [](CalcInput& in) { in.efficiency = "150"; }, 4, 2.0,
                  "«Rendimiento Transmisión»: «150» se leyó 150. Lo habitual es de 0.6 a 1."},
             Case{"FinalDriveMissing", [](CalcInput& in) { in.finalDrive = ""; }, 4, 2.0,
                  "«Diferencial»: «» se leyó 0. Lo habitual es de 1 a 15."},
             Case{"GearOutOfRange", [](CalcInput& in) { in.gearRatio[3] = "50"; }, 4, 2.0,
                  "«Cuarta»: «50» se leyó 50. Lo habitual es de 0.3 a 20."},
             Case{"LockedFifthGearLeftOut", [](CalcInput& in) { in.gearRatio[4] = "50"; }, 4, 2.0, ""},
             Case{"AreaFromSidesTooLarge", [](CalcInput&) {}, 4, 13.0,
                  "«Alto X Ancho» da 13 m². Lo habitual es de 0,3 a 12 m²."},
             Case{"AreaTypedTooLarge", [](CalcInput&) {}, 4, QStringLiteral("25"),
                  "«Area Frontal»: «25» se leyó 25 m². Lo habitual es de 0,3 a 12 m²."}}) {
        // clang-format on
        CalcInput in = test::SaloonCar();
        c.change(in);
        EXPECT_EQ(
            PlausibilityNotes(in, WindowState{c.gearCount, c.area}, test::DecimalComma()).join(u'|').toStdString(),
            c.notes)
            << c.name;
    }
    // A refusal gets only the notes with a slip, and none for a box it quotes.
    CalcInput in = test::SaloonCar();
    in.dragCoefficient = "3";
    in.finalSpeed = "100";
    const WindowState state{4, 2.0};
    const auto hinted = [&](const QString& report) {
        return WithLikelySlips(CalcFault(FaultKind::InvalidInput, report), in, state, test::DecimalComma());
    };
    EXPECT_EQ(hinted(QStringLiteral("«Velocidad Final» dice «100».")).message(),
              QStringLiteral("«Velocidad Final» dice «100»."));
    const CalcFault slipped = hinted(QStringLiteral("No."));
    EXPECT_TRUE(slipped.message().startsWith(
        QStringLiteral("No. «Velocidad Final»: «100» se leyó 100 m/s: 100 m/s son 360 km/h")));
    EXPECT_EQ(slipped.box(), BoxId::FinalSpeed) << "a report that named no box points at the slip it hints";
}

} // namespace
} // namespace kinetra
