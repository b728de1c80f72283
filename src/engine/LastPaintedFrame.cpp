#include "engine/LastPaintedFrame.h"

#include <algorithm>
#include <cstring>

namespace orvelle {

bool LastPaintedFrame::SamePixels(const TBitmap32& capture) const {
    if (capture.Width() != width_ || capture.Height() != height_) return false;
    if (capture.Empty()) return true;
    // The rows of a capture lie one after another, so the whole picture is one block.
    return std::memcmp(capture.Row(0), pixels_.data(), pixels_.size() * sizeof(Pixel)) == 0;
}

bool LastPaintedFrame::NeedsPaint(const FrameInputs& inputs, const TBitmap32& capture) {
    if (valid_ && inputs == inputs_ && SamePixels(capture)) return false;
    valid_ = true;
    inputs_ = inputs;
    width_ = capture.Width();
    height_ = capture.Height();
    const std::size_t count = capture.Empty() ? 0 : static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    // resize() within the capacity already held allocates nothing.
    pixels_.resize(count);
    if (count != 0) std::copy_n(capture.Row(0), count, pixels_.begin());
    return true;
}

}  // namespace orvelle
