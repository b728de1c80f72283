#include "engine/StandardColors.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace orvelle {
namespace {

// The colours as red, green, blue, independently of the 0x00BBGGRR values
// the table carries.
struct Expected {
    const char* name;
    int red, green, blue;
};
constexpr Expected kExpected[kStandardColorCount] = {
    {"Black", 0, 0, 0},       {"Maroon", 128, 0, 0},     {"Green", 0, 128, 0},   {"Olive", 128, 128, 0},
    {"Navy", 0, 0, 128},      {"Purple", 128, 0, 128},   {"Teal", 0, 128, 128},  {"Gray", 128, 128, 128},
    {"Silver", 192, 192, 192}, {"Red", 255, 0, 0},       {"Lime", 0, 255, 0},    {"Yellow", 255, 255, 0},
    {"Blue", 0, 0, 255},      {"Fuchsia", 255, 0, 255},  {"Aqua", 0, 255, 255},  {"White", 255, 255, 255},
};

TEST(StandardColors, TableInListOrderWithNamesAndGridPixels) {
    for (int i = 0; i < kStandardColorCount; ++i) {
        const StandardColor& color = kStandardColors[static_cast<std::size_t>(i)];
        const Expected& want = kExpected[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(color.index, i);
        EXPECT_EQ(color.name, want.name);
        EXPECT_EQ(color.identifier, std::string("cl") + want.name);
        const Pixel pixel = ColorToGridPixel(color.value);
        EXPECT_EQ(pixel >> 24, 0xFFu) << "grid pixels are opaque";
        EXPECT_EQ(static_cast<int>((pixel >> 16) & 0xFF), want.red);
        EXPECT_EQ(static_cast<int>((pixel >> 8) & 0xFF), want.green);
        EXPECT_EQ(static_cast<int>(pixel & 0xFF), want.blue);
        EXPECT_EQ(StandardColorIndex(color.value), i);
    }
}

TEST(StandardColors, ValuesAreDistinct) {
    std::set<TColor> values;
    for (const StandardColor& color : kStandardColors) values.insert(color.value);
    EXPECT_EQ(values.size(), static_cast<std::size_t>(kStandardColorCount));
}

TEST(StandardColors, GridPixelSwapsRedAndBlueAndIgnoresTheTopByte) {
    EXPECT_EQ(ColorToGridPixel(0x00123456u), 0xFF563412u);
    EXPECT_EQ(ColorToGridPixel(0x7F123456u), 0xFF563412u);
}

TEST(StandardColors, IndexOfOtherValuesIsMinusOne) {
    for (TColor value : {0x00123456u, 0x00000001u, 0x00C0C0C1u, 0x01000000u, 0x80000008u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(StandardColorIndex(value), -1);
    }
}

}  // namespace
}  // namespace orvelle
