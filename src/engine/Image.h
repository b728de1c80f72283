// Plain pixel-buffer views shared by every pixel routine.
//
// Pixels are 32-bit 0xAARRGGBB values (blue in the low byte), rows top-down.
// This is the layout of a top-down 32-bit Windows DIB section, so a view can
// wrap memory the platform layer owns without a copy.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvelle {

using Pixel = std::uint32_t;  // 0xAARRGGBB

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Half-open rectangle [left, right) x [top, bottom).
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const Rect&, const Rect&) = default;

    static constexpr Rect FromSize(int left, int top, int width, int height) {
        return Rect{left, top, left + width, top + height};
    }
};

inline Rect Intersect(const Rect& a, const Rect& b) {
    Rect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
           a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    if (r.IsEmpty()) return Rect{};
    return r;
}

// A mutable window onto pixels owned elsewhere. stride is in pixels.
struct ImageRef {
    Pixel* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    Pixel* Row(int y) const { return pixels + y * stride; }
    Pixel& At(int x, int y) const { return pixels[y * stride + x]; }
};

struct ConstImageRef {
    const Pixel* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    ConstImageRef() = default;
    ConstImageRef(const Pixel* p, int w, int h, std::ptrdiff_t s) : pixels(p), width(w), height(h), stride(s) {}
    ConstImageRef(const ImageRef& r) : pixels(r.pixels), width(r.width), height(r.height), stride(r.stride) {}

    const Pixel* Row(int y) const { return pixels + y * stride; }
    Pixel At(int x, int y) const { return pixels[y * stride + x]; }
};

}  // namespace orvelle
