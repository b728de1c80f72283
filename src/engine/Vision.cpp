#include "engine/Vision.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace orvelle {

namespace {

using Matrix = std::array<std::array<float, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), severity 1.0.
constexpr Matrix kProtanopia{{{0.152286f, 1.052583f, -0.204868f},
                              {0.114503f, 0.786281f, 0.099216f},
                              {-0.003882f, -0.048116f, 1.051998f}}};
constexpr Matrix kDeuteranopia{{{0.367322f, 0.860646f, -0.227968f},
                                {0.280085f, 0.672501f, 0.047413f},
                                {-0.011820f, 0.042940f, 0.968881f}}};
constexpr Matrix kTritanopia{{{1.255528f, -0.076749f, -0.178779f},
                              {-0.078411f, 0.930809f, 0.147602f},
                              {0.004733f, 0.691367f, 0.303900f}}};
// The luminance of linear sRGB, as grey.
constexpr Matrix kAchromatopsia{{{0.2126f, 0.7152f, 0.0722f}, {0.2126f, 0.7152f, 0.0722f}, {0.2126f, 0.7152f, 0.0722f}}};

double DecodeSrgb(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// Linear light of each 8-bit value, and the way back: the encoded value
// rounded to nearest is the number of midpoints between neighbouring levels
// that the linear value reaches. The midpoints lie at least 1 / 3294 apart in
// linear light (the steepest part of the curve, at black), so a step of
// 1 / 4096 holds at most one of them: a table of the level at each step's
// start, and one comparison with the next midpoint, find the level exactly
// and without branches.
struct Tables {
    static constexpr int kSteps = 4096;
    std::array<float, 256> linear{};
    std::array<float, 257> midpoint{};  // [k]: linear value halfway (in encoded terms) between level k - 1 and k
    std::array<std::uint8_t, kSteps> levelAtStep{};

    Tables() {
        for (int k = 0; k < 256; ++k) {
            const double c = k / 255.0;
            linear[static_cast<std::size_t>(k)] = static_cast<float>(DecodeSrgb(c));
            // Encoded (k - 0.5) / 255, decoded: a linear value at or above it rounds to k or more.
            midpoint[static_cast<std::size_t>(k)] = k == 0 ? -1.0f : static_cast<float>(DecodeSrgb((k - 0.5) / 255.0));
        }
        midpoint[256] = std::numeric_limits<float>::infinity();  // nothing is above white
        int k = 0;
        for (int i = 0; i < kSteps; ++i) {
            const float start = static_cast<float>(i) / kSteps;
            while (start >= midpoint[static_cast<std::size_t>(k + 1)]) ++k;
            levelAtStep[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(k);
        }
    }

    // `v` is a matrix row applied to linear values, so well within +-2.
    std::uint8_t Encode(float v) const {
        // Below 0 gives black and at or above 1 white, with integer clamps
        // (no branches: a float comparison here would be mispredicted on
        // every other pixel of a photograph).
        const int step = std::clamp(static_cast<int>(v * kSteps), 0, kSteps - 1);
        const int k = levelAtStep[static_cast<std::size_t>(step)];
        return static_cast<std::uint8_t>(k + static_cast<int>(v >= midpoint[static_cast<std::size_t>(k + 1)]));
    }
};

const Tables& TablesOnce() {
    static const Tables tables;
    return tables;
}

const Matrix* MatrixOf(VisionMode mode) {
    switch (mode) {
        case VisionMode::Protanopia: return &kProtanopia;
        case VisionMode::Deuteranopia: return &kDeuteranopia;
        case VisionMode::Tritanopia: return &kTritanopia;
        case VisionMode::Achromatopsia: return &kAchromatopsia;
        default: return nullptr;
    }
}

Pixel Transform(Pixel p, const Matrix& m, const Tables& t) {
    const float r = t.linear[(p >> 16) & 255], g = t.linear[(p >> 8) & 255], b = t.linear[p & 255];
    const std::uint8_t R = t.Encode(m[0][0] * r + m[0][1] * g + m[0][2] * b);
    const std::uint8_t G = t.Encode(m[1][0] * r + m[1][1] * g + m[1][2] * b);
    const std::uint8_t B = t.Encode(m[2][0] * r + m[2][1] * g + m[2][2] * b);
    return (p & 0xFF000000u) | (static_cast<Pixel>(R) << 16) | (static_cast<Pixel>(G) << 8) | B;
}

}  // namespace

Pixel SimulateVision(Pixel pixel, VisionMode mode) {
    if (mode == VisionMode::Inverted) return pixel ^ 0x00FFFFFFu;
    const Matrix* m = MatrixOf(mode);
    return m == nullptr ? pixel : Transform(pixel, *m, TablesOnce());
}

VisionSimulator::VisionSimulator() : keys_(kSlots, kNoColor), values_(kSlots) {}

void VisionSimulator::Simulate(ConstImageRef src, ImageRef dst, VisionMode mode) {
    if (mode != mode_) {
        mode_ = mode;
        std::fill(keys_.begin(), keys_.end(), kNoColor);
    }
    const Matrix* m = MatrixOf(mode);
    const Tables& t = TablesOnce();
    const int width = std::min(src.width, dst.width);
    bool photoRow = false;
    for (int y = 0; y < src.height && y < dst.height; ++y) {
        const Pixel* in = src.Row(y);
        Pixel* out = dst.Row(y);
        if (mode == VisionMode::Inverted) {
            for (int x = 0; x < width; ++x) out[x] = in[x] ^ 0x00FFFFFFu;
        } else if (m == nullptr) {
            std::copy_n(in, width, out);
        } else {
            // A row of a photograph has as many colours as pixels: looking them
            // up would only cost, so the next row works each pixel out directly.
            if (photoRow) {
                for (int x = 0; x < width; ++x) out[x] = Transform(in[x], *m, t);
                photoRow = false;
                continue;
            }
            Pixel* keys = keys_.data();
            Pixel* values = values_.data();
            int misses = 0;
            for (int x = 0; x < width; ++x) {
                const Pixel pixel = in[x];
                const Pixel rgb = pixel & 0x00FFFFFFu;
                const std::size_t slot = (rgb * 0x9E3779B1u) >> (32 - kSlotBits);
                if (keys[slot] != rgb) [[unlikely]] {
                    keys[slot] = rgb;
                    values[slot] = Transform(rgb, *m, t);
                    ++misses;
                }
                out[x] = (pixel & 0xFF000000u) | values[slot];
            }
            photoRow = misses * 2 > width;
        }
    }
}

void SimulateVision(ConstImageRef src, ImageRef dst, VisionMode mode) {
    VisionSimulator().Simulate(src, dst, mode);
}

}  // namespace orvelle
