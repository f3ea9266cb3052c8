#include "torque_curve_text.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

QString Rpm(const QLocale& locale, double rpm)
{
    return locale.toString(rpm, 'f', 0);
}

QString Nm(const QLocale& locale, double torque)
{
    return locale.toString(torque, 'f', std::fabs(torque) < 10 ? 2 : 1);
}

// Peaks and the torque at rest of a curve, in words.
QString ShapeInWords(const CurveShape& shape, const QLocale& locale)
{
    return u"Par máximo: %1 N·m a %2 rev/min. Potencia máxima: %3 kW a %4 rev/min."_s.arg(
        Nm(locale, shape.peakTorque), Rpm(locale, shape.peakTorqueSpeed), locale.toString(shape.peakPower, 'f', 1),
        Rpm(locale, shape.peakPowerSpeed));
}

QStringList FitInWords(const TorqueCurveFit& fit, int askedDegree, const QLocale& locale)
{
    QStringList words;
    if (fit.fromBrochure) {
        words << u"Parábola del folleto (grado 2): su punto más alto es el par máximo, y pasa por el par de la "
                 u"potencia máxima, %1 N·m."_s.arg(Nm(locale, fit.points.back().newtonMetres));
    } else {
        const bool byHand = fit.degreeByHand || askedDegree != kAutomaticDegree;
        const QString how = byHand ? u"elegido a mano"_s : u"automático"_s;
        words << u"Grado %1 (%2): la mayor desviación de los puntos es %3 N·m, el %4 % del par máximo."_s.arg(
            QString::number(fit.degree), how, Nm(locale, fit.largestDeviation),
            locale.toString(fit.largestDeviationPercent, 'f', 1));
        if (byHand) {
            if (!fit.withinTolerance) {
                words << u"El grado elegido se aparta de los puntos más del 2 % del par máximo."_s;
            }
        } else if (!fit.keepsShape) {
            words << u"Ningún grado mantiene la forma (par positivo desde 0 rev/min y sin subir pasado el último "
                     u"punto): se usa el %1, el que mejor sigue los puntos."_s.arg(fit.degree);
        } else if (!fit.withinTolerance) {
            words << u"Ningún grado que mantenga la forma queda dentro del 2 %: se usa el %1, el que mejor sigue los "
                     u"puntos entre los que la mantienen."_s.arg(fit.degree);
        }
    }
    words << ShapeInWords(fit.shape, locale);
    // A parabola through both figures tops its power elsewhere than the
    // brochure says: worth knowing when it is more than a trifle.
    if (const double brochurePower = CurvePower(fit.coefficients, fit.lastRevPerMinute);
        fit.fromBrochure && fit.shape.peakPower > brochurePower * 1.02) {
        words << u"La parábola da más potencia que el folleto, %1 kW: lo supera antes de %2 rev/min."_s.arg(
            locale.toString(brochurePower, 'f', 1), Rpm(locale, fit.lastRevPerMinute));
    }
    words << u"Par a 0 rev/min (C0): %1 N·m; es el par con el que el cálculo arranca desde parado."_s.arg(
        Nm(locale, fit.shape.torqueAtRest));
    if (fit.shape.lowestTorque < 0) {
        words << u"Aviso: el par ajustado baja de 0 entre 0 y %1 rev/min (%2 N·m a %3 rev/min)%4."_s.arg(
            Rpm(locale, fit.lastRevPerMinute), Nm(locale, fit.shape.lowestTorque),
            Rpm(locale, fit.shape.lowestTorqueSpeed),
            fit.shape.torqueAtRest <= 0 ? u": desde parado, el coche no puede arrancar"_s : QString());
    }
    if (fit.shape.risesBeyondLastPoint) {
        words << u"Aviso: pasado el último punto (%1 rev/min) el par ajustado sube; el cálculo lo usaría si el motor "
                 u"pasara de ese régimen."_s.arg(Rpm(locale, fit.lastRevPerMinute));
    }
    return words;
}

} // namespace

QString PointsDescription()
{
    return u"Un punto por línea: régimen en rev/min y par en N·m, separados por espacios, un tabulador o «;». "
           u"Se leen como se escriben en español: 6.000 rev/min son seis mil y 205,5 N·m, doscientos cinco "
           u"y medio. Dos columnas copiadas de una hoja de cálculo valen tal cual."_s;
}

QStringList OutcomeInWords(const CurveOutcome& outcome, int askedDegree,
                           const std::optional<TorqueCoefficients>& current, const QLocale& locale)
{
    if (const auto* fit = std::get_if<TorqueCurveFit>(&outcome)) {
        return FitInWords(*fit, askedDegree, locale);
    }
    if (const auto* refusal = std::get_if<CurveRefusal>(&outcome)) {
        return {u"No se puede ajustar la curva: "_s + refusal->message};
    }
    QStringList words;
    words << u"Escriba los puntos de la curva de par o, si no los tiene, los datos del folleto: par máximo y "
             u"potencia máxima, cada uno con su régimen."_s;
    // Before anything is fitted, what the typed coefficients mean.
    if (current) {
        const CurveShape shape = ShapeOf(*current, kUsualLastSpeed);
        words << u"Curva actual (la de las casillas), hasta %1 rev/min. "_s.arg(Rpm(locale, kUsualLastSpeed))
                     + ShapeInWords(shape, locale)
              << u"Par a 0 rev/min (C0): %1 N·m."_s.arg(Nm(locale, shape.torqueAtRest));
    }
    return words;
}

QStringList CurveChartInWords(const TorqueCurveFit* fit, const std::optional<TorqueCoefficients>& current,
                              const ChartedSpeeds& speeds, const QLocale& locale)
{
    const auto [first, last, end] = speeds;
    QStringList words;
    if (fit != nullptr) {
        words << u"Par y potencia ajustados, de grado %1, de 0 a %2 rev/min."_s.arg(fit->degree).arg(Rpm(locale, end))
              << ShapeInWords(fit->shape, locale)
              << u"La mayor desviación de los puntos es %1 N·m (%2 %)."_s.arg(
                     Nm(locale, fit->largestDeviation), locale.toString(fit->largestDeviationPercent, 'f', 1));
        words << (first > 0 ? u"De 0 a %1 rev/min y de %2 a %3 rev/min la curva es una extrapolación, en trazo "
                              u"discontinuo: no hay puntos allí."_s.arg(Rpm(locale, first), Rpm(locale, last),
                                                                        Rpm(locale, end))
                            : u"De %1 a %2 rev/min, más allá del último punto, la curva es una extrapolación, en "
                              u"trazo discontinuo."_s.arg(Rpm(locale, last), Rpm(locale, end)));
    }
    if (current) {
        const CurveShape shape = ShapeOf(*current, last);
        words << u"En trazo claro, la curva actual de las casillas: par máximo %1 N·m a %2 rev/min; a 0 rev/min, "
                 u"%3 N·m."_s.arg(Nm(locale, shape.peakTorque), Rpm(locale, shape.peakTorqueSpeed),
                                  Nm(locale, shape.torqueAtRest));
    } else {
        words << u"Las casillas del par están vacías: no hay curva actual."_s;
    }
    return words;
}

} // namespace kinetra
