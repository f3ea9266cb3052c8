#include "kinetra/details_text.h"

#include "kinetra/speed_in_kmh.h"

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

QLocale Plain(QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// Two runs that stepped alike draw one curve: the same speeds, gears and times.
bool SameSteps(const RunTrace& a, const RunTrace& b)
{
    return std::ranges::equal(a.steps, b.steps, [](const TraceStep& x, const TraceStep& y) {
        return x.fromSpeed == y.fromSpeed && x.toSpeed == y.toSpeed && x.gear == y.gear && x.seconds == y.seconds;
    });
}

} // namespace

void RunHistory::Add(RunTrace run)
{
    // The same run again is no run to compare with: the one before it stays.
    if (!latest || !SameSteps(latest->trace, run)) {
        previous = std::move(latest);
    }
    RunSummary summary = Summarize(run);
    latest = ShownRun{std::move(run), std::move(summary)};
}

QString GearName(int gear)
{
    return u"%1.ª"_s.arg(gear);
}

QStringList TableHeader()
{
    return {u"Marcha"_s,
            u"Desde (m/s)"_s,
            u"Desde (km/h)"_s,
            u"Hasta (m/s)"_s,
            u"Hasta (km/h)"_s,
            u"Tiempo (s)"_s,
            u"Distancia (m)"_s,
            u"Motor al entrar (rev/min)"_s,
            u"Motor al salir (rev/min)"_s};
}

std::vector<QStringList> TableRows(const RunSummary& run, const QLocale& userLocale)
{
    const QLocale locale = Plain(userLocale);
    const auto number = [&](double value, int decimals) { return locale.toString(value, 'f', decimals); };
    const auto row = [&](const QString& gear, const GearStretch& s) {
        return QStringList{gear,
                           number(s.fromSpeed, 1),
                           KmhNumber(s.fromSpeed, locale, 1),
                           number(s.toSpeed, 1),
                           KmhNumber(s.toSpeed, locale, 1),
                           number(s.seconds, 2),
                           number(s.metres, 1),
                           s.gear == 0 ? QString() : number(s.engineIn, 0),
                           s.gear == 0 ? QString() : number(s.engineOut, 0)};
    };
    std::vector<QStringList> rows;
    for (const GearStretch& stretch : run.stretches) {
        rows.push_back(row(QString::number(stretch.gear), stretch));
    }
    rows.push_back(row(u"Total"_s, run.whole));
    return rows;
}

QString TableAsTsv(const RunSummary& run, const QLocale& locale)
{
    QString text = TableHeader().join(u'\t') + u'\n';
    for (const QStringList& row : TableRows(run, locale)) {
        text += row.join(u'\t') + u'\n';
    }
    return text;
}

QString RunInWords(const RunSummary& run, const QLocale& userLocale)
{
    if (run.stretches.empty()) {
        return {};
    }
    const QLocale locale = Plain(userLocale);
    const GearStretch& whole = run.whole;
    const auto speed = [&](double v) {
        return u"%1 m/s (%2 km/h)"_s.arg(locale.toString(v, 'f', 1), KmhNumber(v, locale, 1));
    };
    return u"Arranca en %1 marcha y acaba en %2. Pasa de %3 a %4 en %5 s y recorre %6 m."_s.arg(
        GearName(run.startGear), GearName(run.finalGear), speed(whole.fromSpeed), speed(whole.toSpeed),
        locale.toString(whole.seconds, 'f', 2), locale.toString(whole.metres, 'f', 1));
}

QString LimitsInWords(const ActedLimits& acted, const QLocale& userLocale)
{
    const QLocale locale = Plain(userLocale);
    const auto speed = [&](double v) { return locale.toString(v, 'f', 1); };
    QStringList parts;
    if (acted.launchUpTo > 0) {
        parts << u"embrague patinando hasta %1 m/s"_s.arg(speed(acted.launchUpTo));
    }
    if (acted.gripUpTo > 0) {
        parts << u"adherencia hasta %1 m/s"_s.arg(speed(acted.gripUpTo));
    }
    if (acted.loadMoved > 0 && acted.drivenAxle != DrivenAxle::None) {
        const QString kg = locale.toString(acted.loadMoved, 'f', 0);
        const QString share = acted.mass > 0 ? locale.toString(100 * acted.loadMoved / acted.mass, 'f', 0) : u"0"_s;
        switch (acted.drivenAxle) {
        case DrivenAxle::Rear:
            parts << u"el eje motriz, el trasero, gana hasta %1 kg (%2 % del peso) al acelerar"_s.arg(kg, share);
            break;
        case DrivenAxle::Front:
            parts << u"el eje motriz, el delantero, pierde hasta %1 kg (%2 % del peso) al acelerar"_s.arg(kg, share);
            break;
        default: break;
        }
    } else if (acted.gripUpTo > 0 && acted.drivenAxle == DrivenAxle::Both) {
        parts << u"los dos ejes motrices, con todo el peso"_s;
    }
    if (acted.redLineChanges > 0) {
        parts << (acted.redLineChanges == 1 ? u"cambio a %1 rev/min"_s : u"cambios a %1 rev/min"_s)
                     .arg(locale.toString(acted.redLine, 'f', 0));
    }
    if (acted.shiftGaps > 0) {
        parts << (acted.shiftGaps == 1 ? u"%1 cambio de %2 s"_s : u"%1 cambios de %2 s"_s)
                     .arg(acted.shiftGaps)
                     .arg(locale.toString(acted.shiftSeconds, 'g', 3));
    }
    if (parts.isEmpty()) {
        return {};
    }
    QString line = parts.join(u"; "_s) + u'.';
    line[0] = line[0].toUpper();
    return line;
}

