// The tests' independent source-over: straight alpha, in floating point,
// rounded to nearest, written as plainly as possible.
#pragma once

#include <cmath>

#include "engine/Image.h"

namespace orvelle::reference {

inline Pixel ReferenceOver(Pixel layer, Pixel picture) {
    const double a = static_cast<double>(layer >> 24);
    auto channel = [&](int shift) {
        const double top = static_cast<double>((layer >> shift) & 0xFF);
        const double bottom = static_cast<double>((picture >> shift) & 0xFF);
        return static_cast<Pixel>(std::lround((top * a + bottom * (255.0 - a)) / 255.0)) << shift;
    };
    const double bottomAlpha = static_cast<double>(picture >> 24);
    const auto alpha = static_cast<Pixel>(a + static_cast<double>(std::lround(bottomAlpha * (255.0 - a) / 255.0)));
    return (alpha << 24) | channel(16) | channel(8) | channel(0);
}

}  // namespace orvelle::reference
