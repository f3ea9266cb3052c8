#pragma once

#include "kinetra/twips.h"

#include <QFont>
#include <QSize>

#include <functional>

namespace kinetra {

// How the form is drawn on this desktop: how large a twip is, the font of
// every caption and box, and the window that shows the form.
struct FormFit {
    double pixelsPerTwip = kPixelsPerTwipAt96Dpi;
    QFont font;
    QSize window; // the form itself, or the part of it the screen has room for
};

// Whether every caption of the form is seen whole with `font` when a twip
// takes `pixelsPerTwip` pixels.
using CaptionsFit = std::function<bool(const QFont& font, double pixelsPerTwip)>;

// The desktop's own font, always, at the smallest scale at which every
// caption fits, and never smaller than the form at 96 dots per inch. A person
// who enlarged the text keeps it large: when the form then outgrows `room`,
// the window takes the room there is and the form scrolls inside it, with
// scroll bars `scrollBarExtent` thick.
FormFit FitForm(const QFont& desktopFont, QSize room, int scrollBarExtent, const CaptionsFit& captionsFit);

// The window that shows a form of size `form` in `room`: the form whole when
// it fits, else as much as fits, with a scroll bar along each direction that
// needs one.
QSize WindowAround(QSize form, QSize room, int scrollBarExtent);

} // namespace kinetra
