#include "engine/BmpCodec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace orvelle {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The byte order is spelled out here rather than borrowed from the codec, so
// that a mistake there cannot cancel itself out.
std::uint32_t Le(const Bytes& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value * 256u + bytes.at(at + static_cast<std::size_t>(i));
    return value;
}

void Put(Bytes& bytes, std::size_t at, std::uint32_t value, int size = 4) {
    for (int i = 0; i < size; ++i, value /= 256u)
        bytes.at(at + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(value % 256u);
}

void Append(Bytes& bytes, std::uint32_t value, int size = 4) {
    bytes.resize(bytes.size() + static_cast<std::size_t>(size));
    Put(bytes, bytes.size() - static_cast<std::size_t>(size), value, size);
}

// An info header of `headerSize` bytes; everything after the first 40 is 0.
Bytes InfoHeader(std::uint32_t headerSize, std::int32_t width, std::int32_t height, int bits,
                 std::uint32_t compression = 0, std::uint32_t colorsUsed = 0) {
    Bytes header(headerSize, 0);
    Put(header, 0, headerSize);
    Put(header, 4, static_cast<std::uint32_t>(width));
    Put(header, 8, static_cast<std::uint32_t>(height));
    Put(header, 12, 1, 2);
    Put(header, 14, static_cast<std::uint32_t>(bits), 2);
    Put(header, 16, compression);
    Put(header, 32, colorsUsed);
    return header;
}

// `dib` behind a file header whose pixel data offset is `pixelOffset`.
Bytes WithFileHeader(const Bytes& dib, std::uint32_t pixelOffset) {
    Bytes file{'B', 'M'};
    Append(file, static_cast<std::uint32_t>(14 + dib.size()));
    Append(file, 0);
    Append(file, pixelOffset);
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

Bytes Tail(const Bytes& bytes, std::size_t from) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end());
}

std::vector<Pixel> PixelsOf(const TBitmap32& picture) {
    std::vector<Pixel> pixels;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) pixels.push_back(picture.At(x, y));
    return pixels;
}

TBitmap32 RandomPicture(int width, int height, std::mt19937& random) {
    TBitmap32 picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.At(x, y) = static_cast<Pixel>(random());
    return picture;
}

TEST(BmpCodec, EncodedHeaderFields) {
    TBitmap32 picture(5, 3);
    const Bytes file = EncodeBmp32(picture);
    ASSERT_EQ(file.size(), 54u + 4u * 5u * 3u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    struct Field {
        const char* name;
        std::size_t at;
        int size;
        std::uint32_t value;
    };
    const Field fields[] = {
        {"file size", 2, 4, 114},    {"reserved", 6, 4, 0},         {"pixel offset", 10, 4, 54},
        {"header size", 14, 4, 40},  {"width", 18, 4, 5},           {"height", 22, 4, 3},
        {"planes", 26, 2, 1},        {"bits per pixel", 28, 2, 32}, {"compression", 30, 4, 0},
        {"image size", 34, 4, 60},   {"x resolution", 38, 4, 0},    {"y resolution", 42, 4, 0},
        {"colours used", 46, 4, 0},  {"colours important", 50, 4, 0},
    };
    for (const Field& field : fields) {
        SCOPED_TRACE(field.name);
        EXPECT_EQ(Le(file, field.at, field.size), field.value);
    }
}

TEST(BmpCodec, RowsStoredBottomRowFirstAsBlueGreenRedTop) {
    TBitmap32 picture(2, 3);
    const Pixel pixels[3][2] = {
        {0x01020304u, 0x05060708u},
        {0x11121314u, 0x15161718u},
        {0x80A0B0C0u, 0x00FFEEDDu},
    };
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x) picture.At(x, y) = pixels[y][x];
    const Bytes file = EncodeBmp32(picture);
    const Bytes expected = {
        0xC0, 0xB0, 0xA0, 0x80, 0xDD, 0xEE, 0xFF, 0x00,  // bottom row
        0x14, 0x13, 0x12, 0x11, 0x18, 0x17, 0x16, 0x15,  // middle row
        0x04, 0x03, 0x02, 0x01, 0x08, 0x07, 0x06, 0x05,  // top row
    };
    EXPECT_EQ(Tail(file, 54), expected);
}

