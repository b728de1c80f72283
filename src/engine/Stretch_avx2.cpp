// The stretch inner loops with AVX2, chosen at run time: the arithmetic of the SSE2 loops with
// two pixels per register. The kernel method resamples pixel pairs that read one window of
// vertical sums (in one of the two forms of StretchPaths.h), broadcast to both halves.
#include "engine/KernelPlan.h"
#include "engine/StretchPaths.h"

#if defined(__AVX2__)

#include <immintrin.h>

#include <cstdint>
#include <cstring>

namespace orvelle {

namespace {

// One of the drawing's working arrays (ScratchSlot); its contents are left from earlier drawings.
template <class T>
T* ScratchArray(StretchScratch* scratch, ScratchSlot slot, int count) {
    return static_cast<T*>(ScratchMemory(*scratch, slot, sizeof(T) * static_cast<std::size_t>(count)));
}

__m256i SplitSums(__m256i v) {
    return _mm256_or_si256(_mm256_slli_epi32(_mm256_srai_epi32(v, 6), 16),
                           _mm256_and_si256(v, _mm256_set1_epi32(63)));
}

__m128i SplitSums(__m128i v) {
    return _mm_or_si128(_mm_slli_epi32(_mm_srai_epi32(v, 6), 16), _mm_and_si128(v, _mm_set1_epi32(63)));
}

__m256i BlendLanes(__m256i a, __m256i b, __m256i wa, __m256i wb) {
    return _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(a, wa), _mm256_mullo_epi16(b, wb)), 8);
}

__m256i Gather8(const Pixel* source, const int* index) {
    return _mm256_setr_epi32(static_cast<int>(source[index[0]]), static_cast<int>(source[index[1]]),
                             static_cast<int>(source[index[2]]), static_cast<int>(source[index[3]]),
                             static_cast<int>(source[index[4]]), static_cast<int>(source[index[5]]),
                             static_cast<int>(source[index[6]]), static_cast<int>(source[index[7]]));
}

long long Repeat4(int w) { return static_cast<long long>(static_cast<std::uint64_t>(w) * 0x0001000100010001ull); }

void BilinearAvx2(const BilinearJob& job) {
    const int width = job.area.Width();
    const std::size_t left = static_cast<std::size_t>(job.area.left);
    const int* first = job.columns->first.data() + left;
    const int* second = job.columns->second.data() + left;
    const int* weight = job.columns->weight.data() + left;
    Pixel* const scratch = ScratchArray<Pixel>(job.scratch, ScratchSlot::BilinearRows, 2 * width);
    const __m256i zero = _mm256_setzero_si256();
    const __m256i full = _mm256_set1_epi16(256);
    RunBilinear(
        job, scratch,
        [&](const Pixel* source, Pixel* out) {
            int i = 0;
            for (; i + 8 <= width; i += 8) {
                const __m256i a = Gather8(source, first + i);
                const __m256i b = Gather8(source, second + i);
                // Unpacking works within 128-bit halves: the low words hold pixels 0, 1 | 4, 5.
                const int* w = weight + i;
                const __m256i wLo = _mm256_setr_epi64x(Repeat4(w[0]), Repeat4(w[1]), Repeat4(w[4]), Repeat4(w[5]));
                const __m256i wHi = _mm256_setr_epi64x(Repeat4(w[2]), Repeat4(w[3]), Repeat4(w[6]), Repeat4(w[7]));
                const __m256i lo = BlendLanes(_mm256_unpacklo_epi8(a, zero), _mm256_unpacklo_epi8(b, zero), wLo,
                                              _mm256_sub_epi16(full, wLo));
                const __m256i hi = BlendLanes(_mm256_unpackhi_epi8(a, zero), _mm256_unpackhi_epi8(b, zero), wHi,
                                              _mm256_sub_epi16(full, wHi));
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), _mm256_packus_epi16(lo, hi));
            }
            for (; i < width; ++i) out[i] = BlendPixels(source[first[i]], source[second[i]], weight[i]);
        },
        [&](const Pixel* top, const Pixel* bottom, int weightTop, Pixel* out) {
            const __m256i wa = _mm256_set1_epi16(static_cast<short>(weightTop));
            const __m256i wb = _mm256_set1_epi16(static_cast<short>(256 - weightTop));
            int i = 0;
            for (; i + 8 <= width; i += 8) {
                const __m256i t = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(top + i));
                const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bottom + i));
                const __m256i lo =
                    BlendLanes(_mm256_unpacklo_epi8(t, zero), _mm256_unpacklo_epi8(b, zero), wa, wb);
                const __m256i hi =
                    BlendLanes(_mm256_unpackhi_epi8(t, zero), _mm256_unpackhi_epi8(b, zero), wa, wb);
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), _mm256_packus_epi16(lo, hi));
            }
            for (; i < width; ++i) out[i] = BlendPixels(top[i], bottom[i], weightTop);
        });
}

