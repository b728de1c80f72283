// The portable stretch path: plain integer loops, the reference the vector paths must match.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/StretchPaths.h"

namespace orvelle {

namespace {

void BilinearScalar(const BilinearJob& job) {
    const int width = job.area.Width();
    const std::size_t left = static_cast<std::size_t>(job.area.left);
    const int* first = job.columns->first.data() + left;
    const int* second = job.columns->second.data() + left;
    const int* weight = job.columns->weight.data() + left;
    std::vector<Pixel> scratch(2 * static_cast<std::size_t>(width));
    RunBilinear(
        job, scratch.data(),
        [&](const Pixel* source, Pixel* out) {
            for (int i = 0; i < width; ++i) out[i] = BlendPixels(source[first[i]], source[second[i]], weight[i]);
        },
        [&](const Pixel* top, const Pixel* bottom, int weightTop, Pixel* out) {
            for (int i = 0; i < width; ++i) out[i] = BlendPixels(top[i], bottom[i], weightTop);
        });
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
    const bool clamp = job.clamp;
    const int left = job.area.left;
    const int width = job.area.Width();
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
        [&](const std::int32_t* sums, Pixel* out) {
            for (int k = 0; k < width; ++k) {
                const int i = left + k;
                const std::int32_t* v = sums + 4 * static_cast<std::ptrdiff_t>(columns.first[static_cast<std::size_t>(i)] - lo);
                const int* w = columns.Weights(i);
                Pixel pixel = 0;
                for (int channel = 0; channel < 4; ++channel) {
                    // The sum is in 65536ths; the channel is its bits 16..23.
                    std::int32_t sum = 0;
                    for (int t = 0; t < taps; ++t) sum += w[t] * v[4 * t + channel];
                    if (clamp) sum = std::clamp(sum, 0, 0xFF0000);
                    pixel |= ((static_cast<std::uint32_t>(sum) >> 16) & 0xFFu) << (8 * channel);
                }
                out[k] = pixel;
            }
        });
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
