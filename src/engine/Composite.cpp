#include "engine/Composite.h"

namespace orvelle {

namespace {

// Rounded x / 255 for 0 <= x <= 255 * 255, without a division.
inline Pixel Div255(Pixel x) {
    x += 128;
    return (x + (x >> 8)) >> 8;
}

}  // namespace

Pixel BlendOver(Pixel layer, Pixel picture) {
    const Pixel a = layer >> 24;
    if (a == 0) return picture;
    if (a == 255) return layer;
    const Pixel inverse = 255 - a;
    Pixel out = (a + Div255((picture >> 24) * inverse)) << 24;
    for (int shift = 0; shift < 24; shift += 8) {
        const Pixel top = (layer >> shift) & 0xFFu;
        const Pixel bottom = (picture >> shift) & 0xFFu;
        out |= Div255(top * a + bottom * inverse) << shift;
    }
    return out;
}

void CompositeOver(ConstImageRef layer, Point origin, ImageRef picture, Rect area) {
    area = Intersect(area, Rect{0, 0, picture.width, picture.height});
    area = Intersect(area, Rect::FromSize(origin.x, origin.y, layer.width, layer.height));
    for (int y = area.top; y < area.bottom; ++y) {
        const Pixel* in = layer.Row(y - origin.y) + (area.left - origin.x);
        Pixel* out = picture.Row(y) + area.left;
        for (int i = 0; i < area.Width(); ++i) {
            // Overlays are mostly fully transparent or fully opaque pixels.
            const Pixel a = in[i] >> 24;
            if (a == 0) continue;
            out[i] = a == 255 ? in[i] : BlendOver(in[i], out[i]);
        }
    }
}

}  // namespace orvelle
