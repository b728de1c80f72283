// The parts of the stretch drawing that exist once per instruction set, and the row loops they
// share. Every path computes exactly the same pixels; only the inner loops differ.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/Image.h"
#include "engine/StretchTables.h"

namespace orvelle {

// The paths' working arrays. The drawing keeps them from one call to the next (Stretch.cpp), so
// that repainting the same view allocates nothing. The paths ask for them by slot and own no
// containers: a container's code compiled in a file for wider instructions could be linked in
// for every other file's use of it.
enum class ScratchSlot {
    BilinearRows,  // two horizontally resampled rows
    KernelSums,    // the vertical sums of one destination row
    PairedSums,    // the same, two columns per lane
    WindowStart,   // per pixel slot of the vector kernel rows
    WindowEnd,
    Weights,
    Offsets,  // per pixel (pair) of a destination row
    Phases,
};
constexpr int kScratchSlotCount = 8;

class StretchScratch;

// At least `bytes` bytes for `slot`, aligned for any vector register. Asking for a slot again
// gives the same memory, unless more bytes are asked for: then it may move, and its contents are
// lost. Only asking for a slot allocates, and only when it grows.
void* ScratchMemory(StretchScratch& scratch, ScratchSlot slot, std::size_t bytes);

struct BilinearJob {
    ConstImageRef src;
    ImageRef dst;
    Rect area;  // inside dst, not empty
    const BilinearAxis* columns;
    const BilinearAxis* rows;
    StretchScratch* scratch;
};

// The kernel method. The column axis carries kStretchOverhang extra entries past the right edge.
struct KernelJob {
    ConstImageRef src;
    ImageRef dst;
    Rect area;
    const KernelAxis* columns;
    const KernelAxis* rows;
    bool clamp;  // clamp the sums to 0..0xFF0000 (kernels with negative lobes)
    StretchScratch* scratch;
    // Which tables these are: each new pair of tables takes a new number, so
    // that a plan made for earlier ones (KernelPlan.h) is not used for them.
    unsigned long long tables = 0;
};

constexpr int kStretchOverhang = 8;
constexpr int kStretchMaxTaps = 8;  // a kernel of radius r has at most 2r non-zero taps

// Block replication: the run [begin, end) of a destination row shows source column `column`.
struct NearestRun {
    int column;
    int begin;
    int end;
};

struct StretchPath {
    void (*bilinear)(const BilinearJob& job);
    void (*kernel)(const KernelJob& job);
    // runLength: the length every run but the first and the last has (a whole factor), else 0.
    void (*fillRuns)(const Pixel* sourceRow, const NearestRun* runs, int count, int runLength, Pixel* out);
};

const StretchPath& ScalarStretchPath();
const StretchPath* Sse2StretchPath();  // null when the build has no SSE2
const StretchPath* Avx2StretchPath();  // null when the build cannot generate AVX2

// One bilinear step on all four channels at once: per channel floor((a * weightA + b * (256 -
// weightA)) / 256). Two channels share a 32-bit word; a lane never exceeds 255 * 256.
// The helpers below are static: the SIMD files compile them for their own
// instructions, and no other file may end up calling those copies.
static inline Pixel BlendPixels(Pixel a, Pixel b, int weightA) {
    const std::uint32_t wa = static_cast<std::uint32_t>(weightA);
    const std::uint32_t wb = 256u - wa;
    const std::uint32_t rb = (((a & 0x00FF00FFu) * wa + (b & 0x00FF00FFu) * wb) >> 8) & 0x00FF00FFu;
    const std::uint32_t ag = ((((a >> 8) & 0x00FF00FFu) * wa + ((b >> 8) & 0x00FF00FFu) * wb) >> 8) & 0x00FF00FFu;
    return rb | (ag << 8);
}

// Bilinear rows: each destination row blends two horizontally resampled source rows, and each
// of those is resampled once however many destination rows use it.
// horizontal(sourceRow, out) fills the area's width; blend(top, bottom, weightTop, out) too.
template <class Horizontal, class Blend>
void RunBilinear(const BilinearJob& job, Pixel* scratch, Horizontal horizontal, Blend blend) {
    const int width = job.area.Width();
    Pixel* buffers[2] = {scratch, scratch + width};
    int cached[2] = {-1, -1};
    auto resampled = [&](int sourceRow, int keep) -> const Pixel* {
        for (int k = 0; k < 2; ++k)
            if (cached[k] == sourceRow) return buffers[k];
        const int k = cached[0] == keep ? 1 : 0;
        horizontal(job.src.Row(sourceRow), buffers[k]);
        cached[k] = sourceRow;
        return buffers[k];
    };
    for (int j = job.area.top; j < job.area.bottom; ++j) {
        const int q0 = job.rows->first[static_cast<std::size_t>(j)];
        const int q1 = job.rows->second[static_cast<std::size_t>(j)];
        const Pixel* top = resampled(q0, q1);
        const Pixel* bottom = resampled(q1, q0);
        blend(top, bottom, job.rows->weight[static_cast<std::size_t>(j)], job.dst.Row(j) + job.area.left);
    }
}

// The vector paths keep vertical sums V in 16-bit lanes for pmaddwd, in one of two forms:
// - narrow, when no weight is negative: then 0 <= V <= 255 * 256, so V - 32768 fits 16 bits and
//   two neighbouring columns share a 32-bit lane, one pmaddwd taking two taps. The horizontal sum
//   also lies in 0..0xFF0000, so neither the clamp nor the bit mask can change it.
// - split, for kernels with negative lobes: the lane holds (V & 63, V >> 6) and the weight w is
//   given as (w, 64 * w), one pmaddwd per tap.
static inline bool NarrowSumsFit(const KernelAxis& columns, const KernelAxis& rows) {
    auto nonNegative = [](const KernelAxis& axis) {
        return std::all_of(axis.weights.begin(), axis.weights.end(), [](int w) { return w >= 0; });
    };
    return nonNegative(columns) && nonNegative(rows);
}

// Where the weights of one destination index really end: the runs are zero padded to a common length.
static inline int RunLength(const KernelAxis& axis, int i) {
    const int* w = axis.Weights(i);
    int length = axis.taps;
    while (length > 1 && w[length - 1] == 0) --length;
    return length;
}

// Two 16-bit values in one 32-bit lane for pmaddwd; `low` pairs with the lane's low half.
static inline std::int32_t WordPair(int low, int high) {
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(high) << 16) |
                                     (static_cast<std::uint32_t>(low) & 0xFFFFu));
}

