// The stretch inner loops with SSE2: four channels of a pixel in 16-bit or 32-bit lanes. The
// kernel sums use pmaddwd on vertical sums kept in one of the two forms of StretchPaths.h.
#include "engine/StretchPaths.h"

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)

#include <emmintrin.h>

#include <cstdint>
#include <vector>

namespace orvelle {

namespace {

// Backing store for tables of vectors (a vector of __m128i would drop its alignment attribute).
struct alignas(16) Lanes128 {
    std::int32_t lane[4];
};

__m128i SplitSums(__m128i v) {
    return _mm_or_si128(_mm_slli_epi32(_mm_srai_epi32(v, 6), 16), _mm_and_si128(v, _mm_set1_epi32(63)));
}

// Per channel floor((a * wa + b * wb) / 256) on 16-bit lanes; no lane exceeds 255 * 256.
__m128i BlendLanes(__m128i a, __m128i b, __m128i wa, __m128i wb) {
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(a, wa), _mm_mullo_epi16(b, wb)), 8);
}

__m128i LoadPixel(const Pixel* p) { return _mm_cvtsi32_si128(static_cast<int>(*p)); }

__m128i Gather4(const Pixel* source, const int* index) {
    return _mm_setr_epi32(static_cast<int>(source[index[0]]), static_cast<int>(source[index[1]]),
                          static_cast<int>(source[index[2]]), static_cast<int>(source[index[3]]));
}

__m128i WeightLanes(int w0, int w1) {
    return _mm_unpacklo_epi64(_mm_set1_epi16(static_cast<short>(w0)), _mm_set1_epi16(static_cast<short>(w1)));
}

void BilinearSse2(const BilinearJob& job) {
    const int width = job.area.Width();
    const std::size_t left = static_cast<std::size_t>(job.area.left);
    const int* first = job.columns->first.data() + left;
    const int* second = job.columns->second.data() + left;
    const int* weight = job.columns->weight.data() + left;
    std::vector<Pixel> scratch(2 * static_cast<std::size_t>(width));
    const __m128i zero = _mm_setzero_si128();
    const __m128i full = _mm_set1_epi16(256);
    RunBilinear(
        job, scratch.data(),
        [&](const Pixel* source, Pixel* out) {
            int i = 0;
            for (; i + 4 <= width; i += 4) {
                const __m128i a = Gather4(source, first + i);
                const __m128i b = Gather4(source, second + i);
                const __m128i w01 = WeightLanes(weight[i], weight[i + 1]);
                const __m128i w23 = WeightLanes(weight[i + 2], weight[i + 3]);
                const __m128i lo = BlendLanes(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero), w01,
                                              _mm_sub_epi16(full, w01));
                const __m128i hi = BlendLanes(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero), w23,
                                              _mm_sub_epi16(full, w23));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(lo, hi));
            }
            for (; i < width; ++i) out[i] = BlendPixels(source[first[i]], source[second[i]], weight[i]);
        },
        [&](const Pixel* top, const Pixel* bottom, int weightTop, Pixel* out) {
            const __m128i wa = _mm_set1_epi16(static_cast<short>(weightTop));
            const __m128i wb = _mm_set1_epi16(static_cast<short>(256 - weightTop));
            int i = 0;
            for (; i + 4 <= width; i += 4) {
                const __m128i t = _mm_loadu_si128(reinterpret_cast<const __m128i*>(top + i));
                const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bottom + i));
                const __m128i lo = BlendLanes(_mm_unpacklo_epi8(t, zero), _mm_unpacklo_epi8(b, zero), wa, wb);
                const __m128i hi = BlendLanes(_mm_unpackhi_epi8(t, zero), _mm_unpackhi_epi8(b, zero), wa, wb);
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(lo, hi));
            }
            for (; i < width; ++i) out[i] = BlendPixels(top[i], bottom[i], weightTop);
        });
}

