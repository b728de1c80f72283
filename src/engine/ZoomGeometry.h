// How the room for the view and the zoom decide the frame Panel1, the capture
// size W x H and the view W*z x H*z, so that every captured pixel is shown as
// a whole z x z block of physical pixels.
#pragma once

#include "engine/Image.h"

namespace orvelle {

constexpr int kMinZoom = 2;
constexpr int kMaxZoom = 32;

struct ViewGeometry {
    Rect panel;    // Panel1, in the same coordinates as the room it was fitted into
    Size capture;  // W x H screen pixels
    Size view;     // W*z x H*z, placed inside the panel's bevel
};

// `room` is the part of the window Panel1 may take; the panel starts at its
// top-left corner, and the panel's inside (the panel less `bevel` on every
// side) is the largest multiple of the zoom that fits. Room too small for a
// single block gives an empty capture and view. The capture is never larger
// than `screens` (the virtual screen; an empty one sets no limit), so a view
// larger than the screens can show is not filled to its edges.
ViewGeometry FitView(const Rect& room, int bevel, int zoom, const Rect& screens);

}  // namespace orvelle
