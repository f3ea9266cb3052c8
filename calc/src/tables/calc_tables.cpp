#include "kinetra/calc_tables.h"

#include "kinetra/calc_fault.h"

#include <cmath>

namespace kinetra {
// Counters are doubles; they select an entry by rounding to the nearest
// integer, halves to the even neighbour (the default rounding mode).
std::size_t Table::RoundedEntry(double index)
{
    const double rounded = std::nearbyint(index);
    if (!(rounded >= 0 && rounded < kSize)) {
        throw CalcFault(FaultKind::SubscriptOutOfRange,
                        QStringLiteral("Subíndice fuera del intervalo: la entrada %1 no existe; "
                                       "las tablas van de 0 a %2.")
                            .arg(index)
                            .arg(kSize - 1));
    }
    return static_cast<std::size_t>(rounded);
}

} // namespace kinetra