// Vertical sums of `count` columns in split form, two source rows per pmaddwd and eight columns
// per step.
void SplitColumnSumsAvx2(const KernelRows& rows, int firstColumn, int count, std::int32_t* out) {
    const int pairs = (rows.count + 1) / 2;
    const Pixel* upper[kStretchMaxTaps / 2];
    const Pixel* lower[kStretchMaxTaps / 2];
    std::int32_t words[kStretchMaxTaps / 2];
    for (int p = 0; p < pairs; ++p) {
        const bool single = 2 * p + 1 >= rows.count;
        upper[p] = rows.rows[2 * p] + firstColumn;
        lower[p] = (single ? rows.rows[2 * p] : rows.rows[2 * p + 1]) + firstColumn;
        words[p] = WordPair(rows.weights[2 * p], single ? 0 : rows.weights[2 * p + 1]);
    }
    const __m256i zero = _mm256_setzero_si256();
    int c = 0;
    for (; c + 8 <= count; c += 8) {
        // Within each 128-bit half: s0 gets columns c, c + 4; s1 c + 1, c + 5; and so on.
        __m256i s0 = zero, s1 = zero, s2 = zero, s3 = zero;
        for (int p = 0; p < pairs; ++p) {
            const __m256i w = _mm256_set1_epi32(words[p]);
            const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(upper[p] + c));
            const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lower[p] + c));
            const __m256i al = _mm256_unpacklo_epi8(a, zero), bl = _mm256_unpacklo_epi8(b, zero);
            const __m256i ah = _mm256_unpackhi_epi8(a, zero), bh = _mm256_unpackhi_epi8(b, zero);
            s0 = _mm256_add_epi32(s0, _mm256_madd_epi16(_mm256_unpacklo_epi16(al, bl), w));
            s1 = _mm256_add_epi32(s1, _mm256_madd_epi16(_mm256_unpackhi_epi16(al, bl), w));
            s2 = _mm256_add_epi32(s2, _mm256_madd_epi16(_mm256_unpacklo_epi16(ah, bh), w));
            s3 = _mm256_add_epi32(s3, _mm256_madd_epi16(_mm256_unpackhi_epi16(ah, bh), w));
        }
        s0 = SplitSums(s0);
        s1 = SplitSums(s1);
        s2 = SplitSums(s2);
        s3 = SplitSums(s3);
        __m256i* o = reinterpret_cast<__m256i*>(out + 4 * c);
        _mm256_storeu_si256(o, _mm256_permute2x128_si256(s0, s1, 0x20));
        _mm256_storeu_si256(o + 1, _mm256_permute2x128_si256(s2, s3, 0x20));
        _mm256_storeu_si256(o + 2, _mm256_permute2x128_si256(s0, s1, 0x31));
        _mm256_storeu_si256(o + 3, _mm256_permute2x128_si256(s2, s3, 0x31));
    }
    const __m128i zero128 = _mm_setzero_si128();
    for (; c < count; ++c) {
        __m128i s = zero128;
        for (int p = 0; p < pairs; ++p) {
            const __m128i a = _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(upper[p][c])), zero128);
            const __m128i b = _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(lower[p][c])), zero128);
            s = _mm_add_epi32(s, _mm_madd_epi16(_mm_unpacklo_epi16(a, b), _mm_set1_epi32(words[p])));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * c), SplitSums(s));
    }
}

