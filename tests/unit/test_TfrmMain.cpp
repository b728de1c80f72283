// Start-up, layout, zoom, commands and shutdown of the main window's logic.
#include "app/TfrmMain.h"

#include "MainWindowFixture.h"

namespace orvelle::testing {
namespace {

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, StartsWithItsCaptionAndTheDefaultSettings) {
    Start();
    EXPECT_EQ(view.caption, "Orvelle 3.28");
    EXPECT_TRUE(form->Shown().Checked(Command::menuPrecise));
    EXPECT_TRUE(form->Shown().Checked(Command::menuSimple));
    EXPECT_TRUE(form->Shown().Checked(Command::menu8X));
    EXPECT_FALSE(form->Shown().Checked(Command::menu10X));
    EXPECT_EQ(form->State().zoom, 8);
    EXPECT_EQ(view.zoomLabel, "8 X");
    EXPECT_TRUE(form->Shown().Checked(Command::menu40ms));
    EXPECT_TRUE(view.TimerRunning(Timer::Refresher));
    EXPECT_EQ(view.timers[Timer::Refresher], 40);
    EXPECT_TRUE(form->Shown().Checked(Command::menuOwn));
    EXPECT_TRUE(form->Shown().ButtonDown(ToolButton::tbPrecise));
    EXPECT_FALSE(form->Shown().ButtonDown(ToolButton::tbSmooth));
    EXPECT_EQ(form->Picture().Capture().StretchFilter(), TStretchFilter::sfNearest);
    // First run: 400 x 300, with its left and top edge where the designed window
    // (client area 702 x 279 in a 16 x 52 frame) would be centred; two toolbar rows.
    EXPECT_EQ(view.bounds, Rect::FromSize(601, 374, 400, 300));
    EXPECT_EQ(form->Shown().Place(Control::Panel1).bounds, Rect::FromSize(4, 62, 380, 156));
    EXPECT_EQ(form->Shown().Place(Control::imgZoom).bounds, Rect::FromSize(2, 2, 376, 152));
    EXPECT_EQ(form->Picture().Capture().Width(), 47);
    EXPECT_EQ(form->Picture().Capture().Height(), 19);
    EXPECT_TRUE(form->Shown().Place(Control::imgLogo).visible);
    EXPECT_TRUE(form->Shown().Place(Control::StatusBar1).visible);
    EXPECT_FALSE(form->Shown().Place(Control::Separator2).visible);
}

TEST_F(MainWindow, AFailedStartUpLeavesTheWindowShowingItsDesignedState) {
    view.captionFails = true;
    Start();
    EXPECT_TRUE(view.IsChecked(Command::menu10X));
    EXPECT_EQ(view.zoomPosition, 10);
    EXPECT_EQ(view.zoomLabel, "10 X");
    EXPECT_EQ(view.timers[Timer::Refresher], 20);
    EXPECT_EQ(view.menu[Command::menuShowGrid].caption, "Show Grid\tCtrl+G");
    EXPECT_EQ(view.menu[Command::menu2X].caption, "2 X");
    EXPECT_EQ(view.hints[HintTarget::tbRastered], "Rastered Grid Lines\r\n(Visible on Any Background)");
    EXPECT_EQ(view.ClientSize(), (Size{702, 279}));
    EXPECT_EQ(view.minimum, (Size{320, 300}));
}

TEST_F(MainWindow, AChangeTheWindowReportsWhileBeingToldOfAnotherIsShownAfterIt) {
    int nested = 0;
    view.whileScaling = [&] {
        ++nested;
        form->FormResize();
    };
    Start();
    EXPECT_GE(nested, 1);
    // Every item reached the menu once, not once for each report.
    EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "InsertMenuItem 1"), 1);
    EXPECT_EQ(view.menuOrder.size(), form->Shown().menu.size());
}

TEST_F(MainWindow, GridChangesShowAtOnce) {
    Start();
    form->Execute(Command::menu1s);  // the next tick would be a second away
    const std::function<void()> changes[] = {
        [&] { form->Execute(Command::menuShowGrid); }, [&] { ClickToolButton(ToolButton::tbRastered); },
        [&] { form->Execute(ColorItem(4)); },          [&] { view.gridColorSelection = 7; form->cbGridChange(7); },
    };
    for (const auto& change : changes) {
        const int repaints = view.repaints;
        change();
        EXPECT_EQ(view.repaints, repaints + 1);
    }
}

struct ResizeCase {
    int width;
    int panelTop;
    bool logo;
    Point toolBar2;
};

