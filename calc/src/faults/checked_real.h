#pragma once

#include "kinetra/calc_fault.h"

#include <cmath>

namespace kinetra {

inline QString TooLargeSentence()
{
    return QStringLiteral("Un resultado salió demasiado grande para el cálculo.");
}

// A double whose arithmetic stops the calculation instead of producing inf or
// NaN: dividing by zero (0 / 0 included) is a division-by-zero fault, and a
// result too large for a double is an overflow. Operands are always finite,
// so a non-finite sum, difference, product or quotient can only be overflow.
// The formulas are written with it exactly as grouped on paper, so each
// operation is checked where it happens.
class Real {
public:
    constexpr Real(double value) : value_(value) {} // NOLINT: implicit on purpose
    constexpr double value() const { return value_; }

    friend Real operator+(Real a, Real b) { return Checked(a.value_ + b.value_); }
    friend Real operator-(Real a, Real b) { return Checked(a.value_ - b.value_); }
    friend Real operator*(Real a, Real b) { return Checked(a.value_ * b.value_); }
    friend Real operator/(Real a, Real b)
    {
        if (b.value_ == 0) {
            throw CalcFault(FaultKind::DivisionByZero, QStringLiteral("El cálculo llegó a una división entre cero."));
        }
        return Checked(a.value_ / b.value_);
    }
    friend bool operator<(Real a, Real b) { return a.value_ < b.value_; }
    friend bool operator>(Real a, Real b) { return a.value_ > b.value_; }

    // A result computed with plain doubles, checked once.
    static Real Checked(double result)
    {
        if (!std::isfinite(result)) {
            throw CalcFault(FaultKind::Overflow, TooLargeSentence());
        }
        return Real(result);
    }

private:
    double value_;
};

} // namespace kinetra
