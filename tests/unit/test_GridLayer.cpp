#include "engine/GridLayer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "engine/Bitmap32.h"
#include "ReferenceOver.h"

namespace orvelle {
namespace {

constexpr Pixel kBlack = 0xFF000000u;
constexpr Pixel kWhite = 0xFFFFFFFFu;
constexpr Pixel kClear = 0u;
constexpr TColor kRedValue = 0x0000FF;  // red in the low byte
constexpr Pixel kRedPixel = 0xFFFF0000u;

TBitmap32 RasterizeAt(const GridLayer& grid, Size size) {
    TBitmap32 out(size.width, size.height);
    out.Clear(0x12345678u);  // Rasterize must clear it
    grid.Rasterize(out.Ref());
    return out;
}

// Line i = 1 .. (extent div z) - 1 sits at i * z.
bool OnLine(int position, int extent, int zoom) {
    return position > 0 && position % zoom == 0 && position / zoom <= extent / zoom - 1;
}

struct LineCase {
    Size view;
    int zoom;
};

TEST(GridLayer, SolidLinesOutlineEveryBlockButTheBorder) {
    const LineCase cases[] = {
        {{376, 152}, 8}, {{10, 6}, 2}, {{64, 32}, 32}, {{20, 17}, 8}, {{9, 9}, 3}, {{45, 90}, 5}, {{31, 2}, 2},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.view.width << "x" << c.view.height << " z=" << c.zoom);
        GridLayer grid;
        grid.DrawGrid(GridState{c.view, c.zoom, true, false, kRedValue});
        const TBitmap32 layer = RasterizeAt(grid, c.view);
        for (int y = 0; y < c.view.height; ++y)
            for (int x = 0; x < c.view.width; ++x) {
                const bool line = OnLine(x, c.view.width, c.zoom) || OnLine(y, c.view.height, c.zoom);
                ASSERT_EQ(layer.At(x, y), line ? kRedPixel : kClear) << "at " << x << "," << y;
            }
    }
}

TEST(GridLayer, LinePositionsAtZoom8For376x152) {
    GridLayer grid;
    grid.DrawGrid(GridState{{376, 152}, 8, true, false, 0});
    std::vector<int> vertical;
    for (int x = 8; x <= 368; x += 8) vertical.push_back(x);
    std::vector<int> horizontal;
    for (int y = 8; y <= 144; y += 8) horizontal.push_back(y);
    ASSERT_EQ(vertical.size(), 46u);
    ASSERT_EQ(horizontal.size(), 18u);
    EXPECT_EQ(grid.VerticalLines(), vertical);
    EXPECT_EQ(grid.HorizontalLines(), horizontal);

    const TBitmap32 layer = RasterizeAt(grid, {376, 152});
    // No vertical line along the left or right border, no horizontal one
    // along the top or bottom.
    for (int y = 0; y < 152; ++y) {
        if (y % 8 == 0 && y != 0) continue;  // a horizontal line crosses here
        EXPECT_EQ(layer.At(0, y), kClear) << y;
        EXPECT_EQ(layer.At(375, y), kClear) << y;
    }
    for (int x = 0; x < 376; ++x) {
        if (x % 8 == 0 && x != 0) continue;
        EXPECT_EQ(layer.At(x, 0), kClear) << x;
        EXPECT_EQ(layer.At(x, 151), kClear) << x;
    }
    EXPECT_EQ(layer.At(8, 1), kBlack);
    EXPECT_EQ(layer.At(1, 144), kBlack);
}

TEST(GridLayer, StipplePatternDependsOnZoom) {
    GridLayer grid;
    for (int zoom = 2; zoom <= 32; ++zoom) {
        SCOPED_TRACE(zoom);
        grid.AdjustStipple(zoom);
        const std::vector<Pixel> pattern(grid.StipplePattern().begin(), grid.StipplePattern().end());
        if (zoom == 3 || zoom == 9)
            EXPECT_EQ(pattern, (std::vector<Pixel>{kBlack, kClear, kWhite}));
        else
            EXPECT_EQ(pattern, (std::vector<Pixel>{kBlack, kWhite}));
    }
}

TEST(GridLayer, RasteredLinesFollowThePatternFromEachLineStart) {
    const Size view{72, 54};
    for (int zoom : {3, 4, 9, 5, 2}) {
        SCOPED_TRACE(zoom);
        GridLayer grid;
        grid.DrawGrid(GridState{view, zoom, true, true, kRedValue});  // the colour plays no part
        const TBitmap32 layer = RasterizeAt(grid, view);
        // The pixel n steps from a line's start: black, (untouched,) white.
        auto expectedAt = [&](int n) {
            if (zoom == 3 || zoom == 9) return n % 3 == 0 ? kBlack : n % 3 == 1 ? kClear : kWhite;
            return n % 2 == 0 ? kBlack : kWhite;
        };
        for (int y = 0; y < view.height; ++y)
            for (int x = 0; x < view.width; ++x) {
                const bool vertical = OnLine(x, view.width, zoom);
                const bool horizontal = OnLine(y, view.height, zoom);
                Pixel want = kClear;
                if (vertical) want = expectedAt(y);
                // Drawn later: covers where opaque, leaves the vertical line's pixel where transparent.
                if (horizontal && (expectedAt(x) >> 24) != 0) want = expectedAt(x);
                ASSERT_EQ(layer.At(x, y), want) << "at " << x << "," << y;
            }
    }
}

TEST(GridLayer, RasteredCrossingTakesTheHorizontalLinesPixel) {
    GridLayer grid;
    grid.DrawGrid(GridState{{40, 40}, 5, true, true, 0});
    EXPECT_EQ(RasterizeAt(grid, {40, 40}).At(5, 10), kWhite);
    TBitmap32 picture(40, 40);
    picture.Clear(0xFF336699u);
    grid.CompositeOnto(picture.Ref(), Rect{0, 0, 40, 40});
    EXPECT_EQ(picture.At(5, 10), kWhite);
    EXPECT_EQ(picture.At(5, 11), kWhite);   // vertical line only, odd y
    EXPECT_EQ(picture.At(5, 12), kBlack);
    EXPECT_EQ(picture.At(6, 11), 0xFF336699u);
}

TEST(GridLayer, GridOffLeavesTheLayerTransparent) {
    GridLayer grid;
    grid.DrawGrid(GridState{{64, 48}, 4, true, false, 0xFFFFFF});
    grid.DrawGrid(GridState{{64, 48}, 4, false, false, 0xFFFFFF});
    EXPECT_FALSE(grid.Shown());
    EXPECT_TRUE(grid.VerticalLines().empty());
    EXPECT_TRUE(grid.HorizontalLines().empty());
    const TBitmap32 layer = RasterizeAt(grid, {64, 48});
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) ASSERT_EQ(layer.At(x, y), kClear) << x << "," << y;
    TBitmap32 picture(64, 48);
    picture.Clear(0x00ABCDEFu);
    grid.CompositeOnto(picture.Ref(), Rect{0, 0, 64, 48});
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) ASSERT_EQ(picture.At(x, y), 0x00ABCDEFu);
}

