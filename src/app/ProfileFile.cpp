#include "app/ProfileFile.h"

#include "app/ProfileEncoding.h"

#include <algorithm>
#include <utility>

namespace orvelle {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The profile functions match names without regard to case; only ASCII
// letters fold, so names in other code-page letters must match exactly.
bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

}  // namespace

ProfileFile::ProfileFile(std::string_view content) {
    DecodedProfile decoded = DecodeProfile(content);
    encoding_ = decoded.encoding;
    oddByte_ = decoded.oddByte;
    const std::string_view text = decoded.text;
    // Lines end in CR LF, LF or a lone CR, as the profile functions split them.
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines_.push_back(Classify(std::string(text.substr(start)), "", lines_.empty()));
            break;
        }
        const std::size_t eolLength = text.compare(end, 2, kCrLf) == 0 ? 2 : 1;
        lines_.push_back(Classify(std::string(text.substr(start, end - start)),
                                  std::string(text.substr(end, eolLength)), lines_.empty()));
        start = end + eolLength;
    }
}

ProfileFile::Line ProfileFile::Classify(std::string text, std::string eol, bool firstLine) {
    Line line{std::move(text), std::move(eol), LineKind::Other, {}, {}};
    std::string_view rest = line.text;
    // Notepad may put a byte-order mark before the first section; it must not
    // hide that section.
    if (firstLine && rest.substr(0, kUtf8Bom.size()) == kUtf8Bom) rest.remove_prefix(kUtf8Bom.size());
    // A commented-out "key=value" is no key: it is never read, and a new key
    // is not placed after it as if it were the section's last.
    rest = Trim(rest);
    if (rest.empty() || rest.front() == ';' || rest.front() == '#') return line;

    if (rest.front() == '[') {
        const std::size_t close = rest.find(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::Section;
            line.name = Trim(rest.substr(1, close - 1));
            return line;
        }
    }
    const std::size_t equals = rest.find('=');
    if (equals != std::string_view::npos) {
        line.kind = LineKind::Key;
        line.name = Trim(rest.substr(0, equals));
        line.value = Trim(rest.substr(equals + 1));
    }
    return line;
}

std::size_t ProfileFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == LineKind::Section && SameName(lines_[i].name, section)) return i;
    }
    return std::string::npos;
}

std::size_t ProfileFile::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != LineKind::Section) ++i;
    return i;
}

std::optional<std::string> ProfileFile::Read(std::string_view section, std::string_view key) const {
    const std::size_t header = FindSection(section);
    if (header == std::string::npos) return std::nullopt;
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const Line& line = lines_[i];
        if (line.kind != LineKind::Key || !SameName(line.name, key)) continue;
        std::string_view value = line.value;
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        return std::string(value.substr(0, kMaxValueLength));
    }
    return std::nullopt;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    std::optional<std::string> value = Read(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

bool ProfileFile::HasSection(std::string_view section) const {
    return FindSection(section) != std::string::npos;
}

void ProfileFile::Insert(std::size_t index, std::string text) {
    // A line that ended the file without a line break gets one before anything follows it.
    if (index > 0 && lines_[index - 1].eol.empty()) lines_[index - 1].eol = kCrLf;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index),
                  Classify(std::move(text), std::string(kCrLf), index == 0));
}

void ProfileFile::Remove(std::string_view section, std::string_view key) {
    const std::size_t found = FindSection(section);
    if (found == std::string::npos) return;
    for (std::size_t i = SectionEnd(found); i-- > found + 1;)
        if (lines_[i].kind == LineKind::Key && SameName(lines_[i].name, key))
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
}

void ProfileFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    std::string text;
    text.reserve(key.size() + 1 + value.size());
    text.append(key).append("=").append(value);

    const std::size_t found = FindSection(section);
    if (found == std::string::npos) {
        // Like WritePrivateProfileString: the new section follows the last
        // line directly, with no blank line put in between.
        std::string header;
        header.reserve(section.size() + 2);
        header.append("[").append(section).append("]");
        Insert(lines_.size(), std::move(header));
        Insert(lines_.size(), std::move(text));
        return;
    }

    const std::size_t end = SectionEnd(found);
    std::size_t lastKey = found;
    for (std::size_t i = found + 1; i < end; ++i) {
        if (lines_[i].kind != LineKind::Key) continue;
        if (SameName(lines_[i].name, key)) {
            lines_[i] = Classify(std::move(text), std::move(lines_[i].eol), i == 0);
            return;
        }
        lastKey = i;
    }
    // After the last key rather than at the section's very end, so that blank
    // lines and comments that lead into the next section stay with it.
    Insert(lastKey + 1, std::move(text));
}

std::string ProfileFile::Text() const {
    DecodedProfile profile{encoding_, {}, oddByte_};
    for (const Line& line : lines_) profile.text.append(line.text).append(line.eol);
    return EncodeProfile(profile);
}

}  // namespace orvelle
