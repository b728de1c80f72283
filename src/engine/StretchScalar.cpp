// The portable stretch path: plain integer loops, the reference the vector paths must match.
#include <algorithm>
#include <cstdint>

#include "engine/StretchPaths.h"

namespace orvelle {

namespace {

void BilinearScalar(const BilinearJob& job) {
    const int width = job.area.Width();
    const std::size_t left = static_cast<std::size_t>(job.area.left);
    const int* first = job.columns->first.data() + left;
    const int* second = job.columns->second.data() + left;
    const int* weight = job.columns->weight.data() + left;
    Pixel* const scratch = static_cast<Pixel*>(
        ScratchMemory(*job.scratch, ScratchSlot::BilinearRows, 2 * sizeof(Pixel) * static_cast<std::size_t>(width)));
    RunBilinear(
        job, scratch,
        [&](const Pixel* source, Pixel* out) {
            for (int i = 0; i < width; ++i) out[i] = BlendPixels(source[first[i]], source[second[i]], weight[i]);
        },
        [&](const Pixel* top, const Pixel* bottom, int weightTop, Pixel* out) {
            for (int i = 0; i < width; ++i) out[i] = BlendPixels(top[i], bottom[i], weightTop);
        });
}

struct ScalarRowPlan {
    const KernelAxis* columns;
    int lo;  // the column of sums[0]
    int left;
    int width;
};

// One destination row: per pixel and channel the sum over its run, in 65536ths; the channel is
// bits 16..23 of it, after the clamp for the kernels with negative lobes.
// Taps 0: as many as the axis has.
template <int Taps, bool Clamp>
void KernelRowScalar(const std::int32_t* sums, const ScalarRowPlan& plan, Pixel* out) {
    const KernelAxis& columns = *plan.columns;
    const int taps = Taps > 0 ? Taps : columns.taps;
    for (int k = 0; k < plan.width; ++k) {
        const int i = plan.left + k;
        const int column = columns.first[static_cast<std::size_t>(i)];
        const std::int32_t* v = sums + 4 * static_cast<std::ptrdiff_t>(column - plan.lo);
        const int* w = columns.Weights(i);
        std::int32_t sum[4] = {0, 0, 0, 0};
        for (int t = 0; t < taps; ++t)
            for (int channel = 0; channel < 4; ++channel) sum[channel] += w[t] * v[4 * t + channel];
        Pixel pixel = 0;
        for (int channel = 0; channel < 4; ++channel) {
            const std::int32_t s = Clamp ? std::clamp(sum[channel], 0, 0xFF0000) : sum[channel];
            pixel |= ((static_cast<std::uint32_t>(s) >> 16) & 0xFFu) << (8 * channel);
        }
        out[k] = pixel;
    }
}

using ScalarRowFn = void (*)(const std::int32_t*, const ScalarRowPlan&, Pixel*);

template <bool Clamp>
ScalarRowFn PickScalarRow(int taps) {
    switch (taps) {
        case 1: return KernelRowScalar<1, Clamp>;
        case 2: return KernelRowScalar<2, Clamp>;
        case 3: return KernelRowScalar<3, Clamp>;
        case 4: return KernelRowScalar<4, Clamp>;
        case 5: return KernelRowScalar<5, Clamp>;
        case 6: return KernelRowScalar<6, Clamp>;
        default: return KernelRowScalar<0, Clamp>;
    }
}

void KernelScalar(const KernelJob& job) {
    const KernelAxis& columns = *job.columns;
    const int taps = columns.taps;
    int lo = columns.first[static_cast<std::size_t>(job.area.left)];
    int hi = lo;
    for (int i = job.area.left; i < job.area.right; ++i) {
        lo = std::min(lo, columns.first[static_cast<std::size_t>(i)]);
        hi = std::max(hi, columns.first[static_cast<std::size_t>(i)] + taps - 1);
    }
    const ScalarRowPlan plan{&columns, lo, job.area.left, job.area.Width()};
    const ScalarRowFn row = job.clamp ? PickScalarRow<true>(taps) : PickScalarRow<false>(taps);
    RunKernel(
        job, lo, hi, 4,
        [](const KernelRows& rows, int firstColumn, int count, std::int32_t* out) {
            for (int c = 0; c < count; ++c) {
                for (int channel = 0; channel < 4; ++channel) {
                    std::int32_t sum = 0;
                    for (int t = 0; t < rows.count; ++t)
                        sum += rows.weights[t] *
                               static_cast<std::int32_t>((rows.rows[t][firstColumn + c] >> (8 * channel)) & 0xFFu);
                    out[4 * c + channel] = sum;
                }
            }
        },
        [&](const std::int32_t* sums, Pixel* out) { row(sums, plan, out); });
}

void FillRunsScalar(const Pixel* sourceRow, const NearestRun* runs, int count, int, Pixel* out) {
    for (int k = 0; k < count; ++k) std::fill(out + runs[k].begin, out + runs[k].end, sourceRow[runs[k].column]);
}

}  // namespace

const StretchPath& ScalarStretchPath() {
    static const StretchPath path{BilinearScalar, KernelScalar, FillRunsScalar};
    return path;
}

}  // namespace orvelle
