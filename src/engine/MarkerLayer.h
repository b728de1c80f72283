// The pointer marker: an arrow whose tip marks the centre of the enlarged
// pixel under the mouse pointer, filled white and outlined black, antialiased.
//
// The arrow looks the same wherever its tip lies (tips are whole view pixels),
// so it is rendered once, when the layer is made, into a small box; placing it
// on a tick only moves the box. Nothing outside the box is ever touched.
#pragma once

#include <algorithm>
#include <array>

#include "engine/Image.h"

namespace orvelle {

// The smallest rectangle holding the pixels of all the points.
template <std::size_t N>
constexpr Rect PixelBounds(const std::array<Point, N>& points) {
    Rect r{points[0].x, points[0].y, points[0].x + 1, points[0].y + 1};
    for (const Point& p : points) {
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x + 1);
        r.bottom = std::max(r.bottom, p.y + 1);
    }
    return r;
}

class MarkerLayer {
public:
    // The arrow's outline in view pixels relative to the tip, one closed polygon.
    static constexpr std::array<Point, 7> kShape{
        {{0, 0}, {0, 30}, {8, 26}, {14, 38}, {22, 34}, {16, 22}, {24, 18}}};

    // The box that holds the rendered arrow, relative to the tip. The outline
    // reaches half a pixel beyond the vertices (see the .cpp for where a
    // vertex sits inside its pixel), so the box spans the vertices' pixels.
    static constexpr Rect kBox = PixelBounds(kShape);

    MarkerLayer();

    // Puts the arrow's tip at `tip` in a view of size `view`; the parts
    // outside the view are clipped.
    void Draw(Point tip, Size view);
    // Removes the arrow: the layer becomes entirely transparent.
    void Clear();

    bool Shown() const { return shown_; }
    Point Tip() const { return tip_; }
    // The view pixels the arrow may cover, clipped to the view; empty when cleared.
    Rect Bounds() const { return bounds_; }

    // The layer's pixel at (x, y) of the view, straight alpha.
    Pixel At(int x, int y) const;
    // Writes the whole layer, transparent except for the arrow, into `out`.
    void Rasterize(ImageRef out) const;
    // Source-over of the arrow onto `view` inside `area`.
    void CompositeOnto(ImageRef view, Rect area) const;

private:
    static constexpr int kBoxWidth = kBox.right - kBox.left;
    static constexpr int kBoxHeight = kBox.bottom - kBox.top;

    using SpritePixels = std::array<Pixel, static_cast<std::size_t>(kBoxWidth) * kBoxHeight>;
    static SpritePixels RenderSprite();
    ConstImageRef Sprite() const { return ConstImageRef{sprite_.data(), kBoxWidth, kBoxHeight, kBoxWidth}; }

    SpritePixels sprite_{};
    bool shown_ = false;
    Point tip_;
    Rect bounds_;
};

}  // namespace orvelle
