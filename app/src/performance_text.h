#pragma once

#include "kinetra/performance.h"

#include <QLocale>
#include <QStringList>

#include <vector>

namespace kinetra {

// The sheet's table: a row per figure, then a row per change up.
QStringList SheetHeader();
std::vector<QStringList> SheetRows(const PerformanceSheet& sheet, const QLocale& locale);

// The table as "Copiar tabla" puts it on the clipboard: tab-separated, a
// line per row, the header first.
QString RowsAsTsv(const QStringList& header, const std::vector<QStringList>& rows);

// A row as a screen reader hears it: "0–400 m: 17,97 s, a 129,2 km/h".
QString RowInWords(const QStringList& header, const QStringList& row);

// The chart of speed against distance, in words.
QString DistanceChartInWords(const PerformanceSheet& sheet, const QLocale& locale);

} // namespace kinetra
