#include "BitmapResources.h"

#include <cstring>
#include <string>

#include "DibSurface.h"

namespace orvelle::win32 {

namespace {

Pixel Premultiply(Pixel p) {
    const Pixel a = p >> 24;
    auto channel = [a](Pixel c) { return (c * a + 127) / 255; };
    return (a << 24) | (channel((p >> 16) & 255) << 16) | (channel((p >> 8) & 255) << 8) | channel(p & 255);
}

}  // namespace

TBitmap32 LoadBitmapResource(const wchar_t* name) {
    HRSRC found = FindResourceW(nullptr, name, MAKEINTRESOURCEW(2));  // RT_BITMAP
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    const auto* data = static_cast<const unsigned char*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    const DWORD size = SizeofResource(nullptr, found);
    BITMAPINFOHEADER header{};
    if (data == nullptr || size < sizeof header) return {};
    std::memcpy(&header, data, sizeof header);
    if (header.biBitCount != 32 || (header.biCompression != BI_RGB && header.biCompression != BI_BITFIELDS))
        return {};
    // A plain info header is followed by three colour masks when the pixels are
    // bit fields; the later header versions carry the masks inside.
    std::size_t offset = header.biSize + header.biClrUsed * sizeof(RGBQUAD);
    if (header.biCompression == BI_BITFIELDS && header.biSize == sizeof(BITMAPINFOHEADER)) offset += 3 * sizeof(DWORD);
    const int width = header.biWidth;
    const bool bottomUp = header.biHeight > 0;
    const int height = bottomUp ? header.biHeight : -header.biHeight;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * sizeof(Pixel);
    if (width <= 0 || height <= 0 || offset + rowBytes * static_cast<std::size_t>(height) > size) return {};

    TBitmap32 picture(width, height);
    for (int y = 0; y < height; ++y) {
        const int sourceRow = bottomUp ? height - 1 - y : y;
        std::memcpy(picture.Row(y), data + offset + rowBytes * static_cast<std::size_t>(sourceRow), rowBytes);
    }
    return picture;
}

TBitmap32 LoadScaledPicture(const wchar_t* name, int percent) {
    const std::wstring scaled = std::wstring(name) + L"_" + std::to_wstring(percent);
    return LoadBitmapResource(scaled.c_str());
}

OwnedBitmap CreateBitmapFrom(const TBitmap32& picture, const Rect& part, AlphaMode mode) {
    const Rect inside = Intersect(part, Rect::FromSize(0, 0, picture.Width(), picture.Height()));
    Pixel* bits = nullptr;
    OwnedBitmap bitmap(CreateDib32(part.Width(), part.Height(), &bits));
    if (bitmap == nullptr) return nullptr;
    std::memset(bits, 0, static_cast<std::size_t>(part.Width()) * part.Height() * sizeof(Pixel));
    for (int y = inside.top; y < inside.bottom; ++y) {
        Pixel* out = bits + static_cast<std::size_t>(y - part.top) * part.Width();
        for (int x = inside.left; x < inside.right; ++x) {
            const Pixel p = picture.At(x, y);
            out[x - part.left] = mode == AlphaMode::Premultiplied ? Premultiply(p) : p;
        }
    }
    return bitmap;
}

OwnedBitmap CreateSwatchBitmap(TColor color, int size) {
    Pixel* bits = nullptr;
    OwnedBitmap bitmap(CreateDib32(size, size, &bits));
    if (bitmap == nullptr) return nullptr;
    const Pixel opaque = ColorToGridPixel(color);
    for (int i = 0; i < size * size; ++i) bits[i] = opaque;
    return bitmap;
}

}  // namespace orvelle::win32
