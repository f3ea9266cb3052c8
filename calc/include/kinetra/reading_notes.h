#pragma once

#include "kinetra/calc_input.h"
#include "kinetra/run_trace.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace kinetra {

// The texts of the three frontal-area boxes as they stand when "Calcular" is
// pressed: the typed area, and the height and width of "Alto X Ancho".
struct AreaBoxes {
    QString typed;
    QString height;
    QString width;
};

// What a calculation that succeeded read differently from what the person
// most likely meant, one Spanish sentence a note, to stand beside the result:
// a box whose number stops at a comma, the values no road vehicle has
// (PlausibilityNotes), a run that covers fewer speeds than were typed (the
// grid goes in whole 1 m/s steps), and a frontal area of 0, which leaves the
// air's resistance out. Empty when everything was read as typed. `state` is
// the window's state as the calculation used it.
QStringList ReadingNotes(const CalcInput& input, const WindowState& state, const AreaBoxes& area,
                         const QLocale& locale);

// What a calculation that succeeded should say beside its result about the
// run itself, one Spanish sentence a note: a car with one gear (Segunda to
// Cuarta empty, neither Quinta nor Sexta ticked), a box whose text holds no
// number at all and was read as 0, and a run no road car makes (past 1.5 g,
// or the engine past 9000 rev/min with no «Régimen máximo» on a torque curve
// still climbing there), with why and what to type. `run` is the run's trace as the calculation recorded it.
QStringList RunNotes(const CalcInput& input, const WindowState& state, const RunTrace& run);

} // namespace kinetra
