#include "kinetra/calc_tables.h"

#include "kinetra/calc_fault.h"

#include <cmath>

namespace kinetra {
namespace {

// Counters are doubles; they select an entry by rounding to the nearest
// integer, halves to the even neighbour (the default rounding mode).
int EntryIndex(double index)
{
    const double rounded = std::nearbyint(index);
    if (!(rounded >= 0 && rounded < Table::kSize)) {
        throw CalcFault(FaultKind::SubscriptOutOfRange,
                        QStringLiteral("Subíndice fuera del intervalo: la entrada %1 no existe; "
                                       "las tablas van de 0 a %2.")
                            .arg(index)
                            .arg(Table::kSize - 1));
    }
    return static_cast<int>(rounded);
}

} // namespace

double Table::at(double index) const
{
    return entries_[static_cast<std::size_t>(EntryIndex(index))];
}

void Table::set(double index, double value)
{
    entries_[static_cast<std::size_t>(EntryIndex(index))] = value;
}

} // namespace kinetra
