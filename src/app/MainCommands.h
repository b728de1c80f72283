// What each command does to the main window's state, and nothing more: one
// function of (state, command), so that a menu item, its shortcut, its
// toolbar button and a stored setting cannot disagree. What a command does
// beyond the state (a picture copied, a page opened, a registry value
// written) is the router's (TfrmMain), which runs it after this.
#pragma once

#include <span>
#include <string>

#include "app/Commands.h"
#include "app/MainState.h"

namespace orvelle {

// The menu items made for the loaded languages and the names they choose,
// index-parallel.
struct LanguageChoices {
    std::span<const Command> items;
    std::span<const std::string> names;
};

MainState ApplyCommand(MainState state, Command command, const LanguageChoices& languages = {});

// The level the track bar or a stored setting asks for, held to 2 ... 32.
MainState WithZoom(MainState state, int zoom);

// The colours copied last, with `color` now the newest and no repeats.
MainState WithRecentColor(MainState state, Pixel color);

// A lock's item chosen (ApplyCommand leaves them alone: locking needs the
// spot the view is on, which the router knows): an unlocked axis locks on `centre`'s column (Lock
// Horizontal) or row (Lock Vertical), a locked one is let go.
MainState WithLockToggled(MainState state, Command lockItem, Point centre);

// The command a toolbar button runs.
Command ButtonCommand(ToolButton button);

}  // namespace orvelle
