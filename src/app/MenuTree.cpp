#include "app/MenuTree.h"

#include <array>

namespace orvelle {

namespace {

using C = Command;
using K = MenuKind;

constexpr Shortcut Ctrl(char letter) { return Shortcut{letter, true, false}; }
constexpr Shortcut kNone{};

// Radio groups are the Radio entries that share a parent.
const std::array kEntries = std::to_array<MenuEntry>({
    {C::menuFile, C::None, K::Submenu, nullptr, kNone},
    {C::menuFreeze, C::menuFile, K::Check, nullptr, Shortcut{kKeySpace, false, false}},
    {C::menuLockHorizontal, C::menuFile, K::Check, nullptr, Shortcut{'X', true, false, true}},
    {C::menuLockVertical, C::menuFile, K::Check, nullptr, Shortcut{'Y', true, false, true}},
    {C::menuCopy, C::menuFile, K::Command, nullptr, Ctrl('C')},
    {C::menuCopyColor, C::menuFile, K::Command, nullptr, Shortcut{'C', true, false, true}},
    {C::menuPinColor, C::menuFile, K::Command, nullptr, Ctrl('K')},
    {C::menuUnpinColor, C::menuFile, K::Command, nullptr, kNone},
    {C::menuCopyContrast, C::menuFile, K::Command, nullptr, Shortcut{'K', true, false, true}},
    // Up to sixteen items, one per colour copied, newest first, are made as colours are copied.
    {C::menuRecentColors, C::menuFile, K::Submenu, nullptr, kNone},
    {C::menuCopyMeasurement, C::menuFile, K::Command, nullptr, Shortcut{'M', true, false, true}},
    {C::menuSaveAs, C::menuFile, K::Command, nullptr, Ctrl('A')},
    {C::menuSaveAsSeen, C::menuFile, K::Command, nullptr, Shortcut{'A', true, false, true}},
    {C::menuQuickSave, C::menuFile, K::Command, nullptr, Shortcut{'S', true, false, true}},
    {C::N1, C::menuFile, K::Separator, nullptr, kNone},
    {C::menuRuler, C::menuFile, K::Command, nullptr, Ctrl('R'), kRulerPicture},
    {C::N8, C::menuFile, K::Separator, nullptr, kNone},
    {C::menuExit, C::menuFile, K::Command, nullptr, Shortcut{kKeyF4, false, true}},

    {C::menuMagnification, C::None, K::Submenu, nullptr, kNone},
    {C::menuPrecise, C::menuMagnification, K::Radio, nullptr, Ctrl('P')},
    {C::menuSmooth, C::menuMagnification, K::Radio, nullptr, Ctrl('S')},
    {C::menuSmoothingType, C::menuMagnification, K::Submenu, nullptr, kNone},
    {C::menuSimple, C::menuSmoothingType, K::Radio, nullptr, kNone},
    {C::menuLinear, C::menuSmoothingType, K::Radio, nullptr, kNone},
    {C::menuCosine, C::menuSmoothingType, K::Radio, nullptr, kNone},
    {C::menuBicubic, C::menuSmoothingType, K::Radio, nullptr, kNone},
    {C::menuLanczos, C::menuSmoothingType, K::Radio, nullptr, kNone},
    {C::menuMitchell, C::menuSmoothingType, K::Radio, nullptr, kNone},
    {C::N7, C::menuMagnification, K::Separator, nullptr, kNone},
    {C::menuLevel, C::menuMagnification, K::Submenu, nullptr, kNone},
    {C::menu2X, C::menuLevel, K::Radio, "2 X", kNone},
    {C::menu4X, C::menuLevel, K::Radio, "4 X", kNone},
    {C::menu6X, C::menuLevel, K::Radio, "6 X", kNone},
    {C::menu8X, C::menuLevel, K::Radio, "8 X", kNone},
    {C::menu10X, C::menuLevel, K::Radio, "10 X", kNone},
    {C::menu12X, C::menuLevel, K::Radio, "12 X", kNone},
    {C::menu16X, C::menuLevel, K::Radio, "16 X", kNone},
    {C::menu24X, C::menuLevel, K::Radio, "24 X", kNone},
    {C::menu32X, C::menuLevel, K::Radio, "32 X", kNone},
    {C::menuRefresh, C::menuMagnification, K::Submenu, nullptr, kNone},
    {C::menu20ms, C::menuRefresh, K::Radio, "20 ms", kNone},
    {C::menu40ms, C::menuRefresh, K::Radio, "40 ms", kNone},
    {C::menu01s, C::menuRefresh, K::Radio, "0.1 s", kNone},
    {C::menu02s, C::menuRefresh, K::Radio, "0.2 s", kNone},
    {C::menu05s, C::menuRefresh, K::Radio, "0.5 s", kNone},
    {C::menu1s, C::menuRefresh, K::Radio, "1 s", kNone},
    {C::menuOwn, C::menuMagnification, K::Check, nullptr, Ctrl('O')},
    // Its shortcut steps to the next item.
    {C::menuVision, C::menuMagnification, K::Submenu, nullptr, Shortcut{'V', true, false, true}},
    {C::menuVisionNormal, C::menuVision, K::Radio, nullptr, kNone},
    {C::menuVisionProtanopia, C::menuVision, K::Radio, nullptr, kNone},
    {C::menuVisionDeuteranopia, C::menuVision, K::Radio, nullptr, kNone},
    {C::menuVisionTritanopia, C::menuVision, K::Radio, nullptr, kNone},
    {C::menuVisionAchromatopsia, C::menuVision, K::Radio, nullptr, kNone},
    {C::menuVisionInverted, C::menuVision, K::Radio, nullptr, kNone},

    {C::menuGrid, C::None, K::Submenu, nullptr, kNone},
    {C::menuShowCursor, C::menuGrid, K::Check, nullptr, Ctrl('M')},
    {C::menuShowGrid, C::menuGrid, K::Check, nullptr, Ctrl('G')},
    {C::N2, C::menuGrid, K::Separator, nullptr, kNone},
    {C::menuRastered, C::menuGrid, K::Check, nullptr, Ctrl('L')},
    // The sixteen colour items are added under this submenu when the window is created.
    {C::menuColor, C::menuGrid, K::Submenu, nullptr, kNone},

    {C::menuOptions, C::None, K::Submenu, nullptr, kNone},
    {C::menuOnTop, C::menuOptions, K::Check, nullptr, Ctrl('T')},
    {C::menuSnap, C::menuOptions, K::Check, nullptr, kNone},
    {C::N3, C::menuOptions, K::Separator, nullptr, kNone},
    {C::menuToolbar, C::menuOptions, K::Check, nullptr, kNone},
    {C::menuStatusbar, C::menuOptions, K::Check, nullptr, kNone},
    {C::N4, C::menuOptions, K::Separator, nullptr, kNone},
    {C::menuColorFormat, C::menuOptions, K::Submenu, nullptr, kNone},
    {C::menuFormatHex, C::menuColorFormat, K::Radio, "HEX  #RRGGBB", kNone},
    {C::menuFormatRgb, C::menuColorFormat, K::Radio, "RGB  rgb(r, g, b)", kNone},
    {C::menuFormatHsl, C::menuColorFormat, K::Radio, "HSL  hsl(h, s%, l%)", kNone},
    {C::menuFormatHsv, C::menuColorFormat, K::Radio, "HSV  hsv(h, s%, v%)", kNone},
    {C::menuFormatCmyk, C::menuColorFormat, K::Radio, "CMYK  cmyk(c%, m%, y%, k%)", kNone},
    {C::menuFormatLab, C::menuColorFormat, K::Radio, "Lab  lab(L% a b)", kNone},
    {C::menuFormatOklch, C::menuColorFormat, K::Radio, "OKLCH  oklch(L% C h)", kNone},
    {C::menuFormatTemplate, C::menuColorFormat, K::Radio, nullptr, kNone},
    {C::N10, C::menuColorFormat, K::Separator, nullptr, kNone},
    {C::menuColorTemplate, C::menuColorFormat, K::Command, nullptr, kNone},
    {C::menuSampleSize, C::menuOptions, K::Submenu, nullptr, kNone},
    {C::menuSample1, C::menuSampleSize, K::Radio, "1 \xC3\x97 1", kNone},
    {C::menuSample3, C::menuSampleSize, K::Radio, "3 \xC3\x97 3", kNone},
    {C::menuSample5, C::menuSampleSize, K::Radio, "5 \xC3\x97 5", kNone},
    {C::menuSample7, C::menuSampleSize, K::Radio, "7 \xC3\x97 7", kNone},
    {C::menuSample9, C::menuSampleSize, K::Radio, "9 \xC3\x97 9", kNone},
    {C::N9, C::menuOptions, K::Separator, nullptr, kNone},
    {C::menuLanguage, C::menuOptions, K::Submenu, nullptr, kNone, kEnglishFlagPicture},
    {C::menuEN, C::menuLanguage, K::Radio, "English", kNone, kEnglishFlagPicture},
    {C::N6, C::menuLanguage, K::Separator, nullptr, kNone},
    {C::menuMore, C::menuLanguage, K::Command, nullptr, kNone},
    {C::menuGlobalHotkeys, C::menuOptions, K::Check, nullptr, kNone},
    {C::menuAutostart, C::menuOptions, K::Check, nullptr, kNone},
    {C::menuSave, C::menuOptions, K::Check, nullptr, kNone},

    {C::menuHelp, C::None, K::Submenu, nullptr, kNone},
    {C::menuShowHelp, C::menuHelp, K::Command, nullptr, Shortcut{kKeyF1, false, false}},
    {C::menuBrowse, C::menuHelp, K::Submenu, nullptr, kNone},
    {C::menuStartupCheck, C::menuBrowse, K::Check, nullptr, kNone},
    {C::menuCheckNow, C::menuBrowse, K::Command, nullptr, kNone},
    {C::N5, C::menuBrowse, K::Separator, nullptr, kNone},
    // The web links' captions name their hosts, which the settings file may change.
    {C::menuKvOnline, C::menuBrowse, K::Command, nullptr, kNone},
    {C::menuKvMirror, C::menuBrowse, K::Command, nullptr, kNone},
    {C::MenuVantrel, C::menuBrowse, K::Command, nullptr, kNone},
    {C::menuSupport, C::menuHelp, K::Submenu, nullptr, kNone},
    {C::menuQuestion, C::menuSupport, K::Command, nullptr, kNone},
    {C::menuComment, C::menuSupport, K::Command, nullptr, kNone},
    {C::menuBug, C::menuSupport, K::Command, nullptr, kNone},
    {C::menuAbout, C::menuHelp, K::Command, nullptr, kNone},
});

}  // namespace

std::span<const MenuEntry> MainMenuEntries() { return kEntries; }

std::string ShortcutText(const Shortcut& shortcut) {
    if (shortcut.key == 0) return {};
    std::string text;
    if (shortcut.ctrl) text += "Ctrl+";
    if (shortcut.alt) text += "Alt+";
    if (shortcut.shift) text += "Shift+";
    if (shortcut.key == kKeySpace) return text + "Space";
    if (shortcut.key >= kKeyF1 && shortcut.key < kKeyF1 + 12) return text + "F" + std::to_string(shortcut.key - kKeyF1 + 1);
    return text + static_cast<char>(shortcut.key);
}

Command CommandForKey(int key, bool ctrl, bool alt, bool shift) {
    for (const MenuEntry& entry : kEntries) {
        const Shortcut& s = entry.shortcut;
        if (s.key != 0 && s.key == key && s.ctrl == ctrl && s.alt == alt && s.shift == shift) return entry.id;
    }
    return Command::None;
}

}  // namespace orvelle
