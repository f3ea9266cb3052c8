#pragma once

// Drives Form1 the way a user does: typing into its boxes and clicking its
// controls, found by their names.

#include "kinetra/calc_input.h"
#include "kinetra/details_window.h"
#include "kinetra/form1.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <map>
#include <utility>
#include <vector>

namespace kinetra::testing {

inline QLocale DecimalComma()
{
    return QLocale(QLocale::Spanish, QLocale::Spain);
}

template <class Control = QWidget>
Control* Find(const Form1& form, const QString& name)
{
    return form.findChild<Control*>(name);
}

// Boxes 1 to 28 are the form's; 29 to 35 the car's optional limits, in the
// order of LimitTexts.
inline QLineEdit* Box(const Form1& form, int number)
{
    static const char* const kLimits[] = {"RedLine",     "LaunchSpeed", "ShiftTime", "Grip",
                                          "DrivenShare", "CgHeight",    "Wheelbase"};
    return number <= 28 ? Find<QLineEdit>(form, QStringLiteral("Text%1").arg(number))
                        : Find<QLineEdit>(form, kLimits[number - 29]);
}

inline QString Result(const Form1& form)
{
    return Find<QLabel>(form, "Label31")->text();
}

// The notes under the sentence, as shown: empty when they are hidden.
inline QString Notes(const Form1& form)
{
    const auto* notes = Find<QLabel>(form, "ResultNotesText");
    return notes->isVisibleTo(&form) ? notes->text() : QString();
}

// The result as a screen reader hears it: the frame's caption, then the sentence.
inline QString HeardResult(const Form1& form)
{
    return QAccessible::queryAccessibleInterface(Find<QLabel>(form, "Label31"))->text(QAccessible::Name);
}

// Replaces a box's text keystroke by keystroke.
inline void Type(const Form1& form, int number, const QString& text)
{
    QLineEdit* box = Box(form, number);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

inline void Click(const Form1& form, const QString& name)
{
    QTest::mouseClick(Find<QAbstractButton>(form, name), Qt::LeftButton);
}

inline QMessageBox* FaultReport(const Form1& form)
{
    return form.findChild<QMessageBox*>();
}

inline bool FaultReportShown(const Form1& form)
{
    return FaultReport(form) != nullptr && FaultReport(form)->isVisible();
}

inline DetailsWindow* Details(const Form1& form)
{
    return form.findChild<DetailsWindow*>();
}

// The details' table as "Copiar tabla" puts it on the clipboard.
inline QString CopiedTable(const Form1& form)
{
    QApplication::clipboard()->clear();
    QTest::mouseClick(Details(form)->findChild<QAbstractButton*>("CopiarTabla"), Qt::LeftButton);
    return QApplication::clipboard()->text();
}

// What a screen reader hears of one of the details' parts.
inline QString HeardInDetails(const Form1& form, const char* name, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(Details(form)->findChild<QWidget*>(name))->text(text);
}

// What the user types, box by box.
using Typing = std::vector<std::pair<int, QString>>;

// `first`, then `then` over it.
inline Typing Then(Typing first, const Typing& then)
{
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

inline void TypeAll(const Form1& form, const Typing& typing)
{
    for (const auto& [number, text] : typing) Type(form, number, text);
}

// The same texts as the calculation must receive them: which box fills which
// member is the form's definition (the torque column runs C0, N, N2, N3 in
// Text22 up to Text19, then N4, N5 in Text24, Text23 and N6 in Text28).
inline CalcInput InputFrom(const Typing& typing)
{
    CalcInput input;
    std::map<int, QString*> member{{7, &input.finalDrive},
                                   {8, &input.initialSpeed},
                                   {9, &input.finalSpeed},
                                   {10, &input.massFactor},
                                   {11, &input.mass},
                                   {12, &input.tyreWidth},
                                   {13, &input.efficiency},
                                   {14, &input.dragCoefficient},
                                   {15, &input.rollingCoefficient},
                                   {16, &input.slopePercent},
                                   {17, &input.tyreAspect},
                                   {18, &input.rimDiameter},
                                   {29, &input.limits.redLine},
                                   {30, &input.limits.launchSpeed},
                                   {31, &input.limits.shiftTime},
                                   {32, &input.limits.grip},
                                   {33, &input.limits.drivenShare}};
    for (std::size_t gear = 0; gear < 6; ++gear) member[static_cast<int>(gear) + 1] = &input.gearRatio[gear];
    const int torqueBoxes[] = {22, 21, 20, 19, 24, 23, 28};
    for (std::size_t power = 0; power < 7; ++power) member[torqueBoxes[power]] = &input.torqueCoefficient[power];
    for (const auto& [number, text] : typing) {
        if (const auto found = member.find(number); found != member.end()) *found->second = text;
    }
    return input;
}

// A small saloon on 195/65 R15 tyres, four gears, its torque in N m against
// engine speed in rev/s peaking near 75 rev/s, from rest to 28 m/s. The
// defaults of the form are typed again so that the list is the whole input.
inline Typing Saloon()
{
    return {{1, "3.5"},    {2, "2.1"},   {3, "1.4"},  {4, "1.0"},  {7, "4.1"},    {8, "0"},    {9, "28"},
            {10, "1.06"},  {11, "1200"}, {12, "195"}, {17, "65"},  {18, "15"},    {13, "0.9"}, {14, "0.33"},
            {15, "0.015"}, {16, "0"},    {22, "60"},  {21, "0.9"}, {20, "-0.006"}};
}

} // namespace kinetra::testing

Q_DECLARE_METATYPE(kinetra::FrontalArea)
Q_DECLARE_METATYPE(kinetra::testing::Typing)