using reference::ReferenceOver;

TEST(GridLayer, CompositeEqualsSourceOverOfTheWholeLayer) {
    std::mt19937 random(2024);
    GridLayer grid;  // one layer throughout, redrawn at sizes that shrink and grow
    for (int trial = 0; trial < 250; ++trial) {
        GridState state;
        state.zoom = 2 + static_cast<int>(random() % 31);
        state.view = Size{static_cast<int>(random() % 12 + 1) * state.zoom + static_cast<int>(random() % 3),
                          static_cast<int>(random() % 10 + 1) * state.zoom};
        state.shown = random() % 6 != 0;
        state.rastered = random() % 2 == 0;
        if (random() % 4 == 0) state.zoom = random() % 2 == 0 ? 3 : 9;  // the three-entry pattern
        state.color = kStandardColors[random() % kStandardColorCount].value;
        const Rect area{static_cast<int>(random() % 40) - 10, static_cast<int>(random() % 40) - 10,
                        state.view.width + static_cast<int>(random() % 20) - 10,
                        state.view.height + static_cast<int>(random() % 20) - 10};
        SCOPED_TRACE(testing::Message() << "trial " << trial << ": " << state.view.width << "x" << state.view.height
                                        << " z=" << state.zoom << " shown=" << state.shown
                                        << " rastered=" << state.rastered);
        grid.DrawGrid(state);
        const TBitmap32 layer = RasterizeAt(grid, state.view);

        // The view inside a larger buffer: sentinels around it, stride wider.
        constexpr int kBorder = 3;
        const int stride = state.view.width + 2 * kBorder + 1;
        std::vector<Pixel> buffer(static_cast<std::size_t>(stride * (state.view.height + 2 * kBorder)));
        for (Pixel& p : buffer) p = static_cast<Pixel>(random());
        std::vector<Pixel> expected = buffer;
        for (int y = std::max(area.top, 0); y < std::min(area.bottom, state.view.height); ++y)
            for (int x = std::max(area.left, 0); x < std::min(area.right, state.view.width); ++x) {
                Pixel& out = expected[static_cast<std::size_t>((y + kBorder) * stride + x + kBorder)];
                out = ReferenceOver(layer.At(x, y), out);
            }

        grid.CompositeOnto(ImageRef{buffer.data() + kBorder * stride + kBorder, state.view.width,
                                    state.view.height, stride},
                           area);
        ASSERT_EQ(buffer, expected);
    }
}

}  // namespace
}  // namespace orvelle
