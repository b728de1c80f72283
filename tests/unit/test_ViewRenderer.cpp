#include "engine/ViewRenderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "engine/Stretch.h"
#include "ReferenceOver.h"

namespace orvelle {
namespace {

using reference::ReferenceOver;

TEST(ViewRenderer, EnlargementWithGridThenMarkerOnTop) {
    std::mt19937 random(4242);
    GridLayer grid;
    MarkerLayer marker;
    for (int trial = 0; trial < 120; ++trial) {
        const int zoom = 2 + static_cast<int>(random() % 11);
        TBitmap32 capture(1 + static_cast<int>(random() % 14), 1 + static_cast<int>(random() % 12));
        for (int y = 0; y < capture.Height(); ++y)
            for (int x = 0; x < capture.Width(); ++x) capture.At(x, y) = static_cast<Pixel>(random());
        capture.SetStretchFilter(static_cast<TStretchFilter>(random() % kStretchFilterCount));
        const Size viewSize{capture.Width() * zoom, capture.Height() * zoom};

        GridState state{viewSize, zoom, random() % 4 != 0, random() % 2 == 0,
                        kStandardColors[random() % kStandardColorCount].value};
        grid.DrawGrid(state);
        if (random() % 5 == 0) {
            marker.Clear();
        } else {
            // Tips at block centres, as the refresh tick places them, some of
            // them near the right and bottom edges.
            const int cx = static_cast<int>(random() % static_cast<unsigned>(capture.Width()));
            const int cy = static_cast<int>(random() % static_cast<unsigned>(capture.Height()));
            marker.Draw(Point{cx * zoom + zoom / 2, cy * zoom + zoom / 2}, viewSize);
        }
        const Rect area{static_cast<int>(random() % 30) - 8, static_cast<int>(random() % 30) - 8,
                        viewSize.width - 10 + static_cast<int>(random() % 25),
                        viewSize.height - 10 + static_cast<int>(random() % 25)};
        SCOPED_TRACE(testing::Message() << "trial " << trial << ": capture " << capture.Width() << "x"
                                        << capture.Height() << " z=" << zoom << " grid=" << state.shown
                                        << " rastered=" << state.rastered << " marker=" << marker.Shown());

        // Reference: the whole enlargement, then each whole layer blended
        // pixel by pixel, inside the area only.
        TBitmap32 enlarged(viewSize.width, viewSize.height);
        StretchDraw(capture.Ref(), enlarged.Ref(), capture.StretchFilter());
        TBitmap32 gridLayer(viewSize.width, viewSize.height);
        grid.Rasterize(gridLayer.Ref());
        TBitmap32 markerLayer(viewSize.width, viewSize.height);
        marker.Rasterize(markerLayer.Ref());

        constexpr int kBorder = 2;
        const int stride = viewSize.width + 2 * kBorder;
        std::vector<Pixel> buffer(static_cast<std::size_t>(stride * (viewSize.height + 2 * kBorder)));
        for (Pixel& p : buffer) p = static_cast<Pixel>(random());
        std::vector<Pixel> expected = buffer;
        for (int y = std::max(area.top, 0); y < std::min(area.bottom, viewSize.height); ++y)
            for (int x = std::max(area.left, 0); x < std::min(area.right, viewSize.width); ++x)
                expected[static_cast<std::size_t>((y + kBorder) * stride + x + kBorder)] =
                    ReferenceOver(markerLayer.At(x, y), ReferenceOver(gridLayer.At(x, y), enlarged.At(x, y)));

        const ImageRef view{buffer.data() + kBorder * stride + kBorder, viewSize.width, viewSize.height, stride};
        RenderView(capture, view, area, grid, marker);
        ASSERT_EQ(buffer, expected);
    }
}

}  // namespace
}  // namespace orvelle
