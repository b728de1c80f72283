#include "engine/Stretch.h"

#include "SimdLevels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace orvelle {
namespace {

using reference::ForEachSimdLevel;
using reference::SimdName;

constexpr TStretchFilter kAllFilters[] = {TStretchFilter::sfNearest, TStretchFilter::sfDraft,
                                          TStretchFilter::sfLinear,  TStretchFilter::sfCosine,
                                          TStretchFilter::sfSpline,  TStretchFilter::sfLanczos,
                                          TStretchFilter::sfMitchell};

std::string FilterName(TStretchFilter filter) {
    const char* names[] = {"Nearest", "Draft", "Linear", "Cosine", "Spline", "Lanczos", "Mitchell"};
    return names[static_cast<int>(filter)];
}

int Channel(Pixel p, int channel) { return static_cast<int>((p >> (8 * channel)) & 0xFFu); }

// A picture whose rows may be followed by padding, so that reading past a row's end shows.
struct Picture {
    int width = 0;
    int height = 0;
    int stride = 0;
    std::vector<Pixel> pixels;

    Picture(int w, int h, Pixel fill = 0, int padding = 0)
        : width(w), height(h), stride(w + padding), pixels(static_cast<std::size_t>(stride * h), fill) {}
    Pixel& At(int x, int y) { return pixels[static_cast<std::size_t>(y * stride + x)]; }
    Pixel At(int x, int y) const { return pixels[static_cast<std::size_t>(y * stride + x)]; }
    ConstImageRef Ref() const { return ConstImageRef{pixels.data(), width, height, stride}; }
};

// Random pixels; the padding after each row is random too, and no pixel may depend on it.
Picture RandomPicture(int width, int height, std::uint32_t seed, int padding = 0) {
    std::mt19937 random(seed);
    Picture picture(width, height, 0, padding);
    for (Pixel& p : picture.pixels) p = static_cast<Pixel>(random());
    return picture;
}

// ---- The reference: the definitions written out, one destination pixel at a time. ----

int RefRadius(TStretchFilter filter) {
    switch (filter) {
        case TStretchFilter::sfCosine: return 1;
        case TStretchFilter::sfLanczos: return 3;
        default: return 2;
    }
}

float RefSinc(float v) {
    if (v == 0.0f) return 1.0f;
    return std::sin(3.14159265358979323846f * v) / (3.14159265358979323846f * v);
}

float RefKernel(TStretchFilter filter, float x) {
    const float a = std::fabs(x);
    if (a >= static_cast<float>(RefRadius(filter))) return 0.0f;
    switch (filter) {
        case TStretchFilter::sfCosine: return (std::cos(3.14159265358979323846f * a) + 1.0f) / 2.0f;
        case TStretchFilter::sfSpline:
            return a < 1.0f ? a * a * a / 2.0f - a * a + 2.0f / 3.0f : (2 - a) * (2 - a) * (2 - a) / 6.0f;
        case TStretchFilter::sfLanczos: return RefSinc(a) * RefSinc(a / 3.0f);
        default:
            return a < 1.0f ? (7.0f * a * a * a - 12.0f * a * a + 16.0f / 3.0f) / 6.0f
                            : (-(7.0f / 3.0f) * a * a * a + 12.0f * a * a - 20.0f * a + 32.0f / 3.0f) / 6.0f;
    }
}

double SourceCoordinate(int i, int srcSize, int dstSize) { return (i + 0.5) * srcSize / dstSize - 0.5; }

std::vector<std::pair<int, int>> RefWeights(TStretchFilter filter, int srcSize, int dstSize, int i) {
    const int r = RefRadius(filter);
    const double u = SourceCoordinate(i, srcSize, dstSize);
    std::vector<std::pair<int, int>> list;
    for (int n = static_cast<int>(std::floor(u - r)); n <= static_cast<int>(std::ceil(u + r)); ++n) {
        const int w = static_cast<int>(std::nearbyint(256.0f * RefKernel(filter, static_cast<float>(u - n))));
        if (w != 0) list.emplace_back(std::clamp(n, 0, srcSize - 1), w);
    }
    int sum = 0;
    for (const auto& entry : list) sum += entry.second;
    list[(list.size() - 1) / 2].second -= sum - 256;
    return list;
}

struct RefBilinear {
    std::vector<int> p;  // the left (upper) pixel; may be -1 for a one-pixel picture, with weight 0
    std::vector<int> w;  // its weight
};

RefBilinear RefBilinearAxis(int srcSize, int dstSize) {
    RefBilinear axis;
    for (int i = 0; i < dstSize; ++i) {
        const double u = std::clamp(SourceCoordinate(i, srcSize, dstSize), 0.0, srcSize - 1.0);
        const int p = static_cast<int>(std::floor(u));
        axis.p.push_back(p);
        axis.w.push_back(256 - static_cast<int>(std::nearbyint((u - p) * 256)));
    }
    for (int i = dstSize - 1; i >= 0 && axis.p[static_cast<std::size_t>(i)] == srcSize - 1; --i) {
        axis.p[static_cast<std::size_t>(i)] = srcSize - 2;
        axis.w[static_cast<std::size_t>(i)] = 0;
    }
    return axis;
}

Picture Reference(const Picture& src, int zoom, TStretchFilter filter) {
    Picture dst(src.width * zoom, src.height * zoom);
    if (filter == TStretchFilter::sfNearest) {
        for (int j = 0; j < dst.height; ++j)
            for (int i = 0; i < dst.width; ++i)
                dst.At(i, j) = src.At(i * src.width / dst.width, j * src.height / dst.height);
        return dst;
    }
    if (filter == TStretchFilter::sfDraft || filter == TStretchFilter::sfLinear) {
        const RefBilinear cols = RefBilinearAxis(src.width, dst.width);
        const RefBilinear rows = RefBilinearAxis(src.height, dst.height);
        for (int j = 0; j < dst.height; ++j) {
            for (int i = 0; i < dst.width; ++i) {
                const int p = cols.p[static_cast<std::size_t>(i)], wx = cols.w[static_cast<std::size_t>(i)];
                const int q = rows.p[static_cast<std::size_t>(j)], wy = rows.w[static_cast<std::size_t>(j)];
                Pixel out = 0;
                for (int c = 0; c < 4; ++c) {
                    // A pixel or row with weight 0 is not read: for a one-pixel picture it lies outside.
                    auto weighted = [&](int x, int y, int w) { return w == 0 ? 0 : Channel(src.At(x, y), c) * w; };
                    const int top = wy == 0 ? 0 : (weighted(p, q, wx) + weighted(p + 1, q, 256 - wx)) / 256;
                    const int bottom =
                        wy == 256 ? 0 : (weighted(p, q + 1, wx) + weighted(p + 1, q + 1, 256 - wx)) / 256;
                    const int value = (top * wy + bottom * (256 - wy)) / 256;
                    out |= static_cast<Pixel>(value) << (8 * c);
                }
                dst.At(i, j) = out;
            }
        }
        return dst;
    }
    std::vector<std::vector<std::pair<int, int>>> cols, rows;
    for (int i = 0; i < dst.width; ++i) cols.push_back(RefWeights(filter, src.width, dst.width, i));
    for (int j = 0; j < dst.height; ++j) rows.push_back(RefWeights(filter, src.height, dst.height, j));
    const bool clamp = filter == TStretchFilter::sfLanczos || filter == TStretchFilter::sfMitchell;
    for (int j = 0; j < dst.height; ++j) {
        for (int i = 0; i < dst.width; ++i) {
            Pixel out = 0;
            for (int c = 0; c < 4; ++c) {
                long long s = 0;
                for (const auto& [x, wx] : cols[static_cast<std::size_t>(i)])
                    for (const auto& [y, wy] : rows[static_cast<std::size_t>(j)])
                        s += static_cast<long long>(wx) * wy * Channel(src.At(x, y), c);
                if (clamp) s = std::clamp(s, 0LL, 0xFF0000LL);
                out |= static_cast<Pixel>((s >> 16) & 0xFF) << (8 * c);
            }
            dst.At(i, j) = out;
        }
    }
    return dst;
}

// ---- Drawing into a destination surrounded by sentinel pixels. ----

constexpr Pixel kSentinel = 0xA5C3E17Bu;
constexpr int kMargin = 3;

struct Canvas {
    int width;
    int height;
    std::ptrdiff_t stride;
    std::vector<Pixel> memory;