// Vertical sums of `count` columns, narrow (V - 32768) or split, two source rows per pmaddwd.
template <bool Narrow>
void ColumnSumsSse2(const KernelRows& rows, int firstColumn, int count, std::int32_t* out) {
    const int pairs = (rows.count + 1) / 2;
    const Pixel* upper[kStretchMaxTaps / 2];
    const Pixel* lower[kStretchMaxTaps / 2];
    __m128i weights[kStretchMaxTaps / 2];
    for (int p = 0; p < pairs; ++p) {
        const bool single = 2 * p + 1 >= rows.count;
        upper[p] = rows.rows[2 * p] + firstColumn;
        lower[p] = (single ? rows.rows[2 * p] : rows.rows[2 * p + 1]) + firstColumn;
        weights[p] = _mm_set1_epi32(WordPair(rows.weights[2 * p], single ? 0 : rows.weights[2 * p + 1]));
    }
    const __m128i zero = _mm_setzero_si128();
    const __m128i start = Narrow ? _mm_set1_epi32(-32768) : zero;
    auto finish = [](__m128i v) { return Narrow ? v : SplitSums(v); };
    __m128i* o = reinterpret_cast<__m128i*>(out);
    int c = 0;
    for (; c + 4 <= count; c += 4) {
        __m128i s0 = start, s1 = start, s2 = start, s3 = start;
        for (int p = 0; p < pairs; ++p) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(upper[p] + c));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lower[p] + c));
            const __m128i al = _mm_unpacklo_epi8(a, zero), bl = _mm_unpacklo_epi8(b, zero);
            const __m128i ah = _mm_unpackhi_epi8(a, zero), bh = _mm_unpackhi_epi8(b, zero);
            s0 = _mm_add_epi32(s0, _mm_madd_epi16(_mm_unpacklo_epi16(al, bl), weights[p]));
            s1 = _mm_add_epi32(s1, _mm_madd_epi16(_mm_unpackhi_epi16(al, bl), weights[p]));
            s2 = _mm_add_epi32(s2, _mm_madd_epi16(_mm_unpacklo_epi16(ah, bh), weights[p]));
            s3 = _mm_add_epi32(s3, _mm_madd_epi16(_mm_unpackhi_epi16(ah, bh), weights[p]));
        }
        _mm_storeu_si128(o + c, finish(s0));
        _mm_storeu_si128(o + c + 1, finish(s1));
        _mm_storeu_si128(o + c + 2, finish(s2));
        _mm_storeu_si128(o + c + 3, finish(s3));
    }
    for (; c < count; ++c) {
        __m128i s = start;
        for (int p = 0; p < pairs; ++p) {
            const __m128i a = _mm_unpacklo_epi8(LoadPixel(upper[p] + c), zero);
            const __m128i b = _mm_unpacklo_epi8(LoadPixel(lower[p] + c), zero);
            s = _mm_add_epi32(s, _mm_madd_epi16(_mm_unpacklo_epi16(a, b), weights[p]));
        }
        _mm_storeu_si128(o + c, finish(s));
    }
}

// Narrow sums of columns n and n + 1 into one lane per channel, for n < count (reads column count).
void PairColumnsSse2(const std::int32_t* sums, int count, std::int32_t* out) {
    const __m128i low = _mm_set1_epi32(0xFFFF);
    for (int n = 0; n < count; ++n) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sums + 4 * n));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sums + 4 * n + 4));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * n), _mm_or_si128(_mm_and_si128(a, low), _mm_slli_epi32(b, 16)));
    }
}

struct PixelPlan {
    const int* offset;  // per pixel, into the sums in int32s
    const int* phase;   // per pixel, into the weights in vectors
    const __m128i* weights;
    int width;
};

// One destination row, a pixel per register; see the AVX2 loops for the two forms of sums.
template <int Steps, bool Narrow, bool Clamp>
void KernelRowSse2(const std::int32_t* sums, const PixelPlan& plan, Pixel* out) {
    constexpr int kStep = Narrow ? 8 : 4;  // int32s per pmaddwd: two columns or one
    auto pixel = [&](int k) {
        const std::int32_t* v = sums + plan.offset[k];
        const __m128i* w = plan.weights + plan.phase[k];
        __m128i acc = _mm_madd_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(v)), w[0]);
        for (int m = 1; m < Steps; ++m)
            acc = _mm_add_epi32(
                acc, _mm_madd_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(v + kStep * m)), w[m]));
        acc = _mm_srai_epi32(acc, 16);
        return Narrow || Clamp ? acc : _mm_and_si128(acc, _mm_set1_epi32(0xFF));
    };
    auto four = [&](int k) {
        const __m128i ab = _mm_packs_epi32(pixel(k), pixel(k + 1)), cd = _mm_packs_epi32(pixel(k + 2), pixel(k + 3));
        return Narrow ? _mm_xor_si128(_mm_packs_epi16(ab, cd), _mm_set1_epi8(-128)) : _mm_packus_epi16(ab, cd);
    };
    int k = 0;
    for (; k + 4 <= plan.width; k += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(out + k), four(k));
    if (k < plan.width) {
        Pixel tail[4];
        _mm_storeu_si128(reinterpret_cast<__m128i*>(tail), four(k));
        for (int m = 0; k + m < plan.width; ++m) out[k + m] = tail[m];
    }
}

using KernelRowFn = void (*)(const std::int32_t*, const PixelPlan&, Pixel*);

