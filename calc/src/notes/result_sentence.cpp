#include "notes/result_sentence.h"

namespace kinetra {

QString ResultSentence(int startGear, int finalGear, double totalSeconds, const QLocale& locale)
{
    // General format with 15 significant digits, written the same in every
    // locale but for the decimal separator: Latin digits, "-" and "E+NN".
    QString time = QString::number(totalSeconds, 'g', 15);
    time.replace(QLatin1Char('e'), QLatin1Char('E'));
    time.replace(QLatin1Char('.'), locale.decimalPoint());
    QString sentence;
    sentence.reserve(96);
    sentence += QLatin1String("   El resultado final es: Marcha inicial: ");
    sentence += QString::number(startGear);
    sentence += QLatin1String("; marcha final: ");
    sentence += QString::number(finalGear);
    sentence += QLatin1String("; Tiempo empleado: ");
    sentence += time;
    return sentence;
}

} // namespace kinetra
