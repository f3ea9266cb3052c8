#pragma once

#include "faults/checked_real.h"
#include "kinetra/calc_fault.h"

#include <QString>

#include <cmath>
#include <optional>
#include <utility>

namespace kinetra {

// What a report adds about where a fault happened: whole sentences, and the
// box they point at, if any.
struct Whereabouts {
    Whereabouts(QString text, std::optional<BoxId> box = std::nullopt) // NOLINT: implicit on purpose
        : text(std::move(text)), box(box)
    {}
    QString text;
    std::optional<BoxId> box;
};

// Runs `compute`; a fault raised inside it is reported again with what was
// being computed, so that the user learns where the numbers went wrong.
// `describe` builds that text only when a fault happens. The box the fault
// named first stays the one to change.
template <class Compute, class Describe>
auto Computing(Describe describe, Compute compute) -> decltype(compute())
{
    try {
        return compute();
    } catch (const CalcFault& fault) {
        const Whereabouts where = describe();
        throw CalcFault(fault.kind(), fault.message() + QLatin1Char(' ') + where.text,
                        fault.box() ? fault.box() : where.box);
    }
}

template <class Describe>
[[noreturn]] void ThrowOverflow(Describe describe)
{
    const Whereabouts where = describe();
    throw CalcFault(FaultKind::Overflow, TooLargeSentence() + QLatin1Char(' ') + where.text, where.box);
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

} // namespace kinetra