// Narrow vertical sums straight in 16-bit lanes, four int16 channels (8 bytes) per column: with
// no negative weight no product or sum exceeds 255 * 256, so 16-bit arithmetic is exact, and
// starting from 0x8000 leaves V - 32768.
void NarrowColumnSumsAvx2(const KernelRows& rows, int firstColumn, int count, std::int32_t* out) {
    const Pixel* in[kStretchMaxTaps];
    for (int t = 0; t < rows.count; ++t) in[t] = rows.rows[t] + firstColumn;
    const __m256i zero = _mm256_setzero_si256();
    const __m256i half = _mm256_set1_epi16(-32768);
    unsigned char* o = reinterpret_cast<unsigned char*>(out);
    int c = 0;
    for (; c + 8 <= count; c += 8) {
        // Within each 128-bit half: lo gets columns c, c + 1 | c + 4, c + 5; hi the others.
        __m256i lo = half, hi = half;
        for (int t = 0; t < rows.count; ++t) {
            const __m256i w = _mm256_set1_epi16(static_cast<short>(rows.weights[t]));
            const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in[t] + c));
            lo = _mm256_add_epi16(lo, _mm256_mullo_epi16(_mm256_unpacklo_epi8(a, zero), w));
            hi = _mm256_add_epi16(hi, _mm256_mullo_epi16(_mm256_unpackhi_epi8(a, zero), w));
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(o + 8 * c), _mm256_permute2x128_si256(lo, hi, 0x20));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(o + 8 * c + 32), _mm256_permute2x128_si256(lo, hi, 0x31));
    }
    for (; c < count; ++c) {
        std::uint16_t v[4];
        for (int channel = 0; channel < 4; ++channel) {
            unsigned sum = 0x8000u;
            for (int t = 0; t < rows.count; ++t)
                sum += static_cast<unsigned>(rows.weights[t]) * ((in[t][c] >> (8 * channel)) & 0xFFu);
            v[channel] = static_cast<std::uint16_t>(sum);
        }
        std::memcpy(o + 8 * c, v, sizeof v);
    }
}

// Narrow 16-bit sums of columns n and n + 1 into one lane per channel, for n < count (reads
// column count).
void PairNarrowColumnsAvx2(const std::int32_t* sums, int count, std::int32_t* out) {
    const unsigned char* v = reinterpret_cast<const unsigned char*>(sums);
    int n = 0;
    for (; n + 4 <= count; n += 4) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(v + 8 * n));      // n .. n + 3
        const __m256i y = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(v + 8 * n + 8));  // n + 1 .. n + 4
        const __m256i lo = _mm256_unpacklo_epi16(x, y);  // n | n + 2
        const __m256i hi = _mm256_unpackhi_epi16(x, y);  // n + 1 | n + 3
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 4 * n), _mm256_permute2x128_si256(lo, hi, 0x20));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 4 * n + 8), _mm256_permute2x128_si256(lo, hi, 0x31));
    }
    for (; n < count; ++n) {
        const __m128i x = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(v + 8 * n));
        const __m128i y = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(v + 8 * n + 8));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * n), _mm_unpacklo_epi16(x, y));
    }
}

// Where each pixel pair of a destination row reads its sums and weights. Groups of eight pixels
// repeat the pattern of offsets and weights every `types` groups (8 * types is a multiple of z),
// with sums `advance` int32s further on.
struct RowPlan {
    const int* offset;  // per pair, into the sums in int32s
    const int* phase;   // per pair, into the weights in vectors
    const __m256i* weights;
    int width;
    int types;
    int advance;
};

