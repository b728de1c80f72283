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

void DrawSampleOutline(ImageRef view, Rect area, const Rect& square) {
    area = Intersect(area, Rect{0, 0, view.width, view.height});
    auto ring = [&](const Rect& r, Pixel color) {
        auto fill = [&](Rect part) {
            part = Intersect(part, area);
            for (int y = part.top; y < part.bottom; ++y)
                for (int x = part.left; x < part.right; ++x) view.At(x, y) = color;
        };
        fill(Rect{r.left, r.top, r.right, r.top + 1});
        fill(Rect{r.left, r.bottom - 1, r.right, r.bottom});
        fill(Rect{r.left, r.top, r.left + 1, r.bottom});
        fill(Rect{r.right - 1, r.top, r.right, r.bottom});
    };
    ring(square, 0xFFFFFFFFu);
    ring(Rect{square.left - 1, square.top - 1, square.right + 1, square.bottom + 1}, 0xFF000000u);
}

void RenderView(ConstImageRef capture, TStretchFilter filter, ImageRef view, Rect area) {
    if (capture.width <= 0 || capture.height <= 0) return;
    StretchDraw(capture, view, filter, area);
}

}  // namespace orvelle
