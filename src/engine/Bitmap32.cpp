#include "engine/Bitmap32.h"

#include <algorithm>

namespace orvelle {

void TBitmap32::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0u);
}

void TBitmap32::Clear(Pixel value) { std::fill(pixels_.begin(), pixels_.end(), value); }

TBitmap32 ResizedNearest(const TBitmap32& picture, int width, int height) {
    TBitmap32 out(width, height);
    if (picture.Empty()) return out;
    for (int y = 0; y < height; ++y) {
        const auto sy = static_cast<int>((2LL * y + 1) * picture.Height() / (2LL * height));
        for (int x = 0; x < width; ++x) {
            const auto sx = static_cast<int>((2LL * x + 1) * picture.Width() / (2LL * width));
            out.At(x, y) = picture.At(sx, sy);
        }
    }
    return out;
}

}  // namespace orvelle