// One destination row from pixel pairs. Narrow sums: each pmaddwd takes two taps, and as every
// sum is 32768 * 256 short, the shifted sum is the channel minus 128, which packs exactly to a
// signed byte and flips back with the top bit. Split sums: one pmaddwd per tap, the saturating
// packs clamp like 0..0xFF0000 would, and without the clamp the channel is masked to 8 bits.
// Shared: the first two and the last two pairs of every group read the same window (pixels of
// one source block on the same side of its centre), so their broadcasts are loaded once.
template <int Steps, bool Narrow, bool Clamp, bool Shared>
void KernelRow(const std::int32_t* sums, const RowPlan& plan, Pixel* out) {
    constexpr int kStep = Narrow ? 8 : 4;  // int32s per pmaddwd: two columns or one
    auto pair = [](const std::int32_t* v, const __m256i* w) {
        auto window = [&](int m) {
            return _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(v + kStep * m)));
        };
        __m256i acc = _mm256_madd_epi16(window(0), w[0]);
        for (int m = 1; m < Steps; ++m) acc = _mm256_add_epi32(acc, _mm256_madd_epi16(window(m), w[m]));
        acc = _mm256_srai_epi32(acc, 16);
        return Narrow || Clamp ? acc : _mm256_and_si256(acc, _mm256_set1_epi32(0xFF));
    };
    // Packing works within halves: pixels come out as 0, 2, 4, 6 | 1, 3, 5, 7.
    const __m256i order = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
    auto eight = [&](__m256i a, __m256i b, __m256i c, __m256i d) {
        const __m256i ab = _mm256_packs_epi32(a, b), cd = _mm256_packs_epi32(c, d);
        const __m256i bytes = Narrow ? _mm256_xor_si256(_mm256_packs_epi16(ab, cd), _mm256_set1_epi8(-128))
                                     : _mm256_packus_epi16(ab, cd);
        return _mm256_permutevar8x32_epi32(bytes, order);
    };

    const int groups = plan.width / 8;
    const int types = plan.types;
    const int advance = plan.advance;
    for (int type = 0; type < types && type < groups; ++type) {
        const int p = 4 * type;
        const std::int32_t* v0 = sums + plan.offset[p];
        const std::int32_t* v2 = sums + plan.offset[p + 2];
        const std::int32_t* v1 = Shared ? v0 : sums + plan.offset[p + 1];
        const std::int32_t* v3 = Shared ? v2 : sums + plan.offset[p + 3];
        __m256i w0[Steps], w1[Steps], w2[Steps], w3[Steps];
        for (int m = 0; m < Steps; ++m) {
            w0[m] = plan.weights[plan.phase[p] + m];
            w1[m] = plan.weights[plan.phase[p + 1] + m];
            w2[m] = plan.weights[plan.phase[p + 2] + m];
            w3[m] = plan.weights[plan.phase[p + 3] + m];
        }
        for (int g = type; g < groups; g += types) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 8 * g),
                                eight(pair(v0, w0), pair(Shared ? v0 : v1, w1), pair(v2, w2),
                                      pair(Shared ? v2 : v3, w3)));
            v0 += advance;
            v2 += advance;
            if (!Shared) {
                v1 += advance;
                v3 += advance;
            }
        }
    }
    if (8 * groups < plan.width) {  // the last group, partly past the area
        auto at = [&](int p) { return pair(sums + plan.offset[p], plan.weights + plan.phase[p]); };
        const int p = 4 * groups;
        Pixel tail[8];
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(tail), eight(at(p), at(p + 1), at(p + 2), at(p + 3)));
        for (int k = 8 * groups; k < plan.width; ++k) out[k] = tail[k - 8 * groups];
    }
}

using KernelRowFn = void (*)(const std::int32_t*, const RowPlan&, Pixel*);

template <bool Narrow, bool Clamp, bool Shared>
KernelRowFn PickRow(int steps) {
    switch (steps) {
        case 1: return KernelRow<1, Narrow, Clamp, Shared>;
        case 2: return KernelRow<2, Narrow, Clamp, Shared>;
        case 3: return KernelRow<3, Narrow, Clamp, Shared>;
        case 4: return KernelRow<4, Narrow, Clamp, Shared>;
        case 5: return KernelRow<5, Narrow, Clamp, Shared>;
        case 6: return KernelRow<6, Narrow, Clamp, Shared>;
        case 7: return KernelRow<7, Narrow, Clamp, Shared>;
        case 8: return KernelRow<8, Narrow, Clamp, Shared>;
        default: return nullptr;
    }
}

template <bool Shared>
KernelRowFn PickRow(bool narrow, bool clamp, int steps) {
    if (narrow) return PickRow<true, false, Shared>(steps);
    return clamp ? PickRow<false, true, Shared>(steps) : PickRow<false, false, Shared>(steps);
}

