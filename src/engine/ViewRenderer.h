// Paints the magnified view: the capture buffer enlarged with its filter, and
// the overlay layers composited over it.
#pragma once

#include "engine/Bitmap32.h"
#include "engine/Image.h"

namespace orvelle {

// `view` is the whole view (capture size times the zoom); only `area` is painted.
void RenderView(const TBitmap32& capture, ImageRef view, Rect area);

}  // namespace orvelle
