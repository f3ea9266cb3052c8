#pragma once

#include "kinetra/calc_input.h"

#include <array>
#include <cstddef>

namespace kinetra {

// One of the calculation's fixed tables: entries 0 to 400. Indices come from
// the calculation's counters, rounded to the nearest integer (halves to even);
// any index outside the table is a subscript-out-of-range fault.
class Table {
public:
    static constexpr int kSize = 401;
    static_assert(kMostSteps == kSize - 2, "a run's steps and the entry either side of them");

    double at(double index) const { return entries_[Entry(index)]; }
    void set(double index, double value) { entries_[Entry(index)] = value; }

    // An entry by its whole index, with neither rounding nor range check: for
    // the loops over speed entries and gears, whose indices the speed-range
    // check has already bounded.
    double operator[](int entry) const { return entries_[static_cast<std::size_t>(entry)]; }
    double& operator[](int entry) { return entries_[static_cast<std::size_t>(entry)]; }

    const std::array<double, kSize>& entries() const { return entries_; }

private:
    // The counters are whole numbers almost always: take those directly and
    // leave rounding and the range fault to the slow path.
    static std::size_t Entry(double index)
    {
        if (index >= 0 && index < kSize) {
            const int whole = static_cast<int>(index);
            if (whole == index) {
                return static_cast<std::size_t>(whole);
            }
        }
        return RoundedEntry(index);
    }
    static std::size_t RoundedEntry(double index);

    std::array<double, kSize> entries_{};
};

// The tables the window keeps from one calculation to the next; all 0 when
// the window is created.
struct CalcTables {
    Table RoadLoad;       // by speed entry: resisting force, N
    Table WheelSpeed;     // by speed entry: wheel revolutions per second
    Table OverallRatio;   // by gear: gear ratio x final drive; entry 0 is 0
    Table StartMeanAccel; // by gear: mean acceleration over the first step
    Table StartAccelLow;  // by gear: acceleration at the initial speed
    Table StartAccelHigh; // by gear: acceleration 1 m/s above it
    Table StepTime;       // by step: seconds to gain 1 m/s
};

} // namespace kinetra
