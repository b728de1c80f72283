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
                    const ViewGeometry g = FitView(room, bevel, zoom);
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
        const ViewGeometry g = FitView(room, 2, 8);
        EXPECT_TRUE(g.capture.width == 0 || g.capture.height == 0);
        EXPECT_GE(g.capture.width, 0);
        EXPECT_GE(g.capture.height, 0);
    }
}

}  // namespace
}  // namespace orvelle
