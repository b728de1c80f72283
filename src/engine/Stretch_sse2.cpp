// The stretch inner loops with SSE2: four channels of a pixel in 16-bit or 32-bit lanes. The
// kernel sums use pmaddwd on vertical sums kept in one of the two forms of StretchPaths.h.
#include "engine/KernelPlan.h"
#include "engine/StretchPaths.h"

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)

#include <emmintrin.h>

#include <cstdint>

namespace orvelle {

namespace {

// Backing store for tables of vectors (a vector of __m128i would drop its alignment attribute).
// One of the drawing's working arrays (ScratchSlot); its contents are left from earlier drawings.
template <class T>
T* ScratchArray(StretchScratch* scratch, ScratchSlot slot, int count) {
    return static_cast<T*>(ScratchMemory(*scratch, slot, sizeof(T) * static_cast<std::size_t>(count)));
}

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
    Pixel* const scratch = ScratchArray<Pixel>(job.scratch, ScratchSlot::BilinearRows, 2 * width);
    const __m128i zero = _mm_setzero_si128();
    const __m128i full = _mm_set1_epi16(256);
    RunBilinear(
        job, scratch,
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

// Vertical sums of `count` columns in split form, two source rows per pmaddwd.
void SplitColumnSumsSse2(const KernelRows& rows, int firstColumn, int count, std::int32_t* out) {
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
    __m128i* o = reinterpret_cast<__m128i*>(out);
    int c = 0;
    for (; c + 4 <= count; c += 4) {
        __m128i s0 = zero, s1 = zero, s2 = zero, s3 = zero;
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
        _mm_storeu_si128(o + c, SplitSums(s0));
        _mm_storeu_si128(o + c + 1, SplitSums(s1));
        _mm_storeu_si128(o + c + 2, SplitSums(s2));
        _mm_storeu_si128(o + c + 3, SplitSums(s3));
    }
    for (; c < count; ++c) {
        __m128i s = zero;
        for (int p = 0; p < pairs; ++p) {
            const __m128i a = _mm_unpacklo_epi8(LoadPixel(upper[p] + c), zero);
            const __m128i b = _mm_unpacklo_epi8(LoadPixel(lower[p] + c), zero);
            s = _mm_add_epi32(s, _mm_madd_epi16(_mm_unpacklo_epi16(a, b), weights[p]));
        }
        _mm_storeu_si128(o + c, SplitSums(s));
    }
}

// Narrow vertical sums straight in 16-bit lanes, four int16 channels (8 bytes) per column: with
// no negative weight no product or sum exceeds 255 * 256, so 16-bit arithmetic is exact, and
// starting from 0x8000 leaves V - 32768.
void NarrowColumnSumsSse2(const KernelRows& rows, int firstColumn, int count, std::int32_t* out) {
    const Pixel* in[kStretchMaxTaps];
    for (int t = 0; t < rows.count; ++t) in[t] = rows.rows[t] + firstColumn;
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi16(-32768);
    unsigned char* o = reinterpret_cast<unsigned char*>(out);
    int c = 0;
    for (; c + 4 <= count; c += 4) {
        __m128i lo = half, hi = half;  // columns c, c + 1 and c + 2, c + 3
        for (int t = 0; t < rows.count; ++t) {
            const __m128i w = _mm_set1_epi16(static_cast<short>(rows.weights[t]));
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in[t] + c));
            lo = _mm_add_epi16(lo, _mm_mullo_epi16(_mm_unpacklo_epi8(a, zero), w));
            hi = _mm_add_epi16(hi, _mm_mullo_epi16(_mm_unpackhi_epi8(a, zero), w));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 8 * c), lo);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 8 * c + 16), hi);
    }
    for (; c < count; ++c) {
        __m128i v = half;
        for (int t = 0; t < rows.count; ++t)
            v = _mm_add_epi16(v, _mm_mullo_epi16(_mm_unpacklo_epi8(LoadPixel(in[t] + c), zero),
                                                 _mm_set1_epi16(static_cast<short>(rows.weights[t]))));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(o + 8 * c), v);
    }
}

// Narrow 16-bit sums of columns n and n + 1 into one lane per channel, for n < count (reads
// column count).
void PairNarrowColumnsSse2(const std::int32_t* sums, int count, std::int32_t* out) {
    const unsigned char* v = reinterpret_cast<const unsigned char*>(sums);
    int n = 0;
    for (; n + 2 <= count; n += 2) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(v + 8 * n));      // n, n + 1
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(v + 8 * n + 8));  // n + 1, n + 2
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * n), _mm_unpacklo_epi16(x, y));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * n + 4), _mm_unpackhi_epi16(x, y));
    }
    for (; n < count; ++n) {
        const __m128i x = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(v + 8 * n));
        const __m128i y = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(v + 8 * n + 8));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * n), _mm_unpacklo_epi16(x, y));
    }
}

// Where each pixel of a destination row reads its sums and weights. Groups of four pixels repeat
// the pattern of offsets and weights every `types` groups (4 * types is a multiple of z), with
// sums `advance` int32s further on.
struct PixelPlan {
    const int* offset;  // per pixel, into the sums in int32s
    const int* phase;   // per pixel, into the weights in vectors
    const __m128i* weights;
    int width;
    int types;
    int advance;
};

