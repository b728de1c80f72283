#include "engine/LastPaintedFrame.h"

#include <algorithm>
#include <cstring>

namespace orvelle {

bool LastPaintedFrame::SamePixels(ConstImageRef capture) const {
    if (capture.width != width_ || capture.height != height_) return false;
    if (capture.width <= 0 || capture.height <= 0) return true;
    const auto rowBytes = static_cast<std::size_t>(width_) * sizeof(Pixel);
    for (int y = 0; y < height_; ++y)
        if (std::memcmp(capture.Row(y), pixels_.data() + static_cast<std::size_t>(y) * width_, rowBytes) != 0)
            return false;
    return true;
}

bool LastPaintedFrame::NeedsPaint(const FrameInputs& inputs, ConstImageRef capture) {
    if (valid_ && inputs == inputs_ && SamePixels(capture)) return false;
    valid_ = true;
    inputs_ = inputs;
    const bool empty = capture.width <= 0 || capture.height <= 0;
    width_ = capture.width;
    height_ = capture.height;
    // resize() within the capacity already held allocates nothing.
    pixels_.resize(empty ? 0 : static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    for (int y = 0; !empty && y < height_; ++y)
        std::copy_n(capture.Row(y), width_, pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_);
    return true;
}

}  // namespace orvelle
