#pragma once

#include "kinetra/calc_fault.h"
#include "kinetra/calc_input.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace kinetra {

// The figures a motoring magazine prints, each worked out by a run with the
// car's limits that ends exactly where the figure does.
enum class Figure {
    SentenceTime, // the run of "Calcular", between the typed speeds
    ZeroTo100,    // from rest to 100 km/h
    ZeroTo400,    // from rest over 400 m
    ZeroTo1000,   // from rest over 1000 m
    Overtaking,   // 80 to 120 km/h, the gears chosen freely
    OvertakingFourth,
    OvertakingFifth,
    TopSpeed,
};

// The figure as the sheet names it: "0–100 km/h", "80–120 km/h en 4.ª".
QString FigureName(Figure figure);

// One figure of one car: a time in s (for the top speed, a speed in m/s),
// with the speed at the line of a distance; or, when the car cannot make it,
// why, in one line.
struct FigureValue {
    std::optional<double> value;
    double speedAtEnd = 0; // m/s
    QString why;
};

// A change up on the way from rest: the gear left, and the speed, engine
// speed and time at which it is left.
struct SheetChange {
    int gear = 0;
    double speed = 0;   // m/s
    double engine = 0;  // rev/min
    double seconds = 0; // from rest
};

// Where the car stops gaining speed, in which gear, and what holds it there.
struct SheetTopSpeed {
    double speed = 0; // m/s
    int gear = 0;
    bool atRedLine = false; // «Régimen máximo»; otherwise the road load
};

struct PerformanceSheet {
    FigureValue zeroTo100;
    FigureValue zeroTo400;
    FigureValue zeroTo1000;
    FigureValue overtaking;
    std::optional<FigureValue> overtakingFourth; // where the car has the gear
    std::optional<FigureValue> overtakingFifth;
    std::optional<SheetTopSpeed> topSpeed;                  // none: no gear pulls the car at all
    std::vector<SheetChange> changes;                       // from rest to 1000 m
    std::vector<std::pair<double, double>> speedByDistance; // (m, m/s), from rest to 1000 m
};

// The sheet of the car in the boxes, or the fault of a car the calculation
// refuses, as "Calcular" reports it.
std::variant<PerformanceSheet, CalcFault> PerformanceOf(const CalcInput& input, WindowState state,
                                                        const QLocale& locale);

} // namespace kinetra
