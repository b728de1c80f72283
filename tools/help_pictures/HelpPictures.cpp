#include "HelpPictures.h"

#include "app/MainWindowDesign.h"
#include "engine/ViewRenderer.h"

namespace orvelle::help {

namespace {

// The letter and the coloured pixels, one character per screen pixel:
// '#' black, 'r' red, 'g' green, 'b' blue, 'y' yellow, anything else white.
constexpr const char* kPatchRows[kPatchSize] = {
    "............",  //
    "...#....r.g.",  //
    "..#.#.......",  //
    ".#...#..b.y.",  //
    ".#...#......",  //
    ".#####......",  //
    ".#...#......",  //
    ".#...#......",  //
    "............",  //
    "............",  //
    "............",  //
    "............",  //
};

constexpr Pixel kWhite = 0xFFFFFFFFu;
constexpr Pixel kOpaque = 0xFF000000u;

constexpr Pixel PatchColor(char code) {
    switch (code) {
        case '#': return 0xFF000000u;
        case 'r': return 0xFFE02020u;
        case 'g': return 0xFF20A040u;
        case 'b': return 0xFF2040E0u;
        case 'y': return 0xFFF0D000u;
        default: return kWhite;
    }
}

// The edge's colour, and the half-plane it fills: the points (X, Y) with
// 8 X + 9 Y > 132, the lower right corner below a line from about (4, 12) to
// (12, 4), which leaves the letter and the coloured pixels untouched.
constexpr Pixel kEdgeColor = 0xFF2060C0u;
constexpr int kEdgeA = 8;
constexpr int kEdgeB = 9;
constexpr int kEdgeC = 132;
// Each pixel is sampled at kSamples x kSamples points, so its coverage counts 0 to 256.
constexpr int kSamples = 16;

// How many of a pixel's sample points lie inside the edge's half-plane. The
// samples sit at the centres of a 16 x 16 raster, (2 s + 1) / 32 of a pixel
// from its corner, so the sums stay whole numbers.
int EdgeCoverage(int x, int y) {
    int covered = 0;
    for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx) {
            const int sampleX = 2 * kSamples * x + 2 * sx + 1;
            const int sampleY = 2 * kSamples * y + 2 * sy + 1;
            if (kEdgeA * sampleX + kEdgeB * sampleY > kEdgeC * 2 * kSamples) ++covered;
        }
    return covered;
}

// `over` laid on `under` with a weight of `weight` out of `total`, per channel, rounded.
Pixel Mix(Pixel under, Pixel over, int weight, int total) {
    Pixel result = kOpaque;
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = static_cast<int>((under >> shift) & 0xFFu);
        const int b = static_cast<int>((over >> shift) & 0xFFu);
        const int mixed = (a * (total - weight) + b * weight + total / 2) / total;
        result |= static_cast<Pixel>(mixed) << shift;
    }
    return result;
}

}  // namespace

TBitmap32 DrawTestPatch() {
    TBitmap32 patch(kPatchSize, kPatchSize);
    constexpr int kFull = kSamples * kSamples;
    for (int y = 0; y < kPatchSize; ++y)
        for (int x = 0; x < kPatchSize; ++x) {
            const Pixel base = PatchColor(kPatchRows[y][x]);
            patch.At(x, y) = Mix(base, kEdgeColor, EdgeCoverage(x, y), kFull);
        }
    return patch;
}

TBitmap32 RenderFilterPicture(TStretchFilter filter) {
    TBitmap32 capture = DrawTestPatch();
    capture.SetStretchFilter(filter);
    TBitmap32 picture(capture.Width() * kPictureZoom, capture.Height() * kPictureZoom);
    // The enlargement alone, as the view paints it under its overlays.
    RenderView(capture, picture.Ref(), Rect{0, 0, picture.Width(), picture.Height()});
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) picture.At(x, y) |= kOpaque;
    return picture;
}

TBitmap32 CutToolbarPicture(const TBitmap32& strip, int imageIndex) {
    const Size image = design::kToolImage;
    const int left = imageIndex * image.width;
    if (imageIndex < 0 || left + image.width > strip.Width() || image.height > strip.Height()) return TBitmap32();
    TBitmap32 picture(image.width, image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const Pixel source = strip.At(left + x, y);
            picture.At(x, y) = Mix(kToolbarPictureBackground, source, static_cast<int>(source >> 24), 255);
        }
    return picture;
}

}  // namespace orvelle::help
