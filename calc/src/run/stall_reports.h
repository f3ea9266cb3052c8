#pragma once

#include "faults/report_words.h"
#include "inputs/vehicle.h"
#include "kinetra/calc_fault.h"
#include "kinetra/calc_input.h"
#include "kinetra/calc_tables.h"

#include <QLocale>
#include <QString>

namespace kinetra {

// The reports on a car that does not accelerate. Each says why, what to type
// where that is clear, and every box that enters the balance of the engine's
// force at the wheels against the road's resistance, with what was read there.

// " (176 km/h)", the km/h beside a speed in m/s; empty at rest.
QString KmhAside(double metresPerSecond, const QLocale& locale);

// "«Primera» (3.5), ... y «Pendiente (%)» (0)", with the ratios of gears 1 .. topGear.
QString ForceBalanceBoxes(const Vehicle& vehicle, int topGear);

// What can change a step that cannot be covered in `gear`, from entry `step`:
// a lower final speed when an earlier step was covered; otherwise the
// torque, the gear and the load, since the final speed cannot help. With
// the box to change first.
Whereabouts StallAdvice(const Vehicle& vehicle, double step, int gear, int topGear);

// No gear passed the starting-gear test: why, among no gear with a ratio, no
// final drive, no efficiency, no gear beating the road's resistance, and two
// neighbouring gears that pull exactly alike.
CalcFault NoStartingGearFault(const CalcInput& input, const Vehicle& vehicle, const CalcTables& tables, int topGear,
                              const QLocale& locale);

} // namespace kinetra
