// A tick that would paint what the view already shows leaves the view alone;
// anything that changes the view's pixels paints it again.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "MainWindowFixture.h"
#include "engine/LastPaintedFrame.h"

namespace orvelle::testing {
namespace {

TBitmap32 RandomPicture(int width, int height, std::mt19937& random) {
    TBitmap32 picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.At(x, y) = static_cast<Pixel>(random());
    return picture;
}

FrameInputs SomeInputs() {
    FrameInputs inputs;
    inputs.view = Size{470, 190};
    inputs.zoom = 10;
    inputs.filter = TStretchFilter::sfNearest;
    inputs.grid = GridState{Size{470, 190}, 10, true, false, 0x0000FF};
    inputs.markerShown = true;
    inputs.markerTip = Point{235, 95};
    return inputs;
}

TEST(LastPaintedFrame, EveryInputAndEveryPixelDecides) {
    std::mt19937 random(13);
    const TBitmap32 capture = RandomPicture(47, 19, random);
    const FrameInputs base = SomeInputs();
    const std::function<void(FrameInputs&)> changes[] = {
        [](FrameInputs& f) { f.view.width += 1; },
        [](FrameInputs& f) { f.view.height -= 1; },
        [](FrameInputs& f) { f.zoom = 12; },
        [](FrameInputs& f) { f.filter = TStretchFilter::sfLanczos; },
        [](FrameInputs& f) { f.frozen = true; },
        [](FrameInputs& f) { f.grid.shown = false; },
        [](FrameInputs& f) { f.grid.rastered = true; },
        [](FrameInputs& f) { f.grid.color = 0x00FF00; },
        [](FrameInputs& f) { f.grid.zoom = 4; },
        [](FrameInputs& f) { f.markerShown = false; },
        [](FrameInputs& f) { f.markerTip.x += 1; },
        [](FrameInputs& f) { f.markerTip.y -= 1; },
    };
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        SCOPED_TRACE(i);
        LastPaintedFrame frame;
        EXPECT_TRUE(frame.NeedsPaint(base, capture));
        EXPECT_FALSE(frame.NeedsPaint(base, capture));
        FrameInputs changed = base;
        changes[i](changed);
        EXPECT_TRUE(frame.NeedsPaint(changed, capture));
        EXPECT_FALSE(frame.NeedsPaint(changed, capture));
        EXPECT_TRUE(frame.NeedsPaint(base, capture));  // and back again
    }

    // One pixel anywhere, by as little as one bit of one channel or of alpha.
    LastPaintedFrame frame;
    ASSERT_TRUE(frame.NeedsPaint(base, capture));
    std::uniform_int_distribution<int> x(0, capture.Width() - 1), y(0, capture.Height() - 1), bit(0, 31);
    for (int round = 0; round < 200; ++round) {
        TBitmap32 other = capture;
        const Point at = round == 0 ? Point{0, 0} : round == 1 ? Point{46, 18} : Point{x(random), y(random)};
        other.At(at.x, at.y) ^= Pixel{1} << bit(random);
        ASSERT_TRUE(frame.NeedsPaint(base, other)) << at.x << "," << at.y;
        ASSERT_TRUE(frame.NeedsPaint(base, capture));
        ASSERT_FALSE(frame.NeedsPaint(base, capture));
    }
}

TEST(LastPaintedFrame, ASizeChangePaintsEvenWhenThePixelsRunOnAlike) {
    // 4 x 6 and 6 x 4 of one colour hold the same 24 values one after another.
    TBitmap32 tall(4, 6), wide(6, 4), empty;
    tall.Clear(0xFF123456);
    wide.Clear(0xFF123456);
    LastPaintedFrame frame;
    const FrameInputs inputs = SomeInputs();
    EXPECT_TRUE(frame.NeedsPaint(inputs, tall));
    EXPECT_TRUE(frame.NeedsPaint(inputs, wide));
    EXPECT_TRUE(frame.NeedsPaint(inputs, empty));
    EXPECT_FALSE(frame.NeedsPaint(inputs, empty));
    EXPECT_TRUE(frame.NeedsPaint(inputs, tall));
    frame.Forget();
    EXPECT_TRUE(frame.NeedsPaint(inputs, tall));
}

// The whole window: a still pointer over a still screen.
class StillScreen : public MainWindowFixture {
protected:
    // A tick 20 ms after the last; the number of repaints it made.
    int Tick() {
        const int before = view.repaints;
        clock.Advance(20);
        form->RefresherTimer();
        return view.repaints - before;
    }
};

TEST_F(StillScreen, RepaintsOnlyWhatChangedButReadsOutEveryTick) {
    Start();
    EXPECT_EQ(Tick(), 1);
    EXPECT_EQ(Tick(), 0);
    clock.Advance(20);  // a slower tick: the frequency still shows it
    EXPECT_EQ(Tick(), 0);
    EXPECT_EQ(view.statusTexts[5], "f: 25.0 Hz");
    EXPECT_EQ(screen.captures.size(), 3u);  // every tick captures

    screen.cursor.x += 1;  // the patch moves
    EXPECT_EQ(Tick(), 1);
    EXPECT_EQ(view.statusTexts[3], "X: 501");
    EXPECT_EQ(Tick(), 0);
}

TEST_F(StillScreen, EveryChangeOfWhatTheViewShowsRepaintsAtTheNextTick) {
    const struct {
        const char* name;
        std::function<void()> change;
    } cases[] = {
        {"filter", [&] { form->Execute(Command::menuSmooth); }},
        {"smoothing type", [&] { form->Execute(Command::menuSmooth); Tick(); form->Execute(Command::menuMitchell); }},
        {"zoom", [&] { form->Execute(Command::menu16X); }},
        {"zoom dragged", [&] { DragZoom(7); }},
        {"grid", [&] { form->Execute(Command::menuShowGrid); }},
        {"rastered", [&] { form->Execute(Command::menuShowGrid); Tick(); form->Execute(Command::menuRastered); }},
        {"grid colour", [&] { form->Execute(Command::menuShowGrid); Tick(); form->Execute(ColorItem(9)); }},
        {"marker", [&] { form->Execute(Command::menuShowCursor); }},
        {"size", [&] {
             view.bounds = Rect::FromSize(760, 250, 520, 340);
             form->FormResize();
         }},
        {"freeze", [&] { form->Execute(Command::menuShowCursor); Tick(); form->Execute(Command::menuFreeze); }},
        {"one pixel", [&] { screen.changed = {{Point{screen.cursor.x + 3, screen.cursor.y - 2}, 0xFF000000u}}; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        view = FakeMainView{};
        screen = FakeScreen{};
        Recreate();
        Start();
        Tick();
        ASSERT_EQ(Tick(), 0);
        c.change();
        EXPECT_EQ(Tick(), 1);
        EXPECT_EQ(Tick(), 0);
    }
}

TEST_F(StillScreen, WhileFrozenAChangedFilterStillShows) {
    Start();
    form->Execute(Command::menuFreeze);
    Tick();
    ASSERT_EQ(Tick(), 0);
    screen.cursor = Point{900, 700};  // frozen: neither captured nor marked
    EXPECT_EQ(Tick(), 0);
    const int before = view.repaints;
    form->Execute(Command::menuSmooth);
    Tick();
    EXPECT_GE(view.repaints, before + 1);
    EXPECT_EQ(Tick(), 0);
}

}  // namespace
}  // namespace orvelle::testing
