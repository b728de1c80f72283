// The main window's layout at every display scale and on frames of any size, and a move to a monitor of
// another scale.
#include "MainWindowFixture.h"

namespace orvelle::testing {
namespace {

using Layout = MainWindowFixture;

struct Frame {
    const char* name;
    int dpi;
    Size frame;  // what the frame, the caption and the menu bar take of the outer size
};

// The frame the layout was designed on, and those of Windows 10 at 100, 125, 150 and 200 %.
constexpr Frame kFrames[] = {
    {"reference", 96, {16, 52}},   {"reference 120", 120, {16, 52}}, {"reference 144", 144, {16, 52}},
    {"reference 192", 192, {16, 52}}, {"Windows 10", 96, {16, 59}},   {"Windows 10 125 %", 120, {20, 74}},
    {"Windows 10 150 %", 144, {24, 88}}, {"Windows 10 200 %", 192, {32, 117}},
};

TEST_F(Layout, TheViewFitsTheClientAreaAboveTheStatusBarInWholeBlocksOnEveryFrame) {
    for (const Frame& f : kFrames) {
        for (bool statusBar : {true, false}) {
            view = FakeMainView{};
            view.dpi = f.dpi;
            view.frame = f.frame;
            Recreate();
            Start();
            if (!statusBar) form->Execute(Command::menuStatusbar);
            const int s = f.dpi;  // shorthand for the scaling below
            auto scaled = [s](int designed) { return (designed * s + 48) / 96; };
            EXPECT_EQ(form->Shown().minimumSize, (Size{scaled(320), scaled(300)}));
            EXPECT_EQ(form->Shown().statusPanels.front(), scaled(44));
            EXPECT_EQ(form->Shown().Place(Control::ToolBar1).bounds.Height(), scaled(26));
            for (int zoom : {2, 3, 8, 13, 32}) {
                for (Size outer : {Size{400, 300}, Size{593, 457}, Size{1003, 517}}) {
                    SCOPED_TRACE(::testing::Message() << f.name << " z=" << zoom << " " << outer.width << " x "
                                                      << outer.height << (statusBar ? "" : " without status bar"));
                    view.Resize(outer);
                    DragZoom(zoom);
                    form->FormResize();
                    const Size client = view.ClientSize();
                    const Rect panel = form->Shown().Place(Control::Panel1).bounds;
                    const Rect inside = form->Shown().Place(Control::imgZoom).bounds;
                    const Rect bar = form->Shown().Place(Control::StatusBar1).bounds;
                    const int bevel = scaled(2);
                    EXPECT_EQ(bar, Rect::FromSize(0, client.height - scaled(27), client.width, scaled(27)));
                    EXPECT_EQ(panel.left, scaled(4));
                    EXPECT_LE(panel.right, client.width);
                    EXPECT_LE(panel.bottom, statusBar ? bar.top : client.height - scaled(6));
                    EXPECT_EQ(inside, Rect::FromSize(bevel, bevel, panel.Width() - 2 * bevel, panel.Height() - 2 * bevel));
                    EXPECT_EQ(inside.Width(), form->Picture().Capture().Width() * zoom);
                    EXPECT_EQ(inside.Height(), form->Picture().Capture().Height() * zoom);
                    // The largest number of whole blocks that fits.
                    EXPECT_GT(panel.right + zoom, client.width);
                    EXPECT_GT(panel.bottom + zoom, statusBar ? bar.top : client.height - scaled(6));
                }
            }
        }
    }
}

TEST_F(Layout, AMoveToAMonitorOfAnotherScaleTakesTheSuggestedBoundsAndLaysOutAgain) {
    Start();
    const int zoom = form->State().zoom;
    view.calls.clear();
    const Rect suggested = Rect::FromSize(2000, 100, 600, 450);
    form->FormDpiChanged(144, suggested);
    EXPECT_EQ(view.calls.front(), "SetScale 144");
    EXPECT_EQ(view.bounds, suggested);
    EXPECT_EQ(form->Shown().scaleDpi, 144);
    EXPECT_EQ(view.minimum, (Size{480, 450}));
    EXPECT_EQ(form->Shown().Place(Control::ToolBar1).bounds, Rect::FromSize(6, 6, 410, 39));
    EXPECT_EQ(form->Shown().Place(Control::StatusBar1).bounds, Rect::FromSize(0, 398 - 41, 584, 41));
    // The blocks stay zoom x zoom physical pixels; only the margins grow: the client area is 584 x 398, the
    // frame 6 from the left with a bevel of 3, 93 from the top (two toolbar rows) and down to the status bar.
    EXPECT_EQ(form->State().zoom, zoom);
    EXPECT_EQ(form->Shown().Place(Control::imgZoom).bounds,
              Rect::FromSize(3, 3, (584 - 6 - 6) / zoom * zoom, (398 - 41 - 93 - 6) / zoom * zoom));

    // Maximised, the system places the window itself.
    view.state = WindowState::Maximized;
    form->FormDpiChanged(96, Rect::FromSize(0, 0, 400, 300));
    EXPECT_EQ(view.bounds, suggested);
    EXPECT_EQ(form->Shown().Place(Control::ToolBar1).bounds, Rect::FromSize(4, 4, 273, 26));
}

TEST_F(Layout, StoredBoundsStayPhysicalWhenPlacingThemChangesTheMonitor) {
    settings = InMemorySettingsStore(std::string("[Window]\nLeft=2000\nTop=100\nWidth=600\nHeight=450\n"));
    screen.monitor.bounds = Rect::FromSize(1920, 0, 2560, 1440);
    screen.virtualScreen = Rect::FromSize(0, 0, 1920 + 2560, 1440);
    // Moving onto the other monitor tells the window of its new DPI while the bounds are applied.
    view.onBoundsChanged = [this](const Rect& bounds) {
        if (bounds.left >= 1920 && form->Shown().scaleDpi == 96) form->FormDpiChanged(144, Rect::FromSize(2000, 100, 900, 675));
    };
    Start();
    EXPECT_EQ(form->Shown().scaleDpi, 144);
    EXPECT_EQ(view.bounds, Rect::FromSize(2000, 100, 600, 450));
}

}  // namespace
}  // namespace orvelle::testing
