// A TfrmMain wired to recording fakes.
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
    std::unique_ptr<TfrmMain> form;

    void SetUp() override { Recreate(); }

    void Recreate() {
        form = std::make_unique<TfrmMain>(
            view, Services{screen, clock, startupList, dialogs, settings, NumberFormat{}, "C:\\Program Files\\Orvelle\\Orvelle.exe"});
    }

    // Start-up as the front-end runs it: create, show, lay out.
    void Start() {
        form->FormCreate();
        view.visible = true;
        form->FormResize();
    }

    int CallsStartingWith(const std::string& prefix) const {
        return static_cast<int>(std::count_if(view.calls.begin(), view.calls.end(),
                                              [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
    }
};

}  // namespace orvelle::testing
