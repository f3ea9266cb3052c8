#pragma once

#include <QLocale>
#include <QString>

namespace kinetra {

// "   El resultado final es: Marcha inicial: 1; marcha final: 4; Tiempo empleado: 12,5"
// with the time in general format, up to 15 significant digits ("7,6E-05"),
// in Latin digits whatever the locale, and the user's decimal separator.
QString ResultSentence(int startGear, int finalGear, double totalSeconds, const QLocale& locale);

} // namespace kinetra
