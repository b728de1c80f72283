#include "engine/ViewRenderer.h"

#include "engine/Stretch.h"

namespace orvelle {

void RenderView(ConstImageRef capture, TStretchFilter filter, ImageRef view, Rect area, const GridLayer& grid,
                const MarkerLayer& marker) {
    if (capture.width <= 0 || capture.height <= 0) return;
    area = Intersect(area, Rect{0, 0, view.width, view.height});
    if (area.IsEmpty()) return;
    StretchDraw(capture, view, filter, area);
    grid.CompositeOnto(view, area);
    marker.CompositeOnto(view, area);
}

void RenderView(ConstImageRef capture, TStretchFilter filter, ImageRef view, Rect area) {
    if (capture.width <= 0 || capture.height <= 0) return;
    StretchDraw(capture, view, filter, area);
}

}  // namespace orvelle