TEST(BmpCodec, FileSizeOfAToolbarSizedPicture) {
    const Bytes file = EncodeBmp32(TBitmap32(376, 152));
    EXPECT_EQ(file.size(), 228662u);
    EXPECT_EQ(Le(file, 2, 4), 228662u);
    EXPECT_EQ(Le(file, 34, 4), 228662u - 54u);
}

TEST(BmpCodec, RoundTripKeepsEveryPixel) {
    std::mt19937 random(31);
    std::vector<std::pair<int, int>> sizes = {{1, 1}, {1, 9}, {9, 1}, {3, 5}, {7, 2}, {64, 33}};
    for (int n = 0; n < 10; ++n)
        sizes.emplace_back(1 + static_cast<int>(random() % 97), 1 + static_cast<int>(random() % 61));
    for (const auto& [width, height] : sizes) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        const TBitmap32 picture = RandomPicture(width, height, random);
        const Bytes file = EncodeBmp32(picture);
        const BmpDecoded fromFile = DecodeBmpFile(file);
        ASSERT_TRUE(fromFile.ok()) << fromFile.error;
        ASSERT_EQ(fromFile.picture.Width(), width);
        ASSERT_EQ(fromFile.picture.Height(), height);
        EXPECT_EQ(PixelsOf(fromFile.picture), PixelsOf(picture));
        // Without its file header the same data is a valid resource bitmap.
        const BmpDecoded fromDib = DecodeDib(Tail(file, 14));
        ASSERT_TRUE(fromDib.ok()) << fromDib.error;
        EXPECT_EQ(PixelsOf(fromDib.picture), PixelsOf(picture));
    }
}

