// A system-wide hotkey as the settings file writes it: modifiers joined by
// "+", then the key, such as "Ctrl+Shift+Alt+F".
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvelle {

// What a global hotkey does, in the order of kHotkeyNames.
enum class HotkeyAction { Freeze, CopyColor, PinColor, Show, Count };
inline constexpr std::size_t kHotkeyActionCount = static_cast<std::size_t>(HotkeyAction::Count);

struct Hotkey {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool win = false;
    int key = 0;  // a Windows virtual-key number: 'A' to 'Z', '0' to '9', or F1 (0x70) to F24 (0x87)
    friend bool operator==(const Hotkey&, const Hotkey&) = default;
};

inline constexpr int kKeyF1Code = 0x70;
inline constexpr int kKeyF24Code = 0x87;

// The settings keys of the actions, in the [Hotkeys] section.
inline constexpr std::array<const char*, kHotkeyActionCount> kHotkeyNames = {"Freeze", "CopyColor", "PinColor", "Show"};

// Ctrl+Shift+Alt with a letter: Ctrl+Alt alone is AltGr on many keyboards,
// and a hotkey made of it would swallow the characters typed with it.
inline constexpr std::array<std::optional<Hotkey>, kHotkeyActionCount> kDefaultHotkeys = {
    Hotkey{true, true, true, false, 'F'}, Hotkey{true, true, true, false, 'C'},
    Hotkey{true, true, true, false, 'K'}, Hotkey{true, true, true, false, 'Z'}};

// Reads a stored value into `hotkey`: nothing for an empty value (no hotkey),
// else the key. Modifiers are Ctrl, Shift, Alt and Win, in any order, each at
// most once, case and blanks around the parts not minding; a letter or a
// digit needs Ctrl, Alt or Win (with Shift alone it would take a capital
// letter from every program), F1 to F24 may stand alone. False, with
// `hotkey` untouched, when the value cannot be read.
bool ParseHotkey(std::string_view text, std::optional<Hotkey>& hotkey);

// "Ctrl+Shift+Alt+Win+K" with the modifiers it has, in that order; "" for none.
std::string HotkeyText(const std::optional<Hotkey>& hotkey);

}  // namespace orvelle
