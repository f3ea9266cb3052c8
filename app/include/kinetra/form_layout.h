#pragma once

#include "kinetra/input_boxes.h"
#include "kinetra/twips.h"

#include <QStringView>

#include <optional>
#include <span>

namespace kinetra {

// The client area of the main window, in twips.
inline constexpr TwipRect kClientArea{0, 0, 11775, 8595};
inline constexpr QStringView kWindowCaption = u" Kinetra Aceleración";

enum class ControlKind {
    Picture,
    Label,
    TextBox,
    CheckBox,
    OptionButton,
    Frame,
    CommandButton,
    Line,
    ComboBox, // a list to choose from; its items come from the calculation's table
};

inline constexpr int kNoTabIndex = -1;

// One control of the main window as the form defines it. The strings are the
// exact texts shown; the empty ones mean "none".
struct ControlEntry {
    QStringView name;
    ControlKind kind = ControlKind::Label;
    QStringView caption; // a label's or button's caption, a box's default text
    TwipRect place;      // from the client area, or from the container's corner
    int tabIndex = kNoTabIndex;
    QStringView container;      // the frame the control lies in
    QStringView buddy;          // a label's: the box it names
    QStringView accessibleName; // what a screen reader calls it: the caption a person sees first
    std::optional<BoxId> box;   // a box of the calculation's: its name is the table's
    QStringView description;    // its tooltip, also read out: meaning and unit, numbers as typed
                                // ("%1" stands for the user's decimal separator)
    QStringView example;        // a box's: a value of the example car, shown greyed while the box is empty;
                                // never its text ("%1" as above)
    bool enabledAtStart = true;
};

// Every control of the main window, each container before what it holds.
std::span<const ControlEntry> FormControls();

// The controls the program adds to the form ("Detalles…" inside the results,
// "Curva de par…" under the torque column, the car's limits), placed and
// scaled as the form's own, each inside a container of the form or of its
// own that comes before it.
std::span<const ControlEntry> AddedControls();

// How much of a captioned control stays in sight, in twips: its width, cut
// at the left edge of a text box that starts inside it on the same row (the
// boxes lie on top, as they do on the form: "Area Frontal" runs under the
// area box, "R" under the rim box).
int UncoveredWidth(const ControlEntry& control);

} // namespace kinetra
