// Weight tables of the stretch filters, built from the kernels whenever the sizes or the filter
// of the drawing change.
//
// Sample positions (used by every table here): destination pixel i covers [i, i + 1) and its
// centre sits at source coordinate u(i) = (i + 0.5) * src / dst - 0.5. The tables evaluate u
// exactly as the fraction ((2i + 1) * src - dst) / (2 * dst), so that with a whole factor z the
// weights depend only on i mod z and repeat along the axis.
#pragma once

#include <vector>

#include "engine/StretchFilter.h"

namespace orvelle {

// Support radius of the filter's kernel: 0 for the two methods that use no kernel.
int StretchKernelRadius(TStretchFilter filter);

// True for the kernels with negative lobes, whose sums are clamped to the channel range.
bool StretchKernelClamps(TStretchFilter filter);

// The kernel k(x) in single precision: the weights are its rounded 256ths, and the rounding of a
// value near a half must come out the same as it always has.
float StretchKernelValue(TStretchFilter filter, float x);

struct StretchTap {
    int index = 0;   // source index, clamped to the picture
    int weight = 0;  // in 256ths
    friend bool operator==(const StretchTap&, const StretchTap&) = default;
};

// The weights of destination index `dst` along one axis, as the drawing defines them: the
// non-zero rounded kernel values in source order, the indices clamped to [0, srcSize - 1] (so an
// edge index may repeat), the rounding excess taken off the entry at (last index) div 2 so that
// the list adds up to exactly 256.
std::vector<StretchTap> StretchWeightList(TStretchFilter filter, int srcSize, int dstSize, int dst);

// The same weights as a run over consecutive unclamped source indices first, first + 1, ...,
// with 0 where the list skips an index. Reading the source through an edge-repeating border
// makes the run equivalent to the list.
struct StretchTapRun {
    int first = 0;
    std::vector<int> weights;
};
StretchTapRun StretchTaps(TStretchFilter filter, int srcSize, int dstSize, int dst);

// All runs of one axis with a common length `taps`, zero padded at the end. Destination indices
// beyond dstSize (up to dstSize + overhang) are included so that vector loops may compute a few
// pixels past the edge from valid source indices.
struct KernelAxis {
    int taps = 0;
    int period = 0;            // z when dstSize = z * srcSize, else 0
    std::vector<int> first;    // per destination index
    std::vector<int> weights;  // taps per destination index

    const int* Weights(int i) const { return weights.data() + static_cast<std::size_t>(i) * taps; }
};
KernelAxis BuildKernelAxis(TStretchFilter filter, int srcSize, int dstSize, int overhang);

// Bilinear sampling along one axis: destination index i blends source indices first[i] and
// second[i], giving first[i] weight[i] 256ths. Both indices are always inside the picture.
struct BilinearAxis {
    std::vector<int> first;
    std::vector<int> second;
    std::vector<int> weight;
};
BilinearAxis BuildBilinearAxis(int srcSize, int dstSize);

}  // namespace orvelle
