// The guides as the main window routes their events: pointer read from the
// screen, bounds shown by the view, fitted after every change of size.
#include "MainWindowFixture.h"

namespace orvelle::testing {
namespace {

class GuidesInTheWindow : public MainWindowFixture {
protected:
    // A press of `part` with the pointer at `from`, a move to `to` and the release.
    void Drag(GuidePart part, Point from, Point to) {
        screen.cursor = from;
        form->GuideMouseDown(part);
        screen.cursor = to;
        form->GuideMouseMove(part);
        form->GuideMouseUp(part);
    }
};
using P = GuidePart;

Rect ViewSize(const TfrmMain& form) {
    const Rect v = form.Shown().Place(Control::imgZoom).bounds;
    return Rect{0, 0, v.Width(), v.Height()};
}

TEST_F(GuidesInTheWindow, StartAlongThePictureEdges) {
    Start();
    const Rect picture = ViewSize(*form);
    ASSERT_FALSE(picture.IsEmpty());
    EXPECT_EQ(view.controlBounds.at(Control::imgGuideV1), Rect::FromSize(0, 0, 6, picture.bottom));
    EXPECT_EQ(view.controlBounds.at(Control::imgGuideH2), Rect::FromSize(0, 0, picture.right, 6));
    EXPECT_EQ(view.controlBounds.at(Control::imgIconV2), Rect::FromSize(0, picture.bottom - 24, 28, 24));
    EXPECT_EQ(view.controlBounds.at(Control::imgIconH1), Rect::FromSize(picture.right - 28, 0, 28, 24));
    for (int c = static_cast<int>(Control::imgGuideV1); c <= static_cast<int>(Control::imgIconH2); ++c)
        EXPECT_TRUE(view.controlVisible.at(static_cast<Control>(c)));
}

TEST_F(GuidesInTheWindow, DragReadsThePointerFromTheScreenAtEachEvent) {
    Start();
    const Rect picture = ViewSize(*form);
    screen.cursor = Point{700, 500};
    form->GuideMouseDown(P::imgIconV1);
    for (int dx = 0; dx <= 40; dx += 5) {
        screen.cursor = Point{700 + dx, 480};
        form->GuideMouseMove(P::imgIconV1);
        ASSERT_EQ(view.controlBounds.at(Control::imgIconV1).left, dx);
        ASSERT_EQ(view.controlBounds.at(Control::imgGuideV1).left, dx + 11);
    }
    form->GuideMouseUp(P::imgIconV1);
    screen.cursor = Point{900, 480};
    form->GuideMouseMove(P::imgIconV1);
    EXPECT_EQ(view.controlBounds.at(Control::imgIconV1).left, 40);

    // Moves reported by any line act on the line that was pressed.
    screen.cursor = Point{10, 10};
    form->GuideMouseDown(P::imgGuideH2);
    screen.cursor = Point{2000, 5000};
    form->GuideMouseMove(P::imgGuideV1);
    EXPECT_EQ(view.controlBounds.at(Control::imgGuideH2).top, picture.bottom - 6);
    EXPECT_EQ(view.controlBounds.at(Control::imgIconH2).top, picture.bottom - 24);
    form->GuideMouseUp(P::imgGuideV2);
    EXPECT_EQ(form->State().guides.GuideDrag(), Guide::None);
}

TEST_F(GuidesInTheWindow, UnreadablePointerStartsNoDragAndMovesNothing) {
    Start();
    screen.cursorReadable = false;
    form->GuideMouseDown(P::imgGuideV2);
    EXPECT_EQ(form->State().guides.GuideDrag(), Guide::None);
    screen.cursorReadable = true;
    form->GuideMouseDown(P::imgGuideV2);
    screen.cursorReadable = false;
    const Rect before = view.controlBounds.at(Control::imgGuideV2);
    form->GuideMouseMove(P::imgGuideV2);
    EXPECT_EQ(view.controlBounds.at(Control::imgGuideV2), before);
}

TEST_F(GuidesInTheWindow, DoubleClickOnAHandleSendsItsGuideHome) {
    Start();
    Drag(P::imgGuideH1, Point{300, 300}, Point{300, 380});
    ASSERT_EQ(view.controlBounds.at(Control::imgGuideH1).top, 80);
    form->GuideDblClick(P::imgIconH1);
    EXPECT_EQ(view.controlBounds.at(Control::imgGuideH1).top, 0);
    EXPECT_EQ(view.controlBounds.at(Control::imgIconH1).top, 0);
}

TEST_F(GuidesInTheWindow, ShrinkingTheWindowPullsTheGuidesIn) {
    Start();
    Drag(P::imgGuideV2, Point{0, 0}, Point{5000, 0});
    view.Resize(Size{320, 300});
    form->FormResize();
    const Rect smaller = ViewSize(*form);
    EXPECT_EQ(view.controlBounds.at(Control::imgGuideV2), Rect::FromSize(smaller.right - 6, 0, 6, smaller.bottom));
    EXPECT_EQ(view.controlBounds.at(Control::imgIconV2).left, smaller.right - 28);
    view.Resize(Size{900, 600});
    form->FormResize();
    EXPECT_EQ(view.controlBounds.at(Control::imgGuideV2).left, smaller.right - 6);
    EXPECT_EQ(view.controlBounds.at(Control::imgGuideV2).Height(), ViewSize(*form).bottom);
}

TEST_F(GuidesInTheWindow, RefreshTicksNeverTouchTheGuides) {
    Start();
    view.calls.clear();
    for (int tick = 0; tick < 5; ++tick) {
        screen.cursor.x += 13;
        clock.Advance(20);
        form->RefresherTimer();
    }
    for (int c = static_cast<int>(Control::imgGuideV1); c <= static_cast<int>(Control::imgIconH2); ++c)
        EXPECT_EQ(CallsStartingWith("SetControlBounds " + std::to_string(c)), 0) << c;
}

TEST_F(GuidesInTheWindow, ScaleWithTheMonitorsDpi) {
    Start();
    Drag(P::imgGuideV1, Point{0, 0}, Point{100, 0});
    view.dpi = 144;
    form->FormDpiChanged(144, Rect::FromSize(700, 200, 600, 450));
    const Rect scaled = ViewSize(*form);
    EXPECT_EQ(view.controlBounds.at(Control::imgGuideV1), Rect::FromSize(100, 0, 9, scaled.bottom));
    EXPECT_EQ(view.controlBounds.at(Control::imgIconV1), Rect::FromSize(89, scaled.bottom - 36, 42, 36));
    EXPECT_EQ(view.controlBounds.at(Control::imgIconH1), Rect::FromSize(scaled.right - 42, 0, 42, 36));
    // Dragging a handle now centres the line by the new sizes: (42 - 9) / 2 = 16.
    screen.cursor = Point{0, 0};
    form->GuideMouseDown(P::imgIconV1);
    screen.cursor = Point{-89, 0};
    form->GuideMouseMove(P::imgIconV1);
    EXPECT_EQ(view.controlBounds.at(Control::imgGuideV1).left, 16);
}

}  // namespace
}  // namespace orvelle::testing
