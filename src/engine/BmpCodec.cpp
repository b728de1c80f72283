#include "engine/BmpCodec.h"

#include <utility>

namespace orvelle {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::size_t kMaskBytes = 12;  // red, green and blue masks
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

constexpr std::uint32_t kRedMask = 0x00FF0000u;
constexpr std::uint32_t kGreenMask = 0x0000FF00u;
constexpr std::uint32_t kBlueMask = 0x000000FFu;
constexpr std::uint32_t kAlphaMask = 0xFF000000u;

const char* const kTruncated = "the file is truncated";

// The callers check that [at, at + 4) lies inside `bytes`; the data can start
// at any address, so the fields are put together a byte at a time.
std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

std::int32_t ReadI32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::int32_t>(ReadU32(bytes, at));
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

bool IsKnownHeaderSize(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

// What an info header says about the pixels, once it has been checked.
struct DibLayout {
    int width = 0;
    int height = 0;  // always positive; the sign went into bottomUp
    bool bottomUp = false;
    int bitsPerPixel = 0;
    std::uint32_t colorsUsed = 0;
    std::size_t headersEnd = 0;  // just past the header and any masks that follow it
    std::vector<Pixel> palette;  // pictures of 8 bits per pixel and fewer: opaque colours
};

bool IsIndexed(int bitsPerPixel) { return bitsPerPixel <= 8; }

// Checks the info header at `at` (with at <= bytes.size()); returns the reason
// it cannot be read, or an empty string with `layout` filled in.
std::string ReadInfoHeader(std::span<const std::uint8_t> bytes, std::size_t at, DibLayout& layout) {
    const std::size_t available = bytes.size() - at;
    if (available < 4) return kTruncated;
    const std::uint32_t headerSize = ReadU32(bytes, at);
    if (!IsKnownHeaderSize(headerSize)) return "unsupported header size: " + std::to_string(headerSize);
    if (available < headerSize) return kTruncated;

    const std::int64_t width = ReadI32(bytes, at + 4);
    const std::int64_t height = ReadI32(bytes, at + 8);
    const std::uint16_t planes = ReadU16(bytes, at + 12);
    const std::uint16_t bits = ReadU16(bytes, at + 14);
    const std::uint32_t compression = ReadU32(bytes, at + 16);
    if (planes != 1) return "unsupported number of planes: " + std::to_string(planes);
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return "unsupported bits per pixel: " + std::to_string(bits);
    if (compression != kBiRgb && !(compression == kBiBitfields && bits == 32))
        return "unsupported compression: " + std::to_string(compression);
    // The sides are widened before the sign is taken off, so the most negative height cannot overflow.
    if (width <= 0 || width > kBmpMaxSide || height == 0 || height > kBmpMaxSide || height < -kBmpMaxSide)
        return "picture size out of range";

    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height > 0 ? height : -height);
    layout.bottomUp = height > 0;
    layout.bitsPerPixel = bits;
    layout.colorsUsed = ReadU32(bytes, at + 32);
    layout.headersEnd = at + headerSize;

    if (IsIndexed(bits)) {
        // The colour table follows the header: as many entries as the header
        // says, or all that the depth can index.
        const std::uint32_t most = 1u << bits;
        if (layout.colorsUsed > most) return "colour table larger than the depth allows";
        const std::uint32_t count = layout.colorsUsed != 0 ? layout.colorsUsed : most;
        if (bytes.size() - layout.headersEnd < 4 * static_cast<std::size_t>(count)) return kTruncated;
        layout.palette.resize(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t entry = layout.headersEnd + 4 * static_cast<std::size_t>(i);
            layout.palette[i] = kAlphaMask | (static_cast<Pixel>(bytes[entry + 2]) << 16) |
                                (static_cast<Pixel>(bytes[entry + 1]) << 8) | bytes[entry];
        }
    }

    if (compression == kBiBitfields) {
        // The masks sit right after the first 40 bytes either way: outside a
        // plain info header, inside the later versions. Only the version of
        // 56 bytes and up has room for an alpha mask.
        if (headerSize == kInfoHeaderSize) {
            if (available < kInfoHeaderSize + kMaskBytes) return kTruncated;
            layout.headersEnd += kMaskBytes;
        }
        const std::uint32_t red = ReadU32(bytes, at + 40);
        const std::uint32_t green = ReadU32(bytes, at + 44);
        const std::uint32_t blue = ReadU32(bytes, at + 48);
        const std::uint32_t alpha = headerSize >= 56 ? ReadU32(bytes, at + 52) : 0;
        if (red != kRedMask || green != kGreenMask || blue != kBlueMask || (alpha != 0 && alpha != kAlphaMask))
            return "unsupported colour masks";
    }
    return {};
}

BmpDecoded Refuse(std::string error) {
    BmpDecoded decoded;
    decoded.error = std::move(error);
    return decoded;
}

// The pixels at `start` (which may lie anywhere, even past the end) as `layout` describes them.
BmpDecoded ReadPixels(std::span<const std::uint8_t> bytes, std::uint64_t start, const DibLayout& layout) {
    const auto bits = static_cast<std::uint64_t>(layout.bitsPerPixel);
    const std::size_t bytesPerPixel = static_cast<std::size_t>(layout.bitsPerPixel / 8);
    // Rows are padded to whole 32-bit words.
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(layout.width) * bits + 31) / 32 * 4;
    const std::uint64_t needed = rowBytes * static_cast<std::uint64_t>(layout.height);
    // Measured before anything is allocated, so a header cannot claim more than the data holds.
    if (start > bytes.size() || bytes.size() - start < needed) return Refuse(kTruncated);
    // Both now fit in the data, so in a size_t too.
    const std::size_t first = static_cast<std::size_t>(start);
    const std::size_t stride = static_cast<std::size_t>(rowBytes);

