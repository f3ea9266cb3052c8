#pragma once

#include "kinetra/calc_fault.h"
#include "kinetra/calc_input.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace kinetra {

// Values that no road vehicle has, from a moped to a 60-tonne lorry: one
// Spanish note a box, with what was read, the usual range and the slip that
// most likely gave it (thousands written with a point, tonnes for kilograms,
// km/h for m/s, a percentage for a fraction). They are notes, not refusals:
// the calculation runs on the values as read. A box whose number stops at a
// comma has a note of its own and gets none here. `state` is the window's
// state as the calculation used it.
QStringList PlausibilityNotes(const CalcInput& input, const WindowState& state, const QLocale& locale);

// The fault's report followed by the notes above that name a likely slip,
// but for the boxes the report quotes ("«X» dice «...»"), whose advice it
// gives itself: a refusal may have been caused by such a slip. A fault that
// named no box points at the first box hinted.
CalcFault WithLikelySlips(const CalcFault& fault, const CalcInput& input, const WindowState& state,
                          const QLocale& locale);

} // namespace kinetra
