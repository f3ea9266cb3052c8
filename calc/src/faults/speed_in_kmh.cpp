#include "kinetra/speed_in_kmh.h"

namespace kinetra {

QString LocaleNumber(double value, const QLocale& locale, int decimals, TrailingZeros zeros)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = plain.toString(value, 'f', decimals);
    if (decimals > 0 && zeros == TrailingZeros::Dropped) {
        while (text.endsWith(plain.zeroDigit())) {
            text.chop(1);
        }
        if (text.endsWith(plain.decimalPoint())) {
            text.chop(plain.decimalPoint().size());
        }
    }
    return text;
}

QString KmhNumber(double metresPerSecond, const QLocale& locale, int decimals, TrailingZeros zeros)
{
    return LocaleNumber(metresPerSecond * kKmhPerMetrePerSecond, locale, decimals, zeros);
}

QString SpeedInKmh(double metresPerSecond, const QLocale& locale)
{
    return KmhNumber(metresPerSecond, locale, 1, TrailingZeros::Dropped) + QStringLiteral(" km/h");
}

} // namespace kinetra
