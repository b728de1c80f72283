// Sizes of the main window are designed at 96 DPI. They are scaled to the
// window's DPI here, once, by the logic and the front-end alike; pixels of the
// magnified picture are physical and never pass through these functions.
#pragma once

#include <cstdint>

#include "engine/Image.h"

namespace orvelle {

inline constexpr int kDesignDpi = 96;

// designed * dpi / 96, rounded to the nearest integer with halves away from
// zero, exactly as the system's MulDiv rounds, so that both layers agree.
constexpr int ScaleToDpi(int designed, int dpi) {
    const std::int64_t product = static_cast<std::int64_t>(designed) * dpi;
    const std::int64_t half = kDesignDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi));
}
constexpr Point ScaleToDpi(Point designed, int dpi) { return {ScaleToDpi(designed.x, dpi), ScaleToDpi(designed.y, dpi)}; }
constexpr Size ScaleToDpi(Size designed, int dpi) {
    return {ScaleToDpi(designed.width, dpi), ScaleToDpi(designed.height, dpi)};
}
// Each edge is scaled, so that neighbouring rectangles stay neighbours.
constexpr Rect ScaleToDpi(const Rect& designed, int dpi) {
    return {ScaleToDpi(designed.left, dpi), ScaleToDpi(designed.top, dpi), ScaleToDpi(designed.right, dpi),
            ScaleToDpi(designed.bottom, dpi)};
}

// The pictures (toolbar, menu, logo) are drawn at 100, 125, 150 and 200 %;
// a window uses the set nearest to its own scale, the larger on a tie, so
// that they stay sharp instead of being stretched.
constexpr int PictureScalePercent(int dpi) {
    constexpr int kDrawnPercents[] = {100, 125, 150, 200};
    const int wanted = dpi * 100;  // in hundredths of a percent of 96 DPI, times 96
    int best = kDrawnPercents[0];
    for (int percent : kDrawnPercents) {
        const int distance = wanted - percent * kDesignDpi;
        const int bestDistance = wanted - best * kDesignDpi;
        if ((distance < 0 ? -distance : distance) <= (bestDistance < 0 ? -bestDistance : bestDistance)) best = percent;
    }
    return best;
}

// The size in pixels of a picture designed `designed` pixels long, drawn at
// `percent`; the drawing tool rounds the same way.
constexpr int ScalePicture(int designed, int percent) { return (designed * percent + 50) / 100; }
constexpr Size ScalePicture(Size designed, int percent) {
    return {ScalePicture(designed.width, percent), ScalePicture(designed.height, percent)};
}

}  // namespace orvelle
