#pragma once

#include "kinetra/calc_input.h"

#include <QString>

#include <vector>

namespace kinetra {

// The boxes the calculation reads with the field rule, named as a person sees
// them on the form, so that every report can point at the box to change.
namespace box {
inline constexpr const char* kGear[6] = {"«Primera»", "«Segunda»", "«Tercera»", "«Cuarta»", "«Quinta»", "«Sexta»"};
inline constexpr const char* kFinalDrive = "«Diferencial»";
inline constexpr const char* kInitialSpeed = "«Velocidad Inicial»";
inline constexpr const char* kFinalSpeed = "«Velocidad Final»";
inline constexpr const char* kMassFactor = "«Factor de masas»";
inline constexpr const char* kMass = "«Peso del vehículo»";
inline constexpr const char* kTyreWidth = "«Ruedas» (ancho)";
inline constexpr const char* kTyreAspect = "«Ruedas» (perfil)";
inline constexpr const char* kRimDiameter = "«Ruedas» (llanta)";
inline constexpr const char* kEfficiency = "«Rendimiento Transmisión»";
inline constexpr const char* kDrag = "«Cx»";
inline constexpr const char* kRolling = "«Coef. Rodadura»";
inline constexpr const char* kSlope = "«Pendiente (%)»";
inline constexpr const char* kTorque[7] = {"«C0»", "«N»", "«N2»", "«N3»", "«N4»", "«N5»", "«N6»"};
inline constexpr const char* kAreaTyped = "«Area Frontal»";
inline constexpr const char* kAreaFromSides = "«Alto X Ancho»";
inline constexpr const char* kHeight = "«Alto X Ancho» (alto)";
inline constexpr const char* kWidth = "«Alto X Ancho» (ancho)";
inline constexpr const char* kRedLine = "«Régimen máximo»";
inline constexpr const char* kLaunchSpeed = "«Régimen de salida»";
inline constexpr const char* kShiftTime = "«Tiempo de cambio»";
inline constexpr const char* kGrip = "«Adherencia μ»";
inline constexpr const char* kDrivenShare = "«Peso en el eje motriz»";
} // namespace box

struct InputBox {
    QString name; // as in box::
    QString text; // as typed
};

// The text without the blanks, tabs and line feeds the field rule ignores.
QString Cleaned(const QString& text);

// Only the digits the field rule reads.
bool IsDigit(QChar c);

// Where the first comma right after a digit stands in a cleaned text, or -1:
// the field rule stops there, so "0,9" reads as 0.
qsizetype CommaAfterDigit(const QString& cleaned);

// Every box of `input`, in the order of the form.
std::vector<InputBox> InputBoxes(const CalcInput& input);

// The box's text through FieldValue. A number too large to calculate with is
// reported naming the box and what it says, then `advice` on what to type
// ("%1" in it stands for the box's name).
double ReadBox(const char* name, const QString& text, const char* advice);

// What a box holds, for a report: "«Peso del vehículo» dice «-1»", with
// ", que se lee como 12" when the field rule read less than the text shows,
// or "«Segunda» está vacío".
QString WhatItSays(const char* name, const QString& text, double value);

// A report on a calculation that read `boxes`, with one sentence for each box
// whose text has a comma right after a digit, where the field rule stops:
// "«Rendimiento Transmisión» dice «0,9», que se lee como 0: escriba 0.9.",
// but for a box the report quotes ("«X» dice «...»"), whose advice it gives
// itself. Unchanged when no box has such a comma.
QString WithDecimalCommaHints(const QString& report, const std::vector<InputBox>& boxes);

} // namespace kinetra
