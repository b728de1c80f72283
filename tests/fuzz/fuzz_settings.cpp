// The settings file as a hostile editor may leave it: read at start-up by the
// main window's logic against fakes, written back at exit, read once more.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "app/ProfileEncoding.h"
#include "app/ProfileFile.h"
#include "app/TfrmMain.h"
#include "unit/MainWindowRig.h"

using namespace orvelle;
using namespace orvelle::testing;

namespace {

constexpr std::string_view kOwnKeys[] = {
    "Precise",     "Smoothing",     "Level",      "Refresh",  "OwnWindow", "ShowCursor",   "ShowGrid", "Rastered",
    "Color",       "AlwaysOnTop",   "ShowToolbar", "ShowStatusbar", "SnapToEdge", "Language", "Autostart",
    "StartupCheck", "SaveSettings", "Maximized",  "Left",     "Top",       "Width",        "Height",
    "Vision",      "ColorFormat",   "ColorTemplate", "SampleSize", "Recent1", "Recent2",   "Recent3",  "Recent4",
    "Recent5",     "Recent6",       "Recent7",    "Recent8",  "Recent9",   "Recent10",     "Recent11", "Recent12",
    "Recent13",    "Recent14",      "Recent15",   "Recent16", "SaveFormat", "QuickSaveFolder", "GlobalHotkeys",
    "Freeze",      "CopyColor",     "PinColor",   "Show",
};
constexpr int kRefreshIntervals[] = {20, 40, 100, 200, 500, 1000};
const std::string kLanguageFolder = "C:\\Program Files\\Orvelle\\Languages\\";

// A main window with its fakes, started as the front-end starts it.
struct Rig : MainWindowRig {
    explicit Rig(std::string content) {
        settings = InMemorySettingsStore(std::move(content));
        view.record = false;
        view.maximum = Size{1 << 30, 1 << 30};  // a system that sets no largest size of its own
        const std::string deutsch = "000.:Deutsch:.000";
        std::vector<std::uint8_t> utf16;
        for (char c : deutsch) utf16.insert(utf16.end(), {static_cast<std::uint8_t>(c), 0});
        fileSystem.Add(kLanguageFolder, "Deutsch.lng", utf16);
        Recreate();
        Start();
    }
};

// Everything the program applied lies in its range.
void CheckApplied(const Rig& rig) {
    const TfrmMain& form = *rig.form;
    const MainState& state = form.State();
    FUZZ_CHECK(state.zoom >= 2 && state.zoom <= 32);
    FUZZ_CHECK(std::count(std::begin(kRefreshIntervals), std::end(kRefreshIntervals), state.RefreshIntervalMs()) == 1);
    FUZZ_CHECK(state.gridColor >= 0 && state.gridColor < 16);
    FUZZ_CHECK(form.Shown().Checked(Command::menuPrecise) != form.Shown().Checked(Command::menuSmooth));
    FUZZ_CHECK(state.language == "EN" || state.language == "DEUTSCH");
    const Rect& b = rig.view.bounds;
    FUZZ_CHECK(b.left >= -rig.view.frame.width && b.top >= -rig.view.frame.height);
    FUZZ_CHECK(b.right <= 1920 && b.bottom <= 1080);
    FUZZ_CHECK(form.Picture().Capture().Width() <= 1920 && form.Picture().Capture().Height() <= 1080);
    FUZZ_CHECK(rig.dialogs.errors.empty());
    FUZZ_CHECK(state.sampleSize >= 1 && state.sampleSize <= 9 && state.sampleSize % 2 == 1);
    FUZZ_CHECK(state.recentColors.size() <= 16);
    for (std::size_t i = 0; i < state.recentColors.size(); ++i)
        FUZZ_CHECK(std::count(state.recentColors.begin(), state.recentColors.end(), state.recentColors[i]) == 1);
}

struct SplitLine {
    std::string text;
    std::string eol;
};

std::vector<SplitLine> SplitLines(std::string_view text) {
    std::vector<SplitLine> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        std::size_t next = end;
        if (next < text.size()) next += text.compare(next, 2, "\r\n") == 0 ? 2 : 1;
        lines.push_back({std::string(text.substr(start, end - start)), std::string(text.substr(end, next - end))});
        start = next;
    }
    return lines;
}

