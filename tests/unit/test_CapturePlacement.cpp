#include "engine/CapturePlacement.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

const Rect kScreen = Rect::FromSize(0, 0, 1920, 1080);

TEST(CapturePlacement, PointerAwayFromEdgesIsCentred) {
    const CapturePlacement p = PlaceCapture(Point{500, 400}, Size{47, 19}, kScreen);
    EXPECT_EQ(p.source, Rect::FromSize(477, 391, 47, 19));
    EXPECT_EQ(p.edgeShift, (Point{0, 0}));
    EXPECT_EQ(p.pointerPixel, (Point{23, 9}));
}

TEST(CapturePlacement, PointerAtTheOriginClampsToTheTopLeft) {
    const CapturePlacement p = PlaceCapture(Point{0, 0}, Size{47, 19}, kScreen);
    EXPECT_EQ(p.source, Rect::FromSize(0, 0, 47, 19));
    EXPECT_EQ(p.edgeShift, (Point{-23, -9}));
    EXPECT_EQ(p.pointerPixel, (Point{0, 0}));
    EXPECT_EQ(MarkerTip(p.pointerPixel, 8), (Point{4, 4}));
}

TEST(CapturePlacement, PointerAtTheBottomRightClampsToTheEdges) {
    const CapturePlacement p = PlaceCapture(Point{1919, 1079}, Size{47, 19}, kScreen);
    EXPECT_EQ(p.source, Rect::FromSize(1873, 1061, 47, 19));
    EXPECT_EQ(p.edgeShift, (Point{23, 9}));
    EXPECT_EQ(p.pointerPixel, (Point{46, 18}));
    // The marker moves right of the centre by z times the shift.
    EXPECT_EQ(MarkerTip(p.pointerPixel, 8).x, 376 / 2 + 8 * 23);
}

TEST(CapturePlacement, EveryPointerPixelLandsOnThePointer) {
    // Whatever the pointer position, the buffer pixel named as the pointer's
    // is the screen pixel under it.
    for (const Size capture : {Size{47, 19}, Size{4, 4}, Size{5, 3}, Size{9, 4}}) {
        for (int x : {0, 1, 2, 3, 500, 1916, 1917, 1918, 1919}) {
            for (int y : {0, 1, 2, 540, 1077, 1078, 1079}) {
                const CapturePlacement p = PlaceCapture(Point{x, y}, capture, kScreen);
                SCOPED_TRACE(::testing::Message() << x << "," << y);
                EXPECT_EQ(p.source.left + p.pointerPixel.x, x);
                EXPECT_EQ(p.source.top + p.pointerPixel.y, y);
                EXPECT_GE(p.source.left, 0);
                EXPECT_LE(p.source.right, 1920);
                EXPECT_GE(p.source.top, 0);
                EXPECT_LE(p.source.bottom, 1080);
            }
        }
    }
}

TEST(CapturePlacement, MarkerTipForOddAndEvenWidths) {
    const Rect wide = Rect::FromSize(0, 0, 4000, 4000);
    EXPECT_EQ(MarkerTip(PlaceCapture(Point{100, 100}, Size{5, 5}, wide).pointerPixel, 3).x, 7);
    EXPECT_EQ(MarkerTip(PlaceCapture(Point{100, 100}, Size{4, 4}, wide).pointerPixel, 3).x, 7);
    EXPECT_EQ(MarkerTip(PlaceCapture(Point{100, 100}, Size{4, 4}, wide).pointerPixel, 4).x, 10);
}

TEST(CapturePlacement, MonitorsLeftOfAndAboveThePrimaryCanBeMagnified) {
    // A second monitor at (-1280, -200): the virtual screen starts there.
    const Rect virtualScreen{-1280, -200, 1920, 1080};  // edges, not sizes
    const CapturePlacement middle = PlaceCapture(Point{-700, -100}, Size{47, 19}, virtualScreen);
    EXPECT_EQ(middle.source, Rect::FromSize(-723, -109, 47, 19));
    EXPECT_EQ(middle.pointerPixel, (Point{23, 9}));

    const CapturePlacement corner = PlaceCapture(Point{-1280, -200}, Size{47, 19}, virtualScreen);
    EXPECT_EQ(corner.source, Rect::FromSize(-1280, -200, 47, 19));
    EXPECT_EQ(corner.pointerPixel, (Point{0, 0}));

    const CapturePlacement right = PlaceCapture(Point{1919, 1079}, Size{47, 19}, virtualScreen);
    EXPECT_EQ(right.source, Rect::FromSize(1873, 1061, 47, 19));
    EXPECT_EQ(right.pointerPixel, (Point{46, 18}));
}

TEST(CapturePlacement, ReadoutNeverLeavesTheBuffer) {
    // A pointer outside the virtual screen (a stale position) must not make
    // the colour readout read outside the capture.
    const CapturePlacement p = PlaceCapture(Point{-50, 5000}, Size{47, 19}, kScreen);
    const Point readout = ReadoutPixel(p, Size{47, 19});
    EXPECT_EQ(readout, (Point{0, 18}));
}

}  // namespace
}  // namespace orvelle