TEST_F(MainWindow, ResizeArrangesToolbarsLogoAndView) {
    Start();
    const ResizeCase cases[] = {
        {378, 62, false, {4, 32}},  {379, 62, false, {4, 32}},  {385, 62, false, {4, 32}},
        {386, 62, true, {4, 32}},   {592, 62, true, {4, 32}},   {593, 34, false, {277, 4}},
        {690, 34, false, {277, 4}}, {697, 34, false, {277, 4}}, {698, 34, true, {277, 4}},
    };
    // On this 16-pixel frame the logo, flush with the client's right edge,
    // would cover the zoom label from 379 to 385 and the help button from 691
    // to 697: it shows only where it clears them.
    for (const ResizeCase& c : cases) {
        SCOPED_TRACE(c.width);
        view.Resize(Size{c.width, 400});
        form->FormResize();
        EXPECT_EQ(form->Shown().Place(Control::Panel1).bounds.top, c.panelTop);
        EXPECT_EQ(form->Shown().Place(Control::imgLogo).visible, c.logo);
        if (c.logo) {
            // Flush with the client area's right edge: on this 16-pixel frame, 9 pixels left of where
            // FW - 108 would cut the picture off.
            EXPECT_EQ(form->Shown().Place(Control::imgLogo).bounds.left, c.width - 16 - 101);
        }
        EXPECT_EQ(form->Shown().Place(Control::ToolBar2).bounds.left, c.toolBar2.x);
        EXPECT_EQ(form->Shown().Place(Control::ToolBar2).bounds.top, c.toolBar2.y);
        const Rect panel = form->Shown().Place(Control::Panel1).bounds;
        const Rect zoom = form->Shown().Place(Control::imgZoom).bounds;
        EXPECT_EQ(panel.Width() - 4, zoom.Width());
        EXPECT_EQ(zoom.Width(), form->Picture().Capture().Width() * 8);
        EXPECT_EQ(zoom.Height(), form->Picture().Capture().Height() * 8);
    }
}

TEST_F(MainWindow, ResizeTellsTheViewOnlyWhatChanged) {
    Start();
    view.calls.clear();
    form->FormResize();
    EXPECT_TRUE(view.calls.empty()) << view.calls.front();
    view.Resize(Size{401, 300});  // one pixel wider: the same whole blocks
    form->FormResize();
    // The logo and the status bar follow the right edge; the frame and the view keep their size.
    EXPECT_EQ(view.calls, (std::vector<std::string>{"SetControlBounds 3", "SetControlBounds 6"}));
}

TEST_F(MainWindow, HiddenToolbarAndStatusBar) {
    Start();
    form->Execute(Command::menuToolbar);
    EXPECT_FALSE(form->Shown().Place(Control::ToolBar1).visible);
    EXPECT_FALSE(form->Shown().Place(Control::ToolBar2).visible);
    EXPECT_FALSE(form->Shown().Place(Control::imgLogo).visible);
    EXPECT_EQ(form->Shown().Place(Control::Panel1).bounds.top, 4);
    const int heightWithBar = form->Shown().Place(Control::imgZoom).bounds.Height();
    form->Execute(Command::menuStatusbar);
    EXPECT_FALSE(form->Shown().Place(Control::StatusBar1).visible);
    // 21 more pixels for the view, in whole blocks: 300 - 4 - 62 = 234 -> 232.
    EXPECT_EQ(heightWithBar, 208);
    EXPECT_EQ(form->Shown().Place(Control::imgZoom).bounds.Height(), 232);
    form->Execute(Command::menuToolbar);
    EXPECT_TRUE(form->Shown().Place(Control::ToolBar1).visible);
    EXPECT_EQ(form->Shown().Place(Control::Panel1).bounds.top, 62);
}

TEST_F(MainWindow, LevelCommandsAndTheTrackBar) {
    Start();
    view.calls.clear();
    form->Execute(Command::menu8X);  // already 8: nothing happens
    EXPECT_TRUE(view.calls.empty());

    DragZoom(7);
    EXPECT_EQ(view.zoomLabel, "7 X");
    for (Command level : {Command::menu2X, Command::menu4X, Command::menu6X, Command::menu8X, Command::menu10X,
                          Command::menu12X, Command::menu16X, Command::menu24X, Command::menu32X})
        EXPECT_FALSE(form->Shown().Checked(level));
    // As many columns as fit inside the frame, the frame inside the client area: 384 - 4 - 2 * 2 = 376.
    EXPECT_EQ(form->Picture().Capture().Width(), 376 / 7);
    EXPECT_EQ(view.focusCount, 1);  // the picture frame takes the focus

    form->Execute(Command::menu32X);
    EXPECT_EQ(view.zoomPosition, 32);
    EXPECT_TRUE(form->Shown().Checked(Command::menu32X));
    EXPECT_EQ(view.zoomLabel, "32 X");
    EXPECT_EQ(form->Shown().Place(Control::imgZoom).bounds.Width() % 32, 0);
}

