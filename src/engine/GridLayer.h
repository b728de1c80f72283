// The pixel grid over the enlarged picture: a line along the left column and
// the top row of every enlarged screen pixel but the first, solid in the
// chosen colour or stippled black and white.
//
// The layer is kept as its lines rather than as a view-sized bitmap, so that
// painting it touches only line pixels. Every layer pixel is either fully
// opaque or fully transparent.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "engine/Image.h"
#include "engine/StandardColors.h"

namespace orvelle {

// Everything the grid depends on, as the main window holds it.
struct GridState {
    Size view;              // view size in view pixels
    int zoom = 2;           // z: view pixels per screen pixel
    bool shown = false;     // tbGrid pressed
    bool rastered = false;  // tbRastered pressed
    TColor color = 0;       // cbGrid's colour, 0x00BBGGRR
    friend bool operator==(const GridState&, const GridState&) = default;
};

class GridLayer {
public:
    // Redraws the layer from `state`. Run whenever something in it changes,
    // never per refresh tick. Reallocates only when the view grows.
    void DrawGrid(const GridState& state);

    // Chooses the stipple pattern of rastered lines for the zoom: black then
    // white, with a transparent step between them at z = 3 and z = 9.
    void AdjustStipple(int zoom);
    std::span<const Pixel> StipplePattern() const { return {pattern_.data(), patternLength_}; }

    bool Shown() const { return shown_; }
    Size ViewSize() const { return view_; }  // as of the last drawing with the grid shown
    const std::vector<int>& VerticalLines() const { return verticalLines_; }      // x positions
    const std::vector<int>& HorizontalLines() const { return horizontalLines_; }  // y positions

    // Writes the layer as a whole picture into `out` (normally view-sized),
    // plotting line after line in drawing order. The plain form of what
    // CompositeOnto does; slow, not for painting.
    void Rasterize(ImageRef out) const;

    // Source-over of the layer onto `view` inside `area`: writes only the
    // opaque line pixels.
    void CompositeOnto(ImageRef view, Rect area) const;

private:
    Pixel LinePixel(int positionAlongLine) const;

    bool shown_ = false;
    bool rastered_ = false;
    int zoom_ = 2;
    Size view_;
    Pixel solidPixel_ = 0xFF000000u;
    std::array<Pixel, 3> pattern_{0xFF000000u, 0xFFFFFFFFu, 0u};
    std::size_t patternLength_ = 2;
    std::vector<int> verticalLines_;
    std::vector<int> horizontalLines_;
    // The pixel every vertical line has in row y, and every horizontal line in
    // column x, so that painting needs no pattern arithmetic.
    std::vector<Pixel> columnPixels_;
    std::vector<Pixel> rowPixels_;
    bool rowOpaque_ = true;  // no transparent entry in rowPixels_
};

}  // namespace orvelle
