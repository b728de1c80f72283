#include "app/WindowSnap.h"

#include <cstdlib>

namespace orvelle {

Point SnapToWorkArea(Point proposed, Size window, const Rect& workArea) {
    if (proposed.x == 0 && proposed.y == 0) return proposed;
    Point p = proposed;
    // In this order, each step seeing the result of the ones before.
    if (std::abs(p.x - workArea.left) < kSnapDistance) p.x = workArea.left;
    if (std::abs(p.y - workArea.top) < kSnapDistance) p.y = workArea.top;
    if (std::abs(p.x + window.width - workArea.right) < kSnapDistance) p.x = workArea.right - window.width;
    if (std::abs(p.y + window.height - workArea.bottom) < kSnapDistance) p.y = workArea.bottom - window.height;
    return p;
}

}  // namespace orvelle
