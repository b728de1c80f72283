#include "app/MenuTree.h"

#include <array>

namespace orvelle {

namespace {

using C = Command;
using K = MenuKind;

constexpr Shortcut Ctrl(char letter) { return Shortcut{letter, true, false}; }
constexpr Shortcut kNone{};

// Radio groups are the runs of Radio entries that share a parent.
const std::array kEntries = std::to_array<MenuEntry>({
    {C::menuFile, C::None, K::Submenu, 1, "File", kNone},
    {C::menuFreeze, C::menuFile, K::Check, 2, "Freeze Image", Shortcut{kKeySpace, false, false}},
    {C::menuCopy, C::menuFile, K::Command, 3, "Copy Image to Clipboard", Ctrl('C')},
    {C::menuSaveAs, C::menuFile, K::Command, 4, "Save Image as...", Ctrl('A')},
    {C::None, C::menuFile, K::Separator, 0, "", kNone},
    {C::menuRuler, C::menuFile, K::Command, 5, "Launch Tessaly", Ctrl('R'), 0},
    {C::None, C::menuFile, K::Separator, 0, "", kNone},
    {C::menuExit, C::menuFile, K::Command, 6, "Exit", Shortcut{kKeyF4, false, true}},

    {C::menuMagnification, C::None, K::Submenu, 7, "Magnification", kNone},
    {C::menuPrecise, C::menuMagnification, K::Radio, 8, "Precise", Ctrl('P')},
    {C::menuSmooth, C::menuMagnification, K::Radio, 9, "Smooth", Ctrl('S')},
    {C::menuSmoothingType, C::menuMagnification, K::Submenu, 10, "Smoothing Type", kNone},
    {C::menuSimple, C::menuSmoothingType, K::Radio, 11, "Simple", kNone},
    {C::menuLinear, C::menuSmoothingType, K::Radio, 12, "Linear", kNone},
    {C::menuCosine, C::menuSmoothingType, K::Radio, 13, "Cosine", kNone},
    {C::menuBicubic, C::menuSmoothingType, K::Radio, 14, "Bicubic", kNone},
    {C::menuLanczos, C::menuSmoothingType, K::Radio, 15, "Lanczos", kNone},
    {C::menuMitchell, C::menuSmoothingType, K::Radio, 16, "Mitchell", kNone},
    {C::None, C::menuMagnification, K::Separator, 0, "", kNone},
    {C::menuLevel, C::menuMagnification, K::Submenu, 17, "Level", kNone},
    {C::menu2X, C::menuLevel, K::Radio, 0, "2 X", kNone},
    {C::menu4X, C::menuLevel, K::Radio, 0, "4 X", kNone},
    {C::menu6X, C::menuLevel, K::Radio, 0, "6 X", kNone},
    {C::menu8X, C::menuLevel, K::Radio, 0, "8 X", kNone},
    {C::menu10X, C::menuLevel, K::Radio, 0, "10 X", kNone},
    {C::menu12X, C::menuLevel, K::Radio, 0, "12 X", kNone},
    {C::menu16X, C::menuLevel, K::Radio, 0, "16 X", kNone},
    {C::menu24X, C::menuLevel, K::Radio, 0, "24 X", kNone},
    {C::menu32X, C::menuLevel, K::Radio, 0, "32 X", kNone},
    {C::menuRefresh, C::menuMagnification, K::Submenu, 18, "Refresh Rate", kNone},
    {C::menu20ms, C::menuRefresh, K::Radio, 0, "20 ms", kNone},
    {C::menu40ms, C::menuRefresh, K::Radio, 0, "40 ms", kNone},
    {C::menu01s, C::menuRefresh, K::Radio, 0, "0.1 s", kNone},
    {C::menu02s, C::menuRefresh, K::Radio, 0, "0.2 s", kNone},
    {C::menu05s, C::menuRefresh, K::Radio, 0, "0.5 s", kNone},
    {C::menu1s, C::menuRefresh, K::Radio, 0, "1 s", kNone},
    {C::menuOwn, C::menuMagnification, K::Check, 19, "Magnify Own Window", Ctrl('O')},

    {C::menuGrid, C::None, K::Submenu, 20, "Grid", kNone},
    {C::menuShowCursor, C::menuGrid, K::Check, 21, "Show Mouse Position", Ctrl('M')},
    {C::menuShowGrid, C::menuGrid, K::Check, 22, "Show Grid", Ctrl('G')},
    {C::None, C::menuGrid, K::Separator, 0, "", kNone},
    {C::menuRastered, C::menuGrid, K::Check, 23, "Rastered Grid Lines", Ctrl('L')},
    // The sixteen colour items are added under this submenu when the window is created.
    {C::menuColor, C::menuGrid, K::Submenu, 24, "Grid Color", kNone},

    {C::menuOptions, C::None, K::Submenu, 25, "Options", kNone},
    {C::menuOnTop, C::menuOptions, K::Check, 26, "Always On Top", Ctrl('T')},
    {C::menuSnap, C::menuOptions, K::Check, 29, "Snap to Screen Edge", kNone},
    {C::None, C::menuOptions, K::Separator, 0, "", kNone},
    {C::menuToolbar, C::menuOptions, K::Check, 27, "Show Toolbar", kNone},
    {C::menuStatusbar, C::menuOptions, K::Check, 28, "Show Statusbar", kNone},
    {C::None, C::menuOptions, K::Separator, 0, "", kNone},
    {C::menuLanguage, C::menuOptions, K::Submenu, 30, "Language", kNone, 1},
    {C::menuEN, C::menuLanguage, K::Radio, 0, "English", kNone, 1},
    {C::None, C::menuLanguage, K::Separator, 0, "", kNone},
    {C::menuMore, C::menuLanguage, K::Command, 165, "Download More Languages", kNone},
    {C::menuAutostart, C::menuOptions, K::Check, 35, "Autostart with Windows", kNone},
    {C::menuSave, C::menuOptions, K::Check, 36, "Save Settings on Exit", kNone},

    {C::menuHelp, C::None, K::Submenu, 37, "Help", kNone},
    {C::menuShowHelp, C::menuHelp, K::Command, 37, "Help", Shortcut{kKeyF1, false, false}},
    {C::menuBrowse, C::menuHelp, K::Submenu, 38, "Browse Web for Updates", kNone},
    {C::menuStartupCheck, C::menuBrowse, K::Check, 159, "Try to Check on Startup", kNone},
    {C::menuCheckNow, C::menuBrowse, K::Command, 160, "Check now", kNone},
    {C::None, C::menuBrowse, K::Separator, 0, "", kNone},
    {C::menuKvOnline, C::menuBrowse, K::Command, 0, "Orvelle Online", kNone},
    {C::menuKvMirror, C::menuBrowse, K::Command, 0, "Orvelle Mirror", kNone},
    {C::MenuVantrel, C::menuBrowse, K::Command, 0, "Vantrel Software", kNone},
    {C::menuSupport, C::menuHelp, K::Submenu, 39, "Support", kNone},
    {C::menuQuestion, C::menuSupport, K::Command, 40, "Ask a Question", kNone},
    {C::menuComment, C::menuSupport, K::Command, 41, "Send Comments", kNone},
    {C::menuBug, C::menuSupport, K::Command, 42, "Report a Bug", kNone},
    {C::menuAbout, C::menuHelp, K::Command, 46, "About...", kNone},
});

}  // namespace

std::span<const MenuEntry> MainMenuEntries() { return kEntries; }

std::string ShortcutText(const Shortcut& shortcut) {
    if (shortcut.key == 0) return {};
    std::string text;
    if (shortcut.ctrl) text += "Ctrl+";
    if (shortcut.alt) text += "Alt+";
    if (shortcut.key == kKeySpace) return text + "Space";
    if (shortcut.key >= kKeyF1 && shortcut.key < kKeyF1 + 12) return text + "F" + std::to_string(shortcut.key - kKeyF1 + 1);
    return text + static_cast<char>(shortcut.key);
}

Command CommandForKey(int key, bool ctrl, bool alt) {
    for (const MenuEntry& entry : kEntries) {
        const Shortcut& s = entry.shortcut;
        if (s.key != 0 && s.key == key && s.ctrl == ctrl && s.alt == alt) return entry.id;
    }
    return Command::None;
}

}  // namespace orvelle
