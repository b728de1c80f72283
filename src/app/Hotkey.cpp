#include "app/Hotkey.h"

#include <cctype>
#include <vector>

namespace orvelle {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The key's virtual-key number, or 0 when the part names none.
int KeyNamed(std::string_view part) {
    if (part.size() == 1) {
        const int c = std::toupper(static_cast<unsigned char>(part[0]));
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
        return 0;
    }
    if (part.size() < 2 || part.size() > 3 || std::toupper(static_cast<unsigned char>(part[0])) != 'F') return 0;
    int number = 0;
    for (std::size_t i = 1; i < part.size(); ++i) {
        if (part[i] < '0' || part[i] > '9') return 0;
        number = number * 10 + (part[i] - '0');
    }
    if (part[1] == '0' || number < 1 || number > 24) return 0;  // no "F01", no "F0", no "F25"
    return kKeyF1Code + number - 1;
}

}  // namespace

bool ParseHotkey(std::string_view text, std::optional<Hotkey>& hotkey) {
    text = Trimmed(text);
    if (text.empty()) {
        hotkey.reset();
        return true;
    }
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t plus = text.find('+', start);
        parts.push_back(Trimmed(text.substr(start, plus == std::string_view::npos ? std::string_view::npos : plus - start)));
        if (plus == std::string_view::npos) break;
        start = plus + 1;
    }
    Hotkey read;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        bool* modifier = SameLetters(parts[i], "Ctrl")    ? &read.ctrl
                         : SameLetters(parts[i], "Shift") ? &read.shift
                         : SameLetters(parts[i], "Alt")   ? &read.alt
                         : SameLetters(parts[i], "Win")   ? &read.win
                                                          : nullptr;
        if (modifier == nullptr || *modifier) return false;  // unknown, or named twice
        *modifier = true;
    }
    read.key = KeyNamed(parts.back());
    if (read.key == 0) return false;
    // A letter or a digit alone, or with Shift only, would stop its typing everywhere.
    if (!(read.ctrl || read.alt || read.win) && read.key < kKeyF1Code) return false;
    hotkey = read;
    return true;
}

std::string HotkeyText(const std::optional<Hotkey>& hotkey) {
    if (!hotkey || hotkey->key == 0) return {};
    std::string text;
    if (hotkey->ctrl) text += "Ctrl+";
    if (hotkey->shift) text += "Shift+";
    if (hotkey->alt) text += "Alt+";
    if (hotkey->win) text += "Win+";
    if (hotkey->key >= kKeyF1Code && hotkey->key <= kKeyF24Code) return text + "F" + std::to_string(hotkey->key - kKeyF1Code + 1);
    return text + static_cast<char>(hotkey->key);
}

}  // namespace orvelle
