// The main menu as designed: every item, where it hangs, what kind it is, its
// shortcut and its picture. Captions that a language translates come from the
// caption table (CaptionTable.h); the others are fixed here.
#pragma once

#include <span>
#include <string>

#include "app/Commands.h"
#include "engine/StandardColors.h"

namespace orvelle {

enum class MenuKind { Submenu, Command, Check, Radio, Separator };

// Key codes are Windows virtual-key numbers, written out so the core stays portable.
struct Shortcut {
    int key = 0;  // 0: none
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

constexpr int kKeySpace = 0x20;
constexpr int kKeyF1 = 0x70;
constexpr int kKeyF4 = 0x73;

// The indices of the designed menu pictures.
constexpr int kRulerPicture = 0;
constexpr int kEnglishFlagPicture = 1;
// Pictures added while the program runs (the languages' flags) follow these.
constexpr int kDesignedMenuPictureCount = 2;

// What a menu item shows in its picture place.
struct MenuImage {
    enum class Kind { None, Picture, Swatch };
    Kind kind = Kind::None;
    int picture = -1;  // a menu picture's index
    TColor color = 0;  // a square of this colour, 0x00BBGGRR

    static constexpr MenuImage Picture(int index) { return MenuImage{Kind::Picture, index, 0}; }
    static constexpr MenuImage Swatch(TColor color) { return MenuImage{Kind::Swatch, -1, color}; }
    friend bool operator==(const MenuImage&, const MenuImage&) = default;
};

struct MenuEntry {
    Command id;
    Command parent;               // Command::None for the menu bar
    MenuKind kind;
    const char* fixedCaption;     // nullptr: the caption table has it
    Shortcut shortcut{};
    int picture = -1;             // a menu picture's index, -1 for none
};

// One item as the view builds it. `caption` is the text shown, with the
// shortcut's text after a tab.
struct MenuItem {
    Command id = Command::None;
    Command parent = Command::None;
    MenuKind kind = MenuKind::Command;
    std::string caption;
    Shortcut shortcut;
    MenuImage image;
    bool checked = false;
    bool enabled = true;
    bool newColumn = false;  // starts a new column of its submenu
};

// Every designed entry in display order; children follow their parent. The
// sixteen colour items are made when the window is created.
std::span<const MenuEntry> MainMenuEntries();

// "Ctrl+G", "Ctrl+Shift+C", "Space", "F1", "Alt+F4", or "" when there is no shortcut.
std::string ShortcutText(const Shortcut& shortcut);

// The designed command a key press runs, or Command::None.
Command CommandForKey(int key, bool ctrl, bool alt, bool shift = false);

}  // namespace orvelle
