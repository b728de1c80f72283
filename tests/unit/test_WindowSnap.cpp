#include "app/WindowSnap.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

const Rect kWorkArea{0, 0, 1920, 1040};
const Size kWindow{400, 300};

struct SnapCase {
    Point proposed;
    Rect workArea;
    Point expected;
};

TEST(WindowSnap, EdgesWithinTenPixelsSnap) {
    const SnapCase cases[] = {
        {{9, 200}, kWorkArea, {0, 200}},         // left edge
        {{10, 200}, kWorkArea, {10, 200}},       // exactly 10 does not snap
        {{-9, 200}, kWorkArea, {0, 200}},        // from outside too
        {{300, 7}, kWorkArea, {300, 0}},         // top
        {{1515, 200}, kWorkArea, {1520, 200}},   // right: 1915 is 5 from 1920
        {{1510, 200}, kWorkArea, {1510, 200}},   // right: exactly 10
        {{300, 745}, kWorkArea, {300, 740}},     // bottom: 1045 is 5 from 1040
        {{5, 735}, kWorkArea, {0, 740}},         // a corner snaps both ways
        {{65, 100}, Rect{60, 0, 1920, 1040}, {60, 100}},  // taskbar on the left
        {{3, 100}, Rect{60, 0, 1920, 1040}, {3, 100}},    // 57 from the work area: no snap to 0
        {{0, 0}, Rect{60, 0, 1920, 1040}, {0, 0}},        // exactly (0, 0) is left alone
        {{0, 5}, kWorkArea, {0, 0}},
    };
    for (const SnapCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.proposed.x << "," << c.proposed.y);
        EXPECT_EQ(SnapToWorkArea(c.proposed, kWindow, c.workArea), c.expected);
    }
}

TEST(WindowSnap, LaterStepsSeeEarlierOnes) {
    // A window almost as wide as the work area: the left snap moves it to 0,
    // then its right edge is 5 pixels from the right, so it moves on.
    const Point p = SnapToWorkArea(Point{4, 100}, Size{1915, 300}, kWorkArea);
    EXPECT_EQ(p.x, 5);
}

}  // namespace
}  // namespace orvelle
