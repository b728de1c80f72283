// ProfileFile: a Windows profile (INI) document held in memory, read and edited
// the way GetPrivateProfileString and WritePrivateProfileString treat the file
// on disk, so that the settings file behaves the same whichever side wrote it.
//
// Narrow text (system code page) passes through as bytes; a file with a UTF-16
// byte-order mark is read as UTF-16, its values given as UTF-8, and written
// back in UTF-16. Only the lines a write touches change; every other line,
// comments, blank lines, other programs' sections and keys, and the line
// endings, survive byte for byte.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ProfileEncoding.h"

namespace orvelle {

class ProfileFile {
public:
    // The longest value a read returns, as with a 2048-character buffer.
    static constexpr std::size_t kMaxValueLength = 2047;

    ProfileFile() = default;
    // Accepts any bytes; lines end in CR LF, LF or a lone CR, the last one
    // possibly in none. A UTF-8 byte-order mark is kept but does not hide the
    // first line.
    explicit ProfileFile(std::string_view content);

    // The value of `key` in `section`, names compared without regard to ASCII
    // case, or nothing when either is missing. Blanks around the value are
    // dropped, then one pair of matching quotes (' or ") around it, and the
    // result is cut to kMaxValueLength characters. A key that occurs twice in
    // a section, or a section that occurs twice, counts at its first place.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;

    bool HasSection(std::string_view section) const;

    // Sets the line of `key` to "key=value", appending the key after the last
    // key of its section when it is new, and the section at the end of the
    // file when that is new. New lines end in CR LF. The value is written as
    // given and must not hold a line break.
    void Write(std::string_view section, std::string_view key, std::string_view value);

    // Drops every line of `key` in the first `section` of that name, as
    // WritePrivateProfileString does when given no value.
    void Remove(std::string_view section, std::string_view key);

    // The whole document as bytes in the encoding it was read in, ready to be stored.
    std::string Text() const;

private:
    enum class LineKind { Other, Section, Key };

    struct Line {
        std::string text;  // without its line ending
        std::string eol;   // "\r\n", "\n", "\r", or "" for a last line without one
        LineKind kind = LineKind::Other;
        std::string name;   // section or key name, blanks trimmed
        std::string value;  // key lines only: the value, blanks trimmed
    };

    static Line Classify(std::string text, std::string eol, bool firstLine);
    // Index of the section's header line, or npos.
    std::size_t FindSection(std::string_view section) const;
    // Index just past the section's last line (the next header or the end).
    std::size_t SectionEnd(std::size_t header) const;
    void Insert(std::size_t index, std::string text);

    std::vector<Line> lines_;
    ProfileEncoding encoding_ = ProfileEncoding::Narrow;
    std::optional<char> oddByte_;
};

}  // namespace orvelle
