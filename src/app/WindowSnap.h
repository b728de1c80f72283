// Snapping the main window to the edges of its monitor's work area.
#pragma once

#include "engine/Image.h"

namespace orvelle {

constexpr int kSnapDistance = 10;

// Adjusts a proposed window position (its left and top edge) so that an edge
// closer than kSnapDistance to the work area's edge lies on it. A proposal of
// exactly (0, 0) passes unchanged, so a deliberate move to the corner stays put.
Point SnapToWorkArea(Point proposed, Size window, const Rect& workArea);

}  // namespace orvelle
