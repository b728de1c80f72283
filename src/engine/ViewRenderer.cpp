#include "engine/ViewRenderer.h"

#include "engine/Stretch.h"

namespace orvelle {

void RenderView(const TBitmap32& capture, ImageRef view, Rect area) {
    if (capture.Empty()) return;
    StretchDraw(capture.Ref(), view, capture.StretchFilter(), area);
}

}  // namespace orvelle