TEST_F(MainWindow, PreciseAndSmoothAreOneRadioPairWithTheirButtons) {
    Start();
    ClickToolButton(ToolButton::tbSmooth);
    EXPECT_TRUE(form->Shown().Checked(Command::menuSmooth));
    EXPECT_FALSE(form->Shown().Checked(Command::menuPrecise));
    EXPECT_EQ(form->Picture().Capture().StretchFilter(), TStretchFilter::sfDraft);
    form->Execute(Command::menuLanczos);
    EXPECT_TRUE(form->Shown().Checked(Command::menuLanczos));
    EXPECT_FALSE(form->Shown().Checked(Command::menuSimple));
    EXPECT_EQ(form->Picture().Capture().StretchFilter(), TStretchFilter::sfLanczos);
    form->Execute(Command::menuPrecise);
    EXPECT_TRUE(view.buttons[ToolButton::tbPrecise]);
    EXPECT_FALSE(view.buttons[ToolButton::tbSmooth]);
    EXPECT_EQ(form->Picture().Capture().StretchFilter(), TStretchFilter::sfNearest);
    // A smoothing type chosen while Precise is on only shows once Smooth is chosen.
    form->Execute(Command::menuMitchell);
    EXPECT_EQ(form->Picture().Capture().StretchFilter(), TStretchFilter::sfNearest);
    form->Execute(Command::menuSmooth);
    EXPECT_EQ(form->Picture().Capture().StretchFilter(), TStretchFilter::sfMitchell);
}

TEST_F(MainWindow, ToggleButtonsAndTheirMenuItemsStayInStep) {
    Start();
    struct Twin {
        ToolButton button;
        Command item;
    };
    for (const Twin twin : {Twin{ToolButton::tbGrid, Command::menuShowGrid}, Twin{ToolButton::tbCursor, Command::menuShowCursor},
                            Twin{ToolButton::tbRastered, Command::menuRastered}, Twin{ToolButton::tbOnTop, Command::menuOnTop}}) {
        SCOPED_TRACE(static_cast<int>(twin.item));
        ClickToolButton(twin.button);
        EXPECT_TRUE(form->Shown().Checked(twin.item));
        EXPECT_TRUE(form->Shown().ButtonDown(twin.button));
        ClickToolButton(twin.button);
        EXPECT_FALSE(form->Shown().Checked(twin.item));
        EXPECT_FALSE(form->Shown().ButtonDown(twin.button));
        form->Execute(twin.item);
        EXPECT_TRUE(form->Shown().ButtonDown(twin.button));
        EXPECT_TRUE(view.buttons[twin.button]);  // the menu command moves the button
        form->Execute(twin.item);
        EXPECT_FALSE(view.buttons[twin.button]);
    }
}

TEST_F(MainWindow, AlwaysOnTopChangesTheWindow) {
    Start();
    form->Execute(Command::menuOnTop);
    EXPECT_TRUE(view.topmost);
    form->Execute(Command::menuOnTop);
    EXPECT_FALSE(view.topmost);
}

TEST_F(MainWindow, RasteredLinesDisableTheColourChoice) {
    Start();
    form->Execute(Command::menuRastered);
    EXPECT_FALSE(form->Shown().Enabled(Command::menuColor));
    EXPECT_FALSE(view.gridColorEnabled);
    form->Execute(Command::menuRastered);
    EXPECT_TRUE(form->Shown().Enabled(Command::menuColor));
    EXPECT_TRUE(view.gridColorEnabled);
}

TEST_F(MainWindow, ExactlyOneColourItemIsCheckedAfterEveryChoice) {
    Start();
    auto checkedItems = [&] {
        std::vector<int> items;
        for (int i = 0; i < 16; ++i)
            if (form->Shown().Checked(ColorItem(i))) items.push_back(i);
        return items;
    };
    EXPECT_EQ(checkedItems(), std::vector<int>{0});
    form->Execute(ColorItem(9));
    EXPECT_EQ(checkedItems(), std::vector<int>{9});
    EXPECT_EQ(view.gridColorSelection, 9);
    EXPECT_EQ(view.menu[Command::menuColor].image, MenuImage::Swatch(kStandardColors[9].value));
    form->cbGridChange(3);
    EXPECT_EQ(checkedItems(), std::vector<int>{3});
    EXPECT_EQ(view.menu[Command::menuColor].image, MenuImage::Swatch(kStandardColors[3].value));
    form->Execute(ColorItem(9));
    EXPECT_EQ(checkedItems(), std::vector<int>{9});
    EXPECT_EQ(form->State().gridColor, 9);
}

