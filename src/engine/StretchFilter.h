// The magnification modes. The numbering is the order of the smoothing menu,
// with the exact block enlargement first.
#pragma once

namespace orvelle {

enum class TStretchFilter {
    sfNearest = 0,  // Precise: every source pixel becomes a z x z block
    sfDraft = 1,    // "Simple": bilinear, identical to sfLinear
    sfLinear = 2,
    sfCosine = 3,
    sfSpline = 4,   // cubic B-spline ("Bicubic")
    sfLanczos = 5,  // three lobes, clamped
    sfMitchell = 6, // B = C = 1/3, clamped
};

constexpr int kStretchFilterCount = 7;

}  // namespace orvelle
