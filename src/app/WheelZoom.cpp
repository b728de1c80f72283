#include "app/WheelZoom.h"

#include <iterator>

#include "app/CommandValues.h"

namespace orvelle {

int NextZoomLevel(int zoom, int direction) {
    if (direction > 0) {
        for (const CommandValue& level : kLevelItems)
            if (level.value > zoom) return level.value;
    } else if (direction < 0) {
        for (auto level = std::rbegin(kLevelItems); level != std::rend(kLevelItems); ++level)
            if (level->value < zoom) return level->value;
    }
    return zoom;
}

int ZoomStepForKey(int key, bool ctrl, bool alt) {
    // Windows' virtual-key numbers, written out so the core stays portable.
    constexpr int kKeyNumpadAdd = 0x6B;
    constexpr int kKeyNumpadSubtract = 0x6D;
    constexpr int kKeyOemPlus = 0xBB;
    constexpr int kKeyOemMinus = 0xBD;
    if (!ctrl || alt) return 0;
    if (key == kKeyOemPlus || key == kKeyNumpadAdd) return 1;
    if (key == kKeyOemMinus || key == kKeyNumpadSubtract) return -1;
    return 0;
}

int WheelTurns::Add(int delta) {
    if ((delta > 0 && pending_ < 0) || (delta < 0 && pending_ > 0)) pending_ = 0;
    // A wheel reports at most a few notches at once; the bound keeps any report from overflowing.
    constexpr int kLimit = 1000 * kWheelNotch;
    pending_ += delta > kLimit ? kLimit : delta < -kLimit ? -kLimit : delta;
    const int notches = pending_ / kWheelNotch;
    pending_ -= notches * kWheelNotch;
    return notches;
}

}  // namespace orvelle
