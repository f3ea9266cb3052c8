#pragma once

#include <array>

namespace kinetra {

// One of the calculation's fixed tables: entries 0 to 400. Indices come from
// the calculation's counters, rounded to the nearest integer (halves to even);
// any index outside the table is a subscript-out-of-range fault.
class Table {
public:
    static constexpr int kSize = 401;

    double at(double index) const;
    void set(double index, double value);

    const std::array<double, kSize>& entries() const { return entries_; }

private:
    std::array<double, kSize> entries_{};
};

// The tables the window keeps from one calculation to the next; all 0 when
// the window is created.
struct CalcTables {
    Table RoadLoad;        // by speed entry: resisting force, N
    Table WheelSpeed;      // by speed entry: wheel revolutions per second
    Table OverallRatio;    // by gear: gear ratio x final drive; entry 0 is 0
    Table StartMeanAccel;  // by gear: mean acceleration over the first step
    Table StartAccelLow;   // by gear: acceleration at the initial speed
    Table StartAccelHigh;  // by gear: acceleration 1 m/s above it
    Table StepTime;        // by step: seconds to gain 1 m/s
};

} // namespace kinetra