    BmpDecoded decoded;
    decoded.picture.SetSize(layout.width, layout.height);
    for (int y = 0; y < layout.height; ++y) {
        const int storedRow = layout.bottomUp ? layout.height - 1 - y : y;
        const std::uint8_t* in = bytes.data() + first + stride * static_cast<std::size_t>(storedRow);
        Pixel* out = decoded.picture.Row(y);
        if (IsIndexed(layout.bitsPerPixel)) {
            // Leftmost pixel in the highest bits; an index past the table is black, as Windows shows it.
            const int perByte = 8 / layout.bitsPerPixel;
            const unsigned mask = (1u << layout.bitsPerPixel) - 1;
            for (int x = 0; x < layout.width; ++x) {
                const int shift = (perByte - 1 - x % perByte) * layout.bitsPerPixel;
                const unsigned index = (in[x / perByte] >> shift) & mask;
                out[x] = index < layout.palette.size() ? layout.palette[index] : kAlphaMask;
            }
            continue;
        }
        for (int x = 0; x < layout.width; ++x, in += bytesPerPixel) {
            const Pixel top = bytesPerPixel == 4 ? static_cast<Pixel>(in[3]) << 24 : kAlphaMask;
            out[x] = top | (static_cast<Pixel>(in[2]) << 16) | (static_cast<Pixel>(in[1]) << 8) | in[0];
        }
    }
    return decoded;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp32(const TBitmap32& picture) {
    const int width = picture.Width();
    const int height = picture.Height();
    const std::size_t headers = kFileHeaderSize + kInfoHeaderSize;
    const std::size_t pixelBytes = 4 * static_cast<std::size_t>(width) * static_cast<std::size_t>(height);

    std::vector<std::uint8_t> out;
    out.reserve(headers + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, static_cast<std::uint32_t>(headers + pixelBytes));
    PutU32(out, 0);  // reserved
    PutU32(out, static_cast<std::uint32_t>(headers));
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(height));  // positive: the bottom row comes first
    PutU16(out, 1);                                   // planes
    PutU16(out, 32);                                  // bits per pixel
    PutU32(out, kBiRgb);
    PutU32(out, static_cast<std::uint32_t>(pixelBytes));
    for (int field = 0; field < 4; ++field) PutU32(out, 0);  // resolutions, colours used and important

    for (int y = height - 1; y >= 0; --y) {
        const Pixel* row = picture.Row(y);
        for (int x = 0; x < width; ++x) PutU32(out, row[x]);  // blue, green, red, top byte
    }
    return out;
}

BmpDecoded DecodeBmpFile(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') return Refuse("not a BMP file");
    if (bytes.size() < kFileHeaderSize) return Refuse(kTruncated);
    const std::uint32_t pixelOffset = ReadU32(bytes, 10);
    DibLayout layout;
    if (std::string error = ReadInfoHeader(bytes, kFileHeaderSize, layout); !error.empty())
        return Refuse(std::move(error));
    // The file says where its pixels are; only the headers and the colour
    // table must not overlap them.
    if (pixelOffset < layout.headersEnd + 4 * layout.palette.size())
        return Refuse("pixel data offset inside the headers");
    if (pixelOffset > bytes.size()) return Refuse("pixel data offset outside the file");
    return ReadPixels(bytes, pixelOffset, layout);
}

BmpDecoded DecodeDib(std::span<const std::uint8_t> bytes) {
    DibLayout layout;
    if (std::string error = ReadInfoHeader(bytes, 0, layout); !error.empty()) return Refuse(std::move(error));
    // Nothing says where the pixels start: they follow the colour table.
    const std::uint64_t tableEntries = IsIndexed(layout.bitsPerPixel) ? layout.palette.size() : layout.colorsUsed;
    const std::uint64_t start = layout.headersEnd + 4 * tableEntries;
    return ReadPixels(bytes, start, layout);
}

}  // namespace orvelle
