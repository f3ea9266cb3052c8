#pragma once

#include "kinetra/calc_fault.h"
#include "kinetra/calc_input.h"
#include "kinetra/calc_tables.h"
#include "kinetra/run_trace.h"

#include <QLocale>
#include <QString>

#include <variant>

namespace kinetra {

// Either the result sentence or the fault that stopped the calculation.
using CalcOutcome = std::variant<QString, CalcFault>;

// The whole calculation behind "Calcular". It may set the window's gear count
// to 4, and it overwrites the table entries it computes; on a fault the
// entries written before it stay. `locale` is the user's: it reads a frontal
// area kept as text and writes the time of the sentence. With a `trace`, the
// run is also recorded there step by step as it is timed; it is complete
// only when the outcome is a sentence. A car with limits that can act (see
// `CalcInput::limits`) runs a finer integration of its own, placed on the
// limits' events; its steps are then pieces of at most 1 m/s.
CalcOutcome RunCalculation(const CalcInput& input, WindowState& state, CalcTables& tables, const QLocale& locale,
                           RunTrace* trace = nullptr);

// The frontal area of the "Alto X Ancho" mode: height x 0.8 x width, both
// read with FieldValue. Fails with an overflow fault when either is too large.
std::variant<double, CalcFault> AreaFromHeightAndWidth(QStringView height, QStringView width);

} // namespace kinetra
