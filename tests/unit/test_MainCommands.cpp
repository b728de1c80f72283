// What each command does to the state: a table of (state, command) -> state.
#include "app/MainCommands.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/MenuTree.h"
#include "lang/Languages.h"

namespace orvelle {
namespace {

TEST(MainCommands, EachCommandChangesItsOwnPartOfTheState) {
    const std::vector<Command> items{static_cast<Command>(kCommandCount), static_cast<Command>(kCommandCount + 1)};
    const std::vector<std::string> names{"DEUTSCH", "FRANCAIS"};
    const LanguageChoices languages{items, names};
    const MainState designed;
    const struct {
        Command command;
        std::function<void(MainState&)> expect;  // what changes from the designed state
    } cases[] = {
        {Command::menuFreeze, [](MainState& s) { s.frozen = true; }},
        {Command::menuPrecise, [](MainState& s) { s.magnify = Magnify::Precise; }},
        {Command::menuSmooth, [](MainState& s) { s.magnify = Magnify::Smooth; }},
        {Command::menuLanczos, [](MainState& s) { s.smoothing = Smoothing::Lanczos; }},
        {Command::menu24X, [](MainState& s) { s.zoom = 24; }},
        {Command::menu10X, [](MainState&) {}},  // the level already set
        {Command::menu05s, [](MainState& s) { s.refreshMs = 500; }},
        {Command::menuOwn, [](MainState& s) { s.ownWindow = true; }},
        {Command::menuShowCursor, [](MainState& s) { s.showCursor = true; }},
        {Command::menuShowGrid, [](MainState& s) { s.showGrid = true; }},
        {Command::menuRastered, [](MainState& s) { s.rastered = true; }},
        {ColorItem(13), [](MainState& s) { s.gridColor = 13; }},
        {Command::menuOnTop, [](MainState& s) { s.onTop = true; }},
        {Command::menuSnap, [](MainState& s) { s.snap = true; }},
        {Command::menuToolbar, [](MainState& s) { s.toolbar = true; }},
        {Command::menuStatusbar, [](MainState& s) { s.statusbar = true; }},
        {Command::menuAutostart, [](MainState& s) { s.autostart = true; }},
        {Command::menuSave, [](MainState& s) { s.save = true; }},
        {Command::menuStartupCheck, [](MainState& s) { s.startupCheck = true; }},
        {Command::menuEN, [](MainState& s) { s.language = "EN", s.languageItem = Command::menuEN; }},
        {items[1], [&](MainState& s) { s.language = "FRANCAIS", s.languageItem = items[1]; }},
        // Commands whose work lies beyond the state leave it alone.
        {Command::menuCopy, [](MainState&) {}},
        {Command::menuCheckNow, [](MainState&) {}},
        {Command::menuAbout, [](MainState&) {}},
        {static_cast<Command>(kCommandCount + 5), [](MainState&) {}},
    };
    // Every member, so that a command that changes anything else is caught.
    auto same = [](const MainState& a, const MainState& b) {
        return a.magnify == b.magnify && a.smoothing == b.smoothing && a.zoom == b.zoom &&
               a.refreshMs == b.refreshMs && a.ownWindow == b.ownWindow && a.frozen == b.frozen &&
               a.showCursor == b.showCursor && a.showGrid == b.showGrid && a.rastered == b.rastered &&
               a.gridColor == b.gridColor && a.onTop == b.onTop && a.snap == b.snap && a.toolbar == b.toolbar &&
               a.statusbar == b.statusbar && a.language == b.language && a.languageItem == b.languageItem &&
               a.autostart == b.autostart && a.startupCheck == b.startupCheck && a.save == b.save &&
               a.check == b.check && a.aboutOpen == b.aboutOpen;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.command));
        MainState expected = designed;
        c.expect(expected);
        const MainState once = ApplyCommand(designed, c.command, languages);
        EXPECT_TRUE(same(once, expected));
        // A toggle twice is where it started; any other command twice is where it went.
        const MainState twice = ApplyCommand(once, c.command, languages);
        const bool toggles = twice.frozen != once.frozen || twice.ownWindow != once.ownWindow ||
                             twice.showCursor != once.showCursor || twice.showGrid != once.showGrid ||
                             twice.rastered != once.rastered || twice.onTop != once.onTop || twice.snap != once.snap ||
                             twice.toolbar != once.toolbar || twice.statusbar != once.statusbar ||
                             twice.autostart != once.autostart || twice.save != once.save ||
                             twice.startupCheck != once.startupCheck;
        EXPECT_TRUE(same(twice, toggles ? designed : once));
    }
}

// One command, many doors: a toolbar button and a shortcut change the state
// exactly as their menu item does.
TEST(MainCommands, ButtonsAndShortcutsAreTheirMenuItems) {
    const struct {
        ToolButton button;
        Command item;
        char key;  // with Ctrl; 0 for none
    } doors[] = {
        {ToolButton::tbPrecise, Command::menuPrecise, 'P'}, {ToolButton::tbSmooth, Command::menuSmooth, 'S'},
        {ToolButton::tbCursor, Command::menuShowCursor, 'M'}, {ToolButton::tbGrid, Command::menuShowGrid, 'G'},
        {ToolButton::tbRastered, Command::menuRastered, 'L'}, {ToolButton::tbOnTop, Command::menuOnTop, 'T'},
        {ToolButton::tbRuler, Command::menuRuler, 'R'},       {ToolButton::tbHelp, Command::menuShowHelp, 0},
    };
    for (const auto& door : doors) {
        SCOPED_TRACE(static_cast<int>(door.item));
        EXPECT_EQ(ButtonCommand(door.button), door.item);
        if (door.key != 0) {
            EXPECT_EQ(CommandForKey(door.key, true, false), door.item);
        }
    }
    EXPECT_EQ(CommandForKey('O', true, false), Command::menuOwn);
    EXPECT_EQ(CommandForKey(kKeySpace, false, false), Command::menuFreeze);
}

TEST(MainCommands, TheTrackBarsLevelIsHeldToTwoToThirtyTwoAndKeptUnchangedBetween) {
    const MainState designed;
    for (const auto& [asked, held] : {std::pair{1, 2}, {2, 2}, {7, 7}, {32, 32}, {33, 32}, {-5, 2}})
        EXPECT_EQ(WithZoom(designed, asked).zoom, held) << asked;
}

}  // namespace
}  // namespace orvelle
