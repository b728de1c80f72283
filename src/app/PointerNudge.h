// Walking the pointer over the screen with the arrow keys, pixel by pixel.
#pragma once

#include <optional>

#include "engine/Image.h"

namespace orvelle {

// The pointer moved `dx`, `dy` steps of `step` pixels, held on the virtual
// screen (whose origin may be negative): a step past an edge stops at it.
Point NudgedPointer(Point pointer, int dx, int dy, int step, const Rect& virtualScreen);

// Where an arrow key leaves the pointer and the locked column and row: along
// a locked axis the locked centre moves, along the other the pointer; both
// held on the virtual screen.
struct NudgeTarget {
    Point pointer;
    std::optional<int> lockedColumn;
    std::optional<int> lockedRow;
    friend bool operator==(const NudgeTarget&, const NudgeTarget&) = default;
};
NudgeTarget Nudged(const NudgeTarget& from, int dx, int dy, int step, const Rect& virtualScreen);

}  // namespace orvelle
