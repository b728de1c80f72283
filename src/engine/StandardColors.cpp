#include "engine/StandardColors.h"

namespace orvelle {

Pixel ColorToGridPixel(TColor color) {
    const Pixel red = color & 0xFFu;
    const Pixel green = (color >> 8) & 0xFFu;
    const Pixel blue = (color >> 16) & 0xFFu;
    return 0xFF000000u + (red << 16) + (green << 8) + blue;
}

int StandardColorIndex(TColor color) {
    for (const StandardColor& standard : kStandardColors)
        if (standard.value == color) return standard.index;
    return -1;
}

}  // namespace orvelle
