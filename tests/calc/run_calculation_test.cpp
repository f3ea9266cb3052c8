#include "kinetra/field_value.h"
#include "kinetra/run_calculation.h"
#include "notes/result_sentence.h"
#include "test_car.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <bit>
#include <cstdint>
#include <functional>
#include <tuple>

namespace kinetra {
namespace {

using test::FillAll;
using test::ParseSentence;

QString SentenceOf(const CalcOutcome& outcome)
{
    if (const auto* fault = std::get_if<CalcFault>(&outcome)) {
        ADD_FAILURE() << "fault: " << fault->message().toStdString();
        return {};
    }
    return std::get<QString>(outcome);
}

class RealisticCar : public ::testing::TestWithParam<QLocale> {};

TEST_P(RealisticCar, MatchesAFineStepIntegrationOfTheSamePhysics)
{
    const QLocale locale = GetParam();
    for (const auto& [from, to] : {std::pair{0, 28}, std::pair{10, 28}, std::pair{3, 40}}) {
        CalcInput in = test::SaloonCar();
        in.initialSpeed = QString::number(from);
        in.finalSpeed = QString::number(to);
        WindowState state = test::FourGearsWithArea(2.0);
        CalcTables tables;
        const auto parsed = ParseSentence(SentenceOf(RunCalculation(in, state, tables, locale)), locale);
        ASSERT_TRUE(parsed) << from << " to " << to;
        const test::ReferenceCar reference = test::SaloonReference(2.0);
        EXPECT_NEAR(parsed->seconds, reference.Seconds(from, to), 0.01 * reference.Seconds(from, to))
            << from << " to " << to;
        EXPECT_EQ(parsed->startGear, reference.BestGear(from + 0.5));
        EXPECT_EQ(parsed->finalGear, reference.BestGear(to - 0.5));
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, RealisticCar, ::testing::Values(test::DecimalComma(), test::DecimalPoint()),
                         [](const auto& info) { return info.index == 0 ? "DecimalComma" : "DecimalPoint"; });

TEST(RunCalculation, TimeIsWrittenWithTheLocalesSeparator)
{
    CalcInput in = test::SaloonCar();
    WindowState comma = test::FourGearsWithArea(2.0);
    WindowState point = comma;
    CalcTables t1;
    CalcTables t2;
    const QString withComma = SentenceOf(RunCalculation(in, comma, t1, test::DecimalComma()));
    const QString withPoint = SentenceOf(RunCalculation(in, point, t2, test::DecimalPoint()));
    EXPECT_TRUE(withComma.section(QStringLiteral(": "), -1).contains(QLatin1Char(',')));
    EXPECT_FALSE(withPoint.section(QStringLiteral(": "), -1).contains(QLatin1Char(',')));
    EXPECT_EQ(QString(withComma).replace(QLatin1Char(','), QLatin1Char('.')), withPoint);
}

TEST(RunCalculation, SettlesTheGearCount)
{
    for (const auto& [before, after] :
         {std::pair{0, 4}, std::pair{4, 4}, std::pair{5, 5}, std::pair{6, 6}, std::pair{7, 4}, std::pair{-1, 4}}) {
        CalcInput in = test::SaloonCar();
        in.gearRatio[4] = "0.8";
        in.gearRatio[5] = "0.7";
        WindowState state{before, 2.0};
        CalcTables tables;
        const auto parsed =
            ParseSentence(SentenceOf(RunCalculation(in, state, tables, test::DecimalPoint())), test::DecimalPoint());
        EXPECT_EQ(state.gearCount, after) << before;
        ASSERT_TRUE(parsed);
        EXPECT_LE(parsed->finalGear, after);
    }
}

TEST(RunCalculation, FrontalAreaTextIsReadWithTheLocale)
{
    CalcInput in = test::SaloonCar();
    WindowState asNumber{4, 2.0};
    WindowState asText{4, QStringLiteral("2,0")};
    CalcTables t1;
    CalcTables t2;
    EXPECT_EQ(SentenceOf(RunCalculation(in, asNumber, t1, test::DecimalComma())),
              SentenceOf(RunCalculation(in, asText, t2, test::DecimalComma())));
}

TEST(RunCalculation, RepeatedCalculationsInOneStoreMatchAFreshStore)
{
    CalcTables shared;
    const std::vector<std::pair<int, int>> runs{{0, 45}, {0, 28}, {5, 12}, {0, 3}, {20, 45}, {1, 2}};
    for (const auto& [from, to] : runs) {
        CalcInput in = test::SaloonCar();
        in.initialSpeed = QString::number(from);
        in.finalSpeed = QString::number(to);
        WindowState s1 = test::FourGearsWithArea(2.0);
        WindowState s2 = s1;
        CalcTables fresh;
        EXPECT_EQ(SentenceOf(RunCalculation(in, s1, shared, test::DecimalComma())),
                  SentenceOf(RunCalculation(in, s2, fresh, test::DecimalComma())))
            << from << " to " << to;
    }
}

// FNV-1a over the bits of the entries first .. last of each table in turn:
// a change of one unit in the last place of any of them changes it.
std::uint64_t Fingerprint(std::initializer_list<std::tuple<const Table&, int, int>> tables)
{
    std::uint64_t hash = 0xcbf29ce484222325;
    for (const auto& [table, first, last] : tables) {
        for (int i = first; i <= last; ++i) {
            const auto bits = std::bit_cast<std::uint64_t>(table.at(i));
            for (int byte = 0; byte < 8; ++byte) {
                hash = (hash ^ ((bits >> (8 * byte)) & 0xff)) * 0x100000001b3;
            }
        }
    }
    return hash;
}

// Cars whose sentences and table entries tests/calc/reference_cars.py works
// out apart from the library, each formula in the same grouping: a changed
// operator, grouping or constant of the calculation changes one of them.
struct RefCar {
    const char* name;
    int gearCount;
    FrontalArea area;
    QLocale locale;
    CalcInput in;
    const char* sentence;
    int steps;
    std::uint64_t tables; // Fingerprint of every entry written
};

TEST(ReferenceCars, GiveTheirExactSentencesAndTables)
{
    // One car a row, kept one field group a line: the table reads better than
    // any automatic layout of it.
    // clang-format off
    for (const RefCar& car : {
    RefCar{"FourGearsAreaTextFractionalStart", 4, QStringLiteral("2,05"), test::DecimalComma(),
           {.gearRatio = {"3.6", "2.15", "1.45", "1.05", "", ""}, .finalDrive = "4.3", .initialSpeed = "1.3",
            .finalSpeed = "30.3", .massFactor = "1.07", .mass = "1150", .tyreWidth = "205", .efficiency = "0.91",
            .dragCoefficient = "0.31", .rollingCoefficient = "0.014", .slopePercent = "1.5", .tyreAspect = "55",
            .rimDiameter = "16", .torqueCoefficient = {"95", "1.6", "-0.011", "2e-6", "-3e-9", "4e-12", "-2e-15"}},
           "   El resultado final es: Marcha inicial: 1; marcha final: 2; Tiempo empleado: 8,61927389457213",
           29, 0x8cda6286b89d93f7},
    RefCar{"FiveGearsTieChangesUp", 5, 2.1, test::DecimalPoint(),
           {.gearRatio = {"3.3", "1.9", "1.9", "1.3", "1.0", ""}, .finalDrive = "4.3", .initialSpeed = "0",
            .finalSpeed = "40", .massFactor = "1.07", .mass = "1150", .tyreWidth = "185", .efficiency = "0.91",
            .dragCoefficient = "0.31", .rollingCoefficient = "0.012", .slopePercent = "-17.5", .tyreAspect = "60",
            .rimDiameter = "15", .torqueCoefficient = {"95", "1.6", "-0.011", "2e-6", "-3e-9", "", ""}},
           "   El resultado final es: Marcha inicial: 1; marcha final: 4; Tiempo empleado: 9.02195281969987",
           40, 0x1ab3347de9c68f13},
    RefCar{"SixGearsUphill", 6, 1.45 * 0.8 * 1.75, test::DecimalPoint(),
           {.gearRatio = {"4.1", "2.6", "1.8", "1.35", "1.1", "0.9"}, .finalDrive = "4.3", .initialSpeed = "3",
            .finalSpeed = "42", .massFactor = "1.07", .mass = "1480", .tyreWidth = "185", .efficiency = "0.91",
            .dragCoefficient = "0.31", .rollingCoefficient = "0.012", .slopePercent = "3", .tyreAspect = "60",
            .rimDiameter = "15", .torqueCoefficient = {"95", "1.6", "-0.011", "2e-6", "-3e-9", "4e-12", "-2e-15"}},
           "   El resultado final es: Marcha inicial: 1; marcha final: 4; Tiempo empleado: 25.187656453899",
           39, 0x7a08ce95e8d685bc},
    RefCar{"ThreeSpeedBoxEmptyFourth", 4, 2.0, test::DecimalComma(),
           {.gearRatio = {"2.8", "1.5", "1.0", "", "", ""}, .finalDrive = "4.3", .initialSpeed = "0",
            .finalSpeed = "25", .massFactor = "1.07", .mass = "1150", .tyreWidth = "185", .efficiency = "0.91",
            .dragCoefficient = "0.31", .rollingCoefficient = "0.012", .slopePercent = "0", .tyreAspect = "60",
            .rimDiameter = "15", .torqueCoefficient = {"95", "1.6", "-0.011", "", "", "", ""}},
           "   El resultado final es: Marcha inicial: 1; marcha final: 2; Tiempo empleado: 7,1343876869532",
           25, 0xbf93d9c115df8143},
    RefCar{"CloseRatiosChangeUpStepAfterStep", 4, 2.0, test::DecimalComma(),
           {.gearRatio = {"3.5", "3.45", "3.4", "3.35", "", ""}, .finalDrive = "4.3", .initialSpeed = "0",
            .finalSpeed = "12", .massFactor = "1.07", .mass = "1150", .tyreWidth = "185", .efficiency = "0.91",
            .dragCoefficient = "0.31", .rollingCoefficient = "0.012", .slopePercent = "0", .tyreAspect = "60",
            .rimDiameter = "15", .torqueCoefficient = {"300", "-2", "", "", "", "", ""}},
           "   El resultado final es: Marcha inicial: 1; marcha final: 3; Tiempo empleado: 1,75576514163175",
           12, 0x86f5e8a3b35fd278},
    }) {
        // clang-format on
        WindowState state{car.gearCount, car.area};
        CalcTables t;
        EXPECT_EQ(SentenceOf(RunCalculation(car.in, state, t, car.locale)).toStdString(), car.sentence) << car.name;
        const int entries = car.steps + 1;
        EXPECT_EQ(Fingerprint({{t.RoadLoad, 1, entries},
                               {t.WheelSpeed, 1, entries},
                               {t.OverallRatio, 1, 6},
                               {t.StartAccelLow, 1, car.gearCount},
                               {t.StartAccelHigh, 1, car.gearCount},
                               {t.StartMeanAccel, 1, car.gearCount},
                               {t.StepTime, 1, car.steps}}),
                  car.tables)
            << car.name;

        // Traced, the same run: its steps add up, in order, to the very
        // total the tables hold, and it ends in the sentence's final gear.
        RunTrace trace;
        CalcTables traced;
        EXPECT_EQ(SentenceOf(RunCalculation(car.in, state, traced, car.locale, &trace)).toStdString(), car.sentence);
        ASSERT_EQ(trace.steps.size(), static_cast<std::size_t>(car.steps)) << car.name;
        double fromSteps = 0;
        double fromTable = 0;
        for (int s = 1; s <= car.steps; ++s) {
            fromSteps += trace.steps[static_cast<std::size_t>(s) - 1].seconds;
            fromTable += t.StepTime.at(s);
        }
        EXPECT_EQ(std::bit_cast<std::uint64_t>(fromSteps), std::bit_cast<std::uint64_t>(fromTable)) << car.name;
        EXPECT_EQ(ResultSentence(trace.startGear, trace.steps.back().gear, fromSteps, car.locale).toStdString(),
                  car.sentence);
        EXPECT_EQ(trace.steps.front().engineFrom, (t.WheelSpeed.at(1) * t.OverallRatio.at(trace.startGear)) * 60);
        // Every step, from a moving start too, goes 1 m/s up the grid, the
        // engine turning at the wheel speed of its ends times the gear's ratio.
        const double vi = FieldValue(car.in.initialSpeed);
        ASSERT_EQ(trace.gridSpeeds.size(), trace.steps.size() + 1) << car.name;
        for (std::size_t i = 0; i < trace.steps.size(); ++i) {
            const TraceStep& step = trace.steps[i];
            const int entry = static_cast<int>(i) + 1;
            EXPECT_NEAR(step.fromSpeed, vi + static_cast<double>(i), 1e-12) << car.name;
            EXPECT_NEAR(step.toSpeed, vi + static_cast<double>(i) + 1, 1e-12) << car.name;
            EXPECT_NEAR(trace.gridSpeeds[i + 1], step.toSpeed, 1e-12) << car.name;
            EXPECT_EQ(step.engineFrom, (t.WheelSpeed.at(entry) * t.OverallRatio.at(step.gear)) * 60) << car.name;
            EXPECT_EQ(step.engineTo, (t.WheelSpeed.at(entry + 1) * t.OverallRatio.at(step.gear)) * 60) << car.name;
        }
        EXPECT_NEAR(trace.gridSpeeds.front(), vi, 1e-12) << car.name;
        // A traction curve for every gear up to the top one with a ratio.
        int topGear = 0;
        for (int g = 1; g <= car.gearCount; ++g) {
            topGear = car.in.gearRatio[static_cast<std::size_t>(g - 1)].isEmpty() ? topGear : g;
        }
        EXPECT_EQ(trace.traction.back().gear, topGear) << car.name;
        // A step that keeps its gear reads that gear's traction curve.
        for (std::size_t i = 1; i < trace.steps.size(); ++i) {
            const TraceStep& step = trace.steps[i];
            if (step.gear == trace.steps[i - 1].gear) {
                EXPECT_EQ(step.accelerationTo, trace.traction.at(step.gear - 1).acceleration.at(i + 1)) << car.name;
            }
        }
    }
}

struct FaultCase {
    const char* name;
    std::function<void(CalcInput&, WindowState&)> change;
    FaultKind kind;
    QString inMessage; // the box, what was read there, what to type
    bool commaHint;    // a box read by the field rule has a comma after a digit
    // What the calculation had written before it stopped, and what it had not.
    std::function<void(const CalcTables&)> checkTables;
    // Does to the input what the report says to type, reading the numbers
    // from the report itself; following the advice must give a result.
    std::function<void(CalcInput&, WindowState&, const QString& report)> followAdvice = {};
};

// The text that follows `lead` in the report, up to the next blank, without
// the sentence's full stop: what the report says to type.
QString Advised(const QString& report, const QString& lead)
{
    const qsizetype at = report.indexOf(lead);
    EXPECT_GE(at, 0) << lead.toStdString() << " missing in: " << report.toStdString();
    QString word = report.mid(at + lead.size()).section(QLatin1Char(' '), 0, 0);
    if (word.endsWith(QLatin1Char('.'))) {
        word.chop(1);
    }
    return word;
}

QString Example(const QString& report)
{
    return Advised(report, QStringLiteral("por ejemplo "));
}

void Unsigned(QString& text)
{
    if (text.startsWith(QLatin1Char('-'))) {
        text.remove(0, 1);
    }
}

class Faults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(Faults, StopTheCalculationWithAClearReport)
{
    const FaultCase& c = GetParam();
    CalcInput in = test::SaloonCar();
    WindowState state = test::FourGearsWithArea(2.0);
    c.change(in, state);
    CalcTables tables;
    FillAll(tables, 7);
    const CalcOutcome outcome = RunCalculation(in, state, tables, test::DecimalComma());
    ASSERT_TRUE(std::holds_alternative<CalcFault>(outcome)) << std::get<QString>(outcome).toStdString();
    const CalcFault& fault = std::get<CalcFault>(outcome);
    EXPECT_EQ(fault.kind(), c.kind) << fault.message().toStdString();
    EXPECT_TRUE(fault.message().contains(c.inMessage)) << fault.message().toStdString();
    EXPECT_EQ(fault.message().contains(QStringLiteral("la coma corta el número")), c.commaHint)
        << fault.message().toStdString();
    EXPECT_FALSE(FaultTitle(fault.kind()).isEmpty());
    // One piece of advice a box: no box is quoted twice.
    const QRegularExpression quote(QStringLiteral("«[^»]+»( \\([a-z]+\\))? dice «[^»]*»"));
    QStringList quoted;
    for (const QRegularExpressionMatch& m : quote.globalMatch(fault.message())) {
        EXPECT_FALSE(quoted.contains(m.captured())) << fault.message().toStdString();
        quoted << m.captured();
    }
    c.checkTables(tables);
    if (c.followAdvice) {
        c.followAdvice(in, state, fault.message());
        CalcTables fresh;
        const CalcOutcome followed = RunCalculation(in, state, fresh, test::DecimalComma());
        EXPECT_TRUE(std::holds_alternative<QString>(followed))
            << fault.message().toStdString() << "\nthen: " << std::get<CalcFault>(followed).message().toStdString();
    }
}

void NothingWritten(const CalcTables& t)
{
    test::ExpectAllEntries(t, 7);
}

void RoadLoadOnly(const CalcTables& t)
{
    EXPECT_EQ(t.RoadLoad.at(0), 0);
    EXPECT_NEAR(t.RoadLoad.at(29), 0.015 * 9.81 * 1200 + 0.61 * 0.33 * 2 * 28 * 28, 1e-9);
    EXPECT_EQ(t.WheelSpeed.at(0), 0) << "the pass had begun";
    EXPECT_EQ(t.WheelSpeed.at(1), 7) << "the faulting entry is not written";
    EXPECT_EQ(t.OverallRatio.at(1), 7);
}

void SpeedTablesButNoAcceleration(const CalcTables& t)
{
    EXPECT_NEAR(t.WheelSpeed.at(11), 10 / 0.31725 / 6.28303384, 1e-12);
    EXPECT_DOUBLE_EQ(t.OverallRatio.at(1), 3.5 * 4.1);
    EXPECT_EQ(t.StartAccelLow.at(1), 7);
    EXPECT_EQ(t.StepTime.at(1), 7);
}

void UpToRoadLoadPassZero(const CalcTables& t)
{
    EXPECT_EQ(t.RoadLoad.at(0), 0);
    EXPECT_EQ(t.RoadLoad.at(1), 7);
    EXPECT_EQ(t.WheelSpeed.at(0), 7);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Faults,
    ::testing::Values(
        FaultCase{"EmptyTyresGiveWheelRadiusZero",
                  [](CalcInput& in, WindowState&) { in.tyreWidth = in.tyreAspect = in.rimDiameter = ""; },
                  FaultKind::DivisionByZero, QStringLiteral("«Ruedas» se lee como 0 / 0 R 0"), false, RoadLoadOnly,
                  [](CalcInput& in, WindowState&, const QString& r) {
                      const QStringList tyre = r.section(QStringLiteral("por ejemplo "), 1).split(QLatin1Char(' '));
                      in.tyreWidth = tyre.value(0);
                      in.tyreAspect = tyre.value(2);
                      in.rimDiameter = tyre.value(4).chopped(1);
                  }},
        FaultCase{"EmptyMassFactor", [](CalcInput& in, WindowState&) { in.massFactor = ""; },
                  FaultKind::InvalidInput, QStringLiteral("«Factor de masas» está en blanco"), false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) { in.massFactor = Example(r); }},
        FaultCase{"MassTooSmallForADouble",
                  [](CalcInput& in, WindowState&) { in.massFactor = in.mass = "1e-200"; }, FaultKind::DivisionByZero,
                  QStringLiteral("«Factor de masas» (1e-200) por «Peso del vehículo» (1e-200) da una masa de 0"),
                  false, SpeedTablesButNoAcceleration,
                  [](CalcInput& in, WindowState&, const QString& r) {
                      in.massFactor = Example(r);
                      in.mass = Advised(r, Example(r) + QStringLiteral(" y "));
                  }},
        FaultCase{"MassBelowZero", [](CalcInput& in, WindowState&) { in.mass = "-1"; }, FaultKind::InvalidInput,
                  QStringLiteral("«Peso del vehículo» dice «-1»: el peso del vehículo debe ser mayor que 0"), false,
                  NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) { in.mass = Example(r); }},
        FaultCase{"NegativeFinalDrive", [](CalcInput& in, WindowState&) { in.finalDrive = "-4.1"; },
                  FaultKind::InvalidInput, QStringLiteral("«Diferencial» dice «-4.1»"), false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString&) { Unsigned(in.finalDrive); }},
        FaultCase{"NegativeTyreAspect", [](CalcInput& in, WindowState&) { in.tyreAspect = "-65"; },
                  FaultKind::InvalidInput, QStringLiteral("«Ruedas» (perfil) dice «-65»"), false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString&) { Unsigned(in.tyreAspect); }},
        FaultCase{"NegativeEfficiency", [](CalcInput& in, WindowState&) { in.efficiency = "-0.9"; },
                  FaultKind::InvalidInput, QStringLiteral("«Rendimiento Transmisión» dice «-0.9»"), false,
                  NothingWritten,
                  [](CalcInput& in, WindowState&, const QString&) { Unsigned(in.efficiency); }},
        FaultCase{"NegativeDrag", [](CalcInput& in, WindowState&) { in.dragCoefficient = "-0.33"; },
                  FaultKind::InvalidInput, QStringLiteral("«Cx» dice «-0.33»"), false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString&) { Unsigned(in.dragCoefficient); }},
        FaultCase{"NegativeRolling", [](CalcInput& in, WindowState&) { in.rollingCoefficient = "-1e-3"; },
                  FaultKind::InvalidInput, QStringLiteral("«Coef. Rodadura» dice «-1e-3», que se lee como -0.001"),
                  false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString&) { Unsigned(in.rollingCoefficient); }},
        FaultCase{"NegativeAreaFromSides", [](CalcInput&, WindowState& s) { s.frontalArea = -2.0; },
                  FaultKind::InvalidInput, QStringLiteral("«Alto X Ancho» da un área frontal de -2 m²"), false,
                  NothingWritten,
                  [](CalcInput&, WindowState& s, const QString&) { s.frontalArea = 2.0; }},
        FaultCase{"NegativeAreaText", [](CalcInput&, WindowState& s) { s.frontalArea = QStringLiteral("-2,5"); },
                  FaultKind::InvalidInput, QStringLiteral("«Area Frontal» dice «-2,5», que se lee como -2,5 m²"),
                  false, NothingWritten,
                  [](CalcInput&, WindowState& s, const QString&) { s.frontalArea = QStringLiteral("2,5"); }},
        FaultCase{"AreaTextInThousands", [](CalcInput&, WindowState& s) { s.frontalArea = QStringLiteral("2.500"); },
                  FaultKind::TypeMismatch, QStringLiteral("con «,» como separador decimal y sin separador de miles"),
                  false, NothingWritten,
                  [](CalcInput&, WindowState& s, const QString& r) { s.frontalArea = Example(r); }},
        FaultCase{"OnlySixthTicked",
                  [](CalcInput& in, WindowState& s) {
                      in.gearRatio[5] = "0.7";
                      s.gearCount = 6;
                  },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Quinta» está en blanco, pero «Sexta», más alta, tiene relación 0.7: solo las últimas "
                                 "marchas pueden quedar sin relación. Escriba la relación de «Quinta» (si su cuadro "
                                 "está desactivado, marque antes su casilla), o quite la marca de la casilla de "
                                 "«Sexta»."),
                  false,
                  NothingWritten,
                  [](CalcInput&, WindowState& s, const QString&) { s.gearCount = 5; }},
        FaultCase{"SecondGearMissingAndACommaElsewhere",
                  [](CalcInput& in, WindowState&) {
                      in.gearRatio[1] = "";
                      in.slopePercent = "0,5";
                  },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Segunda» está en blanco, pero «Tercera», más alta, tiene relación 1.4: solo las "
                                 "últimas marchas pueden quedar sin relación. Escriba la relación de «Segunda», o "
                                 "borre las de «Tercera» a «Cuarta». Salvo en «Area Frontal», el separador decimal es el punto «.» y la coma "
                                 "corta el número. «Pendiente (%)» dice «0,5», que se lee como 0: escriba 0.5."),
                  true, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString&) { in.gearRatio[1] = "2.1"; }},
        FaultCase{"FieldTooLargeNamesTheField", [](CalcInput& in, WindowState&) { in.mass = "1e309"; },
                  FaultKind::Overflow, QStringLiteral("«Peso del vehículo» dice «1e309»"), false, NothingWritten},
        FaultCase{"SixthPowerOverflows",
                  [](CalcInput& in, WindowState&) { in.torqueCoefficient[6] = "1e308"; }, FaultKind::Overflow,
                  QStringLiteral("aceleración en 1.ª marcha a 1 m/s"), false,
                  [](const CalcTables& t) {
                      EXPECT_NE(t.StartAccelLow.at(1), 7) << "at rest the engine does not turn";
                      EXPECT_EQ(t.StartAccelHigh.at(1), 7);
                  }},
        FaultCase{"DragOverflows",
                  [](CalcInput& in, WindowState& s) {
                      in.dragCoefficient = "1e10";
                      s.frontalArea = 1e300;
                  },
                  FaultKind::Overflow, QStringLiteral("resistencia al avance a 0 m/s: revise «Cx» (10000000000)"), false,
                  UpToRoadLoadPassZero},
        FaultCase{"AreaTextNotANumber",
                  [](CalcInput&, WindowState& s) { s.frontalArea = QStringLiteral("2.0"); },
                  FaultKind::TypeMismatch, QStringLiteral("«Area Frontal» dice «2.0»"), false, NothingWritten,
                  [](CalcInput&, WindowState& s, const QString& r) { s.frontalArea = Example(r); }},
        FaultCase{"EmptyAreaTextIsNotUnset", [](CalcInput&, WindowState& s) { s.frontalArea = QString(); },
                  FaultKind::TypeMismatch, QStringLiteral("«Area Frontal» está en blanco"), false, NothingWritten,
                  [](CalcInput&, WindowState& s, const QString& r) { s.frontalArea = Example(r); }},
        FaultCase{"DecimalCommaEfficiencyLeavesNoStartingGear",
                  [](CalcInput& in, WindowState&) { in.efficiency = "0,9"; }, FaultKind::NoStartingGear,
                  QStringLiteral("«Rendimiento Transmisión» dice «0,9», que se lee como 0, y con un rendimiento de 0"), true,
                  [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString& r) { in.efficiency = Example(r); }},
        FaultCase{"TooSteepToMoveOff",
                  [](CalcInput& in, WindowState&) {
                      in.gearRatio[0] = "0.01";  // a first gear that adds next to nothing makes second the best
                      in.slopePercent = "80";
                  },
                  FaultKind::CannotAccelerate,
                  QStringLiteral("no puede pasar de 0 m/s: en 2.ª marcha, entre 0 y 1 m/s, la fuerza del motor en las "
                                 "ruedas no supera la resistencia al avance. Ya falla el primer paso: el vehículo "
                                 "arranca con el par de «C0» (80 N·m), el del motor a 0 rev/s, y para acelerar desde 0 "
                                 "m/s hace falta más par motor a pocas vueltas, de 0 a 4 rev/s, una relación mayor en "
                                 "«Segunda» o menos carga; eso no cambia con «Velocidad Final»."),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString&) { in.slopePercent = "8"; }},
        FaultCase{"NoTorqueAtRest", [](CalcInput& in, WindowState&) { in.torqueCoefficient[0] = "0"; },
                  FaultKind::CannotAccelerate,
                  QStringLiteral("Ya falla el primer paso: el vehículo arranca con el par de «C0» (0 N·m), el del motor "
                                 "a 0 rev/s, y para acelerar desde 0 m/s hace falta más par motor a pocas vueltas, de 0 "
                                 "a 7 rev/s, una relación mayor en «Primera» o menos carga; eso no cambia con «Velocidad "
                                 "Final». El par a pocas vueltas se puede ajustar con «Curva de par…». Revise los datos "
                                 "que deciden la fuerza y la resistencia: «Primera» (3.5), «Segunda» (2.1), «Tercera» "
                                 "(1.4), «Cuarta» (1), «Diferencial» (4.1), «Rendimiento Transmisión» (0.9), «C0» (0)"),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString&) { in.torqueCoefficient[0] = "80"; }},
        FaultCase{"TopSpeedBelowTheFinalSpeed",
                  [](CalcInput& in, WindowState&) {
                      in.initialSpeed = "10";
                      in.finalSpeed = "80";
                  },
                  FaultKind::CannotAccelerate,
                  QStringLiteral("no puede pasar de 56 m/s (202 km/h): en 4.ª marcha, entre 56 y 57 m/s, la fuerza del "
                                 "motor en las "
                                 "ruedas no supera la resistencia al avance. Escriba en «Velocidad Final» 56 o menos, o, "
                                 "para llegar más lejos, revise los datos que deciden la fuerza y la resistencia: "),
                  false, [](const CalcTables& t) { EXPECT_NE(t.StepTime.at(46), 7); },
                  [](CalcInput& in, WindowState&, const QString& r) {
                      in.finalSpeed = Advised(r, QStringLiteral("Escriba en «Velocidad Final» "));
                  }},
        FaultCase{"FinalSpeedTypedInKmh", [](CalcInput& in, WindowState&) { in.finalSpeed = "100"; },
                  FaultKind::CannotAccelerate,
                  QStringLiteral("no puede pasar de 56 m/s (202 km/h): en 4.ª marcha"), false,
                  [](const CalcTables& t) { EXPECT_NE(t.StepTime.at(46), 7); },
                  [](CalcInput& in, WindowState&, const QString& r) {
                      EXPECT_TRUE(r.contains(QStringLiteral("«Velocidad Final»: «100» se leyó 100 m/s: 100 m/s son "
                                                            "360 km/h; 100 km/h son 27,78 m/s.")));
                      in.finalSpeed = Advised(r, QStringLiteral("Si eran km/h, escriba "));
                  }},
        FaultCase{"NegativeTorqueAtRest", [](CalcInput& in, WindowState&) { in.torqueCoefficient[0] = "-104"; },
                  FaultKind::NoStartingGear,
                  QStringLiteral("Ninguna marcha puede arrancar a 0 m/s: el vehículo arranca con el par de «C0» (-104 "
                                 "N·m), el del motor a 0 rev/s, y en ninguna marcha ese par vence la resistencia al "
                                 "avance: un par de 0 o negativo no mueve el vehículo. Escriba en «C0» el par del motor "
                                 "a pocas vueltas. El par a pocas vueltas se puede ajustar con «Curva de par…»."),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString&) { in.torqueCoefficient[0] = "80"; }},
        FaultCase{"RollingCoefficientAsAPercentage", [](CalcInput& in, WindowState&) { in.rollingCoefficient = "1.5"; },
                  FaultKind::NoStartingGear,
                  QStringLiteral("«Coef. Rodadura»: «1.5» se leyó 1.5: ¿era un 1.5 %? Escriba 0.015. Lo habitual es de "
                                 "0.004 a 0.05."),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString& r) {
                      in.rollingCoefficient = Advised(r, QStringLiteral("%? Escriba "));
                  }},
        FaultCase{"AreaFromSidesInCentimetres", [](CalcInput&, WindowState& s) { s.frontalArea = 145 * 0.8 * 175.0; },
                  FaultKind::CannotAccelerate,
                  QStringLiteral("«Alto X Ancho» da 20300 m²: ¿eran el alto y el ancho en cm? Escríbalos en m. Lo "
                                 "habitual es de 0,3 a 12 m²."),
                  false, [](const CalcTables&) {},
                  [](CalcInput&, WindowState& s, const QString&) { s.frontalArea = 1.45 * 0.8 * 1.75; }},
        FaultCase{"TooLittleTorqueAtRestUphill",
                  [](CalcInput& in, WindowState&) {
                      in.torqueCoefficient[0] = "1"; // the engine pulls once it turns, but not at rest
                      in.slopePercent = "2";
                  },
                  FaultKind::NoStartingGear,
                  QStringLiteral("Ninguna marcha puede arrancar a 0 m/s: el vehículo arranca con el par de «C0» (1 N·m), "
                                 "el del motor a 0 rev/s, y en ninguna marcha ese par vence la resistencia al avance. "
                                 "Escriba en «C0»"),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString&) { in.torqueCoefficient[0] = "80"; }},
        FaultCase{"FirstStepFailsAtSpeed",
                  [](CalcInput& in, WindowState&) {
                      in.initialSpeed = "55.5";
                      in.finalSpeed = "58";
                  },
                  FaultKind::CannotAccelerate,
                  QStringLiteral("Ya falla el primer paso, y eso no cambia con «Velocidad Final»: para acelerar desde "
                                 "55.5 m/s hace falta más par motor entre 114 y 116 rev/s, lo que gira el motor en ese paso, una "
                                 "relación mayor en «Cuarta» o menos carga."),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString&) {
                      in.initialSpeed = "40";
                      in.finalSpeed = "55";
                  }},
        FaultCase{"StepTimePastTheLargestNumber",
                  [](CalcInput& in, WindowState& s) {
                      // No load at all, and a torque so small that the
                      // acceleration is a subnormal number: 1 / a overflows.
                      in.initialSpeed = "10";
                      in.finalSpeed = "12";
                      in.mass = "1e308";
                      in.torqueCoefficient = {"1e-10", "", "", "", "", "", ""};
                      in.rollingCoefficient = "0";
                      s.frontalArea = 0.0;
                  },
                  FaultKind::Overflow,
                  QStringLiteral("Pasó al calcular el tiempo del paso de 10 a 11 m/s, en el que el vehículo apenas "
                                 "acelera."),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); }},
        FaultCase{"NoTorqueAtRestAndNoLoad",
                  [](CalcInput& in, WindowState& s) {
                      // At rest the acceleration is exactly 0, not a little above.
                      in.torqueCoefficient = {"0", "1", "", "", "", "", ""};
                      in.rollingCoefficient = "0";
                      s.frontalArea = 0.0;
                  },
                  FaultKind::CannotAccelerate,
                  QStringLiteral("El vehículo no puede pasar de 0 m/s: en 1.ª marcha, entre 0 y 1 m/s, la fuerza del "
                                 "motor en las ruedas no supera la resistencia al avance. Ya falla el primer paso: el "
                                 "vehículo arranca con el par de «C0» (0 N·m)"),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString&) { in.torqueCoefficient[0] = "80"; }},
        FaultCase{"RollingResistanceBeatsEveryGear", [](CalcInput& in, WindowState&) { in.rollingCoefficient = "0.5"; },
                  FaultKind::NoStartingGear,
                  QStringLiteral("Ninguna marcha puede arrancar a 0 m/s: en ninguna marcha la fuerza del motor en las "
                                 "ruedas supera la resistencia al avance. Para arrancar hace falta más par motor, "
                                 "relaciones mayores o menos carga. Revise los datos que deciden la fuerza y la "
                                 "resistencia: «Primera» (3.5), «Segunda» (2.1), «Tercera» (1.4), «Cuarta» (1), "
                                 "«Diferencial» (4.1), «Rendimiento Transmisión» (0.9), «C0» (80), «N» (2), «N2» "
                                 "(-0.014), «N3» (0), «N4» (0), «N5» (0), «N6» (0), «Ruedas» (195 / 65 R 15), «Peso del "
                                 "vehículo» (1200), «Factor de masas» (1.06), «Cx» (0.33), el área frontal (2 m²), "
                                 "«Coef. Rodadura» (0.5) y «Pendiente (%)» (0)."),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); }},
        FaultCase{"NoFinalDrive", [](CalcInput& in, WindowState&) { in.finalDrive = ""; }, FaultKind::NoStartingGear,
                  QStringLiteral("«Diferencial» está en blanco, y sin diferencial el motor no mueve las ruedas en "
                                 "ninguna marcha. Escriba la relación del diferencial, por ejemplo 4.1."),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString& r) { in.finalDrive = Example(r); }},
        FaultCase{"NoGearHasARatio",
                  [](CalcInput& in, WindowState&) {
                      in.gearRatio = {"", "", "", "", "", ""};
                      in.finalSpeed = "10";
                  },
                  FaultKind::NoStartingGear,
                  QStringLiteral("Ninguna marcha puede arrancar: ninguna tiene relación. Escriba la relación de "
                                 "«Primera», por ejemplo 3.5."),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString& r) { in.gearRatio[0] = Example(r); }},
        FaultCase{"FirstAndSecondAlike", [](CalcInput& in, WindowState&) { in.gearRatio[1] = "3.5"; },
                  FaultKind::NoStartingGear,
                  QStringLiteral("«Primera» y «Segunda» tienen la misma relación (3.5), así que empujan igual y "
                                 "ninguna de las dos acelera más que la otra. Escriba en «Segunda» una relación menor "
                                 "que la de «Primera»; para un coche de una sola marcha, deje vacías «Segunda», "
                                 "«Tercera» y «Cuarta»."),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString&) { in.gearRatio[1] = "2.1"; }},
        FaultCase{"ThirdAndFourthAlikeAtSpeed",
                  [](CalcInput& in, WindowState&) {
                      in.gearRatio[2] = "1";
                      in.initialSpeed = "45";
                      in.finalSpeed = "46";
                  },
                  FaultKind::NoStartingGear,
                  QStringLiteral("«Tercera» y «Cuarta» tienen la misma relación (1), así que empujan igual y ninguna "
                                 "de las dos acelera más que la otra. Escriba en «Cuarta» una relación menor que la de "
                                 "«Tercera»; para un coche de una sola marcha, deje vacías «Segunda», «Tercera» y "
                                 "«Cuarta»."),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString&) { in.gearRatio[3] = "0.8"; }},
        FaultCase{"MassTooLargeForTheCalculation", [](CalcInput& in, WindowState&) { in.mass = "1.7e308"; },
                  FaultKind::Overflow,
                  QStringLiteral("«Factor de masas» (1.06) por «Peso del vehículo» (1.7e+308) da una masa demasiado "
                                 "grande para el cálculo"),
                  false, SpeedTablesButNoAcceleration,
                  [](CalcInput& in, WindowState&, const QString& r) {
                      in.massFactor = Example(r);
                      in.mass = Advised(r, Example(r) + QStringLiteral(" y "));
                  }},
        FaultCase{"ForceAtTheWheelsTooLarge",
                  [](CalcInput& in, WindowState&) {
                      in.gearRatio = {"1e154", "", "", "", "", ""};
                      in.finalDrive = "1e154";
                  },
                  FaultKind::Overflow,
                  QStringLiteral("La fuerza en las ruedas sale demasiado grande: revise «Primera» (1e+154), "
                                 "«Diferencial» (1e+154), «Rendimiento Transmisión» (0.9), el par motor (80 N·m)"),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StartAccelLow.at(1), 7); }},
        FaultCase{"EfficiencyOfAHundredPercent", [](CalcInput& in, WindowState&) { in.efficiency = "100"; },
                  FaultKind::InvalidInput, QStringLiteral("un 100 % se escribe 1."), false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) {
                      in.efficiency = Advised(r, QStringLiteral("se escribe "));
                  }},
        FaultCase{"OverallRatioOverflows",
                  [](CalcInput& in, WindowState&) {
                      in.gearRatio[1] = "1e300";
                      in.finalDrive = "1e10";
                  },
                  FaultKind::Overflow,
                  QStringLiteral("Pasó al multiplicar «Segunda» (1e+300) por «Diferencial» (10000000000)"), false,
                  [](const CalcTables& t) { EXPECT_EQ(t.OverallRatio.at(2), 7); }},
        FaultCase{"OverflowAtAMovingStartNamesItsSpeed",
                  [](CalcInput& in, WindowState&) {
                      in.initialSpeed = "10";
                      in.torqueCoefficient[6] = "1e308";
                  },
                  FaultKind::Overflow, QStringLiteral("aceleración en 1.ª marcha a 10 m/s."), false,
                  [](const CalcTables& t) { EXPECT_EQ(t.StartAccelLow.at(1), 7); }},
        // Ratio x efficiency x torque just below the largest double: only the
        // division by the wheel radius, then the road's pull downhill, pass it.
        FaultCase{"ForceAtTheWheelsJustPastTheLargest",
                  [](CalcInput& in, WindowState&) {
                      in.gearRatio = {"1e153", "", "", "", "", ""};
                      in.finalDrive = "2.3e153";
                  },
                  FaultKind::Overflow, QStringLiteral("La fuerza en las ruedas sale demasiado grande"), false,
                  [](const CalcTables& t) { EXPECT_EQ(t.StartAccelLow.at(1), 7); }},
        FaultCase{"DownhillLoadPushesTheNetForcePastTheLargest",
                  [](CalcInput& in, WindowState&) {
                      in.gearRatio = {"1e153", "", "", "", "", ""};
                      in.finalDrive = "6.6e152";
                      in.mass = "1e307";
                      in.slopePercent = "-100";
                  },
                  FaultKind::Overflow, QStringLiteral("La fuerza en las ruedas sale demasiado grande"), false,
                  [](const CalcTables& t) { EXPECT_EQ(t.StartAccelLow.at(1), 7); }},
        FaultCase{"NoTorqueNoLoad",
                  [](CalcInput& in, WindowState& s) {
                      in.torqueCoefficient = {"", "", "", "", "", "", ""};
                      in.rollingCoefficient = "0";
                      s.frontalArea = 0.0;
                  },
                  FaultKind::NoStartingGear,
                  QStringLiteral("el vehículo arranca con el par de «C0» (0 N·m), el del motor a 0 rev/s, y en ninguna "
                                 "marcha ese par vence la resistencia al avance: un par de 0 o negativo no mueve el "
                                 "vehículo."),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString&) {
                      in.torqueCoefficient = test::SaloonCar().torqueCoefficient;
                  }},
        FaultCase{"EfficiencyAsAPercentage", [](CalcInput& in, WindowState&) { in.efficiency = "85"; },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Rendimiento Transmisión» dice «85»: el rendimiento no puede ser mayor que 1. "
                                 "Escríbalo como fracción de 0 a 1: un 85 % se escribe 0.85."),
                  false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) {
                      in.efficiency = Advised(r, QStringLiteral("se escribe "));
                  }},
        FaultCase{"FinalSpeedZero", [](CalcInput& in, WindowState&) { in.finalSpeed = "0"; }, FaultKind::InvalidInput,
                  QStringLiteral("Escriba en «Velocidad Final» 1 o más."), false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) {
                      in.finalSpeed = Advised(r, QStringLiteral("Escriba en «Velocidad Final» "));
                  }},
        FaultCase{"FinalSpeedWithADecimalComma", [](CalcInput& in, WindowState&) { in.finalSpeed = "0,5"; },
                  FaultKind::InvalidInput,
                  QStringLiteral("Escriba en «Velocidad Final» 1 o más. Salvo en «Area Frontal», el separador decimal "
                                 "es el punto «.» y la coma corta el número."),
                  true, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) {
                      in.finalSpeed = Advised(r, QStringLiteral("Escriba en «Velocidad Final» "));
                  }},
        FaultCase{"BothSpeedsEmpty", [](CalcInput& in, WindowState&) { in.initialSpeed = in.finalSpeed = ""; },
                  FaultKind::InvalidInput,
                  QStringLiteral("Escriba en «Velocidad Inicial» la velocidad de partida en m/s (0 si parte del "
                                 "reposo) y en «Velocidad Final» una velocidad mayor en 1 m/s por lo menos: con 0 de "
                                 "partida, 1 o más."),
                  false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) {
                      in.initialSpeed = Advised(r, QStringLiteral("(")); // "0 si parte del reposo"
                      in.finalSpeed = Advised(r, QStringLiteral("de partida, "));
                  }},
        FaultCase{"NegativeInitialSpeed", [](CalcInput& in, WindowState&) { in.initialSpeed = "-1"; },
                  FaultKind::InvalidInput, QStringLiteral("«Velocidad Inicial» dice «-1»"), false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) {
                      in.initialSpeed = Advised(r, QStringLiteral("en m/s, "));
                  }},
        FaultCase{"FirstGearMissing", [](CalcInput& in, WindowState&) { in.gearRatio[0] = ""; },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Primera» está en blanco, pero «Segunda», más alta, tiene relación 2.1: solo las "
                                 "últimas marchas pueden quedar sin relación. Escriba la relación de «Primera»."),
                  false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString&) { in.gearRatio[0] = "3.5"; }},
        FaultCase{"ThirdGearMissingBelowTheTop", [](CalcInput& in, WindowState&) { in.gearRatio[2] = ""; },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Tercera» está en blanco, pero «Cuarta», más alta, tiene relación 1: solo las "
                                 "últimas marchas pueden quedar sin relación. Escriba la relación de «Tercera», o borre "
                                 "la de «Cuarta»."),
                  false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString&) { in.gearRatio[3] = ""; }},
        FaultCase{"FourthMissingBelowFifthAndSixth",
                  [](CalcInput& in, WindowState& s) {
                      in.gearRatio = {"3.5", "2.1", "1.4", "", "0.8", "0.7"};
                      s.gearCount = 6;
                  },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Cuarta» está en blanco, pero «Quinta», más alta, tiene relación 0.8: solo las "
                                 "últimas marchas pueden quedar sin relación. Escriba la relación de «Cuarta», o quite "
                                 "la marca de las casillas de «Quinta» y «Sexta»."),
                  false, NothingWritten, [](CalcInput&, WindowState& s, const QString&) { s.gearCount = 4; }},
        FaultCase{"FourHundredSteps", [](CalcInput& in, WindowState&) { in.finalSpeed = "400"; },
                  FaultKind::InvalidInput,
                  QStringLiteral("la velocidad final supera a la inicial en 400 m/s o más, y el cálculo admite hasta "
                                 "399 pasos de 1 m/s. Escriba en «Velocidad Final» menos de 400."),
                  false, NothingWritten},
        FaultCase{"RedLineReadAsZero", [](CalcInput& in, WindowState&) { in.limits.redLine = "seis mil"; },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Régimen máximo» dice «seis mil», que se lee como 0: el régimen máximo debe ser "
                                 "mayor que 0."),
                  false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) { in.limits.redLine = Example(r); }},
        FaultCase{"LaunchAtTheRedLine",
                  [](CalcInput& in, WindowState&) { in.limits.redLine = in.limits.launchSpeed = "4500"; },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Régimen de salida» dice «4500» y «Régimen máximo» dice «4500»: el motor sale con "
                                 "el embrague patinando, por debajo de su régimen máximo. Escriba en «Régimen de "
                                 "salida» menos de 4500, por ejemplo 2000."),
                  false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) { in.limits.launchSpeed = Example(r); }},
        FaultCase{"NegativeShiftTime", [](CalcInput& in, WindowState&) { in.limits.shiftTime = "-0.3"; },
                  FaultKind::InvalidInput, QStringLiteral("«Tiempo de cambio» dice «-0.3»"), false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) { in.limits.shiftTime = Example(r); }},
        FaultCase{"ShiftTimeInMilliseconds", [](CalcInput& in, WindowState&) { in.limits.shiftTime = "300"; },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Tiempo de cambio» dice «300»: un cambio de marcha no dura más de 5 s. Escriba el "
                                 "tiempo en segundos: si son 300 ms, escriba 0.3."),
                  false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) {
                      in.limits.shiftTime = Advised(r, QStringLiteral(" ms, escriba "));
                  }},
        FaultCase{"GripZero", [](CalcInput& in, WindowState&) { in.limits.grip = "0";
 in.limits.drivenShare = "60"; },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Adherencia μ» dice «0»: el coeficiente de adherencia debe ser mayor que 0 y no "
                                 "mayor que 3."),
                  false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) { in.limits.grip = Example(r); }},
        FaultCase{"GripAboveThree", [](CalcInput& in, WindowState&) { in.limits.grip = "9";
 in.limits.drivenShare = "60"; },
                  FaultKind::InvalidInput, QStringLiteral("«Adherencia μ» dice «9»"), false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) { in.limits.grip = Example(r); }},
        FaultCase{"ShareAboveAHundred",
                  [](CalcInput& in, WindowState&) { in.limits.grip = "0.9";
 in.limits.drivenShare = "160"; },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Peso en el eje motriz» dice «160»: es el porcentaje del peso del vehículo que carga "
                                 "el eje motriz, de 0 a 100."),
                  false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) { in.limits.drivenShare = Example(r); }},
        FaultCase{"GripWithoutShareAndACommaInTheShiftTime",
                  [](CalcInput& in, WindowState&) { in.limits.shiftTime = "0,3";
 in.limits.grip = "0.9"; },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Adherencia μ» dice «0.9», pero «Peso en el eje motriz» está en blanco: la fuerza "
                                 "que admiten los neumáticos depende de la adherencia y del peso en el eje motriz. "
                                 "Escriba en «Peso en el eje motriz» el porcentaje del peso que carga el eje motriz, "
                                 "por ejemplo 60, o deje en blanco «Adherencia μ». Salvo en «Area Frontal», el "
                                 "separador decimal es el punto «.» y la coma corta el número. «Tiempo de cambio» "
                                 "dice «0,3», que se lee como 0: escriba 0.3."),
                  true, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) { in.limits.drivenShare = Example(r); }},
        FaultCase{"ShareWithoutGrip", [](CalcInput& in, WindowState&) { in.limits.drivenShare = "60"; },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Peso en el eje motriz» dice «60», pero «Adherencia μ» está en blanco"), false,
                  NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) { in.limits.grip = Example(r); }},
        FaultCase{"CgHeightZero",
                  [](CalcInput& in, WindowState&) {
                      in.limits.cgHeight = "0";
                      in.limits.wheelbase = "2.6";
                      in.limits.drivenAxle = "trasero";
                  },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Altura del centro de gravedad» dice «0»: es la altura del centro de gravedad sobre "
                                 "el suelo, en m, mayor que 0."),
                  false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) { in.limits.cgHeight = Example(r); }},
        FaultCase{"NegativeWheelbase",
                  [](CalcInput& in, WindowState&) {
                      in.limits.cgHeight = "0.5";
                      in.limits.wheelbase = "-2.6";
                      in.limits.drivenAxle = "trasero";
                  },
                  FaultKind::InvalidInput, QStringLiteral("«Batalla» dice «-2.6»: es la distancia entre los ejes"),
                  false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) { in.limits.wheelbase = Example(r); }},
        FaultCase{"HeightWithoutWheelbase", [](CalcInput& in, WindowState&) { in.limits.cgHeight = "0.55"; },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Altura del centro de gravedad» dice «0.55», pero «Batalla» está en blanco"), false,
                  NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) {
                      in.limits.wheelbase = Example(r);
                      in.limits.drivenAxle = "delantero";
                  }},
        FaultCase{"HeightAndWheelbaseWithoutAxle",
                  [](CalcInput& in, WindowState&) {
                      in.limits.cgHeight = "0.55";
                      in.limits.wheelbase = "2.6";
                  },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Altura del centro de gravedad» y «Batalla» están escritas, pero en «Eje motriz» no "
                                 "se eligió ninguno"),
                  false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString&) { in.limits.drivenAxle = "trasero"; }},
        FaultCase{"FrontWheelsWouldLift",
                  [](CalcInput& in, WindowState&) {
                      in.limits.grip = "1.2";
                      in.limits.drivenShare = "50";
                      in.limits.cgHeight = "2.5";
                      in.limits.wheelbase = "2.5";
                      in.limits.drivenAxle = "trasero";
                  },
                  FaultKind::InvalidInput,
                  QStringLiteral("con μ × altura / batalla = 1.2, 1 o más, las ruedas delanteras se levantarían"),
                  false, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) {
                      in.limits.cgHeight = Advised(r, QStringLiteral("altura (por ejemplo "));
                  }},
        FaultCase{"BothAxlesWithAShare",
                  [](CalcInput& in, WindowState&) {
                      in.limits.grip = "1";
                      in.limits.drivenShare = "60";
                      in.limits.drivenAxle = "los dos";
                  },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Peso en el eje motriz» dice «60», pero en «Eje motriz» se eligió «los dos»"), false,
                  NothingWritten, [](CalcInput& in, WindowState&, const QString&) { in.limits.drivenShare = "100"; }},
        // With a limit set the run has its own start and stall reports: the
        // same reasons, told the same way.
        FaultCase{"RollingResistanceBeatsEveryGearUnderARedLine",
                  [](CalcInput& in, WindowState&) {
                      in.rollingCoefficient = "0.5";
                      in.limits.redLine = "6000";
                  },
                  FaultKind::NoStartingGear,
                  QStringLiteral("Ninguna marcha puede arrancar a 0 m/s: en ninguna marcha la fuerza del motor en las "
                                 "ruedas supera la resistencia al avance."),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString&) { in.rollingCoefficient = "0.015"; }},
        FaultCase{"EveryGearPastTheRedLineAtTheStart",
                  [](CalcInput& in, WindowState&) {
                      in.initialSpeed = "20";
                      in.finalSpeed = "25";
                      in.limits.redLine = "1000";
                  },
                  FaultKind::NoStartingGear, // 4.1 × 20 m/s / 1.99337 m a turn × 60 = 2468 rev/min; 1000 rev/min
                  // in 4.ª is 8.10 m/s.
                  QStringLiteral("Ninguna marcha puede arrancar a 20 m/s (72,0 km/h): hasta en 4.ª el motor giraría a "
                                 "2468 rev/min, y el «Régimen máximo» es 1000 rev/min. Escriba en «Velocidad Inicial» "
                                 "menos de 8.1, o un «Régimen máximo» mayor."),
                  false, [](const CalcTables& t) { EXPECT_EQ(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString&) { in.limits.redLine = "6000"; }},
        FaultCase{"SecondGearCannotPullWhereFirstReachesTheRedLine",
                  [](CalcInput& in, WindowState&) {
                      in.slopePercent = "25";
                      in.limits.redLine = "2000";
                  },
                  FaultKind::CannotAccelerate,
                  QStringLiteral("en 2.ª marcha la fuerza del motor en las ruedas no supera la resistencia al avance."),
                  false,
                  [](const CalcTables& t) {
                      EXPECT_GT(t.StepTime.at(1), 0);
                      EXPECT_NE(t.StepTime.at(1), 7);
                  }},
        // One gear at a constant torque tops out where its force meets
        // 176.6 N + 0.4026·v²: 20.18 N·m give 821.5 N and 40.02 m/s, within the
        // first half of the sub-step from 40 m/s; 4.3481 N·m give 1.03 m/s,
        // a whole step; 4.3447 N·m give 0.85 m/s, not one.
        FaultCase{"OneGearTopsOutWithinASubStep",
                  [](CalcInput& in, WindowState&) {
                      in.gearRatio = {"3.5", "", "", "", "", ""};
                      in.torqueCoefficient = {"20.18", "0", "0", "0", "0", "0", "0"};
                      in.initialSpeed = "10";
                      in.finalSpeed = "45";
                      in.limits.shiftTime = "0.3";
                  },
                  FaultKind::CannotAccelerate,
                  QStringLiteral("El vehículo no puede pasar de 40 m/s (144,0 km/h): en 1.ª marcha la fuerza del "
                                 "motor en las ruedas no supera la resistencia al avance. Escriba en «Velocidad "
                                 "Final» 40 o menos"),
                  false, [](const CalcTables& t) { EXPECT_NE(t.StepTime.at(30), 7); },
                  [](CalcInput& in, WindowState&, const QString& r) {
                      in.finalSpeed = Advised(r, QStringLiteral("Escriba en «Velocidad Final» "));
                  }},
        FaultCase{"OneGearTopsOutAfterAWholeStep",
                  [](CalcInput& in, WindowState&) {
                      in.gearRatio = {"3.5", "", "", "", "", ""};
                      in.torqueCoefficient = {"4.3481", "0", "0", "0", "0", "0", "0"};
                      in.limits.shiftTime = "0.3";
                  },
                  FaultKind::CannotAccelerate,
                  QStringLiteral("El vehículo no puede pasar de 1 m/s (3,6 km/h): en 1.ª marcha la fuerza del motor "
                                 "en las ruedas no supera la resistencia al avance. Escriba en «Velocidad Final» 1 o "
                                 "menos"),
                  false, [](const CalcTables& t) { EXPECT_NE(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString& r) {
                      in.finalSpeed = Advised(r, QStringLiteral("Escriba en «Velocidad Final» "));
                  }},
        FaultCase{"OneGearTopsOutWithinTheFirstStep",
                  [](CalcInput& in, WindowState&) {
                      in.gearRatio = {"3.5", "", "", "", "", ""};
                      in.torqueCoefficient = {"4.3447", "0", "0", "0", "0", "0", "0"};
                      in.limits.shiftTime = "0.3";
                  },
                  FaultKind::CannotAccelerate,
                  QStringLiteral("El vehículo no puede pasar de 0.8 m/s (2,9 km/h): en 1.ª marcha la fuerza del "
                                 "motor en las ruedas no supera la resistencia al avance. Ya falla el primer paso"),
                  false, [](const CalcTables& t) { EXPECT_NE(t.StepTime.at(1), 7); }},
        FaultCase{"TopGearAtTheRedLine",
                  [](CalcInput& in, WindowState&) {
                      in.finalSpeed = "40";
                      in.limits.redLine = "3000";
                  },
                  FaultKind::CannotAccelerate,
                  QStringLiteral("El vehículo no puede pasar de 24.3 m/s (87,5 km/h): en 4.ª el motor llega al "
                                 "«Régimen máximo» (3000 rev/min). Escriba en «Velocidad Final» 24.3 o menos, o, "
                                 "para llegar más lejos, un «Régimen máximo» mayor o una relación menor en «Cuarta»."),
                  false, [](const CalcTables& t) { EXPECT_NE(t.StepTime.at(1), 7); },
                  [](CalcInput& in, WindowState&, const QString& r) {
                      in.finalSpeed = Advised(r, QStringLiteral("Escriba en «Velocidad Final» "));
                  }},
        FaultCase{"NegativeThirdGearAndCommasInOtherBoxes",
                  [](CalcInput& in, WindowState&) {
                      in.gearRatio[1] = "2,1";
                      in.gearRatio[2] = "-1.4";
                      in.dragCoefficient = "-,33"; // no digit before the comma: read as 0, no hint
                      in.torqueCoefficient[6] = "9,9E-16";
                  },
                  FaultKind::InvalidInput,
                  QStringLiteral("«Tercera» dice «-1.4»: una relación de transmisión no puede ser negativa. Escriba la "
                                 "relación sin signo, por ejemplo 3.5. Salvo en «Area Frontal», el separador decimal "
                                 "es el punto «.» y la coma corta el número. «Segunda» dice «2,1», que se lee como 2: "
                                 "escriba 2.1. «N6» dice «9,9E-16», que se lee como 9: escriba 9.9E-16."),
                  true, NothingWritten,
                  [](CalcInput& in, WindowState&, const QString& r) {
                      Unsigned(in.gearRatio[2]);
                      in.gearRatio[1] = Advised(r, QStringLiteral("que se lee como 2: escriba "));
                      in.torqueCoefficient[6] = Advised(r, QStringLiteral("que se lee como 9: escriba "));
                  }}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(AreaFromHeightAndWidth, IsHeightTimesEightTenthsTimesWidth)
{
    EXPECT_EQ(std::get<double>(AreaFromHeightAndWidth(u"2", u"1.25")), 2.0);
    EXPECT_EQ(std::get<double>(AreaFromHeightAndWidth(u"", u"")), 0.0);
    EXPECT_EQ(std::get<double>(AreaFromHeightAndWidth(u"1,5", u"1.7")), 0.8 * 1.7) << "1,5 reads as 1";
    const auto tooLarge = AreaFromHeightAndWidth(u"1e200", u"1e200");
    ASSERT_TRUE(std::holds_alternative<CalcFault>(tooLarge));
    EXPECT_EQ(std::get<CalcFault>(tooLarge).kind(), FaultKind::Overflow);
    const auto fieldTooLarge = AreaFromHeightAndWidth(u"1", u"1e400");
    ASSERT_TRUE(std::holds_alternative<CalcFault>(fieldTooLarge));
    EXPECT_TRUE(
        std::get<CalcFault>(fieldTooLarge).message().contains(QStringLiteral("«Alto X Ancho» (ancho) dice «1e400»")));
}

} // namespace
} // namespace kinetra
