#include "app/GlobalHotkeys.h"

namespace orvelle {

namespace {

// Identifiers from 1 up, one per action, in the range programs may use.
constexpr int kFirstHotkeyId = 1;

int IdOf(std::size_t action) { return kFirstHotkeyId + static_cast<int>(action); }

}  // namespace

std::vector<std::string> GlobalHotkeys::Apply(bool on, const HotkeySet& keys) {
    std::vector<std::string> refused;
    for (std::size_t action = 0; action < kHotkeyActionCount; ++action) {
        std::optional<Hotkey> wanted = on ? keys[action] : std::nullopt;
        // One key stored for two actions is the first one's; the system would
        // refuse the second, and no other program is to blame.
        for (std::size_t earlier = 0; earlier < action; ++earlier)
            if (wanted && keys[earlier] == wanted) wanted.reset();
        if (!on) refused_[action].reset();
        if (registered_[action] == wanted) continue;
        if (registered_[action]) {
            service_.Unregister(IdOf(action));
            registered_[action].reset();
        }
        if (!wanted || refused_[action] == wanted) continue;
        if (service_.Register(IdOf(action), *wanted)) {
            registered_[action] = wanted;
            refused_[action].reset();
        } else {
            refused_[action] = wanted;
            refused.push_back(HotkeyText(wanted));
        }
    }
    return refused;
}

std::optional<HotkeyAction> GlobalHotkeys::ActionOf(int id) {
    const int action = id - kFirstHotkeyId;
    if (action < 0 || action >= static_cast<int>(kHotkeyActionCount)) return std::nullopt;
    return static_cast<HotkeyAction>(action);
}

}  // namespace orvelle
