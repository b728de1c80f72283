// A TfrmMain wired to recording fakes. After every test that started the
// window, the fake view must show exactly the state the logic holds: every
// menu item, button, hint, control, timer and toolbar value.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "MainWindowRig.h"

namespace orvelle::testing {

class MainWindowFixture : public ::testing::Test, protected MainWindowRig {
protected:
    void SetUp() override { Recreate(); }

    void TearDown() override {
        if (started) ExpectViewShowsTheLogicsState();
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

    // The view shows exactly the presentation of the logic's state now: the
    // synchroniser has missed no change, and sent each as the view needs it.
    void ExpectViewShowsTheLogicsState() {
        SCOPED_TRACE("the view shows what the logic holds");
        const Presentation p = form->Present();
        std::vector<Command> order;
        for (const MenuItem& held : p.menu) {
            order.push_back(held.id);
            SCOPED_TRACE(static_cast<int>(held.id));
            ASSERT_EQ(view.menu.count(held.id), 1u);
            const MenuItem& shown = view.menu.at(held.id);
            EXPECT_EQ(shown.parent, held.parent);
            EXPECT_EQ(shown.kind, held.kind);
            EXPECT_EQ(shown.caption, held.caption);
            EXPECT_EQ(shown.checked, held.checked);
            EXPECT_EQ(shown.enabled, held.enabled);
            EXPECT_EQ(shown.image, held.image);
            EXPECT_EQ(shown.shortcut, held.shortcut);
            EXPECT_EQ(shown.newColumn, held.newColumn);
        }
        // Each submenu's items in their order; the view appends a new item to its own submenu.
        auto bySubmenu = [&](const std::vector<Command>& items) {
            std::map<Command, std::vector<Command>> children;
            for (Command item : items) children[view.menu.at(item).parent].push_back(item);
            return children;
        };
        EXPECT_EQ(bySubmenu(view.menuOrder), bySubmenu(order));
        EXPECT_EQ(view.menuOrder.size(), order.size());
        for (int b = 0; b < static_cast<int>(ToolButton::Count); ++b) {
            const auto button = static_cast<ToolButton>(b);
            ASSERT_EQ(view.buttons.count(button), 1u) << b;
            EXPECT_EQ(view.buttons.at(button), p.ButtonDown(button)) << b;
        }
        for (int h = 0; h < static_cast<int>(HintTarget::Count); ++h) {
            const auto target = static_cast<HintTarget>(h);
            ASSERT_EQ(view.hints.count(target), 1u) << h;
            EXPECT_EQ(view.hints.at(target), p.Hint(target)) << h;
        }
        for (int c = 0; c < static_cast<int>(Control::Count); ++c) {
            const auto control = static_cast<Control>(c);
            ASSERT_EQ(view.controlVisible.count(control), 1u) << c;
            EXPECT_EQ(view.controlVisible.at(control), p.Place(control).visible) << c;
            ASSERT_EQ(view.controlBounds.count(control), 1u) << c;
            EXPECT_EQ(view.controlBounds.at(control), p.Place(control).bounds) << c;
        }
        EXPECT_EQ(view.zoomPosition, p.zoomPosition);
        EXPECT_EQ(view.zoomLabel, p.zoomLabel);
        EXPECT_EQ(view.gridColorSelection, p.gridColorSelection);
        EXPECT_EQ(view.gridColorEnabled, p.gridColorEnabled);
        EXPECT_EQ(view.statusPanels, p.statusPanels);
        for (int panel = 0; panel < kStatusPanelCount; ++panel)
            EXPECT_EQ(view.statusTexts[panel], form->StatusToShow()[static_cast<std::size_t>(panel)]) << panel;
        EXPECT_EQ(view.scale, p.scaleDpi);
        EXPECT_EQ(view.minimum, p.minimumSize);
        for (int t = 0; t < static_cast<int>(Timer::Count); ++t) {
            const auto timer = static_cast<Timer>(t);
            const int interval = p.Timer(timer);
            EXPECT_EQ(view.TimerRunning(timer), interval != 0) << t;
            if (interval != 0) {
                EXPECT_EQ(view.timers.at(timer), interval) << t;
            }
        }
        EXPECT_EQ(view.topmost, p.topmost);
        EXPECT_EQ(view.excludedFromCapture, p.excludedFromCapture);
        EXPECT_EQ(view.guideTip.has_value(), p.guideTip.has_value());
    }
};

}  // namespace orvelle::testing
