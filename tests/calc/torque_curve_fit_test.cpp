#include "kinetra/field_value.h"
#include "kinetra/torque_curve_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace kinetra {
namespace {

// A torque in N·m against rev/s that a degree-2 fit misses by more than 2 %.
constexpr TorqueCoefficients kCubic{30, 7, -0.1, 4e-4, 0, 0, 0};

// Eight speeds from a dyno sheet, typed the Spanish way: "1.000" rev/min,
// torques with a decimal comma.
QString CubicPoints()
{
    QString text = QStringLiteral("rev/min\tN·m\n");
    for (const int rpm : {1000, 1500, 2000, 3000, 3500, 4500, 5000, 6000}) {
        const QString torque = QString::number(CurveTorque(kCubic, rpm), 'g', 17).replace(u'.', u',');
        text += QStringLiteral("%1.%2\t%3\n").arg(rpm / 1000).arg(rpm % 1000, 3, 10, QLatin1Char('0')).arg(torque);
    }
    return text;
}

TEST(TorqueCurveFit, CubicComesBackAtDegreeThreeAndAutomatically)
{
    for (const int degree : {3, kAutomaticDegree}) {
        const CurveOutcome outcome = FitTorqueCurve({.points = CubicPoints(), .degree = degree});
        ASSERT_TRUE(std::holds_alternative<TorqueCurveFit>(outcome)) << "degree " << degree;
        const TorqueCurveFit& fit = std::get<TorqueCurveFit>(outcome);
        EXPECT_EQ(fit.degree, 3);
        EXPECT_EQ(fit.points.size(), 8U);
        EXPECT_TRUE(fit.readingNotes.contains(QStringLiteral("La línea 1 se tomó como encabezado.")));
        EXPECT_TRUE(fit.readingNotes.contains(
            QStringLiteral("«1.000» se leyó como 1000 (el punto separa los miles), y 7 más como él.")));
        const std::array<QString, 7> texts = CoefficientTexts(fit.coefficients);
        for (std::size_t k = 0; k < kCubic.size(); ++k) {
            EXPECT_LE(std::fabs(fit.coefficients[k] - kCubic[k]), 1e-9 * std::fabs(kCubic[k])) << "c" << k;
            // The box gives the calculation the very same double.
            EXPECT_EQ(FieldValue(texts[k]), fit.coefficients[k]) << texts[k].toStdString();
        }
        EXPECT_TRUE(CoefficientsOfTexts(texts) == fit.coefficients);
        EXPECT_LT(fit.largestDeviation, 1e-9);
        EXPECT_NEAR(fit.shape.torqueAtRest, 30, 1e-9);
    }
    // Degree 2 misses, so the automatic degree had a reason to go to 3.
    const auto parabola = FitTorqueCurve({.points = CubicPoints(), .degree = 2});
    EXPECT_GT(std::get<TorqueCurveFit>(parabola).largestDeviationPercent, kAutomaticTolerancePercent);
    // A rounded curve that a parabola follows within 2 %: degree 2, though degree 5 goes
    // through all six points and keeps its shape too.
    const std::vector<TorquePoint> rounded{{1000, 210}, {2000, 240}, {3000, 250},
                                           {4000, 245}, {5000, 225}, {6000, 190}};
    EXPECT_EQ(std::get<TorqueCurveFit>(FitTorquePoints(rounded, kAutomaticDegree)).degree, 2);
    EXPECT_TRUE(std::get<TorqueCurveFit>(FitTorquePoints(rounded, 5)).keepsShape);
    // A degree picked by hand is kept even above the one the points need.
    const auto quartic = std::get<TorqueCurveFit>(FitTorqueCurve({.points = CubicPoints(), .degree = 4}));
    EXPECT_EQ(quartic.degree, 4);
    EXPECT_LT(quartic.largestDeviation, 1e-9);
}

// A turbo engine's torque: rising to a flat 350 N·m from 1500 to 4400
// rev/min, falling to 6500. No degree follows the plateau's corners within 2 %.
QString TurboPoints()
{
    return QStringLiteral(
        "1000 210\n1250 290\n1500 350\n2000 350\n2500 350\n3000 350\n3500 350\n4000 350\n"
        "4400 350\n5000 330\n5500 310\n6000 290\n6500 265\n");
}

TEST(TorqueCurveFit, AutomaticDegreeKeepsItsShapeWhenNoneFitsWithinTwoPercent)
{
    const CurveOutcome outcome = FitTorqueCurve({.points = TurboPoints()});
    ASSERT_TRUE(std::holds_alternative<TorqueCurveFit>(outcome));
    const TorqueCurveFit& fit = std::get<TorqueCurveFit>(outcome);
    EXPECT_FALSE(fit.withinTolerance);
    EXPECT_TRUE(fit.keepsShape);
    EXPECT_FALSE(fit.degreeByHand);
    EXPECT_GT(fit.shape.torqueAtRest, 0);
    EXPECT_GE(fit.shape.lowestTorque, 0);
    EXPECT_FALSE(fit.shape.risesBeyondLastPoint);
    // Of the degrees that keep their shape, the one that follows the points best.
    for (int degree = 1; degree <= kHighestDegree; ++degree) {
        const auto other = std::get<TorqueCurveFit>(FitTorqueCurve({.points = TurboPoints(), .degree = degree}));
        EXPECT_TRUE(other.degreeByHand);
        if (other.keepsShape) {
            EXPECT_GE(other.largestDeviation, fit.largestDeviation) << degree;
        }
    }
    // 200 - k (n - 51)² against rev/s, last point at 50 (3000 rev/min): still rising there,
    // k N·m more at the top beyond it. Against a peak of ~200 N·m, 0.1 N·m is the rounding of
    // a flat end, 0.4 a climb.
    for (const auto& [k, climbs] : {std::pair{0.1, false}, std::pair{0.4, true}}) {
        const CurveShape shape = ShapeOf({200 - k * 51 * 51, 2 * k * 51, -k, 0, 0, 0, 0}, 3000);
        EXPECT_EQ(shape.risesBeyondLastPoint, climbs) << k;
        EXPECT_EQ(shape.peakTorqueSpeed, 3000) << k;
    }
}

TEST(TorqueCurveFit, AColumnWithADecimalPointReadsItSoThroughout)
{
    const CurveOutcome outcome =
        FitTorqueCurve({.points = QStringLiteral("1000\t222.703125\n2000\t301.875\n3000\t320.5\n4000\t310.25\n")});
    ASSERT_TRUE(std::holds_alternative<TorqueCurveFit>(outcome));
    const TorqueCurveFit& fit = std::get<TorqueCurveFit>(outcome);
    EXPECT_EQ(fit.points[1].newtonMetres, 301.875);
    EXPECT_EQ(fit.points[0].revPerMinute, 1000);
    EXPECT_TRUE(fit.readingNotes.contains(QStringLiteral(
        "«301.875» se leyó como 301,875 (el punto, como coma decimal, como en el resto de su columna).")))
        << fit.readingNotes.join(u'|').toStdString();
    // A column of thousands alone keeps the Spanish reading.
    const auto thousands =
        std::get<TorqueCurveFit>(FitTorqueCurve({.points = QStringLiteral("1.000\t200\n2.000\t250\n3.000\t240,5\n")}));
    EXPECT_EQ(thousands.points[2].revPerMinute, 3000);
    EXPECT_EQ(thousands.readingNotes,
              QStringList{QStringLiteral("«1.000» se leyó como 1000 (el punto separa los miles), y 2 más como él.")});
    // Beside a comma a point can only part thousands, and "0,500" cannot be five hundred:
    // neither needs a note. ",5" is a half.
    const auto plain = std::get<TorqueCurveFit>(FitTorqueCurve({.points = "1000\t1.250,5\n2000\t0,500\n3000\t,5\n"}));
    EXPECT_TRUE(plain.readingNotes.isEmpty()) << plain.readingNotes.join(u'|').toStdString();
    EXPECT_EQ(plain.points[0].newtonMetres, 1250.5);
    EXPECT_EQ(plain.points[2].newtonMetres, 0.5);
}

TEST(TorqueCurveFit, BrochureParabolaTopsAtPeakTorqueAndMeetsPeakPower)
{
    const CurveOutcome outcome = FitTorqueCurve(
        {.peakTorque = "250", .peakTorqueSpeed = "4.000", .peakPower = "120,0", .peakPowerSpeed = "6000"});
    ASSERT_TRUE(std::holds_alternative<TorqueCurveFit>(outcome));
    const TorqueCurveFit& fit = std::get<TorqueCurveFit>(outcome);
    EXPECT_TRUE(fit.fromBrochure);
    EXPECT_EQ(fit.degree, 2);
    EXPECT_NEAR(CurveTorque(fit.coefficients, 4000), 250, 250 * 1e-12);
    EXPECT_NEAR(CurveTorque(fit.coefficients, 3999), CurveTorque(fit.coefficients, 4001), 1e-9);
    EXPECT_LT(CurveTorque(fit.coefficients, 3999), 250);
    EXPECT_NEAR(CurvePower(fit.coefficients, 6000), 120, 120 * 1e-12);
    EXPECT_NEAR(fit.shape.peakTorque, 250, 1e-9);
    EXPECT_NEAR(fit.shape.peakTorqueSpeed, 4000, 0.01);
    EXPECT_EQ(fit.coefficients[3], 0);
    EXPECT_TRUE(fit.keepsShape);
    // A turbo's torque plateau ending at 4400 rev/min: the parabola is below
    // zero at rest, 350 - (350 - 249.5)·(4400/1800)² N·m, and says so.
    const auto turbo = std::get<TorqueCurveFit>(
        FitTorqueCurve({.peakTorque = "350", .peakTorqueSpeed = "4400", .peakPower = "162", .peakPowerSpeed = "6200"}));
    EXPECT_LT(turbo.shape.torqueAtRest, -240);
    EXPECT_FALSE(turbo.keepsShape);
    EXPECT_LT(fit.largestDeviation, 1e-9); // through both of its points
    // An electric motor's peak torque from rest: the top of the parabola is c0, and
    // 120 kW at 100 rev/s are 600/π N·m.
    const auto electric = std::get<TorqueCurveFit>(
        FitTorqueCurve({.peakTorque = "250", .peakTorqueSpeed = "0", .peakPower = "120", .peakPowerSpeed = "6000"}));
    EXPECT_EQ(electric.coefficients[0], 250);
    EXPECT_EQ(electric.coefficients[1], 0);
    EXPECT_NEAR(electric.coefficients[2], -(250 - 600 / std::numbers::pi) / (100 * 100), 1e-15);
    // A peak power whose torque is the peak torque itself leaves the parabola flat.
    const double samePeak = 120 * 1000 / (2 * std::numbers::pi * (6000.0 / 60));
    EXPECT_TRUE(std::holds_alternative<CurveRefusal>(FitBrochure(samePeak, 4000, 120, 6000)));
    // Nothing typed is no refusal: there is simply nothing to fit yet.
    EXPECT_TRUE(std::holds_alternative<std::monostate>(FitTorqueCurve({})));
}

struct RefusalCase {
    const char* name;
    CurveRequest request;
    CurveField field;
    int line;
    const char* message;
};

class TorqueCurveRefuses : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(TorqueCurveRefuses, NamingTheLineOrTheBox)
{
    const RefusalCase& c = GetParam();
    const CurveOutcome outcome = FitTorqueCurve(c.request);
    ASSERT_TRUE(std::holds_alternative<CurveRefusal>(outcome));
    const CurveRefusal& refusal = std::get<CurveRefusal>(outcome);
    EXPECT_EQ(refusal.field, c.field);
    EXPECT_EQ(refusal.line, c.line);
    EXPECT_EQ(refusal.message, QString::fromUtf8(c.message));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, TorqueCurveRefuses,
    ::testing::Values(
        RefusalCase{"FewerPointsThanTheDegreeNeeds",
                    {.points = "1000 100\n2000 150\n3000 140", .degree = 3},
                    CurveField::Points,
                    0,
                    "El grado 3 necesita al menos 4 puntos, y hay 3."},
        RefusalCase{
            "OnePoint", {.points = "1000 100"}, CurveField::Points, 0, "Hacen falta al menos 2 puntos, y hay 1."},
        RefusalCase{"SameSpeedTwice",
                    {.points = "1000 100\n\n1.000;120"},
                    CurveField::Points,
                    3,
                    "Líneas 1 y 3: las dos dicen 1000 rev/min; cada régimen, una vez."},
        RefusalCase{"NegativeSpeed",
                    {.points = "1000 100\n-2000 150"},
                    CurveField::Points,
                    2,
                    "Línea 2: el régimen es negativo (-2000)."},
        RefusalCase{"NegativeTorqueWithAMinusSign",
                    {.points = "1000 \u22125"},
                    CurveField::Points,
                    1,
                    "Línea 1: el par es negativo (\u22125)."},
        RefusalCase{"NotANumberAfterTheHeading",
                    {.points = "rpm Nm\n1000 1OO"},
                    CurveField::Points,
                    2,
                    "Línea 2: «1OO» no es un número."},
        RefusalCase{
            "LetterOAfterAPoint", {.points = "1000 1.0OO"}, CurveField::Points, 1, "Línea 1: «1.0OO» no es un número."},
        RefusalCase{"PointWithNothingAfterIt",
                    {.points = "1000 205."},
                    CurveField::Points,
                    1,
                    "Línea 1: «205.» no es un número."},
        // Beyond what a double holds; quoted cut short.
        RefusalCase{"PastedRunOfDigits",
                    {.points = "1000 " + QString(400, u'9')},
                    CurveField::Points,
                    1,
                    "Línea 1: «99999999999999999999…» no es un número."},
        RefusalCase{
            "EnglishGrouping", {.points = "1,000.5 100"}, CurveField::Points, 1, "Línea 1: «1,000.5» no es un número."},
        RefusalCase{"ThreeColumns",
                    {.points = "1000 100 150"},
                    CurveField::Points,
                    1,
                    "Línea 1: se esperan dos números, rev/min y N·m, y hay 3."},
        RefusalCase{"SpeedsTooCloseForALine",
                    {.points = "1000 100\n1000,0000000000002 110"},
                    CurveField::Points,
                    0,
                    "Los puntos no bastan para el grado pedido: están demasiado juntos, o sus números son demasiado "
                    "grandes."},
        RefusalCase{"BrochureBoxNotANumber",
                    {.peakTorque = "250", .peakTorqueSpeed = "4000 rpm", .peakPower = "120", .peakPowerSpeed = "6000"},
                    CurveField::PeakTorqueSpeed,
                    0,
                    "«Régimen del par máximo» dice «4000 rpm», que no es un número."},
        RefusalCase{"BrochureBoxEmpty",
                    {.peakTorque = "250", .peakTorqueSpeed = "4000", .peakPowerSpeed = "6000"},
                    CurveField::PeakPower,
                    0,
                    "«Potencia máxima» está vacío: el folleto necesita sus cuatro cifras."},
        RefusalCase{"BrochureNegative",
                    {.peakTorque = "-250", .peakTorqueSpeed = "4000", .peakPower = "120", .peakPowerSpeed = "6000"},
                    CurveField::PeakTorque,
                    0,
                    "«Par máximo» ha de ser mayor que 0."},
        RefusalCase{"BrochurePowerZero",
                    {.peakTorque = "250", .peakTorqueSpeed = "4000", .peakPower = "0", .peakPowerSpeed = "6000"},
                    CurveField::PeakPower,
                    0,
                    "«Potencia máxima» ha de ser mayor que 0."},
        RefusalCase{"BrochurePowerNotAfterTorque",
                    {.peakTorque = "250", .peakTorqueSpeed = "4000", .peakPower = "120", .peakPowerSpeed = "4000"},
                    CurveField::PeakPowerSpeed,
                    0,
                    "La potencia máxima llega a 4000 rev/min, y el par máximo a 4000: la potencia máxima ha de llegar "
                    "a más rev/min que el par máximo."},
        RefusalCase{"BrochurePowerTorqueNotBelowPeak",
                    {.peakTorque = "200", .peakTorqueSpeed = "4500", .peakPower = "100", .peakPowerSpeed = "4700"},
                    CurveField::PeakPower,
                    0,
                    "100 kW a 4700 rev/min son 203,2 N·m, no menos que el par máximo de 200 N·m: revise las cifras "
                    "del folleto."}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kinetra

namespace kinetra {
namespace {

// The points themselves, as FitTorquePoints is handed them by other code:
// negative or endless numbers and a speed given twice are refused.
TEST(FitTorquePoints, RefusesPointsNoEngineHas)
{
    const QString noEngine = QStringLiteral("Cada punto necesita un régimen y un par de 0 en adelante.");
    const std::vector<std::pair<std::vector<TorquePoint>, QString>> refused{
        {{{1000, 100}, {2000, -1}, {3000, 120}}, noEngine},
        {{{-1, 100}, {2000, 110}, {3000, 120}}, noEngine},
        {{{1000, 100}, {2000, std::nan("")}, {3000, 120}}, noEngine},
        {{{1000, 100}, {2000, 110}, {2000, 120}},
         QStringLiteral("Dos puntos dicen 2000 rev/min; cada régimen, una vez.")},
        {{{1000, 100}, {3000, 120}, {1000, 110}},
         QStringLiteral("Dos puntos dicen 1000 rev/min; cada régimen, una vez.")},
    };
    for (const auto& [points, message] : refused) {
        const auto fit = FitTorquePoints(points, kAutomaticDegree);
        ASSERT_TRUE(std::holds_alternative<CurveRefusal>(fit));
        EXPECT_EQ(std::get<CurveRefusal>(fit).field, CurveField::Points);
        EXPECT_EQ(std::get<CurveRefusal>(fit).message, message);
    }
    // 0 rev/min and 0 N·m are points an engine may have.
    const std::vector<TorquePoint> fromRest{{0, 0}, {1000, 100}, {2000, 150}, {3000, 160}};
    EXPECT_TRUE(std::holds_alternative<TorqueCurveFit>(FitTorquePoints(fromRest, 2)));
    // One point too few for the degree asked.
    EXPECT_TRUE(std::holds_alternative<CurveRefusal>(FitTorquePoints(fromRest, 4)));
    EXPECT_TRUE(std::holds_alternative<TorqueCurveFit>(FitTorquePoints(fromRest, 3)));
}

// The deviation is the largest gap at a point, and its % is of the points' peak.
TEST(FitTorquePoints, DeviationIsTheLargestGapInPercentOfThePeak)
{
    const std::vector<TorquePoint> points{{1000, 100}, {2000, 180}, {3000, 200}, {4000, 170}, {5000, 150}};
    const auto fit = std::get<TorqueCurveFit>(FitTorquePoints(points, 1));
    double largest = 0;
    for (const TorquePoint& p : points) {
        largest = std::max(largest, std::fabs(CurveTorque(fit.coefficients, p.revPerMinute) - p.newtonMetres));
    }
    EXPECT_DOUBLE_EQ(fit.largestDeviation, largest);
    EXPECT_DOUBLE_EQ(fit.largestDeviationPercent, largest / 200 * 100);
    EXPECT_FALSE(fit.withinTolerance);
    EXPECT_TRUE(fit.degreeByHand);
    EXPECT_EQ(fit.firstRevPerMinute, 1000);
    EXPECT_EQ(fit.lastRevPerMinute, 5000);
    // Within the tolerance exactly at 2 %: a cubic through four points fits them.
    const std::vector<TorquePoint> four{{1000, 100}, {2000, 180}, {3000, 200}, {4000, 170}};
    const auto exact = std::get<TorqueCurveFit>(FitTorquePoints(four, kAutomaticDegree));
    EXPECT_TRUE(exact.withinTolerance);
    EXPECT_LE(exact.largestDeviationPercent, kAutomaticTolerancePercent);
    EXPECT_FALSE(exact.degreeByHand);
    // Nothing but 0 N·m, at rest too, is met exactly: within, 0 % and not 0/0, and
    // neither below 0 nor climbing.
    const auto none = std::get<TorqueCurveFit>(FitTorqueCurve({.points = "0 0\n1000 0\n2000 0"}));
    EXPECT_TRUE(none.withinTolerance);
    EXPECT_EQ(none.largestDeviationPercent, 0);
    EXPECT_TRUE(none.keepsShape);
}

} // namespace
} // namespace kinetra
