// Paints the magnified view: the capture buffer enlarged with its filter, and
// the overlay layers composited over it, grid first, marker on top.
#pragma once

#include "engine/Bitmap32.h"
#include "engine/GridLayer.h"
#include "engine/Image.h"
#include "engine/MarkerLayer.h"

namespace orvelle {

// `view` is the whole view (capture size times the zoom); only `area` is
// painted. Allocates nothing, so it can run on every refresh tick.
void RenderView(const TBitmap32& capture, ImageRef view, Rect area, const GridLayer& grid, const MarkerLayer& marker);

// The enlargement alone, without overlays.
void RenderView(const TBitmap32& capture, ImageRef view, Rect area);

}  // namespace orvelle
