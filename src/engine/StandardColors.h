// The sixteen standard colours offered for the grid, in the order of the
// colour box and the colour menu.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/Image.h"

namespace orvelle {

// A Windows colour value 0x00BBGGRR (red in the low byte), as the user
// interface and the settings file carry it. Pixels are 0xAARRGGBB instead.
using TColor = std::uint32_t;

struct StandardColor {
    int index;
    std::string_view name;        // shown in the menu and the colour box
    std::string_view identifier;  // the name with its "cl" prefix
    TColor value;
};

constexpr int kStandardColorCount = 16;

inline constexpr std::array<StandardColor, kStandardColorCount> kStandardColors{{
    {0, "Black", "clBlack", 0x000000},
    {1, "Maroon", "clMaroon", 0x000080},
    {2, "Green", "clGreen", 0x008000},
    {3, "Olive", "clOlive", 0x008080},
    {4, "Navy", "clNavy", 0x800000},
    {5, "Purple", "clPurple", 0x800080},
    {6, "Teal", "clTeal", 0x808000},
    {7, "Gray", "clGray", 0x808080},
    {8, "Silver", "clSilver", 0xC0C0C0},
    {9, "Red", "clRed", 0x0000FF},
    {10, "Lime", "clLime", 0x00FF00},
    {11, "Yellow", "clYellow", 0x00FFFF},
    {12, "Blue", "clBlue", 0xFF0000},
    {13, "Fuchsia", "clFuchsia", 0xFF00FF},
    {14, "Aqua", "clAqua", 0xFFFF00},
    {15, "White", "clWhite", 0xFFFFFF},
}};

// The fully opaque pixel 0xFFRRGGBB of a colour value; its top byte is ignored.
Pixel ColorToGridPixel(TColor color);

// Position of `color` in kStandardColors, or -1 when it is none of them.
int StandardColorIndex(TColor color);

}  // namespace orvelle
