#include "kinetra/form_fit.h"

#include "kinetra/form_layout.h"

#include <algorithm>

namespace kinetra {
namespace {

// The scale grows 2 % at a time: a caption ends at most that far from the
// edge it must fit in.
constexpr double kScaleStep = 1.02;
// Beyond ten times the form at 96 dots per inch no font needs more room; the
// scale stops there even if a caption is then cut.
constexpr double kLargestScale = 10 * kPixelsPerTwipAt96Dpi;

} // namespace

FormFit FitForm(const QFont& desktopFont, QSize room, int scrollBarExtent, const CaptionsFit& captionsFit)
{
    FormFit fit{kPixelsPerTwipAt96Dpi, desktopFont, {}};
    while (fit.pixelsPerTwip < kLargestScale && !captionsFit(fit.font, fit.pixelsPerTwip)) {
        fit.pixelsPerTwip *= kScaleStep;
    }
    fit.window = WindowAround(PixelRect(kClientArea, fit.pixelsPerTwip).size(), room, scrollBarExtent);
    return fit;
}

QSize WindowAround(QSize form, QSize room, int scrollBarExtent)
{
    // A scroll bar along one edge takes room from the other direction, which
    // may then need its own.
    bool across = form.width() > room.width();
    bool down = form.height() > room.height();
    across = form.width() + (down ? scrollBarExtent : 0) > room.width();
    down = form.height() + (across ? scrollBarExtent : 0) > room.height();
    return {std::min(form.width() + (down ? scrollBarExtent : 0), room.width()),
            std::min(form.height() + (across ? scrollBarExtent : 0), room.height())};
}

} // namespace kinetra
