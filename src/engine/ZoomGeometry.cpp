#include "engine/ZoomGeometry.h"

#include <algorithm>

namespace orvelle {

ViewGeometry FitView(const Rect& room, int bevel, int zoom, const Rect& screens) {
    ViewGeometry g;
    g.capture.width = std::max(room.Width() - 2 * bevel, 0) / zoom;
    g.capture.height = std::max(room.Height() - 2 * bevel, 0) / zoom;
    if (!screens.IsEmpty()) {
        g.capture.width = std::min(g.capture.width, screens.Width());
        g.capture.height = std::min(g.capture.height, screens.Height());
    }
    g.view = Size{g.capture.width * zoom, g.capture.height * zoom};
    g.panel = Rect::FromSize(room.left, room.top, g.view.width + 2 * bevel, g.view.height + 2 * bevel);
    return g;
}

}  // namespace orvelle
