// Where the capture rectangle goes for a pointer position, and where the
// pointer's pixel then lies in the capture buffer and in the view.
#pragma once

#include "engine/Image.h"

namespace orvelle {

struct CapturePlacement {
    Rect source;         // screen pixels to copy, inside the virtual screen
    Point edgeShift;     // how far the pointer lies off the rectangle's centre
    Point pointerPixel;  // the pointer's pixel in the capture buffer
};

// Centres a capture of `capture` size on the pointer and keeps it inside
// `virtualScreen`, whose origin is negative when a monitor lies left of or
// above the primary one.
CapturePlacement PlaceCapture(Point pointer, Size capture, const Rect& virtualScreen);

// The buffer pixel whose colour the status bar shows: the pointer's pixel,
// pulled inside the buffer so the readout never reads outside it.
Point ReadoutPixel(const CapturePlacement& placement, Size capture);

// The tip of the pointer marker: the centre of the pointer pixel's z x z block, in view pixels.
Point MarkerTip(Point pointerPixel, int zoom);

}  // namespace orvelle
