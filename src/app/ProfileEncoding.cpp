#include "app/ProfileEncoding.h"

#include <cstdint>

#include "lang/Utf16.h"

namespace orvelle {

namespace {

constexpr char32_t kReplacement = kReplacementCharacter;

char16_t UnitAt(std::string_view bytes, std::size_t i, bool bigEndian) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
}

void AppendUnit(std::string& out, char16_t unit, bool bigEndian) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

// One code point of generalised UTF-8 at `i`, which moves past it. Surrogates
// are accepted as three-byte forms; anything malformed is one U+FFFD per byte.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1Fu, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0Fu, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07u, minimum = 0x10000;
    }
    bool valid = length > 0 && i + static_cast<std::size_t>(length) <= text.size();
    for (int k = 1; valid && k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
        valid = (next & 0xC0) == 0x80;
        c = (c << 6) | (next & 0x3Fu);
    }
    if (!valid || c < minimum || c > 0x10FFFF) {
        ++i;
        return kReplacement;
    }
    i += static_cast<std::size_t>(length);
    return c;
}

}  // namespace

DecodedProfile DecodeProfile(std::string_view stored) {
    DecodedProfile decoded;
    const bool little = stored.starts_with("\xFF\xFE");
    const bool big = stored.starts_with("\xFE\xFF");
    if (!little && !big) {
        decoded.text = stored;
        return decoded;
    }
    decoded.encoding = little ? ProfileEncoding::Utf16LittleEndian : ProfileEncoding::Utf16BigEndian;
    const std::string_view units = stored.substr(2);
    const std::size_t whole = units.size() / 2 * 2;
    if (whole < units.size()) decoded.oddByte = units.back();
    decoded.text.reserve(units.size());
    for (std::size_t i = 0; i < whole; i += 2) {
        char32_t c = UnitAt(units, i, big);
        if (IsHighSurrogate(c) && i + 3 < whole) {
            const char32_t next = UnitAt(units, i + 2, big);
            if (IsLowSurrogate(next)) {
                c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(decoded.text, c);
    }
    return decoded;
}

std::string EncodeProfile(const DecodedProfile& profile) {
    if (profile.encoding == ProfileEncoding::Narrow) return profile.text;
    const bool big = profile.encoding == ProfileEncoding::Utf16BigEndian;
    std::string out;
    out.reserve(2 + profile.text.size() * 2 + 1);
    AppendUnit(out, 0xFEFF, big);
    for (std::size_t i = 0; i < profile.text.size();) {
        char32_t c = NextCodePoint(profile.text, i);
        if (c < 0x10000) {
            AppendUnit(out, static_cast<char16_t>(c), big);
        } else {
            c -= 0x10000;
            AppendUnit(out, static_cast<char16_t>(0xD800 + (c >> 10)), big);
            AppendUnit(out, static_cast<char16_t>(0xDC00 + (c & 0x3FF)), big);
        }
    }
    if (profile.oddByte) out += *profile.oddByte;
    return out;
}

}  // namespace orvelle
