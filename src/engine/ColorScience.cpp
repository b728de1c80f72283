#include "engine/ColorScience.h"

#include <array>
#include <cmath>
#include <numbers>

namespace orvelle {

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector Times(const Matrix& m, const Vector& v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

Vector LinearOf(Rgb8 c) { return {LinearFromSrgb(c.r), LinearFromSrgb(c.g), LinearFromSrgb(c.b)}; }

// CSS Color 4: linear sRGB to XYZ (D65), and the Bradford adaptation to D50.
constexpr Matrix kSrgbToXyzD65{{
    {0.41239079926595934, 0.357584339383878, 0.1804807884018343},
    {0.21263900587151027, 0.715168678767756, 0.07219231536073371},
    {0.01933081871559182, 0.11919477979462598, 0.9505321522496607},
}};
constexpr Matrix kD65ToD50{{
    {1.0479298208405488, 0.022946793341019088, -0.05019222954313557},
    {0.029627815688159344, 0.990434484573249, -0.01707382502938514},
    {-0.009243058152591178, 0.015055144896577895, 0.7518742899580008},
}};
constexpr Vector kD50White{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

// OKLab from linear sRGB (Björn Ottosson's matrices).
constexpr Matrix kSrgbToLms{{
    {0.4122214708, 0.5363325363, 0.0514459929},
    {0.2119034982, 0.6806995451, 0.1073969566},
    {0.0883024619, 0.2817188376, 0.6299787005},
}};
constexpr Matrix kLmsToOklab{{
    {0.2104542553, 0.7936177850, -0.0040720468},
    {1.9779984951, -2.4285922050, 0.4505937099},
    {0.0259040371, 0.7827717662, -0.8086757660},
}};

}  // namespace

double LinearFromSrgb(std::uint8_t value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Lab LabFromSrgb(Rgb8 color) {
    const Vector xyz = Times(kD65ToD50, Times(kSrgbToXyzD65, LinearOf(color)));
    constexpr double kEpsilon = 216.0 / 24389.0;
    constexpr double kKappa = 24389.0 / 27.0;
    Vector f;
    for (int i = 0; i < 3; ++i) {
        const double t = xyz[static_cast<std::size_t>(i)] / kD50White[static_cast<std::size_t>(i)];
        f[static_cast<std::size_t>(i)] = t > kEpsilon ? std::cbrt(t) : (kKappa * t + 16.0) / 116.0;
    }
    return Lab{116.0 * f[1] - 16.0, 500.0 * (f[0] - f[1]), 200.0 * (f[1] - f[2])};
}

Oklch OklchFromSrgb(Rgb8 color) {
    Vector lms = Times(kSrgbToLms, LinearOf(color));
    for (double& v : lms) v = std::cbrt(v);
    const Vector lab = Times(kLmsToOklab, lms);
    double hue = std::atan2(lab[2], lab[1]) * 180.0 / std::numbers::pi;
    if (hue < 0) hue += 360.0;
    return Oklch{lab[0], std::hypot(lab[1], lab[2]), hue};
}

double WcagContrast(Rgb8 a, Rgb8 b) {
    auto luminance = [](Rgb8 c) {
        return 0.2126 * LinearFromSrgb(c.r) + 0.7152 * LinearFromSrgb(c.g) + 0.0722 * LinearFromSrgb(c.b);
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

double ApcaContrast(Rgb8 text, Rgb8 background) {
    // The APCA-W3 0.0.98G-4g constants.
    constexpr double kTrc = 2.4;
    constexpr double kBlackThreshold = 0.022, kBlackClamp = 1.414;
    constexpr double kNormalBackground = 0.56, kNormalText = 0.57, kReverseText = 0.62, kReverseBackground = 0.65;
    constexpr double kScale = 1.14, kOffset = 0.027, kDeltaYMin = 0.0005, kLowClip = 0.1;
    auto screenLuminance = [&](Rgb8 c) {
        double y = 0.2126729 * std::pow(c.r / 255.0, kTrc) + 0.7151522 * std::pow(c.g / 255.0, kTrc) +
                   0.0721750 * std::pow(c.b / 255.0, kTrc);
        if (y < kBlackThreshold) y += std::pow(kBlackThreshold - y, kBlackClamp);
        return y;
    };
    const double yText = screenLuminance(text);
    const double yBackground = screenLuminance(background);
    if (std::abs(yBackground - yText) < kDeltaYMin) return 0.0;
    if (yBackground > yText) {
        const double sapc = (std::pow(yBackground, kNormalBackground) - std::pow(yText, kNormalText)) * kScale;
        return sapc < kLowClip ? 0.0 : (sapc - kOffset) * 100.0;
    }
    const double sapc = (std::pow(yBackground, kReverseBackground) - std::pow(yText, kReverseText)) * kScale;
    return sapc > -kLowClip ? 0.0 : (sapc + kOffset) * 100.0;
}

}  // namespace orvelle
