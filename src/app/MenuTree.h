// The main menu as data: the front-end builds the real menu, its shortcut
// table and the displayed shortcut texts from this one list.
#pragma once

#include <span>
#include <string>

#include "app/Commands.h"

namespace orvelle {

enum class MenuKind { Submenu, Command, Check, Radio, Separator };

// Key codes are Windows virtual-key numbers, written out so the core stays portable.
struct Shortcut {
    int key = 0;  // 0: none
    bool ctrl = false;
    bool alt = false;
};

constexpr int kKeySpace = 0x20;
constexpr int kKeyF1 = 0x70;
constexpr int kKeyF4 = 0x73;

struct MenuEntry {
    Command id;            // Command::None for separators
    Command parent;        // Command::None for the menu bar
    MenuKind kind;
    int textNumber;        // interface text number, 0 when the caption is fixed
    const char* caption;   // English caption (UTF-8)
    Shortcut shortcut;
    int imageIndex = -1;   // index into the menu image list, -1 for none
};

// Every entry in display order; children follow their parent.
std::span<const MenuEntry> MainMenuEntries();

// "Ctrl+G", "Space", "F1", "Alt+F4", or "" when there is no shortcut.
std::string ShortcutText(const Shortcut& shortcut);

// The command a key press runs, or Command::None.
Command CommandForKey(int key, bool ctrl, bool alt);

}  // namespace orvelle
