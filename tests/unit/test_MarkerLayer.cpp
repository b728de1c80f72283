#include "engine/MarkerLayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "engine/Bitmap32.h"
#include "ReferenceOver.h"

namespace orvelle {
namespace {

constexpr Pixel kBlack = 0xFF000000u;
constexpr Pixel kWhite = 0xFFFFFFFFu;

// The arrow relative to its tip, written out again rather than taken from
// the code under test.
constexpr int kArrow[7][2] = {{0, 0}, {0, 30}, {8, 26}, {14, 38}, {22, 34}, {16, 22}, {24, 18}};

// Brute-force geometry of the marker with its tip at (tx, ty). Pixel (x, y) is
// the square [x, x + 1) x [y, y + 1); a vertex lies at the centre of its pixel.
// A point within half a pixel of an edge is outline (black), which is drawn
// over the fill; otherwise a point inside the polygon by the even-odd rule is
// fill (white).
enum class Sample { kNone, kFill, kOutline };

Sample Classify(int tx, int ty, double px, double py) {
    double nearest = 1e9;
    bool inside = false;
    for (int i = 0; i < 7; ++i) {
        const double ax = tx + kArrow[i][0] + 0.5;
        const double ay = ty + kArrow[i][1] + 0.5;
        const double bx = tx + kArrow[(i + 1) % 7][0] + 0.5;
        const double by = ty + kArrow[(i + 1) % 7][1] + 0.5;
        // Distance to the segment.
        const double dx = bx - ax;
        const double dy = by - ay;
        const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        nearest = std::min(nearest, std::hypot(px - (ax + t * dx), py - (ay + t * dy)));
        // Crossing number: a ray to the right crosses this edge.
        if ((ay > py) != (by > py) && px < ax + (py - ay) * dx / dy) inside = !inside;
    }
    if (nearest <= 0.5) return Sample::kOutline;
    return inside ? Sample::kFill : Sample::kNone;
}

struct Coverage {
    double covered = 0;  // share of the pixel that is fill or outline
    double white = 0;    // share that is fill
};

// Samples at 24 x 24 points per pixel, none of them where the code samples.
constexpr int kReferenceSamples = 24;

Coverage ReferenceCoverage(int tx, int ty, int x, int y) {
    int covered = 0;
    int white = 0;
    for (int j = 0; j < kReferenceSamples; ++j)
        for (int i = 0; i < kReferenceSamples; ++i) {
            const Sample s = Classify(tx, ty, x + (i + 0.5) / kReferenceSamples, y + (j + 0.5) / kReferenceSamples);
            covered += s != Sample::kNone;
            white += s == Sample::kFill;
        }
    const double n = kReferenceSamples * kReferenceSamples;
    return Coverage{covered / n, white / n};
}

// Whether the whole closed pixel square is of one class, judged on its border and
// inside; the outline band and the polygon are too large to hide in a pixel.
bool PixelIsAll(int tx, int ty, int x, int y, Sample what) {
    constexpr int kSteps = 32;
    for (int j = 0; j <= kSteps; ++j)
        for (int i = 0; i <= kSteps; ++i)
            if (Classify(tx, ty, x + static_cast<double>(i) / kSteps, y + static_cast<double>(j) / kSteps) != what)
                return false;
    return true;
}

TBitmap32 RasterizeAt(const MarkerLayer& marker, Size size) {
    TBitmap32 out(size.width, size.height);
    out.Clear(0x5A5A5A5Au);
    marker.Rasterize(out.Ref());
    return out;
}

struct TipCase {
    Point tip;
    Size view;
};

const TipCase kTips[] = {
    {{40, 30}, {100, 90}},  // whole arrow inside
    {{3, 7}, {41, 60}},
    {{0, 0}, {30, 45}},     // tip at the view's corner: nothing cut off
    {{88, 20}, {100, 90}},  // cut at the right edge
    {{30, 71}, {100, 90}},  // cut at the bottom
    {{90, 80}, {100, 90}},  // both
    {{-6, -11}, {50, 50}},  // cut at x = 0 and y = 0
};

// The code counts coverage at 16 sample positions along each axis, so it
// places an edge to within half a sample, 1/32 of a pixel; the reference, at
// 24, to within 1/48. For an edge parallel to an axis those errors add up
// over the whole pixel: 1/32 + 1/48 = 0.052. Slanted edges spread their
// per-row errors out. Both limits have some room to spare: the largest error
// seen is about 0.01 and the mean about 0.0003.
constexpr double kPixelTolerance = 0.06;
constexpr double kMeanTolerance = 0.003;

TEST(MarkerLayer, CoverageMatchesSupersampledReference) {
    for (const TipCase& c : kTips) {
        SCOPED_TRACE(testing::Message() << "tip " << c.tip.x << "," << c.tip.y);
        MarkerLayer marker;
        marker.Draw(c.tip, c.view);
        const TBitmap32 layer = RasterizeAt(marker, c.view);
        double errorSum = 0;
        int measured = 0;
        for (int y = 0; y < c.view.height; ++y)
            for (int x = 0; x < c.view.width; ++x) {
                const Pixel p = layer.At(x, y);
                const double alpha = (p >> 24) / 255.0;
                const double white = alpha * (p & 0xFF) / 255.0;
                // The arrow spans 24 x 38 pixels from its tip; the outline adds half a pixel.
                const bool nearArrow = x >= c.tip.x - 2 && x < c.tip.x + 27 && y >= c.tip.y - 2 && y < c.tip.y + 41;
                const Coverage want = nearArrow ? ReferenceCoverage(c.tip.x, c.tip.y, x, y) : Coverage{};
                if (want.covered == 0.0) {
                    ASSERT_EQ(p, 0u) << "outside the arrow at " << x << "," << y;
                    continue;
                }
                ASSERT_NEAR(alpha, want.covered, kPixelTolerance) << "at " << x << "," << y;
                ASSERT_NEAR(white, want.white, kPixelTolerance) << "at " << x << "," << y;
                ASSERT_EQ((p >> 16) & 0xFF, p & 0xFF) << "grey";
                ASSERT_EQ((p >> 8) & 0xFF, p & 0xFF) << "grey";
                errorSum += std::abs(alpha - want.covered) + std::abs(white - want.white);
                ++measured;
            }
        ASSERT_GT(measured, 0);
        EXPECT_LT(errorSum / (2 * measured), kMeanTolerance);
    }
}

TEST(MarkerLayer, WhiteInsideBlackOutlineTransparentOutsideAndSoftEdges) {
    const Point tip{50, 60};
    MarkerLayer marker;
    marker.Draw(tip, {120, 120});
    int white = 0;
    int black = 0;
    int soft = 0;
    for (int y = 50; y < 110; ++y)
        for (int x = 40; x < 85; ++x) {
            SCOPED_TRACE(testing::Message() << "at " << x << "," << y);
            const Pixel p = marker.At(x, y);
            if (PixelIsAll(tip.x, tip.y, x, y, Sample::kFill)) {
                EXPECT_EQ(p, kWhite);
                ++white;
            } else if (PixelIsAll(tip.x, tip.y, x, y, Sample::kOutline)) {
                EXPECT_EQ(p, kBlack);
                ++black;
            } else if (PixelIsAll(tip.x, tip.y, x, y, Sample::kNone)) {
                EXPECT_EQ(p, 0u);
            } else if (const double covered = ReferenceCoverage(tip.x, tip.y, x, y).covered;
                       covered > 0.2 && covered < 0.8) {
                // A partly covered edge pixel.
                EXPECT_GT(p >> 24, 0u);
                EXPECT_LT(p >> 24, 255u);
                ++soft;
            }
        }
    // The straight left side is one crisp black column.
    for (int y = tip.y + 1; y < tip.y + 30; ++y) {
        EXPECT_EQ(marker.At(tip.x, y), kBlack) << y;
        EXPECT_EQ(marker.At(tip.x - 1, y), 0u) << y;
    }
    EXPECT_GT(white, 300);
    EXPECT_GT(black, 25);
    EXPECT_GT(soft, 20);
}

TEST(MarkerLayer, ClippedAtTheViewsEdges) {
    constexpr Size kBig{300, 300};
    constexpr Point kShift{100, 100};  // keeps every tip's arrow whole in the big view
    const TipCase cases[] = {
        {{90, 20}, {100, 90}}, {{20, 80}, {100, 90}}, {{99, 89}, {100, 90}}, {{-6, -11}, {50, 50}},
        {{0, 0}, {10, 10}},    {{-30, 5}, {50, 50}},  {{150, 10}, {100, 90}}, {{10, -45}, {100, 90}},
    };
    for (const TipCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "tip " << c.tip.x << "," << c.tip.y);
        MarkerLayer whole;
        whole.Draw(Point{c.tip.x + kShift.x, c.tip.y + kShift.y}, kBig);
        MarkerLayer clipped;
        clipped.Draw(c.tip, c.view);
        const Rect bounds = clipped.Bounds();
        EXPECT_GE(bounds.left, 0);
        EXPECT_GE(bounds.top, 0);
        EXPECT_LE(bounds.right, c.view.width);
        EXPECT_LE(bounds.bottom, c.view.height);

        const TBitmap32 layer = RasterizeAt(clipped, c.view);
        for (int y = 0; y < c.view.height; ++y)
            for (int x = 0; x < c.view.width; ++x)
                ASSERT_EQ(layer.At(x, y), whole.At(x + kShift.x, y + kShift.y)) << x << "," << y;

        // Painting touches nothing outside the view.
        constexpr int kBorder = 40;
        const int stride = c.view.width + 2 * kBorder;
        std::vector<Pixel> buffer(static_cast<std::size_t>(stride * (c.view.height + 2 * kBorder)), 0x00C0FFEEu);
        const ImageRef view{buffer.data() + kBorder * stride + kBorder, c.view.width, c.view.height, stride};
        clipped.CompositeOnto(view, Rect{-kBorder, -kBorder, c.view.width + kBorder, c.view.height + kBorder});
        for (int y = 0; y < c.view.height + 2 * kBorder; ++y)
            for (int x = 0; x < stride; ++x) {
                const bool inView = x >= kBorder && x < kBorder + c.view.width && y >= kBorder &&
                                    y < kBorder + c.view.height;
                if (inView) continue;
                ASSERT_EQ(buffer[static_cast<std::size_t>(y * stride + x)], 0x00C0FFEEu) << x << "," << y;
            }
    }
}

TEST(MarkerLayer, ClearedLayerIsTransparent) {
    MarkerLayer marker;
    marker.Draw({10, 10}, {60, 60});
    marker.Clear();
    EXPECT_FALSE(marker.Shown());
    EXPECT_TRUE(marker.Bounds().IsEmpty());
    const TBitmap32 layer = RasterizeAt(marker, {60, 60});
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) ASSERT_EQ(layer.At(x, y), 0u);
    TBitmap32 picture(60, 60);
    picture.Clear(0x11223344u);
    marker.CompositeOnto(picture.Ref(), Rect{0, 0, 60, 60});
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) ASSERT_EQ(picture.At(x, y), 0x11223344u);
}