bool IsOwnKeyLine(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    std::string_view name = line.substr(0, equals);
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; };
    while (!name.empty() && blank(name.front())) name.remove_prefix(1);
    while (!name.empty() && blank(name.back())) name.remove_suffix(1);
    for (std::string_view own : kOwnKeys) {
        if (own.size() == name.size() && std::equal(own.begin(), own.end(), name.begin(), [](char a, char c) {
                return a == c || (c >= 'a' && c <= 'z' && a == c - 'a' + 'A') || (c >= 'A' && c <= 'Z' && a == c - 'A' + 'a');
            }))
            return true;
    }
    return false;
}

// Every line of the original is in the written file, in its order, with its
// line ending, unless it is a key of the program's own that a write may replace.
void CheckUntouchedLinesSurvive(std::string_view original, std::string_view written) {
    const std::vector<SplitLine> before = SplitLines(original);
    const std::vector<SplitLine> after = SplitLines(written);
    std::size_t next = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const SplitLine& line = before[i];
        // A key of the program's own may have been replaced; it is not looked for,
        // so that a copy of it further down cannot stand in for it.
        if (IsOwnKeyLine(line.text)) continue;
        const bool last = i + 1 == before.size();
        while (next < after.size() &&
               !(after[next].text == line.text && (after[next].eol == line.eol || (last && line.eol.empty()))))
            ++next;
        if (next == after.size()) std::fprintf(stderr, "line %zu lost\n", i);
        FUZZ_CHECK(next < after.size());
        ++next;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string original(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(ProfileFile(original).Text() == original);

    Rig first(original);
    CheckApplied(first);
    first.form->FormDestroy();
    FUZZ_CHECK(first.dialogs.errors.empty());
    const std::optional<std::string> written = first.settings.Content();
    FUZZ_CHECK(written.has_value());

    const DecodedProfile before = DecodeProfile(original);
    const DecodedProfile after = DecodeProfile(*written);
    FUZZ_CHECK(before.encoding == after.encoding);
    FUZZ_CHECK(before.oddByte == after.oddByte);
    CheckUntouchedLinesSurvive(before.text, after.text);

    // What was written is what the window showed, and a restart shows it again.
    const ProfileFile file(*written);
    const TfrmMain& form = *first.form;
    const bool saved = form.Shown().Checked(Command::menuSave);
    FUZZ_CHECK(file.Read("Options", "SaveSettings") == (saved ? "1" : "0"));
    Rig second(*written);
    CheckApplied(second);
    FUZZ_CHECK(second.form->Shown().Checked(Command::menuSave) == saved);
    if (!saved) return 0;
    FUZZ_CHECK(file.Read("Magnification", "Level") == std::to_string(form.State().zoom));
    FUZZ_CHECK(file.Read("Options", "Language") == form.State().language);
    FUZZ_CHECK(file.Read("Window", "Maximized") == (first.view.state == WindowState::Maximized ? "1" : "0"));
    // A maximised window keeps the bounds stored before.
    if (first.view.state == WindowState::Normal) {
        FUZZ_CHECK(file.Read("Window", "Left") == std::to_string(first.view.bounds.left));
        FUZZ_CHECK(file.Read("Window", "Height") == std::to_string(first.view.bounds.Height()));
    }
    FUZZ_CHECK(second.form->State().zoom == form.State().zoom);
    FUZZ_CHECK(second.form->State().RefreshIntervalMs() == form.State().RefreshIntervalMs());
    FUZZ_CHECK(second.form->State().gridColor == form.State().gridColor);
    FUZZ_CHECK(second.form->State().language == form.State().language);
    FUZZ_CHECK(second.form->Shown().Checked(Command::menuShowGrid) == form.Shown().Checked(Command::menuShowGrid));
    FUZZ_CHECK(second.view.bounds == first.view.bounds);
    FUZZ_CHECK(second.form->State().vision == form.State().vision);
    FUZZ_CHECK(second.form->State().colorFormat == form.State().colorFormat);
    FUZZ_CHECK(second.form->State().colorTemplate == form.State().colorTemplate);
    FUZZ_CHECK(second.form->State().sampleSize == form.State().sampleSize);
    FUZZ_CHECK(second.form->State().recentColors == form.State().recentColors);
    FUZZ_CHECK(second.form->State().saveFormat == form.State().saveFormat);
    FUZZ_CHECK(second.form->State().quickSaveFolder == form.State().quickSaveFolder);
    FUZZ_CHECK(second.form->State().globalHotkeys == form.State().globalHotkeys);
    FUZZ_CHECK(second.form->State().hotkeys == form.State().hotkeys);
    return 0;
}
