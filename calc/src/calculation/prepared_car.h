#pragma once

#include "inputs/car_limits.h"
#include "inputs/vehicle.h"
#include "kinetra/calc_input.h"
#include "kinetra/calc_tables.h"
#include "kinetra/run_trace.h"

#include <QLocale>

namespace kinetra {

// The car as "Calcular" reads and checks it from the boxes, with the tables
// filled for it.
struct PreparedCar {
    Vehicle vehicle;
    CarLimits limits;
    int topGear = 0; // the last gear with a ratio
};

// Reads and checks every box and fills the tables; a box the calculation
// refuses is a fault naming it. Settles the window's gear count as
// "Calcular" does.
PreparedCar PrepareCar(const CalcInput& input, WindowState& state, CalcTables& tables, const QLocale& locale);

// The run behind the sentence: its first and last gear and its time.
struct SentenceRun {
    int startGear = 0;
    int finalGear = 0;
    double seconds = 0;
};

// Times the run of the prepared car from the initial to the final speed, as
// "Calcular" does, recording it into `trace` when there is one.
SentenceRun TimeTheRun(const CalcInput& input, const PreparedCar& car, CalcTables& tables, const QLocale& locale,
                       RunTrace* trace);

} // namespace kinetra
