#pragma once

#include <QStringView>

// What the parts of the form, Form1, have in common.
namespace kinetra {

// Why a result shown may no longer answer the boxes.
inline constexpr QStringView kLastCalculationFailed = u"Resultado del cálculo anterior: el último no se pudo hacer.";
inline constexpr QStringView kDataChanged = u"Los datos han cambiado desde este resultado.";

} // namespace kinetra
