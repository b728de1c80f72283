// The synchroniser: what reaches the view, and only once.
#include "app/ViewSync.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "FakeMainWindow.h"

namespace orvelle::testing {
namespace {

Presentation Base() {
    Presentation p;
    MenuItem file;
    file.id = Command::menuFile;
    file.kind = MenuKind::Submenu;
    file.caption = "File";
    MenuItem exit;
    exit.id = Command::menuExit;
    exit.parent = Command::menuFile;
    exit.caption = "Exit\tAlt+F4";
    p.menu = {file, exit};
    p.statusPanels = {44, 44};
    p.timers[static_cast<std::size_t>(Timer::Refresher)] = 40;
    return p;
}

int Count(const FakeMainView& view, const std::string& call) {
    return static_cast<int>(std::count(view.calls.begin(), view.calls.end(), call));
}

TEST(ViewSync, TheFirstSendShowsEverythingAndLaterOnesOnlyWhatChanged) {
    FakeMainView view;
    ViewSync sync(view);
    Presentation p = Base();
    sync.Send(p);
    EXPECT_EQ(Count(view, "InsertMenuItem " + std::to_string(static_cast<int>(Command::menuExit))), 1);
    EXPECT_TRUE(view.TimerRunning(Timer::Refresher));
    EXPECT_FALSE(view.TimerRunning(Timer::OnlineCheckTimer));  // never started, never stopped
    EXPECT_EQ(Count(view, "SetTopmost 0"), 0);                   // a new window is no topmost one

    view.calls.clear();
    sync.Send(p);
    EXPECT_TRUE(view.calls.empty());

    p.menu[1].checked = true;
    p.zoomLabel = "8 X";
    p.timers[static_cast<std::size_t>(Timer::Refresher)] = 0;
    p.topmost = true;
    sync.Send(p);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"SetChecked " + std::to_string(static_cast<int>(Command::menuExit)) +
                                                        " 1",
                                                    "SetZoomLabel 8 X", "SetTopmost 1", "StopTimer 0"}));
}

TEST(ViewSync, ANewItemGoesBeforeTheNextOneTheViewHas) {
    FakeMainView view;
    ViewSync sync(view);
    Presentation p = Base();
    sync.Send(p);
    MenuItem copy;
    copy.id = Command::menuCopy;
    copy.parent = Command::menuFile;
    p.menu.insert(p.menu.begin() + 1, copy);
    sync.Send(p);
    EXPECT_EQ(view.insertedBefore.at(Command::menuCopy), Command::menuExit);
    EXPECT_EQ(view.menuOrder, (std::vector<Command>{Command::menuFile, Command::menuCopy, Command::menuExit}));
}

TEST(ViewSync, WhatTheUserSetHimselfIsNotSentBack) {
    FakeMainView view;
    ViewSync sync(view);
    Presentation p = Base();
    sync.Send(p);
    view.calls.clear();
    sync.ButtonSetByUser(ToolButton::tbGrid, true);
    sync.ZoomSetByUser(7);
    sync.ColorSetByUser(3);
    p.buttonsDown[static_cast<std::size_t>(ToolButton::tbGrid)] = true;
    p.zoomPosition = 7;
    p.gridColorSelection = 3;
    sync.Send(p);
    EXPECT_TRUE(view.calls.empty());
}

TEST(ViewSync, StatusTextsAreSentWhereTheyDiffer) {
    FakeMainView view;
    ViewSync sync(view);
    StatusTexts texts{"R: 1", "G: 2", "B: 3", "X: 4", "Y: 5", "f: 50.0 Hz", "#010203"};
    sync.SendStatus(texts);
    view.calls.clear();
    texts[3] = "X: 5";
    sync.SendStatus(texts);
    EXPECT_EQ(view.calls, std::vector<std::string>{"SetStatusText 3 X: 5"});
}

}  // namespace
}  // namespace orvelle::testing
