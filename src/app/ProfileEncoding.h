// The encodings a settings file may be stored in. The Windows profile
// functions read a file that begins with a UTF-16 byte-order mark (what Notepad
// saves as "Unicode") as UTF-16 and write it back in UTF-16; every other file
// is narrow text, whose bytes pass through unchanged.
//
// A UTF-16 file is held as generalised UTF-8, in which a lone surrogate keeps
// a three-byte form of its own, so that even a damaged file is written back
// unit for unit where nothing was changed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvelle {

enum class ProfileEncoding { Narrow, Utf16LittleEndian, Utf16BigEndian };

struct DecodedProfile {
    ProfileEncoding encoding = ProfileEncoding::Narrow;
    std::string text;  // narrow: the bytes as stored; UTF-16: generalised UTF-8, without the mark
    std::optional<char> oddByte;  // a UTF-16 file's last byte when it is no whole code unit
};

DecodedProfile DecodeProfile(std::string_view stored);

// The bytes to store: the inverse of DecodeProfile for text it produced. In
// UTF-16, byte sequences that are not UTF-8 become U+FFFD.
std::string EncodeProfile(const DecodedProfile& profile);

}  // namespace orvelle
