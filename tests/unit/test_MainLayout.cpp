#include "app/MainLayout.h"

#include <gtest/gtest.h>

#include "engine/ZoomGeometry.h"

namespace orvelle {
namespace {

// On a frame 16 pixels wide and 52 high at 96 DPI, the view has the sizes the window was designed with.
ViewGeometry ReferenceView(Size outer, int zoom, bool statusBar) {
    const Size client{outer.width - 16, outer.height - 52};
    const BarLayout bars = ComputeBarLayout(outer, client, 96, true);
    return FitView(PanelRoom(client, bars.panelTop, 96, statusBar), 2, zoom, Rect{});
}

TEST(MainLayout, DesignedSizesOnTheReferenceFrame) {
    const ViewGeometry standard = ReferenceView(Size{400, 300}, 8, true);
    EXPECT_EQ(standard.panel, Rect::FromSize(4, 62, 380, 156));
    EXPECT_EQ(standard.capture, (Size{47, 19}));
    const ViewGeometry smallest = ReferenceView(Size{320, 300}, 32, true);
    EXPECT_EQ(smallest.panel, Rect::FromSize(4, 62, 292, 132));
    EXPECT_EQ(smallest.capture, (Size{9, 4}));
    // Without the status bar 21 more pixels of height, in whole blocks.
    EXPECT_EQ(ReferenceView(Size{400, 300}, 2, true).view.height, 154);
    EXPECT_EQ(ReferenceView(Size{400, 300}, 2, false).view.height, 176);
    // At 400 the inside is exactly 47 blocks: a column more only once the width has grown by a whole block.
    for (int extra = 0; extra < 8; ++extra) EXPECT_EQ(ReferenceView(Size{400 + extra, 300}, 8, true).capture.width, 47);
    EXPECT_EQ(ReferenceView(Size{408, 300}, 8, true).capture.width, 48);
}

TEST(MainLayout, ArrangementSwitchesAtOuterWidthsScaledWithTheDpi) {
    const struct {
        int dpi;
        int width;
        bool twoRows;
        bool logo;
    } cases[] = {
        {96, 378, true, false},  {96, 379, true, true},    {96, 592, true, true},   {96, 593, false, false},
        {96, 690, false, false}, {96, 691, false, true},   {144, 568, true, false}, {144, 569, true, true},
        {144, 888, true, true},  {144, 889, false, false}, {144, 1036, false, false}, {144, 1037, false, true},
        {192, 1184, true, true},
        {192, 1185, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << " at " << c.dpi);
        const Size client{c.width - 8, 500};  // a thin frame, as Wine draws it
        const BarLayout bars = ComputeBarLayout(Size{c.width, 600}, client, c.dpi, true);
        EXPECT_EQ(bars.twoRows, c.twoRows);
        EXPECT_EQ(bars.separator2Shown, !c.twoRows);
        EXPECT_EQ(bars.logoShown, c.logo);
        EXPECT_EQ(bars.logo.right, client.width);  // never cut off by the client area's edge
        EXPECT_EQ(bars.statusBar.bottom, client.height);
        EXPECT_EQ(bars.toolBar2.top, c.twoRows ? bars.toolBar1.bottom + (c.dpi * 2 + 48) / 96 : bars.toolBar1.top);
    }
    const BarLayout hidden = ComputeBarLayout(Size{800, 600}, Size{784, 548}, 144, false);
    EXPECT_FALSE(hidden.logoShown);
    EXPECT_EQ(hidden.panelTop, 6);
}

// Where the logo would lie over a control of its row, it is hidden, on
// whatever frame the system draws: Windows 10 and 11 draw 8 pixels a side at
// 96 DPI (a sizing frame of 4 and a padded border of 4), scaled with the DPI.
TEST(MainLayout, TheLogoNeverCoversTheControlsOfItsRow) {
    for (const int dpi : {96, 120, 144, 168, 192}) {
        for (const int framePerSide : {4, 8 * dpi / 96}) {
            int shownWidths = 0;
            for (int width = 300 * dpi / 96; width <= 1400 * dpi / 96; ++width) {
                const Size client{width - 2 * framePerSide, 400};
                const BarLayout bars = ComputeBarLayout(Size{width, 500}, client, dpi, true);
                if (!bars.logoShown) continue;
                ++shownWidths;
                // The row's controls from the designed places (labelZoom at 233 in
                // ToolBar1, 32 wide; ToolBar2 304 wide), item by item scaled.
                const auto s = [dpi](int v) { return (v * dpi + 48) / 96; };
                const int rowRight = bars.twoRows ? bars.toolBar1.left + s(32) * 2 + s(8) + s(161) + s(32)
                                                  : bars.toolBar2.left + s(32) * 6 + s(8) * 3 + s(88);
                ASSERT_GE(bars.logo.left, rowRight) << width << " wide, frame " << framePerSide << ", " << dpi << " DPI";
            }
            EXPECT_GT(shownWidths, 0);
        }
    }
    // Windows 10 at 96 DPI: the outer widths that put the logo 1 to 7 pixels
    // over the zoom label; from 386 on it fits.
    for (int width = 379; width <= 386; ++width) {
        SCOPED_TRACE(width);
        EXPECT_EQ(ComputeBarLayout(Size{width, 300}, Size{width - 16, 248}, 96, true).logoShown, width == 386);
    }
    // One row: the logo clears tbHelp at 581 from an outer width of 698.
    EXPECT_FALSE(ComputeBarLayout(Size{697, 300}, Size{681, 248}, 96, true).logoShown);
    EXPECT_TRUE(ComputeBarLayout(Size{698, 300}, Size{682, 248}, 96, true).logoShown);
}

}  // namespace
}  // namespace orvelle