template <bool Narrow, bool Clamp>
KernelRowFn PickRow(int steps) {
    switch (steps) {
        case 1: return KernelRowSse2<1, Narrow, Clamp>;
        case 2: return KernelRowSse2<2, Narrow, Clamp>;
        case 3: return KernelRowSse2<3, Narrow, Clamp>;
        case 4: return KernelRowSse2<4, Narrow, Clamp>;
        case 5: return KernelRowSse2<5, Narrow, Clamp>;
        case 6: return KernelRowSse2<6, Narrow, Clamp>;
        case 7: return KernelRowSse2<7, Narrow, Clamp>;
        case 8: return KernelRowSse2<8, Narrow, Clamp>;
        default: return nullptr;
    }
}

void KernelSse2(const KernelJob& job) {
    const KernelAxis& columns = *job.columns;
    if (columns.period == 0 || job.rows->taps > kStretchMaxTaps) {
        ScalarStretchPath().kernel(job);
        return;
    }
    const int period = columns.period;
    const bool narrow = NarrowSumsFit(columns, *job.rows);
    int length = 0;
    for (int f = 0; f < period; ++f) length = std::max(length, RunLength(columns, f));
    const int steps = narrow ? (length + 1) / 2 : length;
    const int window = narrow ? 2 * steps : steps;
    const KernelRowFn row = narrow      ? PickRow<true, false>(steps)
                            : job.clamp ? PickRow<false, true>(steps)
                                        : PickRow<false, false>(steps);
    if (row == nullptr) {
        ScalarStretchPath().kernel(job);
        return;
    }
    // With a whole factor the weights of pixel i are those of phase i mod z.
    std::vector<Lanes128> weights(static_cast<std::size_t>(period) * static_cast<std::size_t>(steps));
    for (int f = 0; f < period; ++f) {
        const int* w = columns.Weights(f);
        auto tap = [&](int t) { return t < columns.taps ? w[t] : 0; };
        for (int m = 0; m < steps; ++m) {
            const std::int32_t word = narrow ? WordPair(tap(2 * m), tap(2 * m + 1)) : WordPair(tap(m), 64 * tap(m));
            for (std::int32_t& lane : weights[static_cast<std::size_t>(f * steps + m)].lane) lane = word;
        }
    }

    const int width = job.area.Width();
    const int planned = (width + 3) & ~3;  // whole groups of four, the last one partly discarded
    std::vector<int> offset(static_cast<std::size_t>(planned));
    std::vector<int> phase(static_cast<std::size_t>(planned));
    auto first = [&](int i) { return columns.first[static_cast<std::size_t>(i)]; };
    int lo = first(job.area.left);
    int hi = lo;
    for (int k = 0; k < planned; ++k) {
        lo = std::min(lo, first(job.area.left + k));
        hi = std::max(hi, first(job.area.left + k) + window - 1);
    }
    for (int k = 0; k < planned; ++k) {
        const int i = job.area.left + k;
        offset[static_cast<std::size_t>(k)] = 4 * (first(i) - lo);
        phase[static_cast<std::size_t>(k)] = (i % period) * steps;
    }
    const PixelPlan plan{offset.data(), phase.data(), reinterpret_cast<const __m128i*>(weights.data()), width};
    if (narrow) {
        std::vector<std::int32_t> paired(4 * static_cast<std::size_t>(hi - lo + 1));
        RunKernel(job, lo, hi, ColumnSumsSse2<true>, [&](const std::int32_t* sums, Pixel* out) {
            PairColumnsSse2(sums, hi - lo, paired.data());
            row(paired.data(), plan, out);
        });
    } else {
        RunKernel(job, lo, hi, ColumnSumsSse2<false>,
                  [&](const std::int32_t* sums, Pixel* out) { row(sums, plan, out); });
    }
}

// Runs of four or more pixels take whole vector stores, the last one overlapping the one before.
void FillRunsSse2(const Pixel* sourceRow, const NearestRun* runs, int count, int, Pixel* out) {
    for (int k = 0; k < count; ++k) {
        const NearestRun& run = runs[k];
        const Pixel value = sourceRow[run.column];
        if (run.end - run.begin < 4) {
            for (int i = run.begin; i < run.end; ++i) out[i] = value;
            continue;
        }
        const __m128i v = _mm_set1_epi32(static_cast<int>(value));
        for (int i = run.begin; i + 4 < run.end; i += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), v);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + run.end - 4), v);
    }
}

}  // namespace

const StretchPath* Sse2StretchPath() {
    static const StretchPath path{BilinearSse2, KernelSse2, FillRunsSse2};
    return &path;
}

}  // namespace orvelle

#else

namespace orvelle {
const StretchPath* Sse2StretchPath() { return nullptr; }
}  // namespace orvelle

#endif
