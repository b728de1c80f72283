#include <gtest/gtest.h>

#include <random>

#include "guides/MeasuringGuides.h"

namespace orvelle {
namespace {

constexpr Size kPicture{380, 160};

// Guides fitted to a picture whose top-left corner is at `origin` on the screen,
// so that pointer positions can be given as picture positions.
struct Guides {
    MeasuringGuides model;
    Point origin{500, 300};

    explicit Guides(Size picture = kPicture, GuideSizes sizes = {}) : model(sizes) { model.FitToPicture(picture); }
    Point Screen(int x, int y) const { return Point{origin.x + x, origin.y + y}; }
    // Presses `part` at its own top-left pixel plus (dx, dy), moves to (x, y) and releases.
    void Drag(GuidePart part, int x, int y) {
        const Rect& r = model.Bounds(part);
        model.MouseDown(part, Screen(r.left, r.top));
        Move(part, x, y);
        if (IsHandle(part))
            model.AnyIconMouseUp();
        else
            model.AnyGuideMouseUp();
    }
    void Move(GuidePart part, int x, int y) {
        if (IsHandle(part))
            model.AnyIconMouseMove(Screen(x, y));
        else
            model.AnyGuideMouseMove(Screen(x, y));
    }
    const Rect& operator[](GuidePart part) const { return model.Bounds(part); }
};

using P = GuidePart;

TEST(MeasuringGuides, StartAtTheEdgesAndFitAlongThePicture) {
    MeasuringGuides unfitted;
    EXPECT_EQ(unfitted.Bounds(P::imgGuideV1), Rect::FromSize(0, 0, 6, 1));
    EXPECT_EQ(unfitted.Bounds(P::imgGuideH2), Rect::FromSize(0, 0, 1, 6));
    EXPECT_EQ(unfitted.Bounds(P::imgIconH1), Rect::FromSize(0, 0, 28, 24));
    EXPECT_EQ(unfitted.GuideDrag(), Guide::None);
    EXPECT_EQ(unfitted.HandleDrag(), Guide::None);

    const Guides g;
    for (P line : {P::imgGuideV1, P::imgGuideV2}) EXPECT_EQ(g[line], Rect::FromSize(0, 0, 6, 160));
    for (P line : {P::imgGuideH1, P::imgGuideH2}) EXPECT_EQ(g[line], Rect::FromSize(0, 0, 380, 6));
    // Vertical guides' handles in the bottom-left corner, horizontal ones' in the top-right.
    for (P handle : {P::imgIconV1, P::imgIconV2}) EXPECT_EQ(g[handle], Rect::FromSize(0, 136, 28, 24));
    for (P handle : {P::imgIconH1, P::imgIconH2}) EXPECT_EQ(g[handle], Rect::FromSize(352, 0, 28, 24));
}

TEST(MeasuringGuides, LineFollowsThePointerPixelForPixelWithItsHandleCentred) {
    Guides g;
    // Grabbed 3 pixels inside the line: the grab offset keeps that distance.
    g.model.MouseDown(P::imgGuideV1, g.Screen(3, 50));
    EXPECT_EQ(g.model.GuideDrag(), Guide::V1);
    EXPECT_EQ(g.model.GuideGrabOffset(), -503);
    for (int x = 3; x < 300; x += 7) {
        g.Move(P::imgGuideV1, x, 10);
        ASSERT_EQ(g[P::imgGuideV1].left, x - 3);
        ASSERT_EQ(g[P::imgIconV1].left, std::max(0, x - 3 - 11));
        ASSERT_EQ(g[P::imgIconV1].top, 136);
    }
    g.model.AnyGuideMouseUp();
    EXPECT_EQ(g.model.GuideDrag(), Guide::None);
    g.Move(P::imgGuideV1, 5, 10);
    EXPECT_EQ(g[P::imgGuideV1].left, 294);  // where the last move left it
}

TEST(MeasuringGuides, DragLimitsFromTheEdgeCases) {
    const struct {
        const char* what;
        P dragged;
        int x, y;
        P checked;
        int expectedLeft, expectedTop;
    } cases[] = {
        {"V1 to the far right: the line stops at width - 6", P::imgGuideV1, 5000, 0, P::imgGuideV1, 374, 0},
        {"V1 to the far right: its handle stops at width - 28", P::imgGuideV1, 5000, 0, P::imgIconV1, 352, 136},
        {"V1 to the far left", P::imgGuideV1, -5000, 0, P::imgGuideV1, 0, 0},
        {"V1's handle to the far right leaves the line at width - 17", P::imgIconV1, 5000, 0, P::imgGuideV1, 363, 0},
        {"V1's handle to the far right", P::imgIconV1, 5000, 0, P::imgIconV1, 352, 136},
        {"H2's handle to the top leaves its line at 9", P::imgIconH2, 0, -5000, P::imgGuideH2, 0, 9},
        {"H2's handle to the top", P::imgIconH2, 0, -5000, P::imgIconH2, 352, 0},
        {"H1 to the bottom: height - 6", P::imgGuideH1, 0, 5000, P::imgGuideH1, 0, 154},
        {"H1 to the bottom: its handle at height - 24", P::imgGuideH1, 0, 5000, P::imgIconH1, 352, 136},
        {"H2's handle to the bottom: line at height - 24 + 9", P::imgIconH2, 0, 5000, P::imgGuideH2, 0, 145},
        {"V2 to x 100: handle centred at 89", P::imgGuideV2, 100, 0, P::imgIconV2, 89, 136},
        {"V2 to x 5: handle held at 0", P::imgGuideV2, 5, 0, P::imgIconV2, 0, 136},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Guides g;
        g.Drag(c.dragged, c.x, c.y);
        EXPECT_EQ(g[c.checked].left, c.expectedLeft);
        EXPECT_EQ(g[c.checked].top, c.expectedTop);
    }
}

TEST(MeasuringGuides, ShrinkingPullsGuidesInAndGrowingLeavesThem) {
    Guides g(Size{380, 160});
    g.Drag(P::imgGuideV1, 300, 0);
    g.Drag(P::imgGuideH2, 0, 120);
    ASSERT_EQ(g[P::imgGuideV1].left, 300);
    ASSERT_EQ(g[P::imgIconV1].left, 289);
    ASSERT_EQ(g[P::imgGuideH2].top, 120);
    ASSERT_EQ(g[P::imgIconH2].top, 111);

    g.model.FitToPicture(Size{200, 100});
    EXPECT_EQ(g[P::imgGuideV1], Rect::FromSize(194, 0, 6, 100));
    EXPECT_EQ(g[P::imgIconV1], Rect::FromSize(172, 76, 28, 24));
    EXPECT_EQ(g[P::imgGuideH2], Rect::FromSize(0, 94, 200, 6));
    EXPECT_EQ(g[P::imgIconH2], Rect::FromSize(172, 76, 28, 24));
    // A handle pulled in only as far as it must: not re-centred on its line.
    g.model.FitToPicture(Size{295, 100});
    EXPECT_EQ(g[P::imgGuideV1].left, 194);
    EXPECT_EQ(g[P::imgIconV1].left, 172);

    g.model.FitToPicture(Size{380, 160});
    EXPECT_EQ(g[P::imgGuideV1], Rect::FromSize(194, 0, 6, 160));
    EXPECT_EQ(g[P::imgIconV1], Rect::FromSize(172, 136, 28, 24));
    EXPECT_EQ(g[P::imgGuideH2], Rect::FromSize(0, 94, 380, 6));
    EXPECT_EQ(g[P::imgIconH2], Rect::FromSize(352, 76, 28, 24));
}

TEST(MeasuringGuides, DoubleClickSendsLineAndHandleBackAndEndsEveryDrag) {
    for (P clicked : {P::imgIconH1, P::imgGuideH1}) {
        SCOPED_TRACE(static_cast<int>(clicked));
        Guides g;
        g.Drag(P::imgGuideH1, 0, 80);
        g.Drag(P::imgGuideV2, 200, 0);
        g.model.MouseDown(clicked, g.Screen(360, 80));
        g.model.DblClick(GuideOf(clicked));
        EXPECT_EQ(g[P::imgGuideH1], Rect::FromSize(0, 0, 380, 6));
        EXPECT_EQ(g[P::imgIconH1], Rect::FromSize(352, 0, 28, 24));
        EXPECT_EQ(g.model.GuideDrag(), Guide::None);
        EXPECT_EQ(g.model.HandleDrag(), Guide::None);
        // The other guides stay.
        EXPECT_EQ(g[P::imgGuideV2].left, 200);
        // The press of the double-click then drags from the edge.
        g.model.MouseDown(clicked, g.Screen(360, 2));
        g.Move(clicked, 360, 42);
        EXPECT_EQ(g[LineOf(Guide::H1)].top, IsHandle(clicked) ? 40 + 9 : 40);
    }
}

TEST(MeasuringGuides, MovingWithoutAPressMovesNothing) {
    Guides g;
    g.Drag(P::imgGuideV1, 120, 0);
    const MeasuringGuides before = g.model;
    for (P part : {P::imgGuideV1, P::imgGuideH2, P::imgIconV1, P::imgIconH1}) g.Move(part, 250, 90);
    for (std::size_t i = 0; i < kGuidePartCount; ++i)
        EXPECT_EQ(g.model.Bounds(static_cast<P>(i)), before.Bounds(static_cast<P>(i)));
    // A line's move does not move a dragged handle, and the other way round.
    g.model.MouseDown(P::imgIconV1, g.Screen(0, 150));
    g.model.AnyGuideMouseMove(g.Screen(250, 90));
    EXPECT_EQ(g[P::imgIconV1].left, 109);
}

TEST(MeasuringGuides, EveryPointerPathKeepsThePartsInsideThePictureAtEveryDpi) {
    const struct {
        int dpi;
        GuideSizes sizes;
    } scales[] = {{96, {6, {28, 24}}}, {120, {8, {35, 30}}}, {144, {9, {42, 36}}}, {192, {12, {56, 48}}}};
    std::mt19937 random(20261208);
    for (const auto& scale : scales) {
        SCOPED_TRACE(scale.dpi);
        Guides g(Size{611, 397}, scale.sizes);
        const int along[4] = {611, 611, 397, 397};
        for (int step = 0; step < 4000; ++step) {
            const auto part = static_cast<P>(random() % kGuidePartCount);
            const Guide guide = GuideOf(part);
            g.model.MouseDown(part, g.Screen(static_cast<int>(random() % 700) - 40, static_cast<int>(random() % 500) - 40));
            g.Move(part, static_cast<int>(random() % 2000) - 700, static_cast<int>(random() % 2000) - 700);
            const int extent = along[static_cast<int>(guide) - 1];
            const bool vertical = IsVertical(guide);
            const Rect& line = g[LineOf(guide)];
            const Rect& handle = g[HandleOf(guide)];
            const int linePos = vertical ? line.left : line.top;
            const int handlePos = vertical ? handle.left : handle.top;
            const int handleSpan = vertical ? scale.sizes.handle.width : scale.sizes.handle.height;
            const int inset = (handleSpan - scale.sizes.lineThickness) / 2;
            ASSERT_GE(linePos, 0);
            ASSERT_LE(linePos + scale.sizes.lineThickness, extent);
            ASSERT_GE(handlePos, 0);
            ASSERT_LE(handlePos + handleSpan, extent);
            // The handle is centred on its line wherever the picture's edge lets it be.
            if (IsHandle(part) || (linePos - inset >= 0 && linePos - inset + handleSpan <= extent)) {
                ASSERT_EQ(handlePos + inset, linePos);
            }
            if (IsHandle(part)) {
                g.model.AnyIconMouseUp();
            } else {
                g.model.AnyGuideMouseUp();
            }
        }
    }
}

TEST(MeasuringGuides, PointerFarOutsideTheScreenClampsWithoutOverflow) {
    Guides g;
    g.model.MouseDown(P::imgGuideV1, Point{-2147483647 - 1, 0});
    g.model.AnyGuideMouseMove(Point{2147483647, 0});
    EXPECT_EQ(g[P::imgGuideV1].left, 374);
    g.model.MouseDown(P::imgIconH1, Point{0, 2147483647});
    g.model.AnyIconMouseMove(Point{0, -2147483647 - 1});
    EXPECT_EQ(g[P::imgIconH1].top, 0);
}

TEST(MeasuringGuides, NewSizesKeepPositions) {
    Guides g;
    g.Drag(P::imgGuideV1, 200, 0);
    g.model.SetSizes(GuideSizes{9, {42, 36}});
    g.model.FitToPicture(kPicture);
    EXPECT_EQ(g[P::imgGuideV1], Rect::FromSize(200, 0, 9, 160));
    EXPECT_EQ(g[P::imgIconV1], Rect::FromSize(189, 124, 42, 36));
    EXPECT_EQ(g[P::imgIconH1], Rect::FromSize(338, 0, 42, 36));
}

}  // namespace
}  // namespace orvelle
