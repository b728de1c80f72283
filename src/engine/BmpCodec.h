// Reading and writing BMP pictures: the .bmp files the program saves, and the
// BITMAP resources it is built with (a DIB without the 14-byte file header).
//
// Only the layouts the program meets are read: 1, 4 and 8-bit pixels with a
// colour table (as simple paint programs save a small picture such as a
// language's flag), and 24-bit and 32-bit pixels, uncompressed or with the
// standard bit-field masks. Anything else, and any
// damaged or truncated data, is refused with a reason rather than guessed at.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/Bitmap32.h"

namespace orvelle {

// The longest side the reader accepts. It keeps a lying header from asking for
// an absurd allocation even before the data is measured against it.
constexpr int kBmpMaxSide = 32768;

// A complete .bmp file: 32 bits per pixel, rows bottom-up, no colour table.
// Each pixel's top byte is stored unchanged as its fourth byte.
std::vector<std::uint8_t> EncodeBmp32(const TBitmap32& picture);

struct BmpDecoded {
    TBitmap32 picture;  // top-down; empty when the data was refused
    std::string error;  // why the data was refused; empty on success
    bool ok() const { return error.empty(); }
};

// A whole .bmp file, starting with "BM"; the pixels lie at the offset its file header gives.
BmpDecoded DecodeBmpFile(std::span<const std::uint8_t> bytes);

// A DIB as a BITMAP resource holds it: the info header, any colour masks and
// colour table, then the pixels.
BmpDecoded DecodeDib(std::span<const std::uint8_t> bytes);

}  // namespace orvelle
