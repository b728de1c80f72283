// Colours as people measure them, from the 8-bit sRGB values of a pixel: the
// linear light of each channel, CIE Lab (D50, as CSS Color 4 defines it from
// sRGB, with the Bradford adaptation), OKLab and its polar form OKLCH, the
// contrast of two colours as WCAG 2.2 defines it, and APCA's lightness
// contrast (APCA-W3 0.0.98G-4g).
#pragma once

#include <cstdint>

#include "engine/Image.h"

namespace orvelle {

struct Rgb8 {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

constexpr Rgb8 RgbOf(Pixel p) {
    return Rgb8{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
}
constexpr Pixel PixelOf(Rgb8 c) {
    return 0xFF000000u | (static_cast<Pixel>(c.r) << 16) | (static_cast<Pixel>(c.g) << 8) | c.b;
}

// The sRGB transfer function, undone: 0 ... 1 of linear light.
double LinearFromSrgb(std::uint8_t value);

struct Lab {
    double l = 0;  // 0 ... 100
    double a = 0;
    double b = 0;
};
Lab LabFromSrgb(Rgb8 color);

struct Oklch {
    double l = 0;  // 0 ... 1
    double c = 0;
    double h = 0;  // degrees, 0 ... 360
};
Oklch OklchFromSrgb(Rgb8 color);

// (L1 + 0.05) / (L2 + 0.05) of the relative luminances, the lighter first: 1 ... 21.
double WcagContrast(Rgb8 a, Rgb8 b);

// APCA's lightness contrast Lc of `text` on `background`, about -108 ... 106:
// positive for dark text on a light background, negative for light on dark.
double ApcaContrast(Rgb8 text, Rgb8 background);

}  // namespace orvelle