    Canvas(int w, int h)
        : width(w), height(h), stride(w + 2 * kMargin + 1),
          memory(static_cast<std::size_t>((h + 2 * kMargin) * stride), kSentinel) {}
    ImageRef Ref() { return ImageRef{memory.data() + kMargin * stride + kMargin, width, height, stride}; }
    // x and y may reach into the margin.
    Pixel At(int x, int y) const { return memory[static_cast<std::size_t>((y + kMargin) * stride + x + kMargin)]; }
};

// Pixels in `area` must equal `expected`, every other pixel of the memory must still be the sentinel.
void ExpectDrawn(const Canvas& canvas, const Picture& expected, Rect area) {
    area = Intersect(area, Rect{0, 0, canvas.width, canvas.height});
    int wrong = 0;
    std::string first;
    for (int y = -kMargin; y < canvas.height + kMargin; ++y) {
        for (int x = -kMargin; x < static_cast<int>(canvas.stride) - kMargin; ++x) {
            const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
            const Pixel want = inside ? expected.At(x, y) : kSentinel;
            if (canvas.At(x, y) == want) continue;
            if (wrong++ == 0)
                first = ::testing::PrintToString(x) + "," + ::testing::PrintToString(y) + ": got " +
                        ::testing::PrintToString(canvas.At(x, y)) + " want " + ::testing::PrintToString(want);
        }
    }
    EXPECT_EQ(wrong, 0) << "first at " << first;
}

Canvas Draw(const Picture& src, int zoom, TStretchFilter filter, Rect area) {
    Canvas canvas(src.width * zoom, src.height * zoom);
    StretchDraw(src.Ref(), canvas.Ref(), filter, area);
    return canvas;
}

Canvas Draw(const Picture& src, int zoom, TStretchFilter filter) {
    return Draw(src, zoom, filter, Rect{0, 0, src.width * zoom, src.height * zoom});
}

Picture Contents(const Canvas& canvas) {
    Picture picture(canvas.width, canvas.height);
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x) picture.At(x, y) = canvas.At(x, y);
    return picture;
}

