// Conversions between the UTF-16 of language files and the UTF-8 that the
// rest of the program uses for every text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace orvelle {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

constexpr bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Appends one code point in UTF-8. A lone surrogate takes the three-byte form
// it would have, so that text read from UTF-16 can be written back unchanged.
void AppendUtf8(std::string& out, char32_t c);

// A lone surrogate, which a damaged file may hold, becomes U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);
// Invalid UTF-8 sequences become U+FFFD.
std::u16string Utf16FromUtf8(std::string_view text);
// Little-endian code units, two bytes each; an odd last byte is no code unit.
std::u16string Utf16FromLittleEndian(std::span<const std::uint8_t> bytes);

}  // namespace orvelle
