#include "BitmapResources.h"

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <utility>

#include "DibSurface.h"
#include "engine/BmpCodec.h"

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
    const auto* data = static_cast<const std::uint8_t*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (data == nullptr) return {};
    BmpDecoded decoded = DecodeDib(std::span<const std::uint8_t>(data, SizeofResource(nullptr, found)));
    if (!decoded.ok()) return {};
    return std::move(decoded.picture);
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

OwnedIcon CreateSwatchIcon(Pixel color, int size) {
    Pixel* bits = nullptr;
    const OwnedBitmap picture(CreateDib32(size, size, &bits));
    const OwnedBitmap mask(CreateBitmap(size, size, 1, 1, nullptr));
    if (picture == nullptr || mask == nullptr) return nullptr;
    // An all-black mask: every pixel of the picture shows; the alpha byte says the same.
    if (HDC dc = CreateCompatibleDC(nullptr)) {
        HGDIOBJ previous = SelectObject(dc, mask.get());
        PatBlt(dc, 0, 0, size, size, BLACKNESS);
        SelectObject(dc, previous);
        DeleteDC(dc);
    }
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const bool frame = x == 0 || y == 0 || x == size - 1 || y == size - 1;
            bits[y * size + x] = frame ? 0xFF404040u : (0xFF000000u | color);
        }
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask.get();
    info.hbmColor = picture.get();
    return OwnedIcon(CreateIconIndirect(&info));
}

}  // namespace orvelle::win32
