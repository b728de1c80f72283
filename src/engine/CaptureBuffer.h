// The capture buffer: the screen patch the view enlarges. Its pixels live in
// a surface that the platform may provide, so that the screen is copied
// straight into them (a DIB section on Windows) rather than into memory of
// its own and then over; tests and tools keep them in plain memory.
#pragma once

#include <memory>

#include "engine/Bitmap32.h"
#include "engine/Image.h"
#include "engine/StretchFilter.h"

namespace orvelle {

// Memory for W x H pixels, rows top-down one after another.
class PixelSurface {
public:
    virtual ~PixelSurface() = default;
    // A change of size remakes the memory, all 0 (black) after it; the same
    // size keeps it. False when the memory could not be had: the surface is then empty.
    virtual bool Resize(int width, int height) = 0;
    virtual ImageRef Pixels() = 0;
    // What the platform draws into the pixels with (a device context on
    // Windows), or nothing for memory of the program's own.
    virtual void* PlatformContext() { return nullptr; }
};

class MemorySurface : public PixelSurface {
public:
    bool Resize(int width, int height) override;
    ImageRef Pixels() override { return bitmap_.Ref(); }

private:
    TBitmap32 bitmap_;
};

class CaptureBuffer {
public:
    explicit CaptureBuffer(std::unique_ptr<PixelSurface> surface = std::make_unique<MemorySurface>());

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return Width() <= 0 || Height() <= 0; }
    // See PixelSurface::Resize.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }

    Pixel* Row(int y) { return pixels_.Row(y); }
    const Pixel* Row(int y) const { return pixels_.pixels + y * pixels_.stride; }
    Pixel& At(int x, int y) { return Row(y)[x]; }
    Pixel At(int x, int y) const { return Row(y)[x]; }
    ImageRef Ref() { return pixels_; }
    ConstImageRef Ref() const { return pixels_; }
    PixelSurface& Surface() { return *surface_; }

    TStretchFilter StretchFilter() const { return filter_; }
    // True when the filter changed, so the caller knows to repaint.
    bool SetStretchFilter(TStretchFilter filter);

private:
    std::unique_ptr<PixelSurface> surface_;
    // The size asked for; one of them 0 leaves the buffer without pixels.
    int width_ = 0;
    int height_ = 0;
    ImageRef pixels_;
    TStretchFilter filter_ = TStretchFilter::sfNearest;
};

}  // namespace orvelle
