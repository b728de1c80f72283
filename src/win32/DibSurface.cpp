#include "DibSurface.h"

namespace orvelle::win32 {

BITMAPINFO Dib32Info(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: rows top-down, as ImageRef has them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

HBITMAP CreateDib32(int width, int height, Pixel** bits) {
    const BITMAPINFO info = Dib32Info(width, height);
    void* memory = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    *bits = bitmap != nullptr ? static_cast<Pixel*>(memory) : nullptr;
    return bitmap;
}

DibSurface::~DibSurface() {
    Release();
    if (dc_ != nullptr) DeleteDC(dc_);
}

void DibSurface::Release() {
    if (bitmap_ == nullptr) return;
    SelectObject(dc_, previousBitmap_);
    DeleteObject(bitmap_);
    bitmap_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

bool DibSurface::EnsureSize(int width, int height) {
    if (bitmap_ != nullptr && width == width_ && height == height_) return true;
    Release();
    if (width <= 0 || height <= 0) return false;
    if (dc_ == nullptr) dc_ = CreateCompatibleDC(nullptr);
    if (dc_ == nullptr) return false;
    bitmap_ = CreateDib32(width, height, &bits_);
    if (bitmap_ == nullptr) return false;
    previousBitmap_ = SelectObject(dc_, bitmap_);
    width_ = width;
    height_ = height;
    return true;
}

}  // namespace orvelle::win32
