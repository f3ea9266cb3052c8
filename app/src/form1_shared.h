#pragma once

#include "kinetra/calc_input.h"

#include <QStringView>

#include <array>

// What the parts of the form, Form1, have in common.
namespace kinetra {

// The torque column, top row down: C0, N, N2, N3, N4, N5, N6.
inline constexpr std::array kTorqueBoxes{22, 21, 20, 19, 24, 23, 28};

// Why a result shown may no longer answer the boxes.
inline constexpr QStringView kLastCalculationFailed = u"Resultado del cálculo anterior: el último no se pudo hacer.";
inline constexpr QStringView kDataChanged = u"Los datos han cambiado desde este resultado.";

// A limit left blank is no limit: the details say what the limits did only
// for a car that has some.
bool AnyLimitTyped(const LimitTexts& limits);

} // namespace kinetra
