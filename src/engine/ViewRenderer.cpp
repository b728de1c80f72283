#include "engine/ViewRenderer.h"

#include "engine/Stretch.h"

namespace orvelle {

void RenderView(const TBitmap32& capture, ImageRef view, Rect area, const GridLayer& grid, const MarkerLayer& marker) {
    if (capture.Empty()) return;
    area = Intersect(area, Rect{0, 0, view.width, view.height});
    if (area.IsEmpty()) return;
    StretchDraw(capture.Ref(), view, capture.StretchFilter(), area);
    grid.CompositeOnto(view, area);
    marker.CompositeOnto(view, area);
}

void RenderView(const TBitmap32& capture, ImageRef view, Rect area) {
    if (capture.Empty()) return;
    StretchDraw(capture.Ref(), view, capture.StretchFilter(), area);
}

}  // namespace orvelle
