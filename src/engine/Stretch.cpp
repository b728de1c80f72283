#include "engine/Stretch.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace orvelle {

namespace {

// Block replication: destination column i shows source column i * Sw / Dw.
void StretchNearest(ConstImageRef src, ImageRef dst, Rect area) {
    std::vector<int> columnMap(static_cast<std::size_t>(area.Width()));
    for (int i = area.left; i < area.right; ++i)
        columnMap[static_cast<std::size_t>(i - area.left)] =
            static_cast<int>(static_cast<long long>(i) * src.width / dst.width);
    int previousSourceRow = -1;
    for (int j = area.top; j < area.bottom; ++j) {
        const int sourceRow = static_cast<int>(static_cast<long long>(j) * src.height / dst.height);
        Pixel* out = dst.Row(j) + area.left;
        if (sourceRow == previousSourceRow) {
            std::memcpy(out, dst.Row(j - 1) + area.left, sizeof(Pixel) * static_cast<std::size_t>(area.Width()));
            continue;
        }
        const Pixel* in = src.Row(sourceRow);
        for (int i = 0; i < area.Width(); ++i) out[i] = in[columnMap[static_cast<std::size_t>(i)]];
        previousSourceRow = sourceRow;
    }
}

}  // namespace

void StretchDraw(ConstImageRef src, ImageRef dst, TStretchFilter filter, Rect area) {
    area = Intersect(area, Rect{0, 0, dst.width, dst.height});
    if (area.IsEmpty() || src.width <= 0 || src.height <= 0) return;
    switch (filter) {
        default:
            StretchNearest(src, dst, area);
            break;
    }
}

}  // namespace orvelle
