// The colour of an area: the arithmetic mean of each 8-bit channel over its
// pixels, rounded to nearest with halves up, opaque.
#pragma once

#include "engine/Image.h"

namespace orvelle {

// `area` lies inside `image`; an empty area gives opaque black.
Pixel AverageColor(ConstImageRef image, const Rect& area);

}  // namespace orvelle
