#include "app/ProfileValues.h"

namespace orvelle {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Up to 32 bits of hexadecimal digits; leading zeros do not count.
std::optional<std::int32_t> ParseHex(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0 || value > 0x0FFFFFFFu) return std::nullopt;
        value = value * 16u + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    // The magnitude may reach 2^31 only for a negative number.
    const std::uint32_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    std::uint32_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const auto digit = static_cast<std::uint32_t>(c - '0');
        if (magnitude > (limit - digit) / 10u) return std::nullopt;
        magnitude = magnitude * 10u + digit;
    }
    if (!negative) return static_cast<std::int32_t>(magnitude);
    // Computed without negating a signed value, which would overflow at -2^31.
    return static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude));
}

}  // namespace

std::optional<std::int32_t> ParseProfileInteger(std::string_view text) {
    if (!text.empty() && text.front() == '$') return ParseHex(text.substr(1));
    // "0x" on its own is neither hexadecimal nor decimal.
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return ParseHex(text.substr(2));
    return ParseDecimal(text);
}

std::string FormatProfileInteger(std::int32_t value) {
    return std::to_string(value);
}

std::string FormatProfileBool(bool value) {
    return value ? "1" : "0";
}

std::int32_t ReadProfileInteger(const ProfileFile& file, std::string_view section, std::string_view key,
                                std::int32_t defaultValue) {
    const std::optional<std::string> text = file.Read(section, key);
    if (!text) return defaultValue;
    return ParseProfileInteger(*text).value_or(defaultValue);
}

bool ReadProfileBool(const ProfileFile& file, std::string_view section, std::string_view key, bool defaultValue) {
    return ReadProfileInteger(file, section, key, defaultValue ? 1 : 0) != 0;
}

void WriteProfileInteger(ProfileFile& file, std::string_view section, std::string_view key, std::int32_t value) {
    file.Write(section, key, FormatProfileInteger(value));
}

void WriteProfileBool(ProfileFile& file, std::string_view section, std::string_view key, bool value) {
    file.Write(section, key, FormatProfileBool(value));
}

}  // namespace orvelle
