// The settings file bound to the window's state: one table of section, key,
// member and stored default, read at start-up and written at shutdown in the
// same order. The stored defaults are what a first run gets; they differ
// from the designed state (MainState.h) on purpose, and each is written down
// once, here.
#pragma once

#include <functional>
#include <string>

#include "app/MainCommands.h"
#include "app/MainState.h"
#include "app/MainView.h"
#include "app/ProfileFile.h"
#include "app/SettingsStorage.h"
#include "engine/Outcome.h"
#include "web/VersionFetch.h"
#include "web/WebSites.h"

namespace orvelle {

// What the window may take for its first bounds: the stored ones held to the
// screens, or a default size centred on the primary screen.
struct WindowDefaults {
    Size primaryScreen;
    Size outer;      // the window's outer size now, still the designed one
    Size firstRun;   // the outer size of a first run, at the window's DPI
    Size frame;      // what the frame, caption and menu take of the outer size
    Rect screens;    // the virtual screen
};

struct StoredSettings {
    MainState state;  // the state given, with every stored key applied
    Rect bounds;      // physical pixels, held to the screens
    bool maximized = false;
    // The [Web] section, which only an administrator writes.
    WebHosts hosts;
    FetchLimits limits;
    bool firstRun = false;  // there is no settings file yet
    // False when a file is there but could not be read: its values were not
    // seen, and writing ours would destroy them.
    bool mayWrite = true;
};

// Applies the stored settings to `state`; a missing file or key gives the key's stored default.
StoredSettings ReadStoredSettings(MainState state, const Result<std::string>& file, const LanguageChoices& languages,
                                  const WindowDefaults& window);

// Writes `state` into `file`: every value when Save Settings on Exit is on,
// SaveSettings alone otherwise; the bounds only of a window in its normal
// state, so that one closed maximised comes back over its last normal bounds.
void WriteStoredSettings(const MainState& state, WindowState windowState, const Rect& bounds, ProfileFile& file);

}  // namespace orvelle
