#pragma once

#include <QRect>

namespace kinetra {

// The form is drawn in twips, 1440 to the inch; on a 96-dots-per-inch screen a
// pixel is 15 of them. Qt's device-independent pixels are such pixels, so the
// form keeps its proportions on high-density screens too.
inline constexpr int kTwipsPerPixel = 15;

constexpr int PixelsFromTwips(int twips) { return twips / kTwipsPerPixel; }

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
    constexpr bool onPixelGrid() const {
        return left % kTwipsPerPixel == 0 && top % kTwipsPerPixel == 0
            && width % kTwipsPerPixel == 0 && height % kTwipsPerPixel == 0;
    }
};

inline QRect PixelRect(TwipRect place) {
    return {PixelsFromTwips(place.left), PixelsFromTwips(place.top),
            PixelsFromTwips(place.width), PixelsFromTwips(place.height)};
}

} // namespace kinetra
