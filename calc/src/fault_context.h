#pragma once

#include "checked_real.h"
#include "kinetra/calc_fault.h"
#include "kinetra/vehicle.h"

#include <QString>

#include <cmath>

namespace kinetra {

// Runs `compute`; a fault raised inside it is reported again with what was
// being computed, so that the user learns where the numbers went wrong.
// `describe` builds that text, whole sentences, only when a fault happens.
template <class Compute, class Describe>
auto Computing(Describe describe, Compute compute) -> decltype(compute())
{
    try {
        return compute();
    } catch (const CalcFault& fault) {
        throw CalcFault(fault.kind(), fault.message() + QLatin1Char(' ') + describe());
    }
}

template <class Describe>
[[noreturn]] void ThrowOverflow(Describe describe)
{
    throw CalcFault(FaultKind::Overflow, TooLargeSentence() + QLatin1Char(' ') + describe());
}

// A result worked out in plain doubles from finite operands, with no
// division by zero possible: it is non-finite only when something overflowed.
// The report is built apart, so that the check alone is inlined in the loops.
template <class Describe>
double Finite(double result, Describe describe)
{
    if (!std::isfinite(result)) [[unlikely]] {
        ThrowOverflow(describe);
    }
    return result;
}

// A speed or other input value written the way the user types it, with ".".
inline QString InputNumber(double value)
{
    return QString::number(value, 'g', 15);
}

// What the tyre boxes read, for a fault that the wheel's size caused.
inline QString TyreHint(const Vehicle& vehicle)
{
    return QStringLiteral(
               " «Ruedas» se lee como %1 / %2 R %3: escriba la medida del neumático, "
               "por ejemplo 195 / 65 R 15.")
        .arg(InputNumber(vehicle.tyreWidth), InputNumber(vehicle.tyreAspect), InputNumber(vehicle.rimDiameter));
}

} // namespace kinetra
