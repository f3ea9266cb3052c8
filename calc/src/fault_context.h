#pragma once

#include "kinetra/calc_fault.h"

#include <QString>

#include <cmath>

namespace kinetra {

// Runs `compute`; a fault raised inside it is reported again with what was
// being computed, so that the user learns where the numbers went wrong.
// `describe` builds that text only when a fault happens.
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
    throw CalcFault(FaultKind::Overflow, QStringLiteral("Desbordamiento ") + describe());
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

// The tyre and mass hints that turn a bare division by zero into advice.
inline QString TyreHint()
{
    return QStringLiteral(" Las medidas de los neumáticos (ancho / perfil R llanta) dan un radio "
                          "de rueda de 0.");
}

inline QString DecimalPointHint()
{
    return QStringLiteral(" Recuerde que el separador decimal es el punto «.»: «0,9» se lee como 0.");
}

} // namespace kinetra
