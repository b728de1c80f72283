#include "engine/GridLayer.h"

#include <algorithm>
#include <cstring>

namespace orvelle {

namespace {

constexpr Pixel kStippleBlack = 0xFF000000u;
constexpr Pixel kStippleWhite = 0xFFFFFFFFu;
constexpr Pixel kStippleClear = 0x00000000u;

bool IsOpaque(Pixel p) { return (p >> 24) != 0; }

// Positions z, 2z, ... short of `extent`: the border of the view has no line.
void PlaceLines(int extent, int zoom, std::vector<int>& lines) {
    lines.clear();
    if (zoom <= 0) return;
    for (int i = 1; i <= extent / zoom - 1; ++i) lines.push_back(i * zoom);
}

}  // namespace

void GridLayer::AdjustStipple(int zoom) {
    if (zoom == 3 || zoom == 9) {
        pattern_ = {kStippleBlack, kStippleClear, kStippleWhite};
        patternLength_ = 3;
    } else {
        pattern_ = {kStippleBlack, kStippleWhite, 0u};
        patternLength_ = 2;
    }
}

Pixel GridLayer::LinePixel(int positionAlongLine) const {
    if (!rastered_) return solidPixel_;
    return pattern_[static_cast<std::size_t>(positionAlongLine) % patternLength_];
}

void GridLayer::DrawGrid(const GridState& state) {
    shown_ = state.shown;
    verticalLines_.clear();
    horizontalLines_.clear();
    if (!shown_) return;

    view_ = Size{std::max(state.view.width, 0), std::max(state.view.height, 0)};
    zoom_ = state.zoom;
    rastered_ = state.rastered;
    solidPixel_ = ColorToGridPixel(state.color);
    if (rastered_) AdjustStipple(zoom_);

    PlaceLines(view_.width, zoom_, verticalLines_);
    PlaceLines(view_.height, zoom_, horizontalLines_);

    // Every line starts its pattern afresh, so the pixel depends only on the
    // position along the line.
    columnPixels_.resize(static_cast<std::size_t>(view_.height));
    for (int y = 0; y < view_.height; ++y) columnPixels_[static_cast<std::size_t>(y)] = LinePixel(y);
    rowPixels_.resize(static_cast<std::size_t>(view_.width));
    for (int x = 0; x < view_.width; ++x) rowPixels_[static_cast<std::size_t>(x)] = LinePixel(x);
    rowOpaque_ = std::all_of(rowPixels_.begin(), rowPixels_.end(), IsOpaque);
}

void GridLayer::Rasterize(ImageRef out) const {
    for (int y = 0; y < out.height; ++y) std::fill_n(out.Row(y), out.width, Pixel{0});
    if (!shown_ || zoom_ <= 0) return;

    // Solid lines replace pixels; a stippled pixel is blended over what is
    // there, which for entries that are fully opaque or fully transparent
    // means covering it or leaving it.
    auto plot = [&](int x, int y, Pixel p) {
        if (x < 0 || y < 0 || x >= out.width || y >= out.height) return;
        if (!rastered_ || IsOpaque(p)) out.At(x, y) = p;
    };
    auto stippleEntry = [&](int stippleCounter) {
        return pattern_[static_cast<std::size_t>(stippleCounter) % patternLength_];
    };

    for (int i = 1; i <= view_.width / zoom_ - 1; ++i) {
        const int x = i * zoom_;
        int stippleCounter = 0;
        for (int y = 0; y < view_.height; ++y)
            plot(x, y, rastered_ ? stippleEntry(stippleCounter++) : solidPixel_);
    }
    for (int j = 1; j <= view_.height / zoom_ - 1; ++j) {
        const int y = j * zoom_;
        int stippleCounter = 0;
        for (int x = 0; x < view_.width; ++x)
            plot(x, y, rastered_ ? stippleEntry(stippleCounter++) : solidPixel_);
    }
}

void GridLayer::CompositeOnto(ImageRef view, Rect area) const {
    if (!shown_) return;
    area = Intersect(area, Rect{0, 0, view.width, view.height});
    area = Intersect(area, Rect{0, 0, view_.width, view_.height});
    if (area.IsEmpty()) return;

    // Vertical lines first, row by row for the cache's sake.
    const auto firstColumn = std::lower_bound(verticalLines_.begin(), verticalLines_.end(), area.left);
    const auto endColumn = std::lower_bound(firstColumn, verticalLines_.end(), area.right);
    if (firstColumn != endColumn) {
        for (int y = area.top; y < area.bottom; ++y) {
            const Pixel p = columnPixels_[static_cast<std::size_t>(y)];
            if (!IsOpaque(p)) continue;
            Pixel* row = view.Row(y);
            for (auto x = firstColumn; x != endColumn; ++x) row[*x] = p;
        }
    }

    // Horizontal lines after, so their opaque pixels win at the crossings and
    // their transparent ones leave what the vertical line put there.
    const auto firstRow = std::lower_bound(horizontalLines_.begin(), horizontalLines_.end(), area.top);
    const auto endRow = std::lower_bound(firstRow, horizontalLines_.end(), area.bottom);
    const Pixel* linePixels = rowPixels_.data() + area.left;
    const std::size_t count = static_cast<std::size_t>(area.Width());
    for (auto y = firstRow; y != endRow; ++y) {
        Pixel* out = view.Row(*y) + area.left;
        if (rowOpaque_) {
            std::memcpy(out, linePixels, count * sizeof(Pixel));
        } else {
            for (std::size_t i = 0; i < count; ++i)
                if (IsOpaque(linePixels[i])) out[i] = linePixels[i];
        }
    }
}

}  // namespace orvelle
