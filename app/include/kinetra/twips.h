#pragma once

#include <QRect>

#include <cmath>

namespace kinetra {

// The form is drawn in twips, 1440 to the inch; on a 96-dots-per-inch screen a
// pixel is 15 of them. The window may draw a twip larger than that (a larger
// desktop font needs room) or smaller (a small screen), but always with one
// scale for every control, so that the form keeps its proportions. Qt's
// device-independent pixels are meant, so high-density screens scale on top.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr double kPixelsPerTwipAt96Dpi = 1.0 / kTwipsPerPixel;

inline int PixelsFromTwips(int twips, double pixelsPerTwip)
{
    return static_cast<int>(std::lround(twips * pixelsPerTwip));
}

// A control's place in twips: its left and top edges and its size. A line
// stores its end points (X1, Y1) and (X2, Y2) as (left, top) and
// (left + width, top + height).
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    constexpr bool onPixelGrid() const
    {
        return left % kTwipsPerPixel == 0 && top % kTwipsPerPixel == 0 && width % kTwipsPerPixel == 0
               && height % kTwipsPerPixel == 0;
    }
};

// Edges are rounded, not sizes, so that controls that touch on the form
// still touch on the screen and none drifts by more than half a pixel.
inline QRect PixelRect(TwipRect place, double pixelsPerTwip)
{
    const int left = PixelsFromTwips(place.left, pixelsPerTwip);
    const int top = PixelsFromTwips(place.top, pixelsPerTwip);
    return {left, top, PixelsFromTwips(place.right(), pixelsPerTwip) - left,
            PixelsFromTwips(place.bottom(), pixelsPerTwip) - top};
}

} // namespace kinetra