void KernelAvx2(const KernelJob& job) {
    const KernelPlan& plan = KernelPlanFor(job, 2);
    const KernelRowFn row = !plan.vectorizable ? nullptr
                            : plan.shared      ? PickRow<true>(plan.narrow, job.clamp, plan.steps)
                                               : PickRow<false>(plan.narrow, job.clamp, plan.steps);
    if (row == nullptr) {
        ScalarStretchPath().kernel(job);
        return;
    }
    const RowPlan rows{plan.offset, plan.phase, reinterpret_cast<const __m256i*>(plan.weights),
                    plan.width, plan.types, plan.advance};
    if (plan.narrow) {
        std::int32_t* const paired =
            ScratchArray<std::int32_t>(job.scratch, ScratchSlot::PairedSums, 4 * (plan.hi - plan.lo + 1));
        RunKernel(job, plan.lo, plan.hi, 2, NarrowColumnSumsAvx2, [&](const std::int32_t* sums, Pixel* out) {
            PairNarrowColumnsAvx2(sums, plan.hi - plan.lo, paired);
            row(paired, rows, out);
        });
    } else {
        RunKernel(job, plan.lo, plan.hi, 4, SplitColumnSumsAvx2,
                  [&](const std::int32_t* sums, Pixel* out) { row(sums, rows, out); });
    }
}

// Runs of eight or more pixels take whole vector stores, the first one overlapping the next.
void FillRunAvx2(Pixel value, Pixel* out, int length) {
    if (length < 8) {
        for (int i = 0; i < length; ++i) out[i] = value;
        return;
    }
    const __m256i v = _mm256_set1_epi32(static_cast<int>(value));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + length - 8), v);
    for (int i = 0; i < length - 8; i += 8) _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), v);
}

// Runs of a whole number of vectors, the common zooms.
template <int Vectors>
void FillWholeRuns(const Pixel* in, const Pixel* inEnd, Pixel* out) {
    for (; in < inEnd; ++in, out += 8 * Vectors) {
        const __m256i v = _mm256_set1_epi32(static_cast<int>(*in));
        for (int k = 0; k < Vectors; ++k) _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 8 * k), v);
    }
}

void FillRunsAvx2(const Pixel* sourceRow, const NearestRun* runs, int count, int runLength, Pixel* out) {
    if (runLength < 8 || count < 3) {
        for (int k = 0; k < count; ++k)
            FillRunAvx2(sourceRow[runs[k].column], out + runs[k].begin, runs[k].end - runs[k].begin);
        return;
    }
    // The inner runs follow each other with the same length: no table needed.
    FillRunAvx2(sourceRow[runs[0].column], out + runs[0].begin, runs[0].end - runs[0].begin);
    const Pixel* in = sourceRow + runs[1].column;
    const Pixel* const inEnd = sourceRow + runs[count - 1].column;
    Pixel* o = out + runs[1].begin;
    switch (runLength) {
        case 8: FillWholeRuns<1>(in, inEnd, o); break;
        case 16: FillWholeRuns<2>(in, inEnd, o); break;
        case 24: FillWholeRuns<3>(in, inEnd, o); break;
        case 32: FillWholeRuns<4>(in, inEnd, o); break;
        default:
            for (; in < inEnd; ++in, o += runLength) {
                const __m256i v = _mm256_set1_epi32(static_cast<int>(*in));
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(o + runLength - 8), v);
                for (int i = 0; i < runLength - 8; i += 8) _mm256_storeu_si256(reinterpret_cast<__m256i*>(o + i), v);
            }
    }
    const NearestRun& last = runs[count - 1];
    FillRunAvx2(sourceRow[last.column], out + last.begin, last.end - last.begin);
}

}  // namespace

const StretchPath* Avx2StretchPath() {
    static const StretchPath path{BilinearAvx2, KernelAvx2, FillRunsAvx2};
    return &path;
}

}  // namespace orvelle

#else

namespace orvelle {
const StretchPath* Avx2StretchPath() { return nullptr; }
}  // namespace orvelle

#endif
