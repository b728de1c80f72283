// What the window shows for a state: (state, DPI, size) -> presentation.
#include "app/Presentation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/InterfaceTexts.h"

namespace orvelle {
namespace {

PresentationInputs Inputs(int dpi = 96, Size outer = {700, 400}) {
    static const WebHosts hosts;
    static const std::vector<LanguageItem> languages{{static_cast<Command>(kCommandCount), "Deutsch", 2},
                                                     {static_cast<Command>(kCommandCount + 1), "Italiano", -1}};
    PresentationInputs in;
    in.dpi = dpi;
    in.outer = outer;
    in.client = Size{outer.width - 16, outer.height - 52};
    in.screens = Rect::FromSize(0, 0, 1920, 1080);
    in.text = [](int number) { return EnglishText(number); };
    in.languages = &languages;
    in.hosts = &hosts;
    return in;
}

TEST(Presentation, CheckMarksButtonsAndTheToolbarControlsMirrorTheState) {
    MainState s;
    s.magnify = Magnify::Smooth;
    s.smoothing = Smoothing::Mitchell;
    s.zoom = 7;
    s.refreshMs = 100;
    s.showGrid = true;
    s.rastered = true;
    s.gridColor = 9;
    s.onTop = true;
    s.toolbar = s.statusbar = true;
    s.languageItem = static_cast<Command>(kCommandCount + 1);
    const Presentation p = Present(s, Inputs());
    const std::vector<std::pair<Command, bool>> checks{
        {Command::menuSmooth, true},   {Command::menuPrecise, false}, {Command::menuMitchell, true},
        {Command::menuSimple, false},  {Command::menu01s, true},      {Command::menu20ms, false},
        {Command::menuShowGrid, true}, {Command::menuRastered, true}, {ColorItem(9), true},
        {ColorItem(0), false},         {Command::menuOnTop, true},    {Command::menuEN, false},
        {s.languageItem, true},        {static_cast<Command>(kCommandCount), false},
    };
    for (const auto& [item, checked] : checks) EXPECT_EQ(p.Checked(item), checked) << static_cast<int>(item);
    // A level between the menu's checks none of its items.
    for (Command level : {Command::menu2X, Command::menu4X, Command::menu6X, Command::menu8X, Command::menu10X,
                          Command::menu12X, Command::menu16X, Command::menu24X, Command::menu32X})
        EXPECT_FALSE(p.Checked(level));
    EXPECT_EQ(p.zoomPosition, 7);
    EXPECT_EQ(p.zoomLabel, "7 X");
    EXPECT_TRUE(p.ButtonDown(ToolButton::tbSmooth));
    EXPECT_FALSE(p.ButtonDown(ToolButton::tbPrecise));
    EXPECT_TRUE(p.ButtonDown(ToolButton::tbGrid));
    EXPECT_TRUE(p.ButtonDown(ToolButton::tbOnTop));
    EXPECT_FALSE(p.ButtonDown(ToolButton::tbCursor));
    // Rastered lines take the colour choice away.
    EXPECT_FALSE(p.gridColorEnabled);
    EXPECT_FALSE(p.Enabled(Command::menuColor));
    EXPECT_EQ(p.gridColorSelection, 9);
    EXPECT_EQ(p.Item(Command::menuColor)->image, MenuImage::Swatch(255));
    // The Language item shows the chosen language's flag: Italiano has none.
    EXPECT_EQ(p.Item(Command::menuLanguage)->image, MenuImage{});
    EXPECT_TRUE(p.topmost);
}

TEST(Presentation, TheLanguagesStandBetweenEnglishAndTheLastSeparator) {
    const Presentation p = Present(MainState{}, Inputs());
    std::vector<Command> order;
    for (const MenuItem& item : p.menu)
        if (item.parent == Command::menuLanguage) order.push_back(item.id);
    EXPECT_EQ(order, (std::vector<Command>{Command::menuEN, Command::menuLangSeparator,
                                           static_cast<Command>(kCommandCount),
                                           static_cast<Command>(kCommandCount + 1), Command::N6, Command::menuMore}));
    EXPECT_EQ(p.Item(static_cast<Command>(kCommandCount))->image, MenuImage::Picture(2));
    EXPECT_EQ(p.Item(Command::menuShowGrid)->caption, "Show Grid\tCtrl+G");
    EXPECT_EQ(p.Hint(HintTarget::tbRastered), "Rastered Grid Lines\r\n(Visible on Any Background)");
    EXPECT_EQ(p.saveDialogTitle, "Save Image as...");
}

TEST(Presentation, TheTimersFollowTheCheckTheAboutWindowAndShutdown) {
    const struct {
        CheckPhase check;
        bool aboutOpen;
        bool shutDown;
        int refresher;
        int onlineCheck;
    } cases[] = {
        {CheckPhase::Idle, false, false, 40, 0},      {CheckPhase::Waiting, false, false, 40, 1000},
        {CheckPhase::Answering, false, false, 40, 0}, {CheckPhase::Waiting, true, false, 0, 0},
        {CheckPhase::Idle, true, false, 0, 0},        {CheckPhase::Waiting, false, true, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.check) << c.aboutOpen << c.shutDown);
        MainState s;
        s.refreshMs = 40;
        s.check = c.check;
        s.aboutOpen = c.aboutOpen;
        PresentationInputs in = Inputs();
        in.shutDown = c.shutDown;
        const Presentation p = Present(s, in);
        EXPECT_EQ(p.Timer(Timer::Refresher), c.refresher);
        EXPECT_EQ(p.Timer(Timer::OnlineCheckTimer), c.onlineCheck);
        EXPECT_EQ(p.Enabled(Command::menuCheckNow), c.check == CheckPhase::Idle);
    }
    // Before any refresh rate is chosen the timer runs at its designed 20 ms.
    EXPECT_EQ(Present(MainState{}, Inputs()).Timer(Timer::Refresher), 20);
}

TEST(Presentation, PlacesAndPanelsScaleWithTheDpiWhileThePictureStaysPhysical) {
    MainState s;
    s.toolbar = s.statusbar = true;
    s.zoom = 8;
    const struct {
        int dpi;
        Size outer;
        Rect toolBar1;
        int firstPanel;
    } cases[] = {
        {96, {700, 400}, Rect::FromSize(4, 4, 273, 26), 44},
        {144, {1050, 600}, Rect::FromSize(6, 6, 410, 39), 66},
        {192, {1400, 800}, Rect::FromSize(8, 8, 546, 52), 88},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        const Presentation p = Present(s, Inputs(c.dpi, c.outer));
        EXPECT_EQ(p.scaleDpi, c.dpi);
        EXPECT_EQ(p.Place(Control::ToolBar1).bounds, c.toolBar1);
        ASSERT_EQ(p.statusPanels.size(), static_cast<std::size_t>(kStatusPanelCount));
        EXPECT_EQ(p.statusPanels[0], c.firstPanel);
        // Nothing pinned, no guides apart, no note: those panels hide.
        EXPECT_EQ(p.statusPanels[kContrastStatusPanel], 0);
        EXPECT_EQ(p.statusPanels[kMeasurementStatusPanel], 0);
        EXPECT_EQ(p.statusPanels[kNoteStatusPanel], 0);
        // Whole blocks of 8 physical pixels, whatever the scale.
        EXPECT_EQ(p.view.width, p.capture.width * 8);
        EXPECT_EQ(p.view.height, p.capture.height * 8);
        EXPECT_EQ(p.Place(Control::imgZoom).bounds.Width(), p.view.width);
    }
    s.toolbar = false;
    const Presentation hidden = Present(s, Inputs());
    EXPECT_FALSE(hidden.Place(Control::ToolBar1).visible);
    EXPECT_FALSE(hidden.Place(Control::imgLogo).visible);
}

}  // namespace
}  // namespace orvelle
