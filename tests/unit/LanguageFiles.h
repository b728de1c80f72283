// Language files and flags as the tests lay them into a fake folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Bitmap32.h"
#include "engine/BmpCodec.h"

namespace orvelle::testing {

inline const std::string kLanguageFolder = "C:\\Program Files\\Orvelle\\Languages\\";

// The text as a language file holds it: UTF-16 little-endian code units.
inline std::vector<std::uint8_t> LanguageFileBytes(const std::u16string& text) {
    std::vector<std::uint8_t> bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return bytes;
}

inline std::vector<std::uint8_t> FlagFileBytes(Pixel color, int size = 16) {
    TBitmap32 flag(size, size);
    flag.Clear(color);
    return EncodeBmp32(flag);
}

}  // namespace orvelle::testing
