#pragma once

#include "kinetra/twips.h"

#include <QFont>
#include <QSize>

#include <functional>

namespace kinetra {

// How the form is drawn on this desktop: how large a twip is, and the font of
// every caption and box.
struct FormFit {
    double pixelsPerTwip = kPixelsPerTwipAt96Dpi;
    QFont font;
};

// Whether every caption of the form is seen whole with `font` when a twip
// takes `pixelsPerTwip` pixels.
using CaptionsFit = std::function<bool(const QFont& font, double pixelsPerTwip)>;

// The desktop's own font, at the smallest scale at which every caption fits,
// and never smaller than the form at 96 dots per inch. The scale stops where
// the client area would no longer fit in `room`; only then does the font
// shrink, as a last resort, until the captions fit again.
FormFit FitForm(const QFont& desktopFont, QSize room, const CaptionsFit& captionsFit);

} // namespace kinetra
