#include "app/ColorText.h"

namespace orvelle {

std::string HexColorText(Pixel color) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "#";
    for (int shift = 20; shift >= 0; shift -= 4) text += kDigits[(color >> shift) & 15];
    return text;
}

}  // namespace orvelle
