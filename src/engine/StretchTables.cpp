#include "engine/StretchTables.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace orvelle {

namespace {

constexpr float kPi = 3.14159265358979323846f;

long long FloorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
long long CeilDiv(long long a, long long b) { return -FloorDiv(-a, b); }

float Sinc(float v) {
    if (v == 0.0f) return 1.0f;
    const float pv = kPi * v;
    return std::sin(pv) / pv;
}

}  // namespace

int StretchKernelRadius(TStretchFilter filter) {
    switch (filter) {
        case TStretchFilter::sfCosine: return 1;
        case TStretchFilter::sfSpline: return 2;
        case TStretchFilter::sfLanczos: return 3;
        case TStretchFilter::sfMitchell: return 2;
        default: return 0;
    }
}

bool StretchKernelClamps(TStretchFilter filter) {
    return filter == TStretchFilter::sfLanczos || filter == TStretchFilter::sfMitchell;
}

float StretchKernelValue(TStretchFilter filter, float x) {
    const float a = std::fabs(x);
    switch (filter) {
        case TStretchFilter::sfCosine:
            if (a < 1.0f) return (std::cos(kPi * a) + 1.0f) / 2.0f;
            return 0.0f;
        case TStretchFilter::sfSpline:
            if (a < 1.0f) return a * a * a / 2.0f - a * a + 2.0f / 3.0f;
            if (a < 2.0f) {
                const float b = 2.0f - a;
                return b * b * b / 6.0f;
            }
            return 0.0f;
        case TStretchFilter::sfLanczos:
            if (a < 3.0f) return Sinc(a) * Sinc(a / 3.0f);
            return 0.0f;
        case TStretchFilter::sfMitchell:
            if (a < 1.0f) return (7.0f * a * a * a - 12.0f * a * a + 16.0f / 3.0f) / 6.0f;
            if (a < 2.0f) return (-(7.0f / 3.0f) * a * a * a + 12.0f * a * a - 20.0f * a + 32.0f / 3.0f) / 6.0f;
            return 0.0f;
        default:
            return 0.0f;
    }
}

StretchTapRun StretchTaps(TStretchFilter filter, int srcSize, int dstSize, int dst) {
    const long long r = StretchKernelRadius(filter);
    // u = centre / den exactly; source index n sits at kernel argument (centre - n * den) / den.
    const long long den = 2LL * dstSize;
    const long long centre = (2LL * dst + 1) * srcSize - dstSize;
    const long long lo = FloorDiv(centre - r * den, den);
    const long long hi = CeilDiv(centre + r * den, den);

    struct Entry {
        long long n;
        int weight;
    };
    std::vector<Entry> entries;
    int sum = 0;
    for (long long n = lo; n <= hi; ++n) {
        const float x = static_cast<float>(static_cast<double>(centre - n * den) / static_cast<double>(den));
        const int weight = static_cast<int>(std::nearbyint(256.0f * StretchKernelValue(filter, x)));
        if (weight == 0) continue;
        entries.push_back(Entry{n, weight});
        sum += weight;
    }

    StretchTapRun run;
    if (entries.empty()) {  // only for a filter without a kernel: take the nearest pixel
        run.first = static_cast<int>(FloorDiv(centre + dstSize, den));
        run.weights.push_back(256);
        return run;
    }
    entries[(entries.size() - 1) / 2].weight -= sum - 256;
    run.first = static_cast<int>(entries.front().n);
    run.weights.assign(static_cast<std::size_t>(entries.back().n - entries.front().n + 1), 0);
    for (const Entry& e : entries) run.weights[static_cast<std::size_t>(e.n - entries.front().n)] = e.weight;
    return run;
}

std::vector<StretchTap> StretchWeightList(TStretchFilter filter, int srcSize, int dstSize, int dst) {
    const StretchTapRun run = StretchTaps(filter, srcSize, dstSize, dst);
    std::vector<StretchTap> list;
    for (std::size_t t = 0; t < run.weights.size(); ++t) {
        if (run.weights[t] == 0) continue;
        const int index = std::clamp(run.first + static_cast<int>(t), 0, srcSize - 1);
        list.push_back(StretchTap{index, run.weights[t]});
    }
    return list;
}

KernelAxis BuildKernelAxis(TStretchFilter filter, int srcSize, int dstSize, int overhang) {
    KernelAxis axis;
    const int count = dstSize + overhang;
    axis.period = dstSize % srcSize == 0 ? dstSize / srcSize : 0;

    // With a whole factor one period of runs gives all others, shifted by whole source pixels.
    const int distinct = axis.period > 0 ? std::min(axis.period, count) : count;
    std::vector<StretchTapRun> runs(static_cast<std::size_t>(distinct));
    for (int i = 0; i < distinct; ++i) {
        runs[static_cast<std::size_t>(i)] = StretchTaps(filter, srcSize, dstSize, i);
        axis.taps = std::max(axis.taps, static_cast<int>(runs[static_cast<std::size_t>(i)].weights.size()));
    }

    axis.first.resize(static_cast<std::size_t>(count));
    axis.weights.assign(static_cast<std::size_t>(count) * static_cast<std::size_t>(axis.taps), 0);
    for (int i = 0; i < count; ++i) {
        const int phase = axis.period > 0 ? i % axis.period : i;
        const int shift = axis.period > 0 ? i / axis.period : 0;
        const StretchTapRun& run = runs[static_cast<std::size_t>(phase)];
        axis.first[static_cast<std::size_t>(i)] = run.first + shift;
        std::copy(run.weights.begin(), run.weights.end(),
                  axis.weights.begin() + static_cast<std::ptrdiff_t>(i) * axis.taps);
    }
    return axis;
}

BilinearAxis BuildBilinearAxis(int srcSize, int dstSize) {
    BilinearAxis axis;
    const std::size_t count = static_cast<std::size_t>(dstSize);
    axis.first.resize(count);
    axis.second.resize(count);
    axis.weight.resize(count);
    std::vector<int> p(count);

    const long long den = 2LL * dstSize;
    const long long maxNum = static_cast<long long>(srcSize - 1) * den;
    for (std::size_t i = 0; i < count; ++i) {
        // u = num / den, clamped to [0, srcSize - 1]; the weight of the left pixel is
        // 256 - round(frac(u) * 256) with halves to even.
        const long long num = std::clamp((2LL * static_cast<long long>(i) + 1) * srcSize - dstSize, 0LL, maxNum);
        const long long whole = num / den;
        const long long scaled = (num - whole * den) * 256;
        long long fraction = scaled / den;
        const long long rest = scaled % den;
        if (2 * rest > den || (2 * rest == den && (fraction & 1) != 0)) ++fraction;
        p[i] = static_cast<int>(whole);
        axis.weight[i] = 256 - static_cast<int>(fraction);
    }
    // The clamped end has no right neighbour: blend the last two pixels with all weight on the last.
    for (std::size_t i = count; i-- > 0 && p[i] == srcSize - 1;) {
        p[i] = srcSize - 2;
        axis.weight[i] = 0;
    }
    for (std::size_t i = 0; i < count; ++i) {
        // A picture one pixel wide blends its only pixel with itself.
        axis.first[i] = std::max(p[i], 0);
        axis.second[i] = std::min(p[i] + 1, srcSize - 1);
    }
    return axis;
}

}  // namespace orvelle
