#include "lang/InterfaceTexts.h"

#include <algorithm>
#include <array>

namespace orvelle {

namespace {

struct EnglishRow {
    int number;
    const char* text;
};

// Sorted by number.
constexpr std::array kEnglish = std::to_array<EnglishRow>({
    {1, "File"},
    {2, "Freeze Image"},
    {3, "Copy Image to Clipboard"},
    {4, "Save Image as..."},
    {5, "Launch Tessaly"},
    {6, "Exit"},
    {7, "Magnification"},
    {8, "Precise"},
    {9, "Smooth"},
    {10, "Smoothing Type"},
    {11, "Simple"},
    {12, "Linear"},
    {13, "Cosine"},
    {14, "Bicubic"},
    {15, "Lanczos"},
    {16, "Mitchell"},
    {17, "Level"},
    {18, "Refresh Rate"},
    {19, "Magnify Own Window"},
    {20, "Grid"},
    {21, "Show Mouse Position"},
    {22, "Show Grid"},
    {23, "Rastered Grid Lines"},
    {24, "Grid Color"},
    {25, "Options"},
    {26, "Always On Top"},
    {27, "Show Toolbar"},
    {28, "Show Statusbar"},
    {29, "Snap to Screen Edge"},
    {30, "Language"},
    {35, "Autostart with Windows"},
    {36, "Save Settings on Exit"},
    {37, "Help"},
    {38, "Browse Web for Updates"},
    {39, "Support"},
    {40, "Ask a Question"},
    {41, "Send Comments"},
    {42, "Report a Bug"},
    {46, "About..."},
    {60, "Precise Magnification"},
    {61, "Smooth Magnification"},
    {62, "Magnification Level"},
    {63, "Visible on Any Background"},
    {64, "A compatible version of Tessaly was not found\r\non your computer.\r\n\r\n"
         "Would you like to download it from the Internet?"},
    {100, "OK"},
    {101, "Cancel"},
    {105, "Version"},
    {158, "There is a new version of Orvelle\r\navailable online.\r\n\r\n"
          "Would you like to download it from the Internet?"},
    {159, "Try to Check on Startup"},
    {160, "Check now"},
    {161, "You are currently using the latest\r\nversion of Orvelle."},
    {162, "Application version checking was not successful.\r\n\r\n"
          "Please check your Internet connection and try again."},
    {163, "Yes"},
    {164, "No"},
    {165, "Download More Languages"},
    {204, "Brief instructions:\r\n"
          "    Precise magnifying is useful for pixel-level editing\r\n"
          "    while smoothing improves the quality of small fonts\r\n"
          "    and pictures. Click on Vantrel logo to browse the\r\n"
          "    Web for the latest version."},
    {300, "Copy Color"},
    {301, "Color of the pixel under the mouse pointer (Ctrl+Shift+C copies it)"},
    {302, "Distance"},
    {303, "From left edge"},
    {304, "From top edge"},
    {305, "Pin Color"},
    {306, "Unpin Color"},
    {307, "Copy Contrast"},
    {308, "Recent Colors"},
    {309, "Color Format"},
    {310, "Template..."},
    {311, "Sample Size"},
    {312, "Vision"},
    {313, "Normal"},
    {314, "Protanopia (no red cones)"},
    {315, "Deuteranopia (no green cones)"},
    {316, "Tritanopia (no blue cones)"},
    {317, "Achromatopsia (no color)"},
    {318, "Inverted"},
    {319, "Color Template"},
    {320, "The text Copy Color copies in the Template format. These are replaced:\r\n"
          "{r} {g} {b}  red, green, blue from 0 to 255\r\n"
          "{R} {G} {B}  the same as two hexadecimal digits\r\n"
          "{rf} {gf} {bf}  the same from 0 to 1"},
    {321, "Contrast of the pinned color (text) with the color under the mouse pointer (background)"},
    {322, "Template"},
    {323, "Lock Horizontal"},
    {324, "Lock Vertical"},
    {325, "Copy Measurement"},
    {326, "Save Image as Seen..."},
    {327, "Quick Save"},
    {328, "Global Hotkeys"},
    {329, "The hotkey %s is already held by another program, so it does not work in Orvelle."},
    {330, "Saved to %s"},
    {331, "Width and height between the measuring guides, in screen pixels (Ctrl+Shift+M copies them)"},
});

constexpr std::array kNumbers = [] {
    std::array<int, kEnglish.size()> numbers{};
    for (std::size_t i = 0; i < kEnglish.size(); ++i) numbers[i] = kEnglish[i].number;
    return numbers;
}();

}  // namespace

std::string TextNumberTag(int number) {
    const int clamped = std::clamp(number, 0, 999);
    std::string tag = "000";
    tag[0] = static_cast<char>('0' + clamped / 100);
    tag[1] = static_cast<char>('0' + clamped / 10 % 10);
    tag[2] = static_cast<char>('0' + clamped % 10);
    return tag;
}

namespace {

std::u16string StartMarker(int number) {
    const std::string tag = TextNumberTag(number);
    return std::u16string(tag.begin(), tag.end()) + u".:";
}

}  // namespace

bool HasLanguageEntry(std::u16string_view text, int number) {
    return text.find(StartMarker(number)) != std::u16string_view::npos;
}

std::u16string ExtractLanguageText(std::u16string_view text, int number) {
    const std::string tag = TextNumberTag(number);
    const std::u16string wideTag(tag.begin(), tag.end());
    const std::size_t start = text.find(StartMarker(number));
    const std::size_t end = text.find(u":." + wideTag);
    if (start == std::u16string_view::npos || end == std::u16string_view::npos) return {};
    const std::size_t first = start + 5;
    if (end <= first) return {};
    return std::u16string(text.substr(first, end - first));
}

std::string EnglishText(int number) {
    const auto row = std::lower_bound(kEnglish.begin(), kEnglish.end(), number,
                                      [](const EnglishRow& r, int n) { return r.number < n; });
    if (row == kEnglish.end() || row->number != number) return kTextNotDefined;
    return row->text;
}

std::span<const int> EnglishTextNumbers() { return kNumbers; }

}  // namespace orvelle
