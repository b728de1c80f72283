// The table of stored settings: what is written is read back as it was, and
// a file without a key gives the key's stored default, not the designed state.
#include "app/SettingsBinding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvelle {
namespace {

const WindowDefaults kWindow{{1920, 1080}, {718, 331}, {400, 300}, {16, 52}, Rect::FromSize(0, 0, 1920, 1080)};

TEST(SettingsBinding, EveryStoredValueComesBackAsItWasWritten) {
    const std::vector<Command> items{static_cast<Command>(kCommandCount)};
    const std::vector<std::string> names{"DEUTSCH"};
    const LanguageChoices languages{items, names};
    MainState a;
    a.magnify = Magnify::Smooth;
    a.smoothing = Smoothing::Cosine;
    a.zoom = 13;
    a.refreshMs = 200;
    a.ownWindow = false;
    a.showCursor = a.showGrid = a.rastered = true;
    a.gridColor = 14;
    a.onTop = a.snap = true;
    a.toolbar = false;
    a.statusbar = true;
    a.language = "DEUTSCH";
    a.languageItem = items[0];
    a.autostart = true;
    a.startupCheck = false;
    a.save = true;
    ProfileFile file(std::string{});
    WriteStoredSettings(a, WindowState::Normal, Rect::FromSize(10, 20, 500, 400), file);

    const StoredSettings read = ReadStoredSettings(MainState{}, Result<std::string>(file.Text()), languages, kWindow);
    const MainState& b = read.state;
    EXPECT_EQ(b.magnify, a.magnify);
    EXPECT_EQ(b.smoothing, a.smoothing);
    EXPECT_EQ(b.zoom, a.zoom);
    EXPECT_EQ(b.refreshMs, a.refreshMs);
    EXPECT_EQ(b.ownWindow, a.ownWindow);
    EXPECT_EQ(b.showCursor, a.showCursor);
    EXPECT_EQ(b.showGrid, a.showGrid);
    EXPECT_EQ(b.rastered, a.rastered);
    EXPECT_EQ(b.gridColor, a.gridColor);
    EXPECT_EQ(b.onTop, a.onTop);
    EXPECT_EQ(b.snap, a.snap);
    EXPECT_EQ(b.toolbar, a.toolbar);
    EXPECT_EQ(b.statusbar, a.statusbar);
    EXPECT_EQ(b.language, a.language);
    EXPECT_EQ(b.languageItem, a.languageItem);
    EXPECT_EQ(b.autostart, a.autostart);
    EXPECT_EQ(b.startupCheck, a.startupCheck);
    EXPECT_EQ(b.save, a.save);
    EXPECT_EQ(read.bounds, Rect::FromSize(10, 20, 500, 400));
    EXPECT_FALSE(read.maximized);
    EXPECT_FALSE(read.firstRun);
}

TEST(SettingsBinding, AFirstRunTakesTheStoredDefaultsNotTheDesignedState) {
    const Result<std::string> absent = Failure{Failure::Kind::NotFound, "not there"};
    const StoredSettings read = ReadStoredSettings(MainState{}, absent, {}, kWindow);
    EXPECT_TRUE(read.firstRun);
    EXPECT_TRUE(read.mayWrite);
    const MainState& s = read.state;
    EXPECT_EQ(s.magnify, Magnify::Precise);
    EXPECT_EQ(s.smoothing, Smoothing::Simple);
    EXPECT_EQ(s.zoom, 8);
    EXPECT_EQ(s.refreshMs, 40);
    EXPECT_TRUE(s.ownWindow);
    EXPECT_TRUE(s.toolbar);
    EXPECT_TRUE(s.statusbar);
    EXPECT_TRUE(s.startupCheck);
    EXPECT_TRUE(s.save);
    EXPECT_EQ(s.language, "EN");
    // Centred at the designed size, at a first run's size.
    EXPECT_EQ(read.bounds, Rect::FromSize((1920 - 718) / 2, (1080 - 331) / 2, 400, 300));

    const StoredSettings unreadable = ReadStoredSettings(MainState{}, Failure{Failure::Kind::Other, "locked"}, {}, kWindow);
    EXPECT_FALSE(unreadable.firstRun);
    EXPECT_FALSE(unreadable.mayWrite);
}

TEST(SettingsBinding, WithSaveSettingsOffOnlyTheSwitchItselfIsWritten) {
    MainState s;
    s.save = false;
    s.zoom = 16;
    ProfileFile file(std::string("[Magnification]\r\nLevel=4\r\n"));
    WriteStoredSettings(s, WindowState::Normal, Rect::FromSize(0, 0, 400, 300), file);
    EXPECT_EQ(file.Text(), "[Magnification]\r\nLevel=4\r\n[Options]\r\nSaveSettings=0\r\n");
}

}  // namespace
}  // namespace orvelle
