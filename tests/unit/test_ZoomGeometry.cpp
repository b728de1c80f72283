#include "engine/ZoomGeometry.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

TEST(ZoomGeometry, TheInsideIsTheLargestMultipleOfTheZoomThatFits) {
    for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom) {
        for (int bevel : {2, 3, 4}) {
            for (int width = 4 * bevel; width < 900; width += 13) {
                for (int height : {2 * bevel + zoom - 1, 2 * bevel + zoom, 611}) {
                    SCOPED_TRACE(::testing::Message() << "z=" << zoom << " bevel=" << bevel << " room " << width
                                                      << " x " << height);
                    const Rect room = Rect::FromSize(5, 37, width, height);
                    const ViewGeometry g = FitView(room, bevel, zoom, Rect{});
                    EXPECT_EQ(g.view, (Size{g.capture.width * zoom, g.capture.height * zoom}));
                    EXPECT_EQ(g.panel, Rect::FromSize(5, 37, g.view.width + 2 * bevel, g.view.height + 2 * bevel));
                    EXPECT_LE(g.panel.right, room.right);
                    EXPECT_LE(g.panel.bottom, room.bottom);
                    EXPECT_GT(g.view.width + zoom, width - 2 * bevel);
                    EXPECT_GT(g.view.height + zoom, height - 2 * bevel);
                }
            }
        }
    }
}

TEST(ZoomGeometry, RoomForLessThanABlockGivesAnEmptyView) {
    for (const Rect& room : {Rect::FromSize(4, 62, 11, 200), Rect::FromSize(4, 62, 200, 3), Rect{4, 62, 2, 40}}) {
        const ViewGeometry g = FitView(room, 2, 8, Rect{});
        EXPECT_TRUE(g.capture.width == 0 || g.capture.height == 0);
        EXPECT_GE(g.capture.width, 0);
        EXPECT_GE(g.capture.height, 0);
    }
}

TEST(ZoomGeometry, TheCaptureNeverExceedsTheScreens) {
    const Rect screens = Rect::FromSize(-1280, -200, 3200, 1280);
    struct Case {
        Rect room;
        int zoom;
        Size capture;
    };
    const Case cases[] = {
        {Rect::FromSize(4, 62, 8000, 3000), 2, {3200, 1280}},
        {Rect::FromSize(4, 62, 6404, 2564), 2, {3200, 1280}},
        {Rect::FromSize(4, 62, 6402, 2562), 2, {3199, 1279}},
        {Rect::FromSize(4, 62, 1 << 30, 1 << 30), 32, {3200, 1280}},
        {Rect::FromSize(4, 62, 404, 204), 4, {100, 50}},
    };
    for (const Case& c : cases) {
        const ViewGeometry g = FitView(c.room, 2, c.zoom, screens);
        EXPECT_EQ(g.capture, c.capture);
        EXPECT_EQ(g.view, (Size{c.capture.width * c.zoom, c.capture.height * c.zoom}));
        EXPECT_EQ(g.panel.Width(), g.view.width + 4);
    }
}

}  // namespace
}  // namespace orvelle
