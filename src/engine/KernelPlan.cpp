#include "engine/KernelPlan.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

namespace orvelle {

namespace {

template <class T>
T* ScratchArray(StretchScratch* scratch, ScratchSlot slot, int count) {
    return static_cast<T*>(ScratchMemory(*scratch, slot, sizeof(T) * static_cast<std::size_t>(count)));
}

}  // namespace

KernelPlan MakeKernelPlan(const KernelJob& job, int pixelsPerUnit) {
    KernelPlan plan;
    const KernelAxis& columns = *job.columns;
    if (columns.period == 0 || job.rows->taps > kStretchMaxTaps) return plan;
    const int period = columns.period;
    plan.narrow = NarrowSumsFit(columns, *job.rows);
    auto first = [&](int i) { return columns.first[static_cast<std::size_t>(i)]; };
    plan.width = job.area.Width();
    const int groupPixels = 4 * pixelsPerUnit;
    // Whole groups, the last one partly discarded.
    const int units = (plan.width + groupPixels - 1) / groupPixels * 4;

    // Groups times `types` cover a whole number of source pixels, so unit u
    // reads what unit u mod `slots` reads, `shift` source pixels further on.
    plan.types = period / std::gcd(period, groupPixels);
    const int slots = std::min(4 * plan.types, units);
    const int shift = groupPixels * plan.types / period;
    int* const start = ScratchArray<int>(job.scratch, ScratchSlot::WindowStart, slots);
    int* const end = ScratchArray<int>(job.scratch, ScratchSlot::WindowEnd, slots);
    int window = 0;
    for (int u = 0; u < slots; ++u) {
        const std::size_t s = static_cast<std::size_t>(u);
        for (int half = 0; half < pixelsPerUnit; ++half) {
            const int i = job.area.left + pixelsPerUnit * u + half;
            start[s] = half == 0 ? first(i) : std::min(start[s], first(i));
            end[s] = half == 0 ? first(i) + RunLength(columns, i) : std::max(end[s], first(i) + RunLength(columns, i));
        }
        window = std::max(window, end[s] - start[s]);
    }
    plan.steps = plan.narrow ? (window + 1) / 2 : window;
    window = plan.narrow ? 2 * plan.steps : window;
    // Pixels of one source block on the same side of its centre usually fit
    // one window: then the first two and the last two units of each group
    // share their loads.
    plan.shared = slots % 4 == 0;
    for (int u = 0; plan.shared && u < slots; u += 2) {
        const std::size_t a = static_cast<std::size_t>(u), b = a + 1;
        plan.shared = std::max(end[a], end[b]) - std::min(start[a], start[b]) <= window;
    }
    if (plan.shared)
        for (std::size_t u = 0; u < static_cast<std::size_t>(slots); u += 2)
            start[u] = start[u + 1] = std::min(start[u], start[u + 1]);

    const int lanes = 4 * pixelsPerUnit;
    std::int32_t* const weights =
        ScratchArray<std::int32_t>(job.scratch, ScratchSlot::Weights, slots * plan.steps * lanes);
    for (int u = 0; u < slots; ++u) {
        for (int half = 0; half < pixelsPerUnit; ++half) {
            const int i = job.area.left + pixelsPerUnit * u + half;
            const int offsetInWindow = first(i) - start[static_cast<std::size_t>(u)];
            const int* w = columns.Weights(i);
            auto tap = [&](int t) {
                return t >= offsetInWindow && t - offsetInWindow < columns.taps ? w[t - offsetInWindow] : 0;
            };
            for (int m = 0; m < plan.steps; ++m) {
                const std::int32_t word =
                    plan.narrow ? WordPair(tap(2 * m), tap(2 * m + 1)) : WordPair(tap(m), 64 * tap(m));
                std::int32_t* vector = weights + static_cast<std::ptrdiff_t>(u * plan.steps + m) * lanes;
                for (int lane = 0; lane < 4; ++lane) vector[4 * half + lane] = word;
            }
        }
    }

    auto windowStart = [&](int u) { return start[static_cast<std::size_t>(u % slots)] + (u / slots) * shift; };
    plan.lo = windowStart(0);
    plan.hi = plan.lo;
    for (int u = 0; u < units; ++u) {
        plan.lo = std::min(plan.lo, windowStart(u));
        plan.hi = std::max(plan.hi, windowStart(u) + window - 1);
    }
    int* const offset = ScratchArray<int>(job.scratch, ScratchSlot::Offsets, units);
    int* const phase = ScratchArray<int>(job.scratch, ScratchSlot::Phases, units);
    for (int u = 0; u < units; ++u) {
        offset[static_cast<std::size_t>(u)] = 4 * (windowStart(u) - plan.lo);
        phase[static_cast<std::size_t>(u)] = (u % slots) * plan.steps;
    }
    plan.offset = offset;
    plan.phase = phase;
    plan.weights = weights;
    plan.advance = 4 * shift;
    plan.vectorizable = plan.steps >= 1 && plan.steps <= kStretchMaxTaps;
    return plan;
}

}  // namespace orvelle
