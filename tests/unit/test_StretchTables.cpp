#include "engine/StretchTables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace orvelle {
namespace {

constexpr TStretchFilter kKernelFilters[] = {TStretchFilter::sfCosine, TStretchFilter::sfSpline,
                                             TStretchFilter::sfLanczos, TStretchFilter::sfMitchell};

std::vector<StretchTap> Taps(std::initializer_list<std::pair<int, int>> pairs) {
    std::vector<StretchTap> taps;
    for (const auto& [index, weight] : pairs) taps.push_back(StretchTap{index, weight});
    return taps;
}

TEST(StretchTables, BicubicListTakesTheExcessOffTheMiddleEntry) {
    // u = 0.25: weights 18 (n = -1, clamped to 0), 157, 81, 1 add up to 257; entry 3 div 2 = 1 gives one back.
    EXPECT_EQ(StretchWeightList(TStretchFilter::sfSpline, 3, 6, 1), Taps({{0, 18}, {0, 156}, {1, 81}, {2, 1}}));
    // The run keeps the unclamped index and the same weights.
    const StretchTapRun run = StretchTaps(TStretchFilter::sfSpline, 3, 6, 1);
    EXPECT_EQ(run.first, -1);
    EXPECT_EQ(run.weights, (std::vector<int>{18, 156, 81, 1}));
}

TEST(StretchTables, KernelValuesAtKnownPoints) {
    struct Case {
        TStretchFilter filter;
        float x;
        float expected;
    };
    const Case cases[] = {
        {TStretchFilter::sfCosine, 0.0f, 1.0f},         {TStretchFilter::sfCosine, 0.5f, 0.5f},
        {TStretchFilter::sfCosine, -0.5f, 0.5f},        {TStretchFilter::sfCosine, 1.0f, 0.0f},
        {TStretchFilter::sfSpline, 0.0f, 2.0f / 3.0f},  {TStretchFilter::sfSpline, 1.0f, 1.0f / 6.0f},
        {TStretchFilter::sfSpline, -1.5f, 1.0f / 48.0f}, {TStretchFilter::sfSpline, 2.0f, 0.0f},
        {TStretchFilter::sfLanczos, 0.0f, 1.0f},        {TStretchFilter::sfLanczos, 1.0f, 0.0f},
        {TStretchFilter::sfLanczos, 2.0f, 0.0f},        {TStretchFilter::sfLanczos, 3.0f, 0.0f},
        {TStretchFilter::sfMitchell, 0.0f, 8.0f / 9.0f}, {TStretchFilter::sfMitchell, 1.0f, 1.0f / 18.0f},
        {TStretchFilter::sfMitchell, 2.0f, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "filter " << static_cast<int>(c.filter) << " x=" << c.x);
        EXPECT_NEAR(StretchKernelValue(c.filter, c.x), c.expected, 1e-6);
    }
    // Lanczos-3 dips below zero between 1 and 2, Mitchell between 1 and 2 as well.
    EXPECT_LT(StretchKernelValue(TStretchFilter::sfLanczos, 1.5f), -0.1f);
    EXPECT_LT(StretchKernelValue(TStretchFilter::sfMitchell, 1.5f), 0.0f);
}

// Every list, for every zoom and a few picture sizes including one pixel, adds up to exactly 256,
// stays inside the picture and runs in source order.
TEST(StretchTables, ListsSumTo256InsideThePicture) {
    for (TStretchFilter filter : kKernelFilters) {
        for (int zoom = 2; zoom <= 32; ++zoom) {
            for (int size : {1, 2, 3, 7}) {
                for (int i = 0; i < size * zoom; ++i) {
                    SCOPED_TRACE(::testing::Message() << "filter " << static_cast<int>(filter) << " z=" << zoom
                                                      << " size=" << size << " i=" << i);
                    const std::vector<StretchTap> list = StretchWeightList(filter, size, size * zoom, i);
                    ASSERT_FALSE(list.empty());
                    int sum = 0;
                    for (std::size_t t = 0; t < list.size(); ++t) {
                        sum += list[t].weight;
                        EXPECT_GE(list[t].index, 0);
                        EXPECT_LT(list[t].index, size);
                        if (t > 0) {
                            EXPECT_GE(list[t].index, list[t - 1].index);
                        }
                    }
                    EXPECT_EQ(sum, 256);
                    EXPECT_LE(static_cast<int>(list.size()), 2 * StretchKernelRadius(filter));
                }
            }
        }
    }
}

// Cosine and B-spline sums are not clamped; that is only sound while their weights stay >= 0.
TEST(StretchTables, NonNegativeKernelsGiveNonNegativeWeights) {
    for (TStretchFilter filter : {TStretchFilter::sfCosine, TStretchFilter::sfSpline})
        for (int zoom = 2; zoom <= 32; ++zoom)
            for (int i = 0; i < 3 * zoom; ++i)
                for (const StretchTap& tap : StretchWeightList(filter, 3, 3 * zoom, i))
                    EXPECT_GE(tap.weight, 0) << "z=" << zoom << " i=" << i;
}

// The rounded 256ths must not hang on the last bits of single precision: a double evaluation of
// the same kernels gives the same weights for every zoom, so compilers and maths libraries that
// round a little differently still draw the same pictures.
double KernelInDouble(TStretchFilter filter, double x) {
    const double pi = 3.14159265358979323846;
    const double a = std::fabs(x);
    auto sinc = [&](double v) { return v == 0.0 ? 1.0 : std::sin(pi * v) / (pi * v); };
    switch (filter) {
        case TStretchFilter::sfCosine: return a < 1 ? (std::cos(pi * a) + 1) / 2 : 0;
        case TStretchFilter::sfSpline:
            return a < 1 ? a * a * a / 2 - a * a + 2.0 / 3 : a < 2 ? std::pow(2 - a, 3) / 6 : 0;
        case TStretchFilter::sfLanczos: return a < 3 ? sinc(a) * sinc(a / 3) : 0;
        case TStretchFilter::sfMitchell:
            return a < 1   ? (7 * a * a * a - 12 * a * a + 16.0 / 3) / 6
                   : a < 2 ? (-(7.0 / 3) * a * a * a + 12 * a * a - 20 * a + 32.0 / 3) / 6
                           : 0;
        default: return 0;
    }
}

TEST(StretchTables, WeightsDoNotDependOnFloatingPointDetails) {
    for (TStretchFilter filter : kKernelFilters) {
        for (int zoom = 2; zoom <= 32; ++zoom) {
            for (int i = 0; i < zoom; ++i) {
                const StretchTapRun run = StretchTaps(filter, 4, 4 * zoom, i);
                for (std::size_t t = 0; t < run.weights.size(); ++t) {
                    const double x = (i + 0.5) / zoom - 0.5 - (run.first + static_cast<int>(t));
                    const double exact = 256 * KernelInDouble(filter, x);
                    SCOPED_TRACE(::testing::Message() << "filter " << static_cast<int>(filter) << " z=" << zoom
                                                      << " i=" << i << " x=" << x);
                    // Far from a half: single precision errs here by some 1e-5 at most.
                    EXPECT_GT(std::fabs(exact - std::floor(exact) - 0.5), 5e-5);
                }
            }
        }
    }
}

// With a whole factor the axis repeats its runs every z pixels, one source pixel further on; the
// table built that way equals the runs worked out one by one.
TEST(StretchTables, KernelAxisEqualsRunsOneByOne) {
    for (TStretchFilter filter : kKernelFilters) {
        for (int zoom : {2, 3, 5, 8, 13, 32}) {
            for (int size : {1, 4, 9}) {
                const KernelAxis axis = BuildKernelAxis(filter, size, size * zoom, 8);
                EXPECT_EQ(axis.period, zoom);
                for (int i = 0; i < size * zoom + 8; ++i) {
                    SCOPED_TRACE(::testing::Message() << "filter " << static_cast<int>(filter) << " z=" << zoom
                                                      << " size=" << size << " i=" << i);
                    const StretchTapRun run = StretchTaps(filter, size, size * zoom, i);
                    ASSERT_LE(run.weights.size(), static_cast<std::size_t>(axis.taps));
                    EXPECT_EQ(axis.first[static_cast<std::size_t>(i)], run.first);
                    for (int t = 0; t < axis.taps; ++t) {
                        const std::size_t k = static_cast<std::size_t>(t);
                        const int expected = k < run.weights.size() ? run.weights[k] : 0;
                        EXPECT_EQ(axis.Weights(i)[t], expected);
                    }
                }
            }
        }
    }
}

TEST(StretchTables, BilinearAxisDoublingTwoPixels) {
    // u = -0.25, 0.25, 0.75, 1.25: the ends clamp, the last one becomes (0, 1) with all weight on 1.
    const BilinearAxis axis = BuildBilinearAxis(2, 4);
    EXPECT_EQ(axis.first, (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(axis.second, (std::vector<int>{1, 1, 1, 1}));
    EXPECT_EQ(axis.weight, (std::vector<int>{256, 192, 64, 0}));
}

TEST(StretchTables, BilinearAxisStaysInsideThePicture) {
    for (int zoom = 2; zoom <= 32; ++zoom) {
        for (int size : {1, 2, 5}) {
            const BilinearAxis axis = BuildBilinearAxis(size, size * zoom);
            for (int i = 0; i < size * zoom; ++i) {
                SCOPED_TRACE(::testing::Message() << "z=" << zoom << " size=" << size << " i=" << i);
                const std::size_t k = static_cast<std::size_t>(i);
                EXPECT_GE(axis.first[k], 0);
                EXPECT_LT(axis.second[k], size);
                EXPECT_GE(axis.weight[k], 0);
                EXPECT_LE(axis.weight[k], 256);
                if (size > 1) {
                    EXPECT_EQ(axis.second[k], axis.first[k] + 1);
                }
            }
        }
    }
}

}  // namespace
}  // namespace orvelle
