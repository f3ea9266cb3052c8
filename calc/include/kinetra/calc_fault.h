#pragma once

#include "kinetra/input_boxes.h"

#include <QString>

#include <exception>
#include <optional>

namespace kinetra {

// What stopped a calculation. The first four are the run-time errors of the
// arithmetic and the tables; the last three are the plain-language answers the
// calculation gives instead of letting bad input end in one of them.
enum class FaultKind {
    DivisionByZero,
    Overflow,
    SubscriptOutOfRange,
    TypeMismatch,
    InvalidInput,
    CannotAccelerate,
    NoStartingGear,
};

// A fault as the window shows it: its kind, a Spanish text that names it
// and, where it helps, says what was being computed, and the box the text
// tells the user to change first, where it names one.
class CalcFault : public std::exception {
public:
    CalcFault(FaultKind kind, QString message, std::optional<BoxId> box = std::nullopt);

    FaultKind kind() const { return kind_; }
    const QString& message() const { return message_; }
    std::optional<BoxId> box() const { return box_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    FaultKind kind_;
    QString message_;
    std::optional<BoxId> box_;
    QByteArray utf8_;
};

// The report's title names the fault's kind ("División por cero", "Desbordamiento"...).
QString FaultTitle(FaultKind kind);

} // namespace kinetra
