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

}  // namespace orvelle
