// Walking the pointer over the screen with the arrow keys, pixel by pixel.
#pragma once

#include "engine/Image.h"

namespace orvelle {

// The pointer moved `dx`, `dy` steps of `step` pixels, held on the virtual
// screen (whose origin may be negative): a step past an edge stops at it.
Point NudgedPointer(Point pointer, int dx, int dy, int step, const Rect& virtualScreen);

}  // namespace orvelle