// ---- Cases from the definition. ----

TEST(Stretch, PreciseDoublesARowOfThree) {
    Picture src(3, 1);
    src.pixels = {0x11223344u, 0xFF00FF00u, 0x0A0B0C0Du};
    ForEachSimdLevel([&] {
        const Canvas canvas = Draw(src, 2, TStretchFilter::sfNearest);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 6; ++x) EXPECT_EQ(canvas.At(x, y), src.pixels[static_cast<std::size_t>(x / 2)]);
    });
}

TEST(Stretch, PreciseMakesExactBlocksForEveryZoom) {
    const Picture src = RandomPicture(3, 2, 7);
    for (int zoom = 2; zoom <= 32; ++zoom) {
        SCOPED_TRACE(::testing::Message() << "z=" << zoom);
        Picture blocks(3 * zoom, 2 * zoom);
        for (int q = 0; q < 2; ++q)
            for (int s = 0; s < 3; ++s)
                for (int y = q * zoom; y < (q + 1) * zoom; ++y)
                    for (int x = s * zoom; x < (s + 1) * zoom; ++x) blocks.At(x, y) = src.At(s, q);
        ForEachSimdLevel([&] {
            ExpectDrawn(Draw(src, zoom, TStretchFilter::sfNearest), blocks, Rect{0, 0, 3 * zoom, 2 * zoom});
        });
    }
}

