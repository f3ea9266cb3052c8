// Any text a user can type into a box: FieldValue gives a finite number or
// an overflow fault, never inf or NaN, and reads a sign the way it reads digits.
#include "kinetra/calc_fault.h"
#include "kinetra/field_value.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

std::optional<double> Read(const QString& text)
{
    try {
        const double value = kinetra::FieldValue(text);
        if (!std::isfinite(value)) {
            std::abort();
        }
        return value;
    } catch (const kinetra::CalcFault& fault) {
        if (fault.kind() != kinetra::FaultKind::Overflow || fault.message().isEmpty()) {
            std::abort();
        }
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<double> value = Read(text);

    // Blanks are ignored wherever they stand.
    if (Read(QStringLiteral(" \t") + text + QStringLiteral("\n ")) != value) {
        std::abort();
    }
    // A text that starts with a digit or a point reads negated behind a minus.
    if (!text.isEmpty() && (text[0].isDigit() || text[0] == u'.') && text[0].unicode() < 0x80) {
        const std::optional<double> negated = Read(QStringLiteral("-") + text);
        if (value.has_value() != negated.has_value() || (value && *negated != -*value)) {
            std::abort();
        }
    }
    return 0;
}
