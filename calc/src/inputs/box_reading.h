#pragma once

#include "kinetra/calc_fault.h"
#include "kinetra/calc_input.h"
#include "kinetra/input_boxes.h"

#include <QString>

#include <vector>

namespace kinetra {

// A box and what was typed in it.
struct TypedBox {
    BoxId id;
    QString text;
};

// Every box of `input`, in the order of the form.
std::vector<TypedBox> TypedBoxes(const CalcInput& input);

// A box holding nothing but white space is blank, to the window and the
// calculation alike: an optional limit left so is no limit.
bool IsBlank(const QString& text);

// The text without the blanks, tabs and line feeds the field rule ignores.
QString Cleaned(const QString& text);

// Only the digits the field rule reads.
bool IsDigit(QChar c);

// Where the first comma right after a digit stands in a cleaned text, or -1:
// the field rule stops there, so "0,9" reads as 0.
qsizetype CommaAfterDigit(const QString& cleaned);

// The box's text through FieldValue. A number too large to calculate with is
// reported naming the box and what it says, then `advice` on what to type
// ("%1" in it stands for the box's name).
double ReadBox(BoxId id, const QString& text, const char* advice);

// What a box holds, for a report: "«Peso del vehículo» dice «-1»", with
// ", que se lee como 12" when the field rule read less than the text shows,
// or "«Segunda» está en blanco".
QString WhatItSays(BoxId id, const QString& text, double value);

// The fault with one sentence more for each box whose text has a comma right
// after a digit, where the field rule stops: "«Rendimiento Transmisión» dice
// «0,9», que se lee como 0: escriba 0.9.", but for a box the report quotes
// ("«X» dice «...»"), whose advice it gives itself. Unchanged when no box has
// such a comma. A fault that named no box points at the first one hinted.
CalcFault WithDecimalCommaHints(const CalcFault& fault, const std::vector<TypedBox>& boxes);

} // namespace kinetra
