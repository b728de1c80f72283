// A 32-bit top-down DIB section selected into a memory device context: GDI can
// draw into it or copy the screen into it, and the pixel code reads and writes
// the same memory as an ImageRef (its layout is the engine's 0xAARRGGBB).
#pragma once

#include <windows.h>

#include "engine/Image.h"

namespace orvelle::win32 {

class DibSurface {
public:
    DibSurface() = default;
    ~DibSurface();
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    // Recreates the bitmap only when the size changes, so callers that run on
    // every tick allocate nothing. False when the bitmap could not be made.
    bool EnsureSize(int width, int height);

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Call GdiFlush first when GDI has drawn into the surface.
    ImageRef Pixels() const { return ImageRef{bits_, width_, height_, width_}; }

private:
    void Release();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    Pixel* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// The header of a top-down 32-bit DIB of the engine's pixel layout.
BITMAPINFO Dib32Info(int width, int height);

// A top-down 32-bit DIB section; `bits` receives its pixels.
HBITMAP CreateDib32(int width, int height, Pixel** bits);

}  // namespace orvelle::win32
