#include "guides/GuideLooks.h"

#include <algorithm>

namespace orvelle {

namespace {

constexpr int kDesignedBands = 6;

// Fills the pixels of row `y` from x0 to x1, both included, inside the picture.
void Run(TBitmap32& picture, int x0, int x1, int y, Pixel color) {
    if (y < 0 || y >= picture.Height()) return;
    for (int x = std::max(x0, 0); x <= std::min(x1, picture.Width() - 1); ++x) picture.At(x, y) = color;
}

void Column(TBitmap32& picture, int x, int y0, int y1, Pixel color) {
    if (x < 0 || x >= picture.Width()) return;
    for (int y = std::max(y0, 0); y <= std::min(y1, picture.Height() - 1); ++y) picture.At(x, y) = color;
}

}  // namespace

TBitmap32 GuideBar(int thickness, bool vertical, const GuideColors& colors) {
    const Pixel bands[kDesignedBands] = {colors.buttonHighlight, colors.light3d,      colors.buttonFace,
                                         colors.buttonFace,      colors.buttonShadow, colors.darkShadow3d};
    thickness = std::max(thickness, 1);
    TBitmap32 bar(vertical ? thickness : 1, vertical ? 1 : thickness);
    // Each pixel across the bar takes the band its centre falls in.
    for (int i = 0; i < thickness; ++i) {
        const Pixel color = bands[(2 * i + 1) * kDesignedBands / (2 * thickness)];
        if (vertical)
            bar.At(i, 0) = color;
        else
            bar.At(0, i) = color;
    }
    return bar;
}

void DrawRaisedFrame(TBitmap32& picture, int ringWidth, const GuideColors& colors) {
    const int w = picture.Width();
    const int h = picture.Height();
    // Ring k runs one pixel inside ring k - 1. Its top-left part stops one
    // pixel short of the far corners, which belong to the bottom-right part.
    for (int k = 0; k < 2 * ringWidth; ++k) {
        const bool outer = k < ringWidth;
        const Pixel topLeft = outer ? colors.buttonHighlight : colors.light3d;
        const Pixel bottomRight = outer ? colors.darkShadow3d : colors.buttonShadow;
        Column(picture, k, k, h - 2 - k, topLeft);
        Run(picture, k, w - 2 - k, k, topLeft);
        Column(picture, w - 1 - k, k, h - 1 - k, bottomRight);
        Run(picture, k, w - 2 - k, h - 1 - k, bottomRight);
    }
}

}  // namespace orvelle