TEST(Stretch, BilinearDoublingOfTwoByTwo) {
    // Both rows hold the channel values 0 and 255; the columns come out 0, 63, 191, 255.
    Picture src(2, 2);
    src.pixels = {0x00000000u, 0xFFFFFFFFu, 0x00000000u, 0xFFFFFFFFu};
    const Pixel expected[] = {0x00000000u, 0x3F3F3F3Fu, 0xBFBFBFBFu, 0xFFFFFFFFu};
    for (TStretchFilter filter : {TStretchFilter::sfDraft, TStretchFilter::sfLinear}) {
        SCOPED_TRACE(FilterName(filter));
        ForEachSimdLevel([&] {
            const Canvas canvas = Draw(src, 2, filter);
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 4; ++x) EXPECT_EQ(canvas.At(x, y), expected[x]) << x << "," << y;
        });
    }
}

// A sharp black-to-white edge makes Lanczos and Mitchell overshoot on both sides. Clamped, the
// ringing stays a faint ripple; wrapped, a sum just below 0 would turn white and one just above
// 0xFF0000 black.
TEST(Stretch, ClampedKernelsNeverWrapAcrossAnEdge) {
    for (TStretchFilter filter : {TStretchFilter::sfLanczos, TStretchFilter::sfMitchell}) {
        for (int zoom : {2, 3, 8, 32}) {
            for (bool vertical : {false, true}) {
                SCOPED_TRACE(::testing::Message() << FilterName(filter) << " z=" << zoom << " vertical=" << vertical);
                // Source pixels 0..4 black, 5..9 white: the edge lies at source coordinate 4.5.
                Picture src(vertical ? 3 : 10, vertical ? 10 : 3);
                for (int y = 0; y < src.height; ++y)
                    for (int x = 0; x < src.width; ++x) src.At(x, y) = (vertical ? y : x) < 5 ? 0u : 0xFFFFFFFFu;
                ForEachSimdLevel([&] {
                    const Picture out = Contents(Draw(src, zoom, filter));
                    int darkest = 255, brightest = 0;
                    for (int line = 0; line < 3 * zoom; ++line) {
                        for (int k = 0; k < 10 * zoom; ++k) {
                            const double u = (k + 0.5) / zoom - 0.5;
                            const Pixel p = vertical ? out.At(line, k) : out.At(k, line);
                            for (int c = 0; c < 4; ++c) {
                                // Beyond one source pixel from the edge only the ripple remains.
                                if (u <= 3.5) {
                                    ASSERT_LT(Channel(p, c), 64) << "line " << line << " at " << k;
                                }
                                if (u >= 5.5) {
                                    ASSERT_GT(Channel(p, c), 191) << "line " << line << " at " << k;
                                }
                                darkest = std::min(darkest, Channel(p, c));
                                brightest = std::max(brightest, Channel(p, c));
                            }
                        }
                    }
                    EXPECT_EQ(darkest, 0);
                    EXPECT_EQ(brightest, 255);
                });
            }
        }
    }
}

TEST(Stretch, UniformPictureStaysUniform) {
    std::mt19937 random(11);
    for (TStretchFilter filter : kAllFilters) {
        for (int zoom : {2, 3, 7, 8, 32}) {
            const Pixel colour = static_cast<Pixel>(random());
            SCOPED_TRACE(::testing::Message() << FilterName(filter) << " z=" << zoom << " colour " << colour);
            const Picture src(9, 5, colour);
            ForEachSimdLevel([&] {
                ExpectDrawn(Draw(src, zoom, filter), Picture(9 * zoom, 5 * zoom, colour),
                            Rect{0, 0, 9 * zoom, 5 * zoom});
            });
        }
    }
}

TEST(Stretch, SimpleEqualsLinear) {
    for (int zoom : {2, 3, 5, 8, 16}) {
        const Picture src = RandomPicture(13, 7, static_cast<std::uint32_t>(zoom));
        SCOPED_TRACE(::testing::Message() << "z=" << zoom);
        ForEachSimdLevel([&] {
            ExpectDrawn(Draw(src, zoom, TStretchFilter::sfDraft), Contents(Draw(src, zoom, TStretchFilter::sfLinear)),
                        Rect{0, 0, 13 * zoom, 7 * zoom});
        });
    }
}

