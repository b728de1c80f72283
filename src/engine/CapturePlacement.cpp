#include "engine/CapturePlacement.h"

#include <algorithm>

namespace orvelle {

namespace {

struct Span {
    int start;
    int shift;
};

// One axis: centre `length` pixels on `pointer`, then slide the span back
// inside [origin, origin + extent), remembering how far it had to move.
Span PlaceSpan(int pointer, int length, int origin, int extent) {
    int start = pointer - length / 2;
    int shift = 0;
    if (start < origin) {
        shift = start - origin;
        start = origin;
    } else if (start > origin + extent - length) {
        shift = start + length - (origin + extent);
        start = origin + extent - length;
    }
    return Span{start, shift};
}

}  // namespace

CapturePlacement PlaceCapture(Point pointer, Size capture, const Rect& virtualScreen) {
    const Span x = PlaceSpan(pointer.x, capture.width, virtualScreen.left, virtualScreen.Width());
    const Span y = PlaceSpan(pointer.y, capture.height, virtualScreen.top, virtualScreen.Height());
    CapturePlacement p;
    p.source = Rect::FromSize(x.start, y.start, capture.width, capture.height);
    p.edgeShift = Point{x.shift, y.shift};
    p.pointerPixel = Point{capture.width / 2 + x.shift, capture.height / 2 + y.shift};
    return p;
}

Point ReadoutPixel(const CapturePlacement& placement, Size capture) {
    return Point{std::clamp(placement.pointerPixel.x, 0, std::max(capture.width - 1, 0)),
                 std::clamp(placement.pointerPixel.y, 0, std::max(capture.height - 1, 0))};
}

Point MarkerTip(Point pointerPixel, int zoom) {
    return Point{pointerPixel.x * zoom + zoom / 2, pointerPixel.y * zoom + zoom / 2};
}

}  // namespace orvelle
