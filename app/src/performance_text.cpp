#include "performance_text.h"

#include "kinetra/details_text.h"
#include "kinetra/input_boxes.h"
#include "kinetra/speed_in_kmh.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

QString Seconds(double seconds, const QLocale& locale)
{
    return LocaleNumber(seconds, locale, 2, TrailingZeros::Kept);
}

QStringList FigureRow(const QString& name, const FigureValue& figure, const QLocale& locale)
{
    if (!figure.value) {
        return {name, {}, {}, {}, figure.why};
    }
    return {name, Seconds(*figure.value, locale), KmhNumber(figure.speedAtEnd, locale, 1), {}, {}};
}

QStringList TopSpeedRow(const PerformanceSheet& sheet, const QLocale& locale)
{
    const QString name = FigureName(Figure::TopSpeed);
    if (!sheet.topSpeed) {
        return {name, {}, {}, {}, u"ninguna marcha mueve el vehículo"_s};
    }
    const SheetTopSpeed& top = *sheet.topSpeed;
    const QString held = top.atRedLine ? u"en %1, al %2"_s.arg(GearName(top.gear), Quoted(BoxId::RedLine))
                                       : u"en %1, donde deja de acelerar"_s.arg(GearName(top.gear));
    return {name, {}, KmhNumber(top.speed, locale, 1), {}, held};
}

} // namespace

QStringList SheetHeader()
{
    return {u"Cifra"_s, u"Tiempo (s)"_s, u"Velocidad (km/h)"_s, u"Régimen (rev/min)"_s, u"Observación"_s};
}

std::vector<QStringList> SheetRows(const PerformanceSheet& sheet, const QLocale& locale)
{
    std::vector<QStringList> rows{FigureRow(FigureName(Figure::ZeroTo100), sheet.zeroTo100, locale),
                                  FigureRow(FigureName(Figure::ZeroTo400), sheet.zeroTo400, locale),
                                  FigureRow(FigureName(Figure::ZeroTo1000), sheet.zeroTo1000, locale),
                                  FigureRow(FigureName(Figure::Overtaking), sheet.overtaking, locale)};
    if (sheet.overtakingFourth) {
        rows.push_back(FigureRow(FigureName(Figure::OvertakingFourth), *sheet.overtakingFourth, locale));
    }
    if (sheet.overtakingFifth) {
        rows.push_back(FigureRow(FigureName(Figure::OvertakingFifth), *sheet.overtakingFifth, locale));
    }
    rows.push_back(TopSpeedRow(sheet, locale));
    for (const SheetChange& change : sheet.changes) {
        rows.push_back({u"Cambio de %1 a %2"_s.arg(GearName(change.gear), GearName(change.gear + 1)),
                        Seconds(change.seconds, locale),
                        KmhNumber(change.speed, locale, 1),
                        LocaleNumber(change.engine, locale, 0, TrailingZeros::Kept),
                        {}});
    }
    return rows;
}

QString RowsAsTsv(const QStringList& header, const std::vector<QStringList>& rows)
{
    QString text = header.join(u'\t') + u'\n';
    for (const QStringList& row : rows) {
        text += row.join(u'\t') + u'\n';
    }
    return text;
}

QString RowInWords(const QStringList& header, const QStringList& row)
{
    QStringList parts;
    for (qsizetype column = 1; column < row.size(); ++column) {
        if (!row[column].isEmpty()) {
            parts << (column + 1 == row.size() ? row[column] : header[column] + u": "_s + row[column]);
        }
    }
    return row[0] + u": "_s + parts.join(u", "_s);
}

QString DistanceChartInWords(const PerformanceSheet& sheet, const QLocale& locale)
{
    if (sheet.speedByDistance.empty()) {
        return {};
    }
    const auto& [distance, speed] = sheet.speedByDistance.back();
    QString words = u"Velocidad frente a la distancia desde parado: llega a %1 en %2 m."_s.arg(
        SpeedInKmh(speed, locale), LocaleNumber(distance, locale, 0, TrailingZeros::Kept));
    for (const FigureValue* line : {&sheet.zeroTo400, &sheet.zeroTo1000}) {
        if (line->value) {
            words += u" En la línea de %1 m va a %2."_s.arg(line == &sheet.zeroTo400 ? 400 : 1000)
                         .arg(SpeedInKmh(line->speedAtEnd, locale));
        }
    }
    return words;
}

} // namespace kinetra