TEST(Stretch, SimdLevelIsCappedAtTheBest) {
    SetStretchSimdLevel(StretchSimd::Avx2);
    EXPECT_EQ(ActiveStretchSimd(), BestStretchSimd());
    SetStretchSimdLevel(StretchSimd::Scalar);
    EXPECT_EQ(ActiveStretchSimd(), StretchSimd::Scalar);
    SetStretchSimdLevel(BestStretchSimd());
}

TEST(Stretch, AreaOutsideTheDestinationDrawsNothing) {
    const Picture src = RandomPicture(4, 3, 5);
    const Picture untouched(8, 6, kSentinel);
    for (TStretchFilter filter : kAllFilters) {
        SCOPED_TRACE(FilterName(filter));
        for (Rect area : {Rect{8, 0, 12, 6}, Rect{-5, -5, 0, 6}, Rect{3, 3, 3, 5}, Rect{5, 4, 2, 1}})
            ExpectDrawn(Draw(src, 2, filter, area), untouched, Rect{});
    }
}

// ---- Every path against the reference on random pictures. ----

class StretchFilterTest : public ::testing::TestWithParam<TStretchFilter> {};

// Small pictures for every zoom (one pixel wide or high included), larger ones for small zooms,
// so that vector loops meet heads, bodies and tails.
std::vector<Size> SourceSizes(int zoom) {
    std::vector<Size> sizes = {{1, 1}, {1, 4}, {4, 1}, {2, 2}, {3, 5}, {7, 3}};
    if (zoom <= 8) sizes.insert(sizes.end(), {{11, 6}, {37, 9}});
    if (zoom <= 3) sizes.push_back({66, 2});
    return sizes;
}

TEST_P(StretchFilterTest, MatchesTheReferenceForEveryZoom) {
    const TStretchFilter filter = GetParam();
    for (int zoom = 2; zoom <= 32; ++zoom) {
        for (Size size : SourceSizes(zoom)) {
            const std::uint32_t seed = static_cast<std::uint32_t>(zoom * 1000 + size.width * 31 + size.height);
            SCOPED_TRACE(::testing::Message() << "z=" << zoom << " source " << size.width << "x" << size.height
                                              << " seed " << seed);
            const Picture src = RandomPicture(size.width, size.height, seed, 5);
            const Picture expected = Reference(src, zoom, filter);
            ForEachSimdLevel([&] {
                ExpectDrawn(Draw(src, zoom, filter), expected, Rect{0, 0, expected.width, expected.height});
            });
            if (::testing::Test::HasFailure()) return;
        }
    }
}

// Any part drawn alone gets the pixels of the whole drawing and leaves everything else alone.
TEST_P(StretchFilterTest, PartsMatchTheWholeDrawing) {
    const TStretchFilter filter = GetParam();
    std::mt19937 random(23);
    for (int zoom : {2, 3, 4, 7, 8, 13, 32}) {
        const Picture src = RandomPicture(zoom <= 8 ? 23 : 5, zoom <= 8 ? 11 : 4, static_cast<std::uint32_t>(zoom));
        const int width = src.width * zoom, height = src.height * zoom;
        ForEachSimdLevel([&] {
            const Picture whole = Contents(Draw(src, zoom, filter));
            for (int n = 0; n < 12; ++n) {
                // Corners may lie outside the destination: the area is clipped.
                std::uniform_int_distribution<int> x(-3, width + 3), y(-3, height + 3);
                int left = x(random), right = x(random), top = y(random), bottom = y(random);
                if (left > right) std::swap(left, right);
                if (top > bottom) std::swap(top, bottom);
                if (n == 0) right = left + 1;  // one column
                if (n == 1) bottom = top + 1;  // one row
                const Rect area{left, top, right, bottom};
                SCOPED_TRACE(::testing::Message() << "z=" << zoom << " area " << left << "," << top << " - " << right
                                                  << "," << bottom);
                ExpectDrawn(Draw(src, zoom, filter, area), whole, area);
            }
        });
    }
}

INSTANTIATE_TEST_SUITE_P(AllFilters, StretchFilterTest, ::testing::ValuesIn(kAllFilters),
                         [](const ::testing::TestParamInfo<TStretchFilter>& param) { return FilterName(param.param); });

}  // namespace
}  // namespace orvelle
