// TBitmap32: an owned 32-bit picture (the capture buffer, layers, exports).
#pragma once

#include <vector>

#include "engine/Image.h"
#include "engine/StretchFilter.h"

namespace orvelle {

class TBitmap32 {
public:
    TBitmap32() = default;
    TBitmap32(int width, int height) { SetSize(width, height); }

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    // A change of either dimension reallocates the pixels, which start all 0
    // (black, transparent). Setting the current size keeps the pixels.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }

    void Clear(Pixel value = 0);

    Pixel* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const Pixel* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    Pixel& At(int x, int y) { return Row(y)[x]; }
    Pixel At(int x, int y) const { return Row(y)[x]; }

    ImageRef Ref() { return ImageRef{pixels_.data(), width_, height_, width_}; }
    ConstImageRef Ref() const { return ConstImageRef{pixels_.data(), width_, height_, width_}; }

    TStretchFilter StretchFilter() const { return filter_; }
    // Returns true when the filter changed, so the caller knows to repaint.
    bool SetStretchFilter(TStretchFilter filter) {
        if (filter == filter_) return false;
        filter_ = filter;
        return true;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
    TStretchFilter filter_ = TStretchFilter::sfNearest;
};

// The picture at another size, each output pixel the source pixel under its
// centre: a picture made for one size, shown sharp at another.
TBitmap32 ResizedNearest(const TBitmap32& picture, int width, int height);

}  // namespace orvelle
