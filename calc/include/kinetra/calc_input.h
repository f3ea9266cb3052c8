#pragma once

#include <QString>

#include <array>
#include <variant>

namespace kinetra {

// The run covers the speeds typed in whole 1 m/s steps from the initial
// speed, at most this many: what the tables hold.
inline constexpr int kMostSteps = 399;

// The frontal area as the window keeps it: unset until an area mode is chosen
// (counts as 0), the text of the area box as typed (read with the user's
// locale when the drag term needs it), or a number from height and width.
using FrontalArea = std::variant<std::monostate, QString, double>;

// What the window remembers between clicks for the calculation.
struct WindowState {
    int gearCount = 0; // 4, 5 or 6 once the window has loaded
    FrontalArea frontalArea;
};

// The optional limits of a real car, as typed in "Límites del vehículo
// (opcional)". All empty: the car has none of them, and the calculation is
// the plain one.
struct LimitTexts {
    QString redLine;     // «Régimen máximo», rev/min
    QString launchSpeed; // «Régimen de salida», rev/min
    QString shiftTime;   // «Tiempo de cambio», s
    QString grip;        // «Adherencia μ»
    QString drivenShare; // «Peso en el eje motriz», % of the weight on the driven axle
    QString cgHeight;    // «Altura del centro de gravedad», m
    QString wheelbase;   // «Batalla», m
    // «Eje motriz»: the text of the list's item, "" (no load transfer),
    // "delantero", "trasero" or "los dos" (see kDrivenAxleItems).
    QString drivenAxle;
};

// «Eje motriz»: which axle drives, for the load that moves between the axles
// as the car accelerates. None moves no load.
enum class DrivenAxle { None, Front, Rear, Both };

// The items of «Eje motriz», in the list's order; the first, empty, moves no
// load between the axles.
inline constexpr std::array<const char16_t*, 4> kDrivenAxleItems{u"", u"delantero", u"trasero", u"los dos"};

// The texts of the input boxes at the moment "Calcular" is pressed.
struct CalcInput {
    std::array<QString, 6> gearRatio; // Text1 .. Text6: first .. sixth gear
    QString finalDrive;               // Text7
    QString initialSpeed;             // Text8, m/s
    QString finalSpeed;               // Text9, m/s
    QString massFactor;               // Text10
    QString mass;                     // Text11, kg
    QString tyreWidth;                // Text12, mm
    QString efficiency;               // Text13
    QString dragCoefficient;          // Text14
    QString rollingCoefficient;       // Text15
    QString slopePercent;             // Text16
    QString tyreAspect;               // Text17, percent
    QString rimDiameter;              // Text18, inches
    // Torque polynomial in rising powers of engine speed: C0 (Text22),
    // N (Text21), N2 (Text20), N3 (Text19), N4 (Text24), N5 (Text23), N6 (Text28).
    std::array<QString, 7> torqueCoefficient;
    LimitTexts limits{};
};

} // namespace kinetra
