// What the view showed when it was last painted, so that a refresh tick that
// would paint the very same pixels again can leave the view alone. At 50 ticks
// a second over a still screen, the enlargement and the copy to the window are
// most of the program's work; comparing the small capture is a fraction of it.
#pragma once

#include <vector>

#include "engine/Bitmap32.h"
#include "engine/GridLayer.h"
#include "engine/Image.h"
#include "engine/StretchFilter.h"

namespace orvelle {

// Everything besides the captured pixels that decides the view's pixels.
struct FrameInputs {
    Size view;
    int zoom = 0;
    TStretchFilter filter = TStretchFilter::sfNearest;
    bool frozen = false;
    GridState grid;
    bool markerShown = false;
    Point markerTip;
    int vision = 0;      // the way of seeing the pixels are shown in
    Rect sampleSquare;   // the outline of the averaged square; empty for none
    friend bool operator==(const FrameInputs&, const FrameInputs&) = default;
};

class LastPaintedFrame {
public:
    // True when a frame of `inputs` and `capture` differs from the last one
    // painted, which it then takes the place of. Keeps its copy of the
    // pixels in memory it already has whenever the size stays the same.
    bool NeedsPaint(const FrameInputs& inputs, ConstImageRef capture);
    template <typename Picture>  // a TBitmap32 or a CaptureBuffer
    bool NeedsPaint(const FrameInputs& inputs, const Picture& capture) {
        return NeedsPaint(inputs, capture.Ref());
    }

    // The next frame is painted whatever it shows; for a view that was
    // painted with something else meanwhile.
    void Forget() { valid_ = false; }

private:
    bool SamePixels(ConstImageRef capture) const;

    bool valid_ = false;
    FrameInputs inputs_;
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

}  // namespace orvelle
