#include "engine/CaptureBuffer.h"

#include <utility>

namespace orvelle {

bool MemorySurface::Resize(int width, int height) {
    bitmap_.SetSize(width, height);
    return true;
}

CaptureBuffer::CaptureBuffer(std::unique_ptr<PixelSurface> surface) : surface_(std::move(surface)) {}

void CaptureBuffer::SetSize(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    if (width <= 0 || height <= 0 || !surface_->Resize(width, height)) {
        surface_->Resize(0, 0);
        pixels_ = ImageRef{};
        if (width > 0 && height > 0) width_ = height_ = 0;  // no memory for them
        return;
    }
    pixels_ = surface_->Pixels();
}

bool CaptureBuffer::SetStretchFilter(TStretchFilter filter) {
    if (filter == filter_) return false;
    filter_ = filter;
    return true;
}

}  // namespace orvelle
