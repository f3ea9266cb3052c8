#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace kinetra {

// The engine's full-load torque as people know it, turned into the seven
// coefficients of the torque column: c0 .. c6 of a polynomial in N·m against
// engine speed in revolutions per second (rev/min / 60).
using TorqueCoefficients = std::array<double, 7>;

// One point of a torque curve, as a dyno sheet or a review gives it.
struct TorquePoint {
    double revPerMinute = 0;
    double newtonMetres = 0;
};

// The degree chosen for the user: the lowest that follows the points.
inline constexpr int kAutomaticDegree = 0;
inline constexpr int kHighestDegree = 6;

// What the user brings: points, or when there are none, a brochure's peak
// torque and peak power, each at its rev/min. Numbers are read as Spanish
// speakers write them: "6.000" is six thousand, "205,5" is 205.5.
struct CurveRequest {
    QString points{};          // a point a line: rev/min then N·m, separated by blanks, a tab or ";"
    QString peakTorque{};      // N·m
    QString peakTorqueSpeed{}; // rev/min
    QString peakPower{};       // kW
    QString peakPowerSpeed{};  // rev/min
    int degree = kAutomaticDegree;

    friend bool operator==(const CurveRequest&, const CurveRequest&) = default;
};

// Where a refused input lies, so that the dialog can take the user there.
enum class CurveField { Points, PeakTorque, PeakTorqueSpeed, PeakPower, PeakPowerSpeed };

struct CurveRefusal {
    CurveField field = CurveField::Points;
    int line = 0; // in the points, from 1; 0 when no one line is to blame
    QString message;
};

// What a torque curve does between 0 rev/min and `lastRevPerMinute`, the
// highest speed it was given for, and a quarter beyond, where the engine may
// still be driven but the curve is a guess.
struct CurveShape {
    double peakTorque = 0; // N·m
    double peakTorqueSpeed = 0;
    double peakPower = 0; // kW
    double peakPowerSpeed = 0;
    double torqueAtRest = 0; // at 0 rev/min, c0: what a car moves off from rest with
    double lowestTorque = 0; // N·m, from 0 to the last point
    double lowestTorqueSpeed = 0;
    bool risesBeyondLastPoint = false;
};

// Positive from 0 rev/min to the last point and not climbing beyond it: a
// curve a car can move off with and that will not race past its data.
inline bool KeepsShape(const CurveShape& shape)
{
    return shape.lowestTorque >= 0 && !shape.risesBeyondLastPoint;
}

// Largest deviation accepted by the automatic degree, in % of the peak torque.
inline constexpr double kAutomaticTolerancePercent = 2;

struct TorqueCurveFit {
    TorqueCoefficients coefficients{}; // unused powers 0
    int degree = 0;
    bool fromBrochure = false;
    bool withinTolerance = true; // false: the degree used is not within kAutomaticTolerancePercent
    bool degreeByHand = false;   // the degree was picked, not chosen automatically
    // The curve stays positive from 0 rev/min to the last point and does not
    // climb beyond it. The automatic degree keeps its shape whenever any
    // degree does.
    bool keepsShape = true;
    double largestDeviation = 0;        // N·m, from the points
    double largestDeviationPercent = 0; // of the points' peak torque
    std::vector<TorquePoint> points;    // as fitted: the brochure gives two
    QStringList readingNotes;           // numbers that could have been read another way
    CurveShape shape;
    double firstRevPerMinute = 0; // below the first point and beyond the last, the curve is extrapolated
    double lastRevPerMinute = 0;
};

// Nothing typed yet, a fit, or the reason there is none.
using CurveOutcome = std::variant<std::monostate, TorqueCurveFit, CurveRefusal>;

// The points when any are typed, else the brochure; empty when neither is.
CurveOutcome FitTorqueCurve(const CurveRequest& request);

// Least squares at `degree` (1 .. 6, or automatic) through points of
// distinct speeds, none negative.
std::variant<TorqueCurveFit, CurveRefusal> FitTorquePoints(std::span<const TorquePoint> points, int degree);

// The parabola in engine speed whose top is the peak torque at its speed and
// which passes through the torque of the peak power at its speed.
std::variant<TorqueCurveFit, CurveRefusal> FitBrochure(double peakTorque, double peakTorqueSpeed, double peakPowerKw,
                                                       double peakPowerSpeed);

// Torque (N·m) and power (kW) of a curve at a speed in rev/min.
double CurveTorque(const TorqueCoefficients& c, double revPerMinute);
double CurvePower(const TorqueCoefficients& c, double revPerMinute);

CurveShape ShapeOf(const TorqueCoefficients& c, double lastRevPerMinute);

// The coefficients as the torque column's texts: "." as the decimal point and
// the fewest digits that read back as the same double.
std::array<QString, 7> CoefficientTexts(const TorqueCoefficients& c);

// The torque column's texts as the calculation reads them; none when a
// number is too large for it.
std::optional<TorqueCoefficients> CoefficientsOfTexts(const std::array<QString, 7>& texts);

} // namespace kinetra