TEST(BmpCodec, TwentyFourBitRowsArePaddedAndComeOutOpaque) {
    struct Case {
        const char* name;
        std::int32_t width;
        std::int32_t height;
        Bytes stored;                 // as in the file, padding marked 0xEE
        std::vector<Pixel> expected;  // top-down
    };
    const Case cases[] = {
        {"width 3 bottom-up", 3, 2,
         {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0xEE, 0xEE, 0xEE,
          0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0xEE, 0xEE, 0xEE},
         {0xFF131211u, 0xFF161514u, 0xFF191817u, 0xFF030201u, 0xFF060504u, 0xFF090807u}},
        {"width 3 top-down", 3, -2,
         {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0xEE, 0xEE, 0xEE,
          0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0xEE, 0xEE, 0xEE},
         {0xFF030201u, 0xFF060504u, 0xFF090807u, 0xFF131211u, 0xFF161514u, 0xFF191817u}},
        {"width 5 bottom-up", 5, 2,
         {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x10, 0x20, 0x30, 0xFF, 0xFF, 0xFF, 0xEE,
          0xA1, 0xA2, 0xA3, 0xB1, 0xB2, 0xB3, 0xC1, 0xC2, 0xC3, 0xD1, 0xD2, 0xD3, 0xE1, 0xE2, 0xE3, 0xEE},
         {0xFFA3A2A1u, 0xFFB3B2B1u, 0xFFC3C2C1u, 0xFFD3D2D1u, 0xFFE3E2E1u,
          0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFF302010u, 0xFFFFFFFFu}},
        {"width 5 top-down", 5, -1,
         {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x10, 0x20, 0x30, 0xFF, 0xFF, 0xFF, 0xEE},
         {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFF302010u, 0xFFFFFFFFu}},
        {"width 1 bottom-up", 1, 3,
         {0x01, 0x02, 0x03, 0xEE, 0x04, 0x05, 0x06, 0xEE, 0x07, 0x08, 0x09, 0xEE},
         {0xFF090807u, 0xFF060504u, 0xFF030201u}},
        {"width 4 needs no padding", 4, -1,
         {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C},
         {0xFF030201u, 0xFF060504u, 0xFF090807u, 0xFF0C0B0Au}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes dib = InfoHeader(40, c.width, c.height, 24);
        dib.insert(dib.end(), c.stored.begin(), c.stored.end());
        const BmpDecoded decoded = DecodeBmpFile(WithFileHeader(dib, 54));
        ASSERT_TRUE(decoded.ok()) << decoded.error;
        EXPECT_EQ(decoded.picture.Width(), c.width);
        EXPECT_EQ(decoded.picture.Height(), c.height < 0 ? -c.height : c.height);
        EXPECT_EQ(PixelsOf(decoded.picture), c.expected);
        const BmpDecoded bare = DecodeDib(dib);
        ASSERT_TRUE(bare.ok()) << bare.error;
        EXPECT_EQ(PixelsOf(bare.picture), c.expected);
    }
}

// Two rows of two pixels with straight alpha in the top byte, as the program's own resources carry it.
const Bytes kBitfieldPixels = {0x10, 0x20, 0x30, 0x80, 0x40, 0x50, 0x60, 0x00,
                               0x01, 0x02, 0x03, 0xFF, 0xAA, 0xBB, 0xCC, 0x7F};
const std::vector<Pixel> kStoredOrder = {0x80302010u, 0x00605040u, 0xFF030201u, 0x7FCCBBAAu};
const std::vector<Pixel> kRowsSwapped = {0xFF030201u, 0x7FCCBBAAu, 0x80302010u, 0x00605040u};

struct BitfieldDib {
    std::uint32_t headerSize;
    std::int32_t height;
    std::uint32_t colorsUsed;
    std::uint32_t red, green, blue, alpha;  // alpha only where the header has room for it
};

Bytes MakeBitfieldDib(const BitfieldDib& d) {
    Bytes dib = InfoHeader(d.headerSize, 2, d.height, 32, 3, d.colorsUsed);
    if (d.headerSize == 40) dib.resize(52);
    Put(dib, 40, d.red);
    Put(dib, 44, d.green);
    Put(dib, 48, d.blue);
    if (d.headerSize >= 56) Put(dib, 52, d.alpha);
    for (std::uint32_t i = 0; i < d.colorsUsed; ++i) Append(dib, 0x00DEAD00u + i);
    dib.insert(dib.end(), kBitfieldPixels.begin(), kBitfieldPixels.end());
    return dib;
}

TEST(BmpCodec, BareDibWithStandardMasks) {
    struct Case {
        const char* name;
        BitfieldDib dib;
    };
    const Case cases[] = {
        {"masks after a 40-byte header", {40, 2, 0, 0xFF0000u, 0xFF00u, 0xFFu, 0}},
        {"masks and a colour table", {40, -2, 3, 0xFF0000u, 0xFF00u, 0xFFu, 0}},
        {"52-byte header", {52, 2, 0, 0xFF0000u, 0xFF00u, 0xFFu, 0}},
        {"56-byte header with alpha mask", {56, -2, 0, 0xFF0000u, 0xFF00u, 0xFFu, 0xFF000000u}},
        {"108-byte header without alpha mask", {108, 2, 1, 0xFF0000u, 0xFF00u, 0xFFu, 0}},
        {"124-byte header with alpha mask", {124, -2, 0, 0xFF0000u, 0xFF00u, 0xFFu, 0xFF000000u}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BmpDecoded decoded = DecodeDib(MakeBitfieldDib(c.dib));
        ASSERT_TRUE(decoded.ok()) << decoded.error;
        EXPECT_EQ(decoded.picture.Width(), 2);
        EXPECT_EQ(decoded.picture.Height(), 2);
        EXPECT_EQ(PixelsOf(decoded.picture), c.dib.height < 0 ? kStoredOrder : kRowsSwapped);
    }
}

TEST(BmpCodec, FileWithMasksAfterTheHeader) {
    const Bytes dib = MakeBitfieldDib({40, 2, 0, 0xFF0000u, 0xFF00u, 0xFFu, 0});
    const BmpDecoded decoded = DecodeBmpFile(WithFileHeader(dib, 14 + 52));
    ASSERT_TRUE(decoded.ok()) << decoded.error;
    EXPECT_EQ(PixelsOf(decoded.picture), kRowsSwapped);
    // Pixels put at the masks' place would be read from the masks.
    EXPECT_FALSE(DecodeBmpFile(WithFileHeader(dib, 14 + 40)).ok());
}

TEST(BmpCodec, OtherMasksAreRefused) {
    const BitfieldDib cases[] = {
        {40, 2, 0, 0xF800u, 0x07E0u, 0x001Fu, 0},            // 5-6-5
        {40, 2, 0, 0xFFu, 0xFF00u, 0xFF0000u, 0},            // red and blue swapped
        {56, 2, 0, 0xFF0000u, 0xFF00u, 0xFFu, 0x000000FFu},  // alpha in the low byte
        {124, 2, 0, 0xFF000000u, 0xFF0000u, 0xFF00u, 0xFFu},
        {52, 2, 0, 0, 0, 0, 0},
    };
    for (const BitfieldDib& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.headerSize << " " << std::hex << c.red);
        const BmpDecoded decoded = DecodeDib(MakeBitfieldDib(c));
        EXPECT_EQ(decoded.error, "unsupported colour masks");
        EXPECT_TRUE(decoded.picture.Empty());
    }
}

// A picture with a colour table as a paint program writes it: indices packed
// leftmost-first into the high bits, rows padded to 32 bits, bottom row first.
Bytes IndexedFile(int bits, int width, int height, const std::vector<Pixel>& table,
                  const std::vector<unsigned>& indices, std::uint32_t colorsUsed) {
    Bytes dib = InfoHeader(40, width, height, bits, 0, colorsUsed);
    for (Pixel c : table) Append(dib, c & 0xFFFFFFu);
    const std::size_t pixelOffset = 14 + dib.size();
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {
        Bytes row(rowBytes, 0);
        for (int x = 0; x < width; ++x) {
            const std::size_t bit = static_cast<std::size_t>(x) * bits;
            row[bit / 8] |= static_cast<std::uint8_t>(indices[static_cast<std::size_t>(y * width + x)]
                                                      << (8 - bits - static_cast<int>(bit % 8)));
        }
        dib.insert(dib.end(), row.begin(), row.end());
    }
    return WithFileHeader(dib, static_cast<std::uint32_t>(pixelOffset));
}

TEST(BmpCodec, PicturesWithAColourTableShowTheirColoursOpaque) {
    std::mt19937 random(8);
    for (int bits : {1, 4, 8}) {
        for (int round = 0; round < 30; ++round) {
            SCOPED_TRACE(testing::Message() << bits << " bits, round " << round);
            const int width = std::uniform_int_distribution<int>(1, 37)(random);
            const int height = std::uniform_int_distribution<int>(1, 9)(random);
            // A short table sometimes, whose missing entries show black.
            const unsigned most = 1u << bits;
            const std::uint32_t used = round % 3 == 0 ? std::uniform_int_distribution<std::uint32_t>(1, most)(random) : 0;
            std::vector<Pixel> table(used != 0 ? used : most);
            for (Pixel& c : table) c = static_cast<Pixel>(random()) | 0xFF000000u;
            std::vector<unsigned> indices(static_cast<std::size_t>(width * height));
            for (unsigned& i : indices) i = std::uniform_int_distribution<unsigned>(0, most - 1)(random);

            const BmpDecoded decoded = DecodeBmpFile(IndexedFile(bits, width, height, table, indices, used));
            ASSERT_TRUE(decoded.ok()) << decoded.error;
            ASSERT_EQ(decoded.picture.Width(), width);
            ASSERT_EQ(decoded.picture.Height(), height);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    const unsigned index = indices[static_cast<std::size_t>(y * width + x)];
                    ASSERT_EQ(decoded.picture.At(x, y), index < table.size() ? table[index] : 0xFF000000u);
                }
        }
    }
    const Bytes tooManyColours = IndexedFile(1, 2, 2, {0, 0, 0}, {0, 1, 1, 0}, 3);
    EXPECT_NE(DecodeBmpFile(tooManyColours).error.find("colour table larger"), std::string::npos);
}

