// Paints the magnified view: the capture enlarged with its filter, and the
// overlay layers composited over it, grid first, marker on top.
#pragma once

#include "engine/Bitmap32.h"
#include "engine/CaptureBuffer.h"
#include "engine/GridLayer.h"
#include "engine/Image.h"
#include "engine/MarkerLayer.h"

namespace orvelle {

// `view` is the whole view (capture size times the zoom); only `area` is
// painted. Allocates nothing, so it can run on every refresh tick.
void RenderView(ConstImageRef capture, TStretchFilter filter, ImageRef view, Rect area, const GridLayer& grid,
                const MarkerLayer& marker);
// The enlargement alone, without overlays.
void RenderView(ConstImageRef capture, TStretchFilter filter, ImageRef view, Rect area);

// The outline of the square of screen pixels the readout averages, `square`
// being its blocks in view pixels: a white line on the square's edge and a
// black one just outside it, as the pointer marker is drawn. Only `area` is
// painted.
void DrawSampleOutline(ImageRef view, Rect area, const Rect& square);

template <typename Picture>  // a TBitmap32 or a CaptureBuffer, with its filter
void RenderView(const Picture& capture, ImageRef view, Rect area, const GridLayer& grid, const MarkerLayer& marker) {
    RenderView(capture.Ref(), capture.StretchFilter(), view, area, grid, marker);
}
template <typename Picture>
void RenderView(const Picture& capture, ImageRef view, Rect area) {
    RenderView(capture.Ref(), capture.StretchFilter(), view, area);
}

}  // namespace orvelle
