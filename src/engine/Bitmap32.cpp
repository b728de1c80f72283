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

}  // namespace orvelle