using reference::ReferenceOver;

TEST(MarkerLayer, CompositeEqualsSourceOverOfTheWholeLayer) {
    std::mt19937 random(77);
    MarkerLayer marker;  // one layer, moved on every round as on refresh ticks
    const Size view{90, 70};
    for (int trial = 0; trial < 200; ++trial) {
        const Point tip{static_cast<int>(random() % 130) - 30, static_cast<int>(random() % 120) - 40};
        const Rect area{static_cast<int>(random() % 60) - 10, static_cast<int>(random() % 50) - 10,
                        static_cast<int>(random() % 100), static_cast<int>(random() % 80)};
        SCOPED_TRACE(testing::Message() << "trial " << trial << " tip " << tip.x << "," << tip.y);
        marker.Draw(tip, view);
        const TBitmap32 layer = RasterizeAt(marker, view);
        TBitmap32 picture(view.width, view.height);
        for (int y = 0; y < view.height; ++y)
            for (int x = 0; x < view.width; ++x) picture.At(x, y) = static_cast<Pixel>(random());
        TBitmap32 expected = picture;
        for (int y = std::max(area.top, 0); y < std::min(area.bottom, view.height); ++y)
            for (int x = std::max(area.left, 0); x < std::min(area.right, view.width); ++x)
                expected.At(x, y) = ReferenceOver(layer.At(x, y), expected.At(x, y));
        marker.CompositeOnto(picture.Ref(), area);
        for (int y = 0; y < view.height; ++y)
            for (int x = 0; x < view.width; ++x) ASSERT_EQ(picture.At(x, y), expected.At(x, y)) << x << "," << y;
    }
}

}  // namespace
}  // namespace orvelle
