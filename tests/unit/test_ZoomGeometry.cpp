#include "engine/ZoomGeometry.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

TEST(ZoomGeometry, DefaultWindowAtZoomEight) {
    const ViewGeometry g = ComputeViewGeometry(Size{400, 300}, 62, 8, true);
    EXPECT_EQ(g.panel, (Size{380, 156}));
    EXPECT_EQ(g.capture, (Size{47, 19}));
    EXPECT_EQ(g.view, (Size{376, 152}));
}

TEST(ZoomGeometry, SmallestWindowAtLargestZoom) {
    const ViewGeometry g = ComputeViewGeometry(Size{320, 300}, 62, 32, true);
    EXPECT_EQ(g.panel, (Size{292, 132}));
    EXPECT_EQ(g.capture, (Size{9, 4}));
    EXPECT_EQ(g.view, (Size{288, 128}));
}

TEST(ZoomGeometry, ViewIsAlwaysWholeBlocksInsideThePanel) {
    for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom) {
        for (int width = kMinOuterWidth; width < 1400; width += 7) {
            for (int top : {4, 34, 62}) {
                for (bool statusBar : {false, true}) {
                    const ViewGeometry g = ComputeViewGeometry(Size{width, 611}, top, zoom, statusBar);
                    SCOPED_TRACE(::testing::Message() << "z=" << zoom << " FW=" << width << " top=" << top);
                    EXPECT_EQ(g.panel.width - 4, g.view.width);
                    EXPECT_EQ(g.panel.height - 4, g.view.height);
                    EXPECT_EQ(g.view.width % zoom, 0);
                    EXPECT_EQ(g.view.height % zoom, 0);
                    EXPECT_LE(g.view.width, width - 20);
                    EXPECT_GT(g.view.width + zoom, width - 20);  // the largest multiple that fits
                }
            }
        }
    }
}

TEST(ZoomGeometry, WideningAddsAColumnOnlyWhenCrossingAMultiple) {
    // At FW = 396 the inside is exactly 376 = 47 * 8.
    const int base = ComputeViewGeometry(Size{396, 300}, 62, 8, true).capture.width;
    for (int extra = 1; extra < 8; ++extra)
        EXPECT_EQ(ComputeViewGeometry(Size{396 + extra, 300}, 62, 8, true).capture.width, base) << extra;
    EXPECT_EQ(ComputeViewGeometry(Size{404, 300}, 62, 8, true).capture.width, base + 1);
}

TEST(ZoomGeometry, HidingTheStatusBarGivesTwentyOneMorePixels) {
    // 300 - 62 - 83 = 155 available with the bar, 176 without; at z = 1-like
    // granularity (z = 2) the view grows by the whole blocks that fit.
    const ViewGeometry with = ComputeViewGeometry(Size{400, 300}, 62, 2, true);
    const ViewGeometry without = ComputeViewGeometry(Size{400, 300}, 62, 2, false);
    EXPECT_EQ(with.view.height, 154);
    EXPECT_EQ(without.view.height, 176);
    EXPECT_EQ(ComputeViewGeometry(Size{400, 300}, 62, 8, false).view.height, 176);
}

struct LayoutCase {
    int width;
    bool twoRows;
    bool logo;
};

TEST(ToolbarLayout, RowsAndLogoSwitchAtTheirThresholds) {
    const LayoutCase cases[] = {
        {320, true, false}, {378, true, false}, {379, true, true},   {592, true, true},
        {593, false, false}, {690, false, false}, {691, false, true}, {1200, false, true},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.width);
        const ToolbarLayout layout = ComputeToolbarLayout(c.width, true);
        EXPECT_EQ(layout.twoRows, c.twoRows);
        EXPECT_EQ(layout.logoShown, c.logo);
        EXPECT_EQ(layout.separator2Shown, !c.twoRows);
        EXPECT_EQ(layout.panelTop, c.twoRows ? 62 : 34);
        EXPECT_EQ(layout.toolBar2, c.twoRows ? (Point{4, 32}) : (Point{277, 4}));
        EXPECT_EQ(layout.logoLeft, c.width - 108);
    }
}

TEST(ToolbarLayout, HiddenToolbarPutsThePanelJustBelowTheMenu) {
    for (int width : {320, 500, 600, 700, 1500}) {
        const ToolbarLayout layout = ComputeToolbarLayout(width, false);
        EXPECT_FALSE(layout.toolbarsShown);
        EXPECT_FALSE(layout.logoShown);
        EXPECT_EQ(layout.panelTop, 4);
    }
}

}  // namespace
}  // namespace orvelle
