#pragma once

#include "kinetra/calc_tables.h"
#include "kinetra/vehicle.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace kinetra {

struct RunTrace;

// The highest gear whose mean first-step acceleration beats both neighbours
// (gear 0 and the gear above the top one count as 0); none when no gear does.
std::optional<int> ChooseStartGear(const CalcTables& tables, int gearCount);

struct RunTime {
    int finalGear = 0;
    double totalSeconds = 0;
};

// Walks the speed grid in whole 1 m/s steps from Vi, step s going from speed
// entry s to s + 1 with its time in StepTime[s]. Each step after the first
// changes up one gear when the next gear accelerates at least as hard, never
// past gearCount. A step that cannot be completed with positive acceleration
// is a CannotAccelerate fault naming the speed. The run must fit the tables
// (at most Table::kSize - 2 steps, as the speed-range check allows) and start
// in a gear of the gearbox. With a `trace`, every step is also recorded there
// as it is timed, and the traction diagram of the gearbox is added.
RunTime IntegrateTime(CalcTables& tables, const Vehicle& vehicle, int startGear, int gearCount,
                      RunTrace* trace = nullptr);

// "   El resultado final es: Marcha inicial: 1; marcha final: 4; Tiempo empleado: 12,5"
// with the time in general format, up to 15 significant digits ("7,6E-05"),
// in Latin digits whatever the locale, and the user's decimal separator.
QString ResultSentence(int startGear, int finalGear, double totalSeconds, const QLocale& locale);

} // namespace kinetra
