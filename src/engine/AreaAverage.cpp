#include "engine/AreaAverage.h"

#include <cstdint>

namespace orvelle {

Pixel AverageColor(ConstImageRef image, const Rect& area) {
    const Rect inside = Intersect(area, Rect{0, 0, image.width, image.height});
    if (inside.IsEmpty()) return 0xFF000000u;
    std::uint64_t r = 0, g = 0, b = 0;
    for (int y = inside.top; y < inside.bottom; ++y) {
        const Pixel* row = image.Row(y);
        for (int x = inside.left; x < inside.right; ++x) {
            r += (row[x] >> 16) & 255;
            g += (row[x] >> 8) & 255;
            b += row[x] & 255;
        }
    }
    const std::uint64_t count = static_cast<std::uint64_t>(inside.Width()) * static_cast<std::uint64_t>(inside.Height());
    auto mean = [count](std::uint64_t sum) { return static_cast<Pixel>((2 * sum + count) / (2 * count)); };
    return 0xFF000000u | mean(r) << 16 | mean(g) << 8 | mean(b);
}

}  // namespace orvelle