TEST(BmpCodec, DamagedDataIsRefused) {
    // Each damage is done to a good 3 x 2 file and, where it concerns the
    // info header, to the same bitmap without its file header; `header` is
    // where the info header starts.
    struct Damage {
        const char* name;
        void (*apply)(Bytes& bytes, std::size_t header);
        const char* fileError;  // part of the message expected
        const char* dibError;   // nullptr: the damage is to the file header
    };
    constexpr std::uint32_t kMostNegative = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::min());
    const Damage damages[] = {
        {"empty", [](Bytes& b, std::size_t) { b.clear(); }, "not a BMP file", "truncated"},
        {"one byte", [](Bytes& b, std::size_t) { b.resize(1); }, "not a BMP file", "truncated"},
        {"shorter than the headers", [](Bytes& b, std::size_t h) { b.resize(h + 20); }, "truncated", "truncated"},
        {"wrong magic", [](Bytes& b, std::size_t) { b[0] = 'P'; }, "not a BMP file", nullptr},
        {"last pixel byte missing", [](Bytes& b, std::size_t) { b.pop_back(); }, "truncated", "truncated"},
        {"pixel offset one past the end",
         [](Bytes& b, std::size_t) { Put(b, 10, static_cast<std::uint32_t>(b.size() + 1)); }, "outside the file",
         nullptr},
        {"pixel offset far beyond the end", [](Bytes& b, std::size_t) { Put(b, 10, 0xFFFFFFFFu); },
         "outside the file", nullptr},
        {"pixel offset at the end", [](Bytes& b, std::size_t) { Put(b, 10, static_cast<std::uint32_t>(b.size())); },
         "truncated", nullptr},
        {"pixel offset inside the info header", [](Bytes& b, std::size_t) { Put(b, 10, 40); }, "inside the headers",
         nullptr},
        {"pixel offset 0", [](Bytes& b, std::size_t) { Put(b, 10, 0); }, "inside the headers", nullptr},
        {"width 0", [](Bytes& b, std::size_t h) { Put(b, h + 4, 0); }, "size out of range", "size out of range"},
        {"negative width", [](Bytes& b, std::size_t h) { Put(b, h + 4, static_cast<std::uint32_t>(-3)); },
         "size out of range", "size out of range"},
        {"height 0", [](Bytes& b, std::size_t h) { Put(b, h + 8, 0); }, "size out of range", "size out of range"},
        {"most negative height", [](Bytes& b, std::size_t h) { Put(b, h + 8, kMostNegative); }, "size out of range",
         "size out of range"},
        {"100000 x 100000",
         [](Bytes& b, std::size_t h) {
             Put(b, h + 4, 100000);
             Put(b, h + 8, 100000);
         },
         "size out of range", "size out of range"},
        {"largest sides with the data of 3 x 2",
         [](Bytes& b, std::size_t h) {
             Put(b, h + 4, kBmpMaxSide);
             Put(b, h + 8, static_cast<std::uint32_t>(-kBmpMaxSide));
         },
         "truncated", "truncated"},
        {"largest sides at 24 bits",
         [](Bytes& b, std::size_t h) {
             Put(b, h + 4, kBmpMaxSide);
             Put(b, h + 8, kBmpMaxSide);
             Put(b, h + 14, 24, 2);
         },
         "truncated", "truncated"},
        {"2 bits per pixel", [](Bytes& b, std::size_t h) { Put(b, h + 14, 2, 2); }, "unsupported bits per pixel: 2",
         "unsupported bits per pixel: 2"},
        {"8 bits per pixel without room for the colour table", [](Bytes& b, std::size_t h) { Put(b, h + 14, 8, 2); },
         "truncated", "truncated"},
        {"16 bits per pixel", [](Bytes& b, std::size_t h) { Put(b, h + 14, 16, 2); },
         "unsupported bits per pixel: 16", "unsupported bits per pixel: 16"},
        {"RLE8", [](Bytes& b, std::size_t h) { Put(b, h + 16, 1); }, "unsupported compression",
         "unsupported compression"},
        {"JPEG", [](Bytes& b, std::size_t h) { Put(b, h + 16, 4); }, "unsupported compression",
         "unsupported compression"},
        {"bit fields at 24 bits",
         [](Bytes& b, std::size_t h) {
             Put(b, h + 14, 24, 2);
             Put(b, h + 16, 3);
         },
         "unsupported compression", "unsupported compression"},
        {"planes 2", [](Bytes& b, std::size_t h) { Put(b, h + 12, 2, 2); }, "planes", "planes"},
        {"header size 12", [](Bytes& b, std::size_t h) { Put(b, h, 12); }, "unsupported header size: 12",
         "unsupported header size: 12"},
        {"header size 39", [](Bytes& b, std::size_t h) { Put(b, h, 39); }, "unsupported header size: 39",
         "unsupported header size: 39"},
        {"header size 64", [](Bytes& b, std::size_t h) { Put(b, h, 64); }, "unsupported header size",
         "unsupported header size"},
        {"header size beyond the data", [](Bytes& b, std::size_t h) { Put(b, h, 124); }, "truncated", "truncated"},
        {"huge colour table", [](Bytes& b, std::size_t h) { Put(b, h + 32, 0xFFFFFFFFu); }, nullptr, "truncated"},
        {"colour table and pixels overlap the end", [](Bytes& b, std::size_t h) { Put(b, h + 32, 1); }, nullptr,
         "truncated"},
    };

    TBitmap32 picture(3, 2);
    picture.Clear(0x80402010u);
    const Bytes goodFile = EncodeBmp32(picture);
    const Bytes goodDib = Tail(goodFile, 14);
    ASSERT_TRUE(DecodeBmpFile(goodFile).ok());
    ASSERT_TRUE(DecodeDib(goodDib).ok());

    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.name);
        if (damage.fileError != nullptr) {
            Bytes file = goodFile;
            damage.apply(file, 14);
            const BmpDecoded decoded = DecodeBmpFile(file);
            EXPECT_NE(decoded.error.find(damage.fileError), std::string::npos) << "file: " << decoded.error;
            EXPECT_TRUE(decoded.picture.Empty());
        }
        if (damage.dibError != nullptr) {
            Bytes dib = goodDib;
            damage.apply(dib, 0);
            const BmpDecoded decoded = DecodeDib(dib);
            EXPECT_NE(decoded.error.find(damage.dibError), std::string::npos) << "bitmap: " << decoded.error;
            EXPECT_TRUE(decoded.picture.Empty());
        }
    }
}

