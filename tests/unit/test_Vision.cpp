#include "engine/Vision.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "engine/AreaAverage.h"

namespace orvelle {
namespace {

// Expected values worked out in double precision from the published
// matrices (Machado, Oliveira and Fernandes 2009, severity 1.0) and the sRGB
// transfer function, independently of the tables the code uses.
struct VisionRow {
    Pixel in;
    Pixel protanopia;
    Pixel deuteranopia;
    Pixel tritanopia;
    Pixel achromatopsia;
};

const VisionRow kVision[] = {
    {0xFFFF0000u, 0xFF6D5F00u, 0xFFA39000u, 0xFFFF000Fu, 0xFF7F7F7Fu},
    {0xFF00FF00u, 0xFFFFE500u, 0xFFEFD63Au, 0xFF00F7D9u, 0xFFDCDCDCu},
    {0xFF0000FFu, 0xFF0059FFu, 0xFF003DFBu, 0xFF006B96u, 0xFF4C4C4Cu},
    {0xFFFFFF00u, 0xFFFFF400u, 0xFFFFFA31u, 0xFFFFEED9u, 0xFFF7F7F7u},
    {0xFF651323u, 0xFF2A2823u, 0xFF3F3A21u, 0xFF6F001Au, 0xFF333333u},
    {0xFF123456u, 0xFF243657u, 0xFF1A3055u, 0xFF003C40u, 0xFF333333u},
    {0xFFC86432u, 0xFF80722Cu, 0xFF988930u, 0xFFDB4F59u, 0xFF808080u},
    {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu},
    {0xFF000000u, 0xFF000000u, 0xFF000000u, 0xFF000000u, 0xFF000000u},
};

TEST(Vision, DichromaciesAndAchromatopsiaOfKnownColours) {
    for (const VisionRow& row : kVision) {
        SCOPED_TRACE(::testing::Message() << std::hex << row.in);
        EXPECT_EQ(SimulateVision(row.in, VisionMode::Protanopia), row.protanopia);
        EXPECT_EQ(SimulateVision(row.in, VisionMode::Deuteranopia), row.deuteranopia);
        EXPECT_EQ(SimulateVision(row.in, VisionMode::Tritanopia), row.tritanopia);
        EXPECT_EQ(SimulateVision(row.in, VisionMode::Achromatopsia), row.achromatopsia);
    }
}

TEST(Vision, InvertedAndNormalKeepTheAlphaByte) {
    EXPECT_EQ(SimulateVision(0x80123456u, VisionMode::Inverted), 0x80EDCBA9u);
    EXPECT_EQ(SimulateVision(0x80123456u, VisionMode::Normal), 0x80123456u);
    EXPECT_EQ(SimulateVision(0x00FF0000u, VisionMode::Protanopia), 0x006D5F00u);
}

TEST(Vision, EveryGreyStaysItselfUnderAchromatopsia) {
    // The luminance weights add up to one: a grey's luminance is its own level,
    // so the encoding back must land on the level it came from.
    for (Pixel v = 0; v < 256; ++v) {
        const Pixel grey = 0xFF000000u | v << 16 | v << 8 | v;
        ASSERT_EQ(SimulateVision(grey, VisionMode::Achromatopsia), grey) << v;
    }
}

// The way back from linear light, done directly in double precision: the
// level whose encoded value is nearest, found by encoding, not by a table.
int EncodeDirectly(double linear) {
    const double c = std::clamp(linear, 0.0, 1.0);
    const double encoded = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
    return static_cast<int>(std::floor(encoded * 255.0 + 0.5));
}

TEST(Vision, EveryPixelIsEncodedBackToTheNearestLevel) {
    // Greys through the deuteranopia matrix land anywhere between the levels,
    // so these cover the whole curve, black's steep end included.
    const double m[3][3] = {{0.367322, 0.860646, -0.227968},
                            {0.280085, 0.672501, 0.047413},
                            {-0.011820, 0.042940, 0.968881}};
    auto decode = [](int v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    std::mt19937 random(2009);
    int worst = 0;
    int missed = 0;
    for (int i = 0; i < 20000; ++i) {
        const Pixel p = 0xFF000000u | (static_cast<Pixel>(random()) & 0xFFFFFFu);
        const double rgb[3] = {decode((p >> 16) & 255), decode((p >> 8) & 255), decode(p & 255)};
        const Pixel seen = SimulateVision(p, VisionMode::Deuteranopia);
        const int got[3] = {static_cast<int>((seen >> 16) & 255), static_cast<int>((seen >> 8) & 255),
                            static_cast<int>(seen & 255)};
        for (int c = 0; c < 3; ++c) {
            const int expected = EncodeDirectly(m[c][0] * rgb[0] + m[c][1] * rgb[1] + m[c][2] * rgb[2]);
            worst = std::max(worst, std::abs(got[c] - expected));
            missed += got[c] != expected;
        }
    }
    // Single precision may round a value lying within a hair of a midpoint
    // the other way, and so rarely; a level further off, or often, is an
    // encoding fault.
    EXPECT_LE(worst, 1);
    EXPECT_LE(missed, 6) << "of 60000 channels";
}

TEST(Vision, APatchIsEachOfItsPixels) {
    std::vector<Pixel> src, dst(std::size(kVision) * 3);
    for (int rep = 0; rep < 3; ++rep)
        for (const VisionRow& row : kVision) src.push_back(row.in);
    const int width = static_cast<int>(std::size(kVision));
    const ConstImageRef in{src.data(), width, 3, width};
    for (VisionMode mode : {VisionMode::Normal, VisionMode::Protanopia, VisionMode::Tritanopia, VisionMode::Inverted}) {
        SimulateVision(in, ImageRef{dst.data(), width, 3, width}, mode);
        for (std::size_t i = 0; i < src.size(); ++i) ASSERT_EQ(dst[i], SimulateVision(src[i], mode)) << i;
    }
}

TEST(Vision, ASimulatorKeptAcrossPatchesAndModesShowsEachPixelAsItsMode) {
    // Colours worked out for one mode must not show in another, and two
    // colours sharing a slot must not be mistaken for each other.
    std::vector<Pixel> src;
    std::mt19937 random(50);
    for (int i = 0; i < 64 * 64; ++i) src.push_back(i % 7 == 0 ? 0xFF808080u : static_cast<Pixel>(random()));
    std::vector<Pixel> dst(src.size());
    const ConstImageRef in{src.data(), 64, 64, 64};
    VisionSimulator simulator;
    for (VisionMode mode : {VisionMode::Protanopia, VisionMode::Tritanopia, VisionMode::Protanopia,
                            VisionMode::Inverted, VisionMode::Achromatopsia, VisionMode::Achromatopsia}) {
        simulator.Simulate(in, ImageRef{dst.data(), 64, 64, 64}, mode);
        for (std::size_t i = 0; i < src.size(); ++i)
            ASSERT_EQ(dst[i], SimulateVision(src[i], mode)) << static_cast<int>(mode) << " at " << i;
    }
}

TEST(AreaAverage, MeanOfEachChannelRoundedHalvesUp) {
    // 3 x 1: red (0, 1, 2) averages to 1; green (0, 0, 1) is 0.33 -> 0;
    // blue (255, 254, 254) is 254.33 -> 254. 2 x 1: (0 + 1) / 2 = 0.5 -> 1.
    std::vector<Pixel> pixels = {0xFF0000FFu, 0xFF0100FEu, 0xFF0201FEu};
    const ConstImageRef image{pixels.data(), 3, 1, 3};
    EXPECT_EQ(AverageColor(image, Rect{0, 0, 3, 1}), 0xFF0100FEu);
    EXPECT_EQ(AverageColor(image, Rect{0, 0, 2, 1}), 0xFF0100FFu);
    EXPECT_EQ(AverageColor(image, Rect{1, 0, 2, 1}), 0xFF0100FEu);  // one pixel is itself
}

TEST(AreaAverage, OnlyWhatLiesInsideCountsAndTheResultIsOpaque) {
    // A 3 x 3 image: black but for one white corner pixel, half transparent.
    std::vector<Pixel> pixels(9, 0xFF000000u);
    pixels[0] = 0x80FFFFFFu;
    const ConstImageRef image{pixels.data(), 3, 3, 3};
    const struct {
        Rect area;
        Pixel expected;
    } rows[] = {
        {{-1, -1, 2, 2}, 0xFF404040u},  // 4 pixels inside: 255 / 4 = 63.75 -> 64
        {{-4, -4, 1, 1}, 0xFFFFFFFFu},  // only the corner itself
        {{0, 0, 3, 3}, 0xFF1C1C1Cu},    // 255 / 9 = 28.3 -> 28
        {{2, 2, 5, 5}, 0xFF000000u},    // the far corner
        {{5, 5, 8, 8}, 0xFF000000u},    // nothing inside at all
    };
    for (const auto& row : rows) EXPECT_EQ(AverageColor(image, row.area), row.expected) << row.area.left;
}

}  // namespace
}  // namespace orvelle
