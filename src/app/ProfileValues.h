// The encodings of numbers and switches in the settings file, as the program
// has always read and written them, so that hand-edited files keep working.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/ProfileFile.h"

namespace orvelle {

// An integer as stored in the settings file: decimal with an optional sign,
// hexadecimal after "$", or hexadecimal after "0x"/"0X" when the text is
// longer than those two characters. Hexadecimal gives a 32-bit pattern, so
// "$FFFFFFFF" is -1. Anything else, blanks included, is not a number.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

// Written forms: decimal, and "0"/"1" for switches.
std::string FormatProfileInteger(std::int32_t value);
std::string FormatProfileBool(bool value);

// Reads a key, falling back to the default when the key is missing or does not
// hold a number. A switch is a number, true unless it is 0.
std::int32_t ReadProfileInteger(const ProfileFile& file, std::string_view section, std::string_view key,
                                std::int32_t defaultValue);
bool ReadProfileBool(const ProfileFile& file, std::string_view section, std::string_view key, bool defaultValue);

void WriteProfileInteger(ProfileFile& file, std::string_view section, std::string_view key, std::int32_t value);
void WriteProfileBool(ProfileFile& file, std::string_view section, std::string_view key, bool value);

}  // namespace orvelle
