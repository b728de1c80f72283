// A TfrmMain wired to recording fakes. After every test that started the
// window, the fake view must show exactly the state the logic holds: every
// menu item, button, hint, control, timer and toolbar value.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "FakeMainWindow.h"
#include "FakeSettingsStore.h"
#include "app/TfrmMain.h"

namespace orvelle::testing {

class MainWindowFixture : public ::testing::Test {
protected:
    FakeMainView view;
    FakeScreen screen;
    FakeClock clock;
    FakeStartupList startupList;
    FakeDialogs dialogs;
    InMemorySettingsStore settings;
    FakeClipboard clipboard;
    FakeFiles files;
    FakeFileSystem fileSystem;
    FakeShell shell;
    FakeRegistry registry;
    FakeVersionCheck versionCheck;
    std::unique_ptr<TfrmMain> form;
    std::uint32_t windowsBuild = 0;  // the system's build, as the program reads it at start
    bool started = false;

    void SetUp() override { Recreate(); }

    void TearDown() override {
        if (started) ExpectViewShowsTheLogicsState();
    }

    void Recreate() {
        form = std::make_unique<TfrmMain>(view, Services{screen, clock, startupList, dialogs, settings, clipboard, files,
                                                         fileSystem, shell, registry, versionCheck, NumberFormat{},
                                                         "C:\\Program Files\\Orvelle\\Orvelle.exe", windowsBuild});
    }

    // Start-up as the front-end runs it: create, show, lay out.
    void Start() {
        started = true;
        form->FormCreate();
        view.visible = true;
        form->FormResize();
    }

    // A click on a toolbar button: the button changes its own state, as the
    // real toolbar does, and reports the click with that state.
    void ClickToolButton(ToolButton button) {
        bool& down = view.buttons[button];
        switch (button) {
            case ToolButton::tbPrecise:
            case ToolButton::tbSmooth:
                down = true;
                view.buttons[button == ToolButton::tbPrecise ? ToolButton::tbSmooth : ToolButton::tbPrecise] = false;
                break;
            case ToolButton::tbRuler:
            case ToolButton::tbHelp:
                break;
            default:
                down = !down;
        }
        form->ToolButtonClick(button, view.buttons[button]);
    }

    // The user drags tbZoom: the thumb moves before the change is reported.
    void DragZoom(int position) {
        view.zoomPosition = position;
        form->ZoomTrackChanged(position);
    }

    int CallsStartingWith(const std::string& prefix) const {
        return static_cast<int>(std::count_if(view.calls.begin(), view.calls.end(),
                                              [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
    }

    void ExpectViewShowsTheLogicsState() {
        SCOPED_TRACE("the view shows what the logic holds");
        const MenuModel& menu = form->Menu();
        EXPECT_EQ(view.menuOrder, menu.Items());
        EXPECT_EQ(view.menu.size(), menu.Items().size());
        for (Command item : menu.Items()) {
            SCOPED_TRACE(static_cast<int>(item));
            const MenuItem& held = *menu.Find(item);
            ASSERT_EQ(view.menu.count(item), 1u);
            const MenuItem& shown = view.menu.at(item);
            EXPECT_EQ(shown.parent, held.parent);
            EXPECT_EQ(shown.kind, held.kind);
            EXPECT_EQ(shown.caption, held.caption);
            EXPECT_EQ(shown.checked, held.checked);
            EXPECT_EQ(shown.enabled, held.enabled);
            EXPECT_EQ(shown.image, held.image);
            EXPECT_EQ(shown.shortcut, held.shortcut);
            EXPECT_EQ(shown.newColumn, held.newColumn);
        }
        for (int b = 0; b < static_cast<int>(ToolButton::Count); ++b) {
            const auto button = static_cast<ToolButton>(b);
            ASSERT_EQ(view.buttons.count(button), 1u) << b;
            EXPECT_EQ(view.buttons.at(button), form->ButtonDown(button)) << b;
        }
        for (int h = 0; h < static_cast<int>(HintTarget::Count); ++h) {
            const auto target = static_cast<HintTarget>(h);
            ASSERT_EQ(view.hints.count(target), 1u) << h;
            EXPECT_EQ(view.hints.at(target), form->Hint(target)) << h;
        }
        for (int c = 0; c < static_cast<int>(Control::Count); ++c) {
            const auto control = static_cast<Control>(c);
            ASSERT_EQ(view.controlVisible.count(control), 1u) << c;
            EXPECT_EQ(view.controlVisible.at(control), form->ControlVisible(control)) << c;
            if (control == Control::Separator2) continue;  // a toolbar item without bounds of its own
            ASSERT_EQ(view.controlBounds.count(control), 1u) << c;
            EXPECT_EQ(view.controlBounds.at(control), form->ControlBounds(control)) << c;
        }
        EXPECT_EQ(view.zoomPosition, form->Zoom());
        EXPECT_EQ(view.zoomLabel, form->ZoomLabel());
        EXPECT_EQ(view.gridColorSelection, form->GridColorIndex());
        EXPECT_EQ(view.gridColorEnabled, form->GridColorEnabled());
        EXPECT_EQ(view.statusPanels, form->StatusPanels());
        for (int panel = 0; panel < kStatusPanelCount; ++panel)
            EXPECT_EQ(view.statusTexts[panel], form->StatusText(panel)) << panel;
        EXPECT_EQ(view.scale, form->Dpi());
        EXPECT_EQ(view.minimum, form->MinimumSize());
        for (int t = 0; t < static_cast<int>(Timer::Count); ++t) {
            const auto timer = static_cast<Timer>(t);
            const int interval = form->TimerInterval(timer);
            EXPECT_EQ(view.TimerRunning(timer), interval != 0) << t;
            if (interval != 0) {
                EXPECT_EQ(view.timers.at(timer), interval) << t;
            }
        }
        EXPECT_EQ(view.topmost, form->Checked(Command::menuOnTop));
    }
};

}  // namespace orvelle::testing
