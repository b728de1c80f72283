// Inspecting single pixels: the arrow keys walk the pointer, the wheel steps
// through the levels, and the pointer pixel's colour is written and copied as "#RRGGBB".
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "app/ColorText.h"
#include "app/PointerNudge.h"
#include "app/WheelZoom.h"

namespace orvelle::testing {
namespace {

TEST(PointerNudge, StepsAreHeldOnTheVirtualScreen) {
    const Rect primary = Rect::FromSize(0, 0, 1920, 1080);
    // A monitor left of and above the primary one: the origin is negative.
    const Rect spanning{-1280, -300, 1920, 1080};
    const struct {
        Point from;
        int dx, dy, step;
        Rect screen;
        Point to;
    } cases[] = {
        {{500, 400}, 1, 0, 1, primary, {501, 400}},
        {{500, 400}, 0, -1, 1, primary, {500, 399}},
        {{500, 400}, -1, 0, 10, primary, {490, 400}},
        {{0, 0}, -1, 0, 1, primary, {0, 0}},
        {{0, 0}, 0, -1, 1, primary, {0, 0}},
        {{1919, 1079}, 1, 0, 1, primary, {1919, 1079}},
        {{1919, 1079}, 0, 1, 1, primary, {1919, 1079}},
        {{1915, 5}, 1, 0, 32, primary, {1919, 5}},  // a Shift step stops at the edge
        {{5, 1070}, 0, 1, 32, primary, {5, 1079}},
        {{-1, 0}, 1, 0, 1, spanning, {0, 0}},
        {{0, 0}, -1, 0, 1, spanning, {-1, 0}},
        {{-1280, -300}, -1, 0, 1, spanning, {-1280, -300}},
        {{-1270, -290}, 0, -1, 16, spanning, {-1270, -300}},
        {{1919, 1079}, 1, 0, 1, spanning, {1919, 1079}},
        // A pointer read outside the screen comes back onto it, without overflow at the extremes.
        {{5000, -5000}, 1, 0, 1, primary, {1919, 0}},
        {{2147483647, -2147483647 - 1}, 1, -1, 32, primary, {1919, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.from.x) + "," + std::to_string(c.from.y));
        EXPECT_EQ(NudgedPointer(c.from, c.dx, c.dy, c.step, c.screen), c.to);
    }
}

TEST(WheelZoom, StepsToTheNeighbouringLevelFromEveryLevelAndBetweenThem) {
    const int levels[] = {2, 4, 6, 8, 10, 12, 16, 24, 32};
    for (std::size_t i = 0; i < std::size(levels); ++i) {
        SCOPED_TRACE(levels[i]);
        EXPECT_EQ(NextZoomLevel(levels[i], 1), i + 1 < std::size(levels) ? levels[i + 1] : 32);
        EXPECT_EQ(NextZoomLevel(levels[i], -1), i > 0 ? levels[i - 1] : 2);
    }
    // Dragged levels go to the nearest level that way.
    const struct {
        int zoom, in, out;
    } between[] = {{3, 4, 2}, {7, 8, 6}, {11, 12, 10}, {13, 16, 12}, {20, 24, 16}, {31, 32, 24}};
    for (const auto& b : between) {
        EXPECT_EQ(NextZoomLevel(b.zoom, 1), b.in) << b.zoom;
        EXPECT_EQ(NextZoomLevel(b.zoom, -1), b.out) << b.zoom;
    }
}

TEST(WheelZoom, FineTurnsAddUpToNotchesAndAReversalStartsAfresh) {
    WheelTurns turns;
    EXPECT_EQ(turns.Add(120), 1);
    EXPECT_EQ(turns.Add(-240), -2);
    EXPECT_EQ(turns.Add(360), 3);
    EXPECT_EQ(turns.Add(40), 0);
    EXPECT_EQ(turns.Add(40), 0);
    EXPECT_EQ(turns.Add(40), 1);
    EXPECT_EQ(turns.Add(100), 0);
    EXPECT_EQ(turns.Add(-30), 0);  // the 100 left over is dropped
    EXPECT_EQ(turns.Add(-90), -1);
    EXPECT_EQ(turns.Add(-119), 0);
    EXPECT_EQ(turns.Add(0), 0);
    EXPECT_EQ(turns.Add(-1), -1);
    EXPECT_EQ(turns.Add(2147483647), 1000);  // a wild report is bounded
}

TEST(ColorText, IsTheRgbInCapitalHexWithoutAlpha) {
    EXPECT_EQ(HexColorText(0xFF000000u), "#000000");
    EXPECT_EQ(HexColorText(0x00FFFFFFu), "#FFFFFF");
    EXPECT_EQ(HexColorText(0xFF1A2B3Cu), "#1A2B3C");
    EXPECT_EQ(HexColorText(0x80C0FFEEu), "#C0FFEE");
    for (Pixel c : {0x00010203u, 0xFFABCDEFu, 0x7F0F00F0u}) {
        const std::string text = HexColorText(c);
        ASSERT_EQ(text.size(), 7u);
        EXPECT_EQ(std::stoul(text.substr(1), nullptr, 16), c & 0xFFFFFFu) << text;
    }
}

using Inspecting = MainWindowFixture;

TEST_F(Inspecting, ArrowKeysMoveThePointerAndTheViewFollowsAtOnce) {
    Start();
    form->RefresherTimer();
    const std::string frequency = view.statusTexts[5];
    const std::size_t captures = screen.captures.size();
    form->NudgePointer(1, 0, false);
    EXPECT_EQ(screen.cursor, (Point{501, 400}));
    EXPECT_EQ(screen.captures.size(), captures + 1);
    EXPECT_EQ(view.statusTexts[3], "X: 501");
    EXPECT_EQ(view.statusTexts[6], HexColorText(FakeScreen::PixelAt(501, 400)));
    EXPECT_EQ(view.statusTexts[5], frequency);  // no tick: nothing measured

    form->NudgePointer(0, 1, true);  // Shift: z pixels
    EXPECT_EQ(screen.cursor, (Point{501, 400 + form->State().zoom}));
    EXPECT_EQ(view.statusTexts[4], "Y: " + std::to_string(400 + form->State().zoom));

    // At the edge nothing moves and nothing is captured again.
    screen.cursor = Point{0, 0};
    form->RefresherTimer();
    const std::size_t atEdge = screen.captures.size();
    form->NudgePointer(-1, 0, false);
    form->NudgePointer(0, -1, true);
    EXPECT_EQ(screen.cursor, (Point{0, 0}));
    EXPECT_EQ(screen.captures.size(), atEdge);

    // Without a readable pointer there is nowhere to step from.
    screen.cursorReadable = false;
    form->NudgePointer(1, 0, false);
    EXPECT_EQ(screen.cursor, (Point{0, 0}));
}

TEST_F(Inspecting, TheWheelStepsThroughTheLevelsLikeTheLevelItems) {
    Start();
    form->Execute(Command::menu10X);
    EXPECT_TRUE(form->FormMouseWheel(120, true, false));
    EXPECT_EQ(form->State().zoom, 12);
    EXPECT_TRUE(form->Shown().Checked(Command::menu12X));
    EXPECT_EQ(view.zoomPosition, 12);
    EXPECT_EQ(view.zoomLabel, "12 X");
    EXPECT_TRUE(form->FormMouseWheel(-360, true, false));
    EXPECT_EQ(form->State().zoom, 6);

    // Not over the view and without Ctrl: not the magnification's turn.
    EXPECT_FALSE(form->FormMouseWheel(120, false, false));
    EXPECT_EQ(form->State().zoom, 6);
    EXPECT_TRUE(form->FormMouseWheel(120, false, true));
    EXPECT_EQ(form->State().zoom, 8);

    // A fine wheel: three thirds of a notch make one.
    for (int i = 0; i < 2; ++i) EXPECT_TRUE(form->FormMouseWheel(40, true, false));
    EXPECT_EQ(form->State().zoom, 8);
    form->FormMouseWheel(40, true, false);
    EXPECT_EQ(form->State().zoom, 10);

    // From a dragged level, and held at the ends.
    DragZoom(7);
    form->FormMouseWheel(-120, true, false);
    EXPECT_EQ(form->State().zoom, 6);
    form->FormMouseWheel(120 * 20, true, false);
    EXPECT_EQ(form->State().zoom, 32);
    EXPECT_TRUE(form->Shown().Checked(Command::menu32X));
    form->FormMouseWheel(-120 * 20, true, false);
    EXPECT_EQ(form->State().zoom, 2);
}

TEST(ZoomKeys, CtrlWithEitherPlusOrMinusIsAStepAndNothingElseIs) {
    // Windows' key numbers: '=' / '+' and '-' of the main keyboard, + and - of the number pad.
    constexpr int kOemPlus = 0xBB, kOemMinus = 0xBD, kPadAdd = 0x6B, kPadSubtract = 0x6D;
    const struct {
        int key;
        bool ctrl, alt;
        int step;
    } cases[] = {
        {kOemPlus, true, false, 1},   {kPadAdd, true, false, 1},      {kOemMinus, true, false, -1},
        {kPadSubtract, true, false, -1},
        {kOemPlus, false, false, 0},  {kPadSubtract, false, false, 0},  // without Ctrl they are typing
        {kOemPlus, true, true, 0},    {kOemMinus, true, true, 0},       // Ctrl+Alt is AltGr
        {'P', true, false, 0},        {0x6A, true, false, 0},           // Ctrl+P, the pad's *
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ZoomStepForKey(c.key, c.ctrl, c.alt), c.step);
    }
}

TEST_F(Inspecting, CtrlPlusAndMinusStepTheLevelAsTheWheelDoes) {
    Start();
    form->Execute(Command::menu8X);
    EXPECT_TRUE(form->FormZoomKey(0xBB, true, false));
    EXPECT_EQ(form->State().zoom, 10);
    EXPECT_TRUE(form->Shown().Checked(Command::menu10X));
    EXPECT_TRUE(form->FormZoomKey(0x6D, true, false));
    EXPECT_TRUE(form->FormZoomKey(0x6D, true, false));
    EXPECT_EQ(form->State().zoom, 6);
    EXPECT_FALSE(form->FormZoomKey(0xBB, false, false));
    EXPECT_EQ(form->State().zoom, 6);
    DragZoom(7);  // from between two levels, the nearest one that way
    form->FormZoomKey(0xBB, true, false);
    EXPECT_EQ(form->State().zoom, 8);
    for (int i = 0; i < 12; ++i) form->FormZoomKey(0x6B, true, false);
    EXPECT_EQ(form->State().zoom, 32);
}

TEST_F(Inspecting, CopyColourPutsThePointerPixelsTextOnTheClipboard) {
    Start();
    form->Execute(Command::menuCopyColor);  // nothing read yet
    EXPECT_FALSE(clipboard.text);
    EXPECT_EQ(clipboard.emptied, 0);

    screen.cursor = Point{321, 123};
    form->RefresherTimer();
    const std::string expected = HexColorText(FakeScreen::PixelAt(321, 123));
    EXPECT_EQ(view.statusTexts[6], expected);
    form->Execute(CommandForKey('C', true, false, true));
    EXPECT_EQ(clipboard.text, expected);

    // Frozen: the colour of the pixel last read, as the status bar shows it.
    form->Execute(Command::menuFreeze);
    screen.cursor = Point{10, 10};
    form->RefresherTimer();
    clipboard.text.reset();
    form->Execute(Command::menuCopyColor);
    EXPECT_EQ(clipboard.text, expected);

    clipboard.failure = MakeFailure("The clipboard is in use.");
    form->Execute(Command::menuCopyColor);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0], "The clipboard is in use.");
}

}  // namespace
}  // namespace orvelle::testing
