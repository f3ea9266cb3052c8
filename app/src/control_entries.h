#pragma once

#include "kinetra/form_layout.h"
#include "kinetra/input_boxes.h"

// How the entries of the form's controls are written: the form's own and
// those the program adds share them.
namespace kinetra {

// The form's entries are built field by field: each kind of control fills
// only the fields that mean something for it.
constexpr ControlEntry Control(QStringView name, ControlKind kind, QStringView caption, TwipRect place, int tabIndex)
{
    ControlEntry entry;
    entry.name = name;
    entry.kind = kind;
    entry.caption = caption;
    entry.place = place;
    entry.tabIndex = tabIndex;
    return entry;
}

constexpr ControlEntry Picture(QStringView name, TwipRect place, QStringView accessibleName)
{
    ControlEntry entry = Control(name, ControlKind::Picture, {}, place, kNoTabIndex);
    entry.accessibleName = accessibleName;
    return entry;
}

constexpr ControlEntry Label(QStringView name, QStringView caption, TwipRect place, int tabIndex,
                             QStringView buddy = {})
{
    ControlEntry entry = Control(name, ControlKind::Label, caption, place, tabIndex);
    entry.buddy = buddy;
    return entry;
}

// The caption of a box's row, naming the box (the row's first, where it has
// several), as the reports quote it.
constexpr ControlEntry BoxLabel(QStringView name, BoxId box, TwipRect place, int tabIndex)
{
    return Label(name, BoxOf(box).caption, place, tabIndex, BoxOf(box).control);
}

// The examples together make one car that calculates: a saloon of 1200 kg on
// 195/65 R15 tyres, six gears, its torque peaking at 151 N·m near 71 rev/s.
struct BoxText {
    QStringView description;
    QStringView example;
    QStringView defaultText = {};
};

// A box of the calculation: its control and what a screen reader calls it
// come from the table of the input boxes, as the reports' names do.
constexpr ControlEntry Box(BoxId box, TwipRect place, int tabIndex, BoxText text, bool enabledAtStart = true)
{
    ControlEntry entry = Control(BoxOf(box).control, ControlKind::TextBox, text.defaultText, place, tabIndex);
    entry.box = box;
    entry.description = text.description;
    entry.example = text.example;
    entry.enabledAtStart = enabledAtStart;
    return entry;
}

constexpr ControlEntry Button(QStringView name, ControlKind kind, QStringView caption, TwipRect place, int tabIndex,
                              QStringView accessibleName, QStringView description)
{
    ControlEntry entry = Control(name, kind, caption, place, tabIndex);
    entry.accessibleName = accessibleName;
    entry.description = description;
    return entry;
}

constexpr ControlEntry Frame(QStringView name, QStringView caption, TwipRect place, int tabIndex)
{
    return Control(name, ControlKind::Frame, caption, place, tabIndex);
}

// A label inside a frame, placed from the frame's corner.
constexpr ControlEntry FramedLabel(QStringView name, QStringView frame, TwipRect place, int tabIndex,
                                   QStringView description)
{
    ControlEntry entry = Control(name, ControlKind::Label, {}, place, tabIndex);
    entry.container = frame;
    entry.description = description;
    return entry;
}

constexpr ControlEntry HorizontalLine(QStringView name, int x1, int x2, int y)
{
    return Control(name, ControlKind::Line, {}, {x1, y, x2 - x1, 0}, kNoTabIndex);
}

// The two gear-ratio and torque columns share their row sizes.
constexpr TwipRect ColumnLabel(int left, int top, int width = 735)
{
    return {left, top, width, 255};
}
constexpr TwipRect ColumnBox(int left, int top)
{
    return {left, top, 855, 285};
}

// Where the data block's left boxes and right captions stand.
inline constexpr int kDataLeftBox = 2520;
inline constexpr int kDataRightLabel = 3720;

} // namespace kinetra
