#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "FakeMainWindow.h"
#include "FakeSettingsStore.h"
#include "app/TfrmMain.h"

namespace orvelle::testing {

// The main window's logic wired to its fakes, without a test framework, so
// that the fuzz targets drive the same window as the unit tests.
struct MainWindowRig {
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
    FakePictureEncoder pictureEncoder;
    FakeHotkeys hotkeys;
    std::unique_ptr<TfrmMain> form;
    std::uint32_t windowsBuild = 0;  // the system's build, as the program reads it at start
    bool started = false;

    void Recreate() {
        form = std::make_unique<TfrmMain>(view, Services{screen, clock, startupList, dialogs, settings, clipboard, files,
                                                         fileSystem, shell, registry, versionCheck, pictureEncoder,
                                                         hotkeys, NumberFormat{},
                                                         "C:\\Program Files\\Orvelle\\Orvelle.exe",
                                                         "C:\\Users\\Zo\xC3\xAB\\Pictures", windowsBuild});
    }

    // Start-up as the front-end runs it: create, show, lay out.
    void Start() {
        started = true;
        form->FormCreate();
        view.visible = true;
        form->FormResize();
    }

    // Start-up with this settings file beside the program.
    void StartWith(const std::string& content) {
        settings = InMemorySettingsStore(content);
        Start();
    }
};

}  // namespace orvelle::testing
