// The system-wide hotkeys: registered while the option is on, released when
// it is turned off and at exit. A key another program holds is not tried
// again until the option is turned on anew, so it is reported once.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/Hotkey.h"
#include "app/Services.h"

namespace orvelle {

using HotkeySet = std::array<std::optional<Hotkey>, kHotkeyActionCount>;

class GlobalHotkeys {
public:
    explicit GlobalHotkeys(HotkeyService& service) : service_(service) {}

    // Brings the registrations to `keys` while `on`, or releases them all.
    // The texts of the keys newly found held by another program, in the
    // order of the actions.
    std::vector<std::string> Apply(bool on, const HotkeySet& keys);
    void ReleaseAll() { Apply(false, {}); }

    // The action a registered hotkey's identifier stands for.
    static std::optional<HotkeyAction> ActionOf(int id);

private:
    HotkeyService& service_;
    HotkeySet registered_;  // what each action has registered now
    HotkeySet refused_;     // what another program held when tried
};

}  // namespace orvelle