// The source rows and weights of one destination row of the kernel method, clamped to the picture.
struct KernelRows {
    const Pixel* rows[kStretchMaxTaps];
    int weights[kStretchMaxTaps];
    int count;
};

// Kernel rows: per destination row, the vertical sums of the source columns lo..hi (unclamped,
// `columnInts` int32s each, in the path's own format) are made once, with the columns outside
// the picture repeating its edge, and then resampled horizontally.
// columnSums(rows, firstColumn, columnCount, out); row(sums, out) with sums[0] being column lo.
// The sums are followed by a column of slack for vector loads that reach past hi.
template <class Sums, class Row>
void RunKernel(const KernelJob& job, int lo, int hi, int columnInts, Sums columnSums, Row row) {
    const int lastColumn = job.src.width - 1;
    const int cLo = std::clamp(lo, 0, lastColumn);
    const int cHi = std::clamp(hi, 0, lastColumn);
    // At least one column is inside the picture, for the border to repeat.
    const int first = std::min(lo, cLo);
    const int last = std::max(hi, cHi);
    const std::ptrdiff_t stride = columnInts;
    const std::size_t columnBytes = sizeof(std::int32_t) * static_cast<std::size_t>(stride);
    const std::size_t columns = static_cast<std::size_t>(last - first + 2);
    std::int32_t* const sums =
        static_cast<std::int32_t*>(ScratchMemory(*job.scratch, ScratchSlot::KernelSums, columns * columnBytes));
    // Every row writes all columns but the slack; it reads as zero, as in a fresh buffer.
    std::memset(sums + stride * (last + 1 - first), 0, columnBytes);
    std::int32_t* const inside = sums + stride * (cLo - first);
    std::int32_t* const origin = sums + stride * (lo - first);
    const KernelAxis& rowAxis = *job.rows;
    for (int j = job.area.top; j < job.area.bottom; ++j) {
        KernelRows rows;
        rows.count = rowAxis.taps;
        const int* weights = rowAxis.Weights(j);
        for (int t = 0; t < rowAxis.taps; ++t) {
            const int sourceRow = std::clamp(rowAxis.first[static_cast<std::size_t>(j)] + t, 0, job.src.height - 1);
            rows.rows[t] = job.src.Row(sourceRow);
            rows.weights[t] = weights[t];
        }
        columnSums(rows, cLo, cHi - cLo + 1, inside);
        for (int n = first; n < cLo; ++n) std::memcpy(sums + stride * (n - first), inside, columnBytes);
        for (int n = cHi + 1; n <= last; ++n)
            std::memcpy(sums + stride * (n - first), sums + stride * (cHi - first), columnBytes);
        row(static_cast<const std::int32_t*>(origin), job.dst.Row(j) + job.area.left);
    }
}

}  // namespace orvelle
