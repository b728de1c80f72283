// How the guides look: a line is a raised bar across its thickness, a handle
// is its picture with a raised frame over its border, both in the system's
// 3-D colours so that they show on light and dark content alike. Built at
// start-up and for each new DPI; the refresh cycle never touches them.
#pragma once

#include "engine/Bitmap32.h"

namespace orvelle {

// The system colours the guides are drawn in, as opaque 0xAARRGGBB pixels.
struct GuideColors {
    Pixel buttonHighlight;  // system colour 20
    Pixel light3d;          // 22
    Pixel buttonFace;       // 15
    Pixel buttonShadow;     // 16
    Pixel darkShadow3d;     // 21
};

// The bar of a line, one pixel long: `thickness` x 1 for a vertical line,
// 1 x `thickness` for a horizontal one, stretched along the picture when
// shown. From the left (or top): highlight, light, face, face, shadow, dark
// shadow, each band as wide as the thickness allows.
TBitmap32 GuideBar(int thickness, bool vertical, const GuideColors& colors);

// Draws the raised frame over the border of a handle's picture: an outer ring
// of highlight (top, left) and dark shadow (bottom, right) and an inner one of
// light and shadow, each `ringWidth` pixels wide.
void DrawRaisedFrame(TBitmap32& picture, int ringWidth, const GuideColors& colors);

}  // namespace orvelle
