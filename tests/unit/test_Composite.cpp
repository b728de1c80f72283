#include "engine/Composite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>
#include "ReferenceOver.h"

namespace orvelle {
namespace {

using reference::ReferenceOver;

// Layers are mostly fully transparent or opaque, with some partial alpha.
Pixel RandomLayerPixel(std::mt19937& random) {
    const Pixel colour = random() & 0xFFFFFFu;
    switch (random() % 3) {
        case 0: return colour;
        case 1: return 0xFF000000u | colour;
        default: return (random() & 0xFF000000u) | colour;
    }
}

TEST(Composite, BlendOverMatchesReferenceForEveryAlpha) {
    std::mt19937 random(7);
    for (Pixel a = 0; a <= 255; ++a) {
        SCOPED_TRACE(a);
        for (int n = 0; n < 400; ++n) {
            const Pixel layer = (a << 24) | (random() & 0xFFFFFFu);
            const Pixel picture = static_cast<Pixel>(random());
            ASSERT_EQ(BlendOver(layer, picture), ReferenceOver(layer, picture)) << std::hex << layer << " " << picture;
        }
    }
}

TEST(Composite, OpaqueCopiesAndTransparentLeavesExactly) {
    std::mt19937 random(8);
    for (int n = 0; n < 1000; ++n) {
        const Pixel colour = random() & 0xFFFFFFu;
        const Pixel picture = static_cast<Pixel>(random());
        EXPECT_EQ(BlendOver(0xFF000000u | colour, picture), 0xFF000000u | colour);
        EXPECT_EQ(BlendOver(colour, picture), picture);
    }
}

TEST(Composite, CompositeOverBlendsOnlyTheOverlapOfLayerPictureAndArea) {
    std::mt19937 random(9);
    for (int trial = 0; trial < 300; ++trial) {
        SCOPED_TRACE(trial);
        const int pictureWidth = 1 + static_cast<int>(random() % 40);
        const int pictureHeight = 1 + static_cast<int>(random() % 30);
        const int layerWidth = 1 + static_cast<int>(random() % 25);
        const int layerHeight = 1 + static_cast<int>(random() % 25);
        const Point origin{static_cast<int>(random() % 60) - 20, static_cast<int>(random() % 50) - 20};
        const Rect area{static_cast<int>(random() % 50) - 5, static_cast<int>(random() % 40) - 5,
                        static_cast<int>(random() % 50) - 5, static_cast<int>(random() % 40) - 5};

        std::vector<Pixel> layer(static_cast<std::size_t>(layerWidth * layerHeight));
        for (Pixel& p : layer) p = RandomLayerPixel(random);
        // The picture sits in a larger buffer with a sentinel border and a
        // stride wider than its width.
        constexpr int kBorder = 2;
        const int stride = pictureWidth + 2 * kBorder + 3;
        std::vector<Pixel> buffer(static_cast<std::size_t>(stride * (pictureHeight + 2 * kBorder)));
        for (Pixel& p : buffer) p = static_cast<Pixel>(random());
        std::vector<Pixel> expected = buffer;
        ImageRef picture{buffer.data() + kBorder * stride + kBorder, pictureWidth, pictureHeight, stride};

        for (int y = 0; y < pictureHeight; ++y)
            for (int x = 0; x < pictureWidth; ++x) {
                const int lx = x - origin.x;
                const int ly = y - origin.y;
                const bool inArea = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
                if (!inArea || lx < 0 || ly < 0 || lx >= layerWidth || ly >= layerHeight) continue;
                Pixel& out = expected[static_cast<std::size_t>((y + kBorder) * stride + x + kBorder)];
                out = ReferenceOver(layer[static_cast<std::size_t>(ly * layerWidth + lx)], out);
            }

        CompositeOver(ConstImageRef{layer.data(), layerWidth, layerHeight, layerWidth}, origin, picture, area);
        ASSERT_EQ(buffer, expected);
    }
}

}  // namespace
}  // namespace orvelle