TEST(BmpCodec, EveryShorterPrefixIsRefused) {
    Bytes rgb24 = InfoHeader(40, 5, -3, 24);
    rgb24.resize(40 + 3 * 16, 0x5A);
    struct Input {
        const char* name;
        Bytes bytes;
        bool hasFileHeader;
    };
    std::mt19937 random(5);
    const Input inputs[] = {
        {"32-bit file", EncodeBmp32(RandomPicture(3, 2, random)), true},
        {"32-bit bitmap", Tail(EncodeBmp32(RandomPicture(3, 2, random)), 14), false},
        {"24-bit file", WithFileHeader(rgb24, 54), true},
        {"24-bit bitmap", rgb24, false},
        {"bit-field file", WithFileHeader(MakeBitfieldDib({40, 2, 0, 0xFF0000u, 0xFF00u, 0xFFu, 0}), 66), true},
        {"bit-field bitmap", MakeBitfieldDib({124, -2, 2, 0xFF0000u, 0xFF00u, 0xFFu, 0xFF000000u}), false},
    };
    for (const Input& input : inputs) {
        SCOPED_TRACE(input.name);
        auto decode = [&](const Bytes& bytes) { return input.hasFileHeader ? DecodeBmpFile(bytes) : DecodeDib(bytes); };
        ASSERT_TRUE(decode(input.bytes).ok());
        for (std::size_t length = 0; length < input.bytes.size(); ++length) {
            // A copy of exactly this length, so that a read past its end is a real overrun.
            const Bytes prefix(input.bytes.begin(), input.bytes.begin() + static_cast<std::ptrdiff_t>(length));
            const BmpDecoded decoded = decode(prefix);
            EXPECT_FALSE(decoded.ok()) << length;
            EXPECT_TRUE(decoded.picture.Empty()) << length;
        }
    }
}

}  // namespace
}  // namespace orvelle
