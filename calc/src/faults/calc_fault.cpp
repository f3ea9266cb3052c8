#include "kinetra/calc_fault.h"

#include <utility>

namespace kinetra {

CalcFault::CalcFault(FaultKind kind, QString message, std::optional<BoxId> box)
    : kind_(kind), message_(std::move(message)), box_(box), utf8_(message_.toUtf8())
{}

QString FaultTitle(FaultKind kind)
{
    switch (kind) {
    case FaultKind::DivisionByZero: return QStringLiteral("División por cero");
    case FaultKind::Overflow: return QStringLiteral("Desbordamiento");
    case FaultKind::SubscriptOutOfRange: return QStringLiteral("Subíndice fuera del intervalo");
    case FaultKind::TypeMismatch: return QStringLiteral("No coinciden los tipos");
    case FaultKind::InvalidInput: return QStringLiteral("Datos no válidos");
    case FaultKind::CannotAccelerate: return QStringLiteral("El vehículo no puede acelerar");
    case FaultKind::NoStartingGear: return QStringLiteral("Ninguna marcha puede arrancar");
    }
    return QStringLiteral("Error");
}

} // namespace kinetra