QString WhatTheModelLeavesOut()
{
    return u"El modelo deja fuera: el deslizamiento de las ruedas más allá de la adherencia; la inercia que cambia "
           u"con la marcha; un convertidor de par."_s;
}

QString SpeedChartInWords(const RunSummary& run, const RunSummary* previous, const QLocale& userLocale)
{
    if (run.stretches.empty()) {
        return {};
    }
    const QLocale locale = Plain(userLocale);
    const auto n = [&](double value, int decimals) { return locale.toString(value, 'f', decimals); };
    const GearStretch& whole = run.whole;
    QString text = u"Velocidad en m/s frente al tiempo en s. Sale a %1 m/s en %2 marcha"_s.arg(n(whole.fromSpeed, 1),
                                                                                               GearName(run.startGear));
    for (const ChangeUp& change : run.changes) {
        text += u"; cambia a %1 a %2 m/s (%3 km/h) a los %4 s"_s.arg(
            GearName(change.toGear), n(change.speed, 1), KmhNumber(change.speed, locale, 1), n(change.seconds, 2));
        // Gears change up one at a time, so a gear is engaged at most once.
        const auto gap = std::ranges::find(run.shiftGaps, change.toGear, &ShiftGap::toGear);
        if (gap != run.shiftGaps.end()) {
            text += u", sin tracción %1 s, hasta %2 m/s"_s.arg(n(gap->seconds, 2), n(gap->speedAfter, 1));
        }
    }
    text += u"; llega a %1 m/s a los %2 s."_s.arg(n(whole.toSpeed, 1), n(whole.seconds, 2));
    if (previous != nullptr && !previous->stretches.empty()) {
        const GearStretch& before = previous->whole;
        text += u" Cálculo anterior, en trazo claro: de %1 a %2 m/s en %3 s."_s.arg(
            n(before.fromSpeed, 1), n(before.toSpeed, 1), n(before.seconds, 2));
    }
    return text;
}

QString TractionChartInWords(const ShownRun& shown, const QLocale& userLocale)
{
    const RunTrace& run = shown.trace;
    if (run.traction.empty() || run.gridSpeeds.empty()) {
        return {};
    }
    const QLocale locale = Plain(userLocale);
    const auto n = [&](double value, int decimals) { return locale.toString(value, 'f', decimals); };
    QString text =
        u"Aceleración en m/s² frente a la velocidad en m/s de cada marcha a plena carga, de %1 a %2 "
        u"m/s, con el recorrido del cálculo encima."_s.arg(n(run.gridSpeeds.front(), 1), n(run.gridSpeeds.back(), 1));
    for (const GearCurve& curve : run.traction) {
        std::size_t best = 0;
        for (std::size_t i = 0; i < curve.acceleration.size(); ++i) {
            if (!std::isnan(curve.acceleration[i])
                && (std::isnan(curve.acceleration[best]) || curve.acceleration[i] > curve.acceleration[best])) {
                best = i;
            }
        }
        text += u" %1 marcha: como máximo %2 m/s² a %3 m/s."_s.arg(GearName(curve.gear), n(curve.acceleration[best], 2),
                                                                   n(run.gridSpeeds[best], 1));
        if (std::isfinite(curve.redLineSpeed)) {
            text +=
                u" Llega al régimen máximo, %1 rev/min, a %2 m/s."_s.arg(n(run.redLine, 0), n(curve.redLineSpeed, 1));
        }
    }
    for (const ChangeUp& change : shown.summary.changes) {
        text += u" Cambia a %1 a %2 m/s, con %3 m/s²."_s.arg(GearName(change.toGear), n(change.speed, 1),
                                                             n(change.acceleration, 2));
    }
    return text;
}

} // namespace kinetra