TEST_F(MainWindow, RefreshRateCommandsSetTheTimer) {
    Start();
    const std::pair<Command, int> rates[] = {{Command::menu20ms, 20}, {Command::menu01s, 100}, {Command::menu02s, 200},
                                             {Command::menu05s, 500}, {Command::menu1s, 1000}, {Command::menu40ms, 40}};
    for (const auto& [item, ms] : rates) {
        form->Execute(item);
        EXPECT_EQ(view.timers[Timer::Refresher], ms);
        EXPECT_TRUE(form->Shown().Checked(item));
    }
    EXPECT_FALSE(form->Shown().Checked(Command::menu1s));
}

TEST_F(MainWindow, SnapAppliesOnlyWhenChecked) {
    Start();
    screen.monitor.workArea = Rect{60, 0, 1920, 1040};
    EXPECT_EQ(form->AdjustWindowPosition(Point{65, 300}, Size{400, 300}), (Point{65, 300}));
    form->Execute(Command::menuSnap);
    EXPECT_EQ(form->AdjustWindowPosition(Point{65, 300}, Size{400, 300}), (Point{60, 300}));
    EXPECT_EQ(form->AdjustWindowPosition(Point{1515, 300}, Size{400, 300}), (Point{1520, 300}));
    view.state = WindowState::Maximized;  // maximising proposes (-4, -4): it must stay
    EXPECT_EQ(form->AdjustWindowPosition(Point{-4, -4}, Size{1928, 1048}), (Point{-4, -4}));
}

TEST_F(MainWindow, AutostartWritesAQuotedPathAndRemovesTheEntry) {
    Start();
    form->Execute(Command::menuAutostart);
    EXPECT_EQ(startupList.values["Orvelle"], "\"C:\\Program Files\\Orvelle\\Orvelle.exe\"");
    form->Execute(Command::menuAutostart);
    EXPECT_EQ(startupList.values.count("Orvelle"), 0u);
}

TEST_F(MainWindow, AutostartKeepsAnExistingEntry) {
    Start();
    startupList.values["Orvelle"] = "D:\\Old\\Orvelle.exe";
    form->Execute(Command::menuAutostart);
    EXPECT_EQ(startupList.values["Orvelle"], "D:\\Old\\Orvelle.exe");
    form->Execute(Command::menuAutostart);
    EXPECT_EQ(startupList.values.count("Orvelle"), 0u);
}

TEST_F(MainWindow, AutostartFailuresAreReportedOnlyForTheWrite) {
    Start();
    startupList.writable = false;
    form->Execute(Command::menuAutostart);
    EXPECT_TRUE(form->Shown().Checked(Command::menuAutostart));
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0], "Failed to set data for 'Orvelle'");
    startupList.keyAvailable = false;
    form->Execute(Command::menuAutostart);
    form->Execute(Command::menuAutostart);
    EXPECT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(form->Shown().Checked(Command::menuAutostart));
}

TEST_F(MainWindow, FreezeAndPlainTogglesFlipTheirCheckMark) {
    Start();
    for (Command item : {Command::menuFreeze, Command::menuSnap, Command::menuSave, Command::menuStartupCheck}) {
        const bool before = form->Shown().Checked(item);
        form->Execute(item);
        EXPECT_NE(form->Shown().Checked(item), before);
        EXPECT_EQ(view.IsChecked(item), !before);
    }
}

TEST_F(MainWindow, ExitClosesTheWindow) {
    Start();
    form->Execute(Command::menuExit);
    EXPECT_TRUE(view.closed);
}

TEST_F(MainWindow, EndOfSessionShutsDownOnce) {
    Start();
    EXPECT_TRUE(form->QueryEndSession());
    EXPECT_TRUE(view.closed);
    EXPECT_FALSE(view.TimerRunning(Timer::Refresher));
    EXPECT_EQ(settings.Writes().size(), 1u);
    form->FormDestroy();
    EXPECT_EQ(settings.Writes().size(), 1u);
}

}  // namespace
}  // namespace orvelle::testing
