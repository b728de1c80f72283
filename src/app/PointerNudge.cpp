#include "app/PointerNudge.h"

#include <algorithm>
#include <cstdint>

namespace orvelle {

namespace {

int MovedWithin(int position, int steps, int step, int first, int last) {
    // In 64 bits: a pointer read far outside the screen must not overflow.
    const std::int64_t wanted = static_cast<std::int64_t>(position) + static_cast<std::int64_t>(steps) * step;
    if (last < first) return first;
    return static_cast<int>(std::clamp<std::int64_t>(wanted, first, last));
}

}  // namespace

Point NudgedPointer(Point pointer, int dx, int dy, int step, const Rect& virtualScreen) {
    return Point{MovedWithin(pointer.x, dx, step, virtualScreen.left, virtualScreen.right - 1),
                 MovedWithin(pointer.y, dy, step, virtualScreen.top, virtualScreen.bottom - 1)};
}

NudgeTarget Nudged(const NudgeTarget& from, int dx, int dy, int step, const Rect& virtualScreen) {
    const Point centre{from.lockedColumn.value_or(from.pointer.x), from.lockedRow.value_or(from.pointer.y)};
    const Point moved = NudgedPointer(centre, dx, dy, step, virtualScreen);
    NudgeTarget to = from;
    if (from.lockedColumn)
        to.lockedColumn = moved.x;
    else
        to.pointer.x = moved.x;
    if (from.lockedRow)
        to.lockedRow = moved.y;
    else
        to.pointer.y = moved.y;
    return to;
}

}  // namespace orvelle
