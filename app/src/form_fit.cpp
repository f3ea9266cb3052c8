#include "kinetra/form_fit.h"

#include "kinetra/form_layout.h"

#include <QFontInfo>

#include <algorithm>

namespace kinetra {
namespace {

// The scale grows 2 % at a time: a caption ends at most that far from the
// edge it must fit in.
constexpr double kScaleStep = 1.02;
constexpr double kPointSizeStep = 0.25;
// Below this no caption can be read on any screen; the form stops shrinking
// its font here even if a caption is then cut.
constexpr double kSmallestPointSize = 5;

} // namespace

FormFit FitForm(const QFont& desktopFont, QSize room, const CaptionsFit& captionsFit)
{
    const double largest = std::min(static_cast<double>(room.width()) / kClientArea.width,
                                    static_cast<double>(room.height()) / kClientArea.height);
    FormFit fit{kPixelsPerTwipAt96Dpi, desktopFont};
    while (fit.pixelsPerTwip < largest && !captionsFit(fit.font, fit.pixelsPerTwip)) {
        fit.pixelsPerTwip *= kScaleStep;
    }
    fit.pixelsPerTwip = std::min(fit.pixelsPerTwip, largest);
    if (captionsFit(fit.font, fit.pixelsPerTwip)) {
        return fit;
    }

    if (fit.font.pointSizeF() <= 0) { // a font given in pixels
        fit.font.setPointSizeF(QFontInfo(fit.font).pointSizeF());
    }
    while (fit.font.pointSizeF() - kPointSizeStep >= kSmallestPointSize && !captionsFit(fit.font, fit.pixelsPerTwip)) {
        fit.font.setPointSizeF(fit.font.pointSizeF() - kPointSizeStep);
    }
    return fit;
}

} // namespace kinetra
