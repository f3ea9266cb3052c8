#pragma once

#include "kinetra/torque_curve_fit.h"

#include <QString>
#include <QStringView>

#include <utility>

namespace kinetra {

// A typed field as a message quotes it: a pasted run of digits is cut short.
inline QString ShortQuote(QStringView field)
{
    constexpr qsizetype kLongest = 24;
    return field.size() <= kLongest ? field.toString() : field.first(kLongest - 4).toString() + u'…';
}

inline CurveRefusal Refusal(CurveField field, int line, QString message)
{
    return CurveRefusal{field, line, std::move(message)};
}

} // namespace kinetra
