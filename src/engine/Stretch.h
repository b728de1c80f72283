// Enlargement of a picture by a whole factor with one of the stretch filters.
#pragma once

#include "engine/Image.h"
#include "engine/StretchFilter.h"

namespace orvelle {

// Draws the whole of src into the whole of dst, replacing dst's pixels.
// dst must be z times src in both directions for a whole z >= 2. Only the
// pixels inside `area` (clipped to dst) are written, and their values do not
// depend on the area asked for.
void StretchDraw(ConstImageRef src, ImageRef dst, TStretchFilter filter, Rect area);

inline void StretchDraw(ConstImageRef src, ImageRef dst, TStretchFilter filter) {
    StretchDraw(src, dst, filter, Rect{0, 0, dst.width, dst.height});
}

// The instruction sets the filters have inner loops for. Every one gives the same pixels.
enum class StretchSimd { Scalar = 0, Sse2 = 1, Avx2 = 2 };

// The widest set this build and this processor both offer.
StretchSimd BestStretchSimd();

// Limits the drawing to `level` (at most the best available), so that tests and benchmarks can
// run each path; the drawing starts with the best one.
void SetStretchSimdLevel(StretchSimd level);
StretchSimd ActiveStretchSimd();

}  // namespace orvelle
