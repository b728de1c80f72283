#include <gtest/gtest.h>

#include "guides/GuideLooks.h"

namespace orvelle {
namespace {

constexpr Pixel kBase = 0xFF804020;
const GuideColors kColors{0xFF000014, 0xFF000016, 0xFF00000F, 0xFF000010, 0xFF000015};

TEST(GuideLooks, BarBandsAcrossTheLine) {
    const struct {
        int thickness;
        std::vector<Pixel> across;
    } cases[] = {
        {6, {0xFF000014, 0xFF000016, 0xFF00000F, 0xFF00000F, 0xFF000010, 0xFF000015}},
        // Bands 1.5 pixels wide: each pixel takes the band its centre lies in.
        {9, {0xFF000014, 0xFF000016, 0xFF000016, 0xFF00000F, 0xFF00000F, 0xFF00000F, 0xFF000010, 0xFF000015,
             0xFF000015}},
        {12, {0xFF000014, 0xFF000014, 0xFF000016, 0xFF000016, 0xFF00000F, 0xFF00000F, 0xFF00000F, 0xFF00000F,
              0xFF000010, 0xFF000010, 0xFF000015, 0xFF000015}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.thickness);
        const TBitmap32 vertical = GuideBar(c.thickness, true, kColors);
        const TBitmap32 horizontal = GuideBar(c.thickness, false, kColors);
        ASSERT_EQ(vertical.Width(), c.thickness);
        ASSERT_EQ(vertical.Height(), 1);
        ASSERT_EQ(horizontal.Width(), 1);
        ASSERT_EQ(horizontal.Height(), c.thickness);
        for (int i = 0; i < c.thickness; ++i) {
            EXPECT_EQ(vertical.At(i, 0), c.across[static_cast<std::size_t>(i)]) << i;
            EXPECT_EQ(horizontal.At(0, i), c.across[static_cast<std::size_t>(i)]) << i;
        }
    }
}

// The frame of a 28 x 24 handle, written out run by run (both ends included).
TEST(GuideLooks, HandleFrameAtDesignSize) {
    TBitmap32 expected(28, 24);
    expected.Clear(kBase);
    auto column = [&](int x, int y0, int y1, Pixel c) {
        for (int y = y0; y <= y1; ++y) expected.At(x, y) = c;
    };
    auto row = [&](int y, int x0, int x1, Pixel c) {
        for (int x = x0; x <= x1; ++x) expected.At(x, y) = c;
    };
    column(0, 0, 22, kColors.buttonHighlight);
    row(0, 0, 26, kColors.buttonHighlight);
    column(1, 1, 21, kColors.light3d);
    row(1, 2, 25, kColors.light3d);
    column(26, 1, 22, kColors.buttonShadow);
    row(22, 1, 25, kColors.buttonShadow);
    column(27, 0, 23, kColors.darkShadow3d);
    row(23, 0, 26, kColors.darkShadow3d);

    TBitmap32 handle(28, 24);
    handle.Clear(kBase);
    DrawRaisedFrame(handle, 1, kColors);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 28; ++x) ASSERT_EQ(handle.At(x, y), expected.At(x, y)) << x << ", " << y;
}

TEST(GuideLooks, WiderFrameKeepsItsRingsAndLeavesTheInside) {
    TBitmap32 handle(42, 36);
    handle.Clear(kBase);
    DrawRaisedFrame(handle, 2, kColors);
    EXPECT_EQ(handle.At(0, 10), kColors.buttonHighlight);
    EXPECT_EQ(handle.At(1, 10), kColors.buttonHighlight);
    EXPECT_EQ(handle.At(2, 10), kColors.light3d);
    EXPECT_EQ(handle.At(3, 10), kColors.light3d);
    EXPECT_EQ(handle.At(4, 10), kBase);
    EXPECT_EQ(handle.At(41, 10), kColors.darkShadow3d);
    EXPECT_EQ(handle.At(40, 10), kColors.darkShadow3d);
    EXPECT_EQ(handle.At(39, 10), kColors.buttonShadow);
    EXPECT_EQ(handle.At(37, 10), kBase);
    EXPECT_EQ(handle.At(20, 35), kColors.darkShadow3d);
    EXPECT_EQ(handle.At(20, 32), kColors.buttonShadow);
    EXPECT_EQ(handle.At(20, 31), kBase);
    // Each far corner belongs to the bottom-right colours.
    EXPECT_EQ(handle.At(41, 0), kColors.darkShadow3d);
    EXPECT_EQ(handle.At(0, 35), kColors.darkShadow3d);
}

}  // namespace
}  // namespace orvelle
