#include "engine/Dpi.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

TEST(Dpi, ScalesAsMulDivRounds) {
    const struct {
        int designed;
        int dpi;
        int scaled;
    } cases[] = {
        {273, 96, 273}, {273, 120, 341}, {273, 144, 410}, {273, 192, 546}, {27, 144, 41},  // 40.5: halves go up
        {161, 120, 201}, {2, 144, 3},    {-1, 144, -2},   {-1, 120, -1},   {0, 192, 0},    // and away from zero
        {11, 168, 19},   {592, 144, 888},
    };
    for (const auto& c : cases) EXPECT_EQ(ScaleToDpi(c.designed, c.dpi), c.scaled) << c.designed << " at " << c.dpi;
    EXPECT_EQ(ScaleToDpi(Rect::FromSize(4, 4, 273, 26), 144), (Rect{6, 6, 416, 45}));
}

TEST(Dpi, PicturesComeFromTheNearestDrawnScale) {
    const struct {
        int dpi;
        int percent;
    } cases[] = {{72, 100}, {96, 100}, {107, 100}, {108, 125}, {120, 125}, {132, 150},
                 {144, 150}, {168, 200}, {192, 200}, {288, 200}};
    for (const auto& c : cases) EXPECT_EQ(PictureScalePercent(c.dpi), c.percent) << c.dpi;
    EXPECT_EQ(ScalePicture(Size{101, 38}, 125), (Size{126, 48}));
    EXPECT_EQ(ScalePicture(Size{101, 38}, 150), (Size{152, 57}));
    EXPECT_EQ(ScalePicture(Size{24, 20}, 200), (Size{48, 40}));
}

}  // namespace
}  // namespace orvelle
