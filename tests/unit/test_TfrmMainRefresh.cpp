// The refresh cycle: capture, status panels, marker, repaint.
#include "MainWindowFixture.h"
#include "engine/Stretch.h"

namespace orvelle::testing {
namespace {

using RefreshCycle = MainWindowFixture;

TEST_F(RefreshCycle, CapturesThePatchAroundThePointerAndReportsItsPixel) {
    Start();
    screen.cursor = Point{500, 400};
    form->RefresherTimer();
    ASSERT_EQ(screen.captures.size(), 1u);
    EXPECT_EQ(screen.captures[0], Rect::FromSize(477, 391, 47, 19));
    const Pixel c = FakeScreen::PixelAt(500, 400);
    EXPECT_EQ(view.statusTexts[0], "R: " + std::to_string((c >> 16) & 255));
    EXPECT_EQ(view.statusTexts[1], "G: " + std::to_string((c >> 8) & 255));
    EXPECT_EQ(view.statusTexts[2], "B: " + std::to_string(c & 255));
    EXPECT_EQ(view.statusTexts[3], "X: 500");
    EXPECT_EQ(view.statusTexts[4], "Y: 400");
    EXPECT_EQ(view.statusTexts[5], "f: 0.0 Hz");  // the first tick: as if the one before were long ago
    EXPECT_GE(view.repaints, 1);
}

TEST_F(RefreshCycle, FrequencyIsTheIntervalSinceTheLastTick) {
    Start();
    form->OnTimer(Timer::Refresher);
    clock.Advance(16);
    form->OnTimer(Timer::Refresher);
    EXPECT_EQ(view.statusTexts[5], "f: 62.5 Hz");
    clock.Advance(0);
    form->RefresherTimer();
    EXPECT_EQ(view.statusTexts[5], "f: ---- Hz");  // two ticks in one millisecond
    clock.Advance(40);
    form->RefresherTimer();
    EXPECT_EQ(view.statusTexts[5], "f: 25.0 Hz");
    // The date and time jump an hour back (daylight saving ends) and forward
    // again: the steady clock does not, and neither does the frequency.
    for (const int hours : {-1, 2}) {
        clock.now.hour += hours;
        clock.Advance(20);
        form->RefresherTimer();
        EXPECT_EQ(view.statusTexts[5], "f: 50.0 Hz");
    }
}

TEST_F(RefreshCycle, OwnWindowChoosesTheCaptureOfLayeredWindows) {
    Start();  // on by default
    form->RefresherTimer();
    form->Execute(Command::menuOwn);
    form->RefresherTimer();
    ASSERT_EQ(screen.captureIncludedLayered.size(), 2u);
    EXPECT_TRUE(screen.captureIncludedLayered[0]);
    EXPECT_FALSE(screen.captureIncludedLayered[1]);
    EXPECT_EQ(view.excludedFromCapture, std::nullopt);  // an unknown build is never asked
}

TEST_F(RefreshCycle, OnWindows10Version2004TheWindowLeavesCopiesWhileItsOwnMagnificationIsOff) {
    windowsBuild = 19041;
    Recreate();
    settings = InMemorySettingsStore("[Magnification]\r\nOwnWindow=0\r\n");
    Start();
    EXPECT_EQ(view.excludedFromCapture, std::optional<bool>(true));
    form->Execute(CommandForKey('O', true, false));
    EXPECT_EQ(view.excludedFromCapture, std::optional<bool>(false));
    form->RefresherTimer();
    screen.remoteSession = true;  // the layered copy would make the pointer blink there
    form->RefresherTimer();
    EXPECT_EQ(screen.captureIncludedLayered, (std::vector<bool>{true, false}));
    EXPECT_EQ(view.excludedFromCapture, std::optional<bool>(false));
}

TEST_F(RefreshCycle, NegativeCoordinatesAreShownAndCaptured) {
    Start();
    screen.virtualScreen = Rect{-1280, -300, 1920, 1080};
    screen.cursor = Point{-1000, -250};
    form->RefresherTimer();
    EXPECT_EQ(screen.captures.back(), Rect::FromSize(-1023, -259, 47, 19));
    EXPECT_EQ(view.statusTexts[3], "X: -1000");
    EXPECT_EQ(view.statusTexts[4], "Y: -250");
    const Pixel c = FakeScreen::PixelAt(-1000, -250);
    EXPECT_EQ(view.statusTexts[0], "R: " + std::to_string((c >> 16) & 255));
}

TEST_F(RefreshCycle, UnreadablePointerUsesTheOrigin) {
    Start();
    screen.cursorReadable = false;
    form->RefresherTimer();
    EXPECT_EQ(screen.captures.back(), Rect::FromSize(0, 0, 47, 19));
    EXPECT_EQ(view.statusTexts[3], "X: 0");
    EXPECT_EQ(view.statusTexts[4], "Y: 0");
}

TEST_F(RefreshCycle, FailedCopyKeepsThePreviousPicture) {
    Start();
    form->RefresherTimer();
    const Pixel before = form->Picture().Capture().At(10, 10);
    screen.captureWorks = false;
    screen.cursor = Point{900, 700};
    form->RefresherTimer();
    EXPECT_EQ(form->Picture().Capture().At(10, 10), before);
}

TEST_F(RefreshCycle, FrozenKeepsPictureAndPanelsAndHidesTheMarker) {
    Start();
    form->Execute(Command::menuShowCursor);
    form->RefresherTimer();
    EXPECT_TRUE(form->Picture().Marker().Shown());
    const std::string red = view.statusTexts[0];
    const Pixel before = form->Picture().Capture().At(3, 3);

    form->Execute(Command::menuFreeze);
    screen.cursor = Point{1200, 900};
    clock.Advance(40);
    const int repaints = view.repaints;
    form->RefresherTimer();
    EXPECT_EQ(screen.captures.size(), 1u);
    EXPECT_EQ(view.statusTexts[0], red);
    EXPECT_EQ(view.statusTexts[3], "X: 500");
    EXPECT_EQ(view.statusTexts[5], "f: ---- Hz");
    EXPECT_FALSE(form->Picture().Marker().Shown());
    EXPECT_EQ(form->Picture().Capture().At(3, 3), before);
    EXPECT_EQ(view.repaints, repaints + 1);  // still repainted, so a new filter shows

    form->Execute(Command::menuFreeze);
    clock.Advance(40);
    form->RefresherTimer();
    EXPECT_EQ(view.statusTexts[3], "X: 1200");
    EXPECT_TRUE(form->Picture().Marker().Shown());
}

TEST_F(RefreshCycle, ZoomChangeWhileFrozenLeavesTheNewBufferBlack) {
    Start();
    form->RefresherTimer();
    form->Execute(Command::menuFreeze);
    form->Execute(Command::menu4X);
    form->RefresherTimer();
    const CaptureBuffer& buffer = form->Picture().Capture();
    for (int y = 0; y < buffer.Height(); ++y)
        for (int x = 0; x < buffer.Width(); ++x) ASSERT_EQ(buffer.At(x, y), 0u);
}

TEST_F(RefreshCycle, ExtremeSizesAndChangesWhileFrozenKeepBufferAndViewInStep) {
    screen.virtualScreen = Rect::FromSize(-7680, 0, 15360, 4320);  // an 8K monitor left of another
    screen.monitor = {Rect::FromSize(-7680, 0, 7680, 4320), Rect::FromSize(-7680, 0, 7680, 4280)};
    view.maximum = Size{7680 + view.frame.width, 4320 + view.frame.height};
    view.bounds = Rect::FromSize(-7680, 0, 320, 300);
    Start();
    screen.cursor = Point{-7000, 100};
    struct Step {
        Size outer;
        Command zoom;
        bool freeze;
    };
    const Step steps[] = {
        {{1, 1}, Command::menu32X, false},  // held to the minimum size
        {{7680 + 16, 4320 + 52}, Command::menu2X, false},
        {{7680 + 16, 4320 + 52}, Command::menu32X, true},
        {{320, 300}, Command::menu2X, false},
        {{1000, 700}, Command::menu6X, true},
        {{7680 + 16, 4320 + 52}, Command::menu2X, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(::testing::Message() << step.outer.width << " x " << step.outer.height);
        view.Resize(step.outer);
        form->FormResize();
        form->Execute(step.zoom);
        if (step.freeze) form->Execute(Command::menuFreeze);
        form->RefresherTimer();
        const CaptureBuffer& buffer = form->Picture().Capture();
        const Rect picture = form->Shown().Place(Control::imgZoom).bounds;
        EXPECT_EQ(picture.Width(), buffer.Width() * form->State().zoom);
        EXPECT_EQ(picture.Height(), buffer.Height() * form->State().zoom);
        EXPECT_LE(buffer.Width(), 7680 / form->State().zoom + 1);
        TBitmap32 shown(picture.Width(), picture.Height());
        form->PaintView(shown.Ref(), Rect::FromSize(0, 0, picture.Width(), picture.Height()));
        // Every pixel shown is its buffer pixel's z x z block, frozen or not.
        const int z = form->State().zoom;
        for (int y = 0; y < shown.Height(); ++y)
            for (int x = 0; x < shown.Width(); ++x)
                ASSERT_EQ(shown.At(x, y), buffer.At(x / z, y / z)) << "view pixel " << x << ", " << y;
        if (!form->Shown().Checked(Command::menuFreeze) && buffer.Width() > 0 && buffer.Height() > 0) {
            const Point origin = form->Picture().CaptureOrigin();
            EXPECT_EQ(buffer.At(0, 0), FakeScreen::PixelAt(origin.x, origin.y));
        }
        if (step.freeze) form->Execute(Command::menuFreeze);
    }
}

TEST_F(RefreshCycle, MarkerTipSitsOnThePointerPixelsBlock) {
    Start();
    form->Execute(Command::menuShowCursor);
    screen.cursor = Point{0, 0};
    form->RefresherTimer();
    EXPECT_EQ(form->Picture().Marker().Tip(), (Point{4, 4}));
    screen.cursor = Point{500, 400};
    form->RefresherTimer();
    EXPECT_EQ(form->Picture().Marker().Tip(), (Point{23 * 8 + 4, 9 * 8 + 4}));
    screen.cursor = Point{1919, 1079};
    form->RefresherTimer();
    EXPECT_EQ(form->Picture().Marker().Tip(), (Point{46 * 8 + 4, 18 * 8 + 4}));
}

TEST_F(RefreshCycle, PaintShowsTheCaptureInWholeBlocks) {
    Start();
    form->RefresherTimer();
    const Rect zoom = form->Shown().Place(Control::imgZoom).bounds;
    TBitmap32 target(zoom.Width(), zoom.Height());
    form->PaintView(target.Ref(), Rect{0, 0, zoom.Width(), zoom.Height()});
    for (int y = 0; y < target.Height(); ++y)
        for (int x = 0; x < target.Width(); ++x)
            ASSERT_EQ(target.At(x, y), FakeScreen::PixelAt(477 + x / 8, 391 + y / 8)) << x << "," << y;
}

TEST_F(RefreshCycle, GridIsDrawnWhenItsInputsChangeNotOnTicks) {
    Start();
    form->Execute(Command::menuShowGrid);
    EXPECT_TRUE(form->Picture().Grid().Shown());
    EXPECT_EQ(form->Picture().Grid().VerticalLines().size(), 46u);
    EXPECT_EQ(form->Picture().Grid().HorizontalLines().size(), 18u);
    form->Execute(Command::menu4X);
    EXPECT_EQ(form->Picture().Grid().VerticalLines().front(), 4);
    ClickToolButton(ToolButton::tbGrid);
    EXPECT_FALSE(form->Picture().Grid().Shown());
}

}  // namespace
}  // namespace orvelle::testing
