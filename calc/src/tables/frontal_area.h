#pragma once

#include "kinetra/calc_input.h"

#include <QLocale>

namespace kinetra {

// The frontal area as a number: unset is 0; a text is read with the user's
// locale, and one it cannot read is a type-mismatch fault.
double FrontalAreaValue(const FrontalArea& area, const QLocale& locale);

} // namespace kinetra