// One destination row, a pixel per register; see the AVX2 loops for the forms of sums and for
// Shared (here the first two and the last two pixels of every group share their loads).
template <int Steps, bool Narrow, bool Clamp, bool Shared>
void KernelRowSse2(const std::int32_t* sums, const PixelPlan& plan, Pixel* out) {
    constexpr int kStep = Narrow ? 8 : 4;  // int32s per pmaddwd: two columns or one
    auto pixel = [](const std::int32_t* v, const __m128i* w) {
        __m128i acc = _mm_madd_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(v)), w[0]);
        for (int m = 1; m < Steps; ++m)
            acc = _mm_add_epi32(
                acc, _mm_madd_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(v + kStep * m)), w[m]));
        acc = _mm_srai_epi32(acc, 16);
        return Narrow || Clamp ? acc : _mm_and_si128(acc, _mm_set1_epi32(0xFF));
    };
    auto four = [](__m128i a, __m128i b, __m128i c, __m128i d) {
        const __m128i ab = _mm_packs_epi32(a, b), cd = _mm_packs_epi32(c, d);
        return Narrow ? _mm_xor_si128(_mm_packs_epi16(ab, cd), _mm_set1_epi8(-128)) : _mm_packus_epi16(ab, cd);
    };

    const int groups = plan.width / 4;
    const int types = plan.types;
    const int advance = plan.advance;
    for (int type = 0; type < types && type < groups; ++type) {
        const int k = 4 * type;
        const std::int32_t* v0 = sums + plan.offset[k];
        const std::int32_t* v2 = sums + plan.offset[k + 2];
        const std::int32_t* v1 = Shared ? v0 : sums + plan.offset[k + 1];
        const std::int32_t* v3 = Shared ? v2 : sums + plan.offset[k + 3];
        __m128i w0[Steps], w1[Steps], w2[Steps], w3[Steps];
        for (int m = 0; m < Steps; ++m) {
            w0[m] = plan.weights[plan.phase[k] + m];
            w1[m] = plan.weights[plan.phase[k + 1] + m];
            w2[m] = plan.weights[plan.phase[k + 2] + m];
            w3[m] = plan.weights[plan.phase[k + 3] + m];
        }
        for (int g = type; g < groups; g += types) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * g),
                             four(pixel(v0, w0), pixel(Shared ? v0 : v1, w1), pixel(v2, w2),
                                  pixel(Shared ? v2 : v3, w3)));
            v0 += advance;
            v2 += advance;
            if (!Shared) {
                v1 += advance;
                v3 += advance;
            }
        }
    }
    if (4 * groups < plan.width) {  // the last group, partly past the area
        auto at = [&](int k) { return pixel(sums + plan.offset[k], plan.weights + plan.phase[k]); };
        const int k = 4 * groups;
        Pixel tail[4];
        _mm_storeu_si128(reinterpret_cast<__m128i*>(tail), four(at(k), at(k + 1), at(k + 2), at(k + 3)));
        for (int m = k; m < plan.width; ++m) out[m] = tail[m - k];
    }
}

using KernelRowFn = void (*)(const std::int32_t*, const PixelPlan&, Pixel*);

template <bool Narrow, bool Clamp, bool Shared>
KernelRowFn PickRow(int steps) {
    switch (steps) {
        case 1: return KernelRowSse2<1, Narrow, Clamp, Shared>;
        case 2: return KernelRowSse2<2, Narrow, Clamp, Shared>;
        case 3: return KernelRowSse2<3, Narrow, Clamp, Shared>;
        case 4: return KernelRowSse2<4, Narrow, Clamp, Shared>;
        case 5: return KernelRowSse2<5, Narrow, Clamp, Shared>;
        case 6: return KernelRowSse2<6, Narrow, Clamp, Shared>;
        case 7: return KernelRowSse2<7, Narrow, Clamp, Shared>;
        case 8: return KernelRowSse2<8, Narrow, Clamp, Shared>;
        default: return nullptr;
    }
}

template <bool Shared>
KernelRowFn PickRow(bool narrow, bool clamp, int steps) {
    if (narrow) return PickRow<true, false, Shared>(steps);
    return clamp ? PickRow<false, true, Shared>(steps) : PickRow<false, false, Shared>(steps);
}

void KernelSse2(const KernelJob& job) {
    const KernelPlan& plan = KernelPlanFor(job, 1);
    const KernelRowFn row = !plan.vectorizable ? nullptr
                            : plan.shared      ? PickRow<true>(plan.narrow, job.clamp, plan.steps)
                                               : PickRow<false>(plan.narrow, job.clamp, plan.steps);
    if (row == nullptr) {
        ScalarStretchPath().kernel(job);
        return;
    }
    const PixelPlan rows{plan.offset, plan.phase, reinterpret_cast<const __m128i*>(plan.weights),
                    plan.width, plan.types, plan.advance};
    if (plan.narrow) {
        std::int32_t* const paired =
            ScratchArray<std::int32_t>(job.scratch, ScratchSlot::PairedSums, 4 * (plan.hi - plan.lo + 1));
        RunKernel(job, plan.lo, plan.hi, 2, NarrowColumnSumsSse2, [&](const std::int32_t* sums, Pixel* out) {
            PairNarrowColumnsSse2(sums, plan.hi - plan.lo, paired);
            row(paired, rows, out);
        });
    } else {
        RunKernel(job, plan.lo, plan.hi, 4, SplitColumnSumsSse2,
                  [&](const std::int32_t* sums, Pixel* out) { row(sums, rows, out); });
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
