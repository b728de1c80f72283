#include "engine/MarkerLayer.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/Composite.h"

namespace orvelle {

namespace {

// Sampling convention: pixel (i, j) is the square [i, i + 1) x [j, j + 1) and
// a vertex (x, y) of the shape lies at the centre of pixel (x, y), the point
// (x + 0.5, y + 0.5). Then the one-pixel outline of the arrow's straight left
// side covers exactly one column, crisp, and the tip is the centre of the tip
// pixel. Coverage is counted at 16 x 16 sample points per pixel, at
// ((m + 0.5) / 16, (k + 0.5) / 16).
constexpr int kSubsamples = 16;
constexpr double kOutlineHalfWidth = 0.5;

struct Vec {
    double x;
    double y;
};

enum SampleClass : std::uint8_t { kOutside = 0, kFill = 1, kOutline = 2 };

// First sample index m with (m + 0.5) / 16 >= x.
int FirstSampleAtOrAfter(double x) { return static_cast<int>(std::ceil(x * kSubsamples - 0.5)); }
// Last sample index m with (m + 0.5) / 16 <= x.
int LastSampleAtOrBefore(double x) { return static_cast<int>(std::floor(x * kSubsamples - 0.5)); }

// Narrows [lo, hi] to the u with low <= a * u + b <= high; false when empty.
bool ClipLinear(double a, double b, double low, double high, double& lo, double& hi) {
    if (a == 0.0) return b >= low && b <= high;
    double from = (low - b) / a;
    double to = (high - b) / a;
    if (from > to) std::swap(from, to);
    lo = std::max(lo, from);
    hi = std::min(hi, to);
    return lo <= hi;
}

// The x interval where the horizontal line at height y crosses the points
// within `radius` of the segment p-q (a capsule, so the crossing is one
// interval). False when the line misses it.
bool CapsuleCrossing(Vec p, Vec q, double radius, double y, double& left, double& right) {
    left = HUGE_VAL;
    right = -HUGE_VAL;
    auto take = [&](double lo, double hi) {
        left = std::min(left, lo);
        right = std::max(right, hi);
    };
    for (const Vec& end : {p, q}) {
        const double dy = y - end.y;
        if (std::abs(dy) <= radius) {
            const double dx = std::sqrt(radius * radius - dy * dy);
            take(end.x - dx, end.x + dx);
        }
    }
    // The band beside the segment: with u = x - p.x, the point's projection
    // must fall on the segment and its distance from the segment's line be at
    // most `radius`.
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    const double lengthSquared = dx * dx + dy * dy;
    const double e = y - p.y;
    double lo = -HUGE_VAL;
    double hi = HUGE_VAL;
    if (lengthSquared > 0.0 && ClipLinear(dx, e * dy, 0.0, lengthSquared, lo, hi) &&
        ClipLinear(dy, -e * dx, -radius * std::sqrt(lengthSquared), radius * std::sqrt(lengthSquared), lo, hi))
        take(p.x + lo, p.x + hi);
    return left <= right;
}

}  // namespace

MarkerLayer::SpritePixels MarkerLayer::RenderSprite() {
    SpritePixels sprite{};
    std::array<Vec, kShape.size()> corners{};
    for (std::size_t i = 0; i < kShape.size(); ++i)
        corners[i] = Vec{kShape[i].x - kBox.left + 0.5, kShape[i].y - kBox.top + 0.5};

    const int samplesPerRow = kBoxWidth * kSubsamples;
    std::vector<std::uint8_t> samples(static_cast<std::size_t>(samplesPerRow));
    std::vector<int> fillCount(static_cast<std::size_t>(kBoxWidth));
    std::vector<int> outlineCount(static_cast<std::size_t>(kBoxWidth));
    auto mark = [&](int first, int last, SampleClass what) {
        first = std::max(first, 0);
        last = std::min(last, samplesPerRow - 1);
        for (int m = first; m <= last; ++m) samples[static_cast<std::size_t>(m)] = what;
    };

    for (int row = 0; row < kBoxHeight; ++row) {
        std::fill(fillCount.begin(), fillCount.end(), 0);
        std::fill(outlineCount.begin(), outlineCount.end(), 0);
        for (int k = 0; k < kSubsamples; ++k) {
            const double y = row + (k + 0.5) / kSubsamples;
            std::fill(samples.begin(), samples.end(), kOutside);

            // Fill, rule alternate: inside between the first and second
            // crossing of the sample line, the third and fourth, and so on.
            // Vertices lie on half pixels, never on a sample line.
            std::array<double, kShape.size()> crossings{};
            std::size_t crossingCount = 0;
            for (std::size_t i = 0; i < corners.size(); ++i) {
                const Vec a = corners[i];
                const Vec b = corners[(i + 1) % corners.size()];
                if ((a.y <= y) == (b.y <= y)) continue;
                // Kept in order as they come; there are at most seven.
                const double x = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
                std::size_t at = crossingCount++;
                for (; at > 0 && crossings[at - 1] > x; --at) crossings[at] = crossings[at - 1];
                crossings[at] = x;
            }
            for (std::size_t i = 0; i + 1 < crossingCount; i += 2)
                mark(FirstSampleAtOrAfter(crossings[i]), FirstSampleAtOrAfter(crossings[i + 1]) - 1, kFill);

            // The outline goes over the fill: every point within half a pixel
            // of an edge.
            for (std::size_t i = 0; i < corners.size(); ++i) {
                double left = 0.0;
                double right = 0.0;
                if (CapsuleCrossing(corners[i], corners[(i + 1) % corners.size()], kOutlineHalfWidth, y, left, right))
                    mark(FirstSampleAtOrAfter(left), LastSampleAtOrBefore(right), kOutline);
            }

            for (int m = 0; m < samplesPerRow; ++m) {
                const std::size_t pixel = static_cast<std::size_t>(m / kSubsamples);
                const std::uint8_t what = samples[static_cast<std::size_t>(m)];
                fillCount[pixel] += what == kFill;
                outlineCount[pixel] += what == kOutline;
            }
        }

        // Straight alpha: the covered share of the 256 samples, and the grey
        // of white and black mixed in the covered part.
        for (int i = 0; i < kBoxWidth; ++i) {
            const int white = fillCount[static_cast<std::size_t>(i)];
            const int covered = white + outlineCount[static_cast<std::size_t>(i)];
            Pixel p = 0;
            if (covered > 0) {
                const auto alpha = static_cast<Pixel>((covered * 255 + 128) >> 8);
                const auto grey = static_cast<Pixel>((white * 255 + covered / 2) / covered);
                p = (alpha << 24) | (grey << 16) | (grey << 8) | grey;
            }
            sprite[static_cast<std::size_t>(row * kBoxWidth + i)] = p;
        }
    }
    return sprite;
}

// The arrow is the same for every layer; it is rendered once, on first use.
MarkerLayer::MarkerLayer() {
    static const SpritePixels rendered = RenderSprite();
    sprite_ = rendered;
}

void MarkerLayer::Draw(Point tip, Size view) {
    shown_ = true;
    tip_ = tip;
    bounds_ = Intersect(Rect{tip.x + kBox.left, tip.y + kBox.top, tip.x + kBox.right, tip.y + kBox.bottom},
                        Rect{0, 0, view.width, view.height});
}

void MarkerLayer::Clear() {
    shown_ = false;
    bounds_ = Rect{};
}

Pixel MarkerLayer::At(int x, int y) const {
    if (!shown_ || x < bounds_.left || x >= bounds_.right || y < bounds_.top || y >= bounds_.bottom) return 0;
    return Sprite().At(x - tip_.x - kBox.left, y - tip_.y - kBox.top);
}

void MarkerLayer::Rasterize(ImageRef out) const {
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.At(x, y) = At(x, y);
}

void MarkerLayer::CompositeOnto(ImageRef view, Rect area) const {
    if (!shown_) return;
    CompositeOver(Sprite(), Point{tip_.x + kBox.left, tip_.y + kBox.top}, view, Intersect(area, bounds_));
}

}  // namespace orvelle
