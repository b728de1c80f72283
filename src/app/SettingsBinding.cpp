#include "app/SettingsBinding.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "app/CommandValues.h"
#include "app/ProfileValues.h"
#include "engine/StandardColors.h"
#include "lang/Languages.h"

namespace orvelle {

namespace {

constexpr std::string_view kMagnification = "Magnification";
constexpr std::string_view kGrid = "Grid";
constexpr std::string_view kOptions = "Options";
constexpr std::string_view kWindow = "Window";
constexpr std::string_view kWeb = "Web";

enum class Kind {
    Switch, Magnify, Smoothing, Level, Refresh, Color, Language, Vision, ColorFormat, Template, SampleSize,
    SaveFormat, Folder, Hotkey
};

constexpr std::string_view kColors = "Colors";
constexpr std::string_view kHotkeys = "Hotkeys";

// The Vision key's values, in the order of VisionMode; the first is the default.
constexpr std::string_view kVisionNames[] = {"NORMAL",     "PROTANOPIA",    "DEUTERANOPIA",
                                             "TRITANOPIA", "ACHROMATOPSIA", "INVERTED"};

struct Key {
    std::string_view section;
    std::string_view name;
    Kind kind;
    std::string_view storedDefault;  // as the file writes it
    bool MainState::*flag = nullptr;   // Switch
};

// In the order in which they are written; SaveSettings and the window's
// bounds come last, apart, since they are written under rules of their own.
constexpr Key kKeys[] = {
    {kMagnification, "Precise", Kind::Magnify, "1"},
    {kMagnification, "Smoothing", Kind::Smoothing, "Simple"},
    {kMagnification, "Level", Kind::Level, "8"},
    {kMagnification, "Refresh", Kind::Refresh, "40ms"},
    {kMagnification, "OwnWindow", Kind::Switch, "1", &MainState::ownWindow},
    {kMagnification, "Vision", Kind::Vision, "NORMAL"},
    {kGrid, "ShowCursor", Kind::Switch, "0", &MainState::showCursor},
    {kGrid, "ShowGrid", Kind::Switch, "0", &MainState::showGrid},
    {kGrid, "Rastered", Kind::Switch, "0", &MainState::rastered},
    {kGrid, "Color", Kind::Color, "0"},
    {kOptions, "AlwaysOnTop", Kind::Switch, "0", &MainState::onTop},
    {kOptions, "ShowToolbar", Kind::Switch, "1", &MainState::toolbar},
    {kOptions, "ShowStatusbar", Kind::Switch, "1", &MainState::statusbar},
    {kOptions, "SnapToEdge", Kind::Switch, "0", &MainState::snap},
    {kOptions, "Language", Kind::Language, kEnglishLanguageName},
    {kOptions, "Autostart", Kind::Switch, "0", &MainState::autostart},
    {kOptions, "StartupCheck", Kind::Switch, "1", &MainState::startupCheck},
    {kOptions, "ColorFormat", Kind::ColorFormat, "HEX"},
    {kOptions, "ColorTemplate", Kind::Template, kDefaultColorTemplate},
    {kOptions, "SampleSize", Kind::SampleSize, "1"},
    {kOptions, "SaveFormat", Kind::SaveFormat, "BMP"},
    // Empty: an "Orvelle" folder in the user's Pictures, wherever that is at the time.
    {kOptions, "QuickSaveFolder", Kind::Folder, ""},
    {kOptions, "GlobalHotkeys", Kind::Switch, "0", &MainState::globalHotkeys},
    {kHotkeys, kHotkeyNames[0], Kind::Hotkey, "Ctrl+Shift+Alt+F"},
    {kHotkeys, kHotkeyNames[1], Kind::Hotkey, "Ctrl+Shift+Alt+C"},
    {kHotkeys, kHotkeyNames[2], Kind::Hotkey, "Ctrl+Shift+Alt+K"},
    {kHotkeys, kHotkeyNames[3], Kind::Hotkey, "Ctrl+Shift+Alt+Z"},
};
constexpr Key kSaveSettings{kOptions, "SaveSettings", Kind::Switch, "1", &MainState::save};

// The first name of each list is the default, used for any text that is not listed.
constexpr struct {
    std::string_view name;
    Smoothing smoothing;
} kSmoothingNames[] = {
    {"Simple", Smoothing::Simple},   {"Linear", Smoothing::Linear},   {"Cosine", Smoothing::Cosine},
    {"Bicubic", Smoothing::Bicubic}, {"Lanczos", Smoothing::Lanczos}, {"Mitchell", Smoothing::Mitchell},
};
constexpr struct {
    std::string_view name;
    int ms;
} kRefreshNames[] = {
    {"40ms", 40}, {"20ms", 20}, {"0.1s", 100}, {"0.2s", 200}, {"0.5s", 500}, {"1s", 1000},
};

bool DefaultSwitch(const Key& key) { return key.storedDefault == "1"; }

// A read drops blanks around a value and one pair of quotes: a text that
// starts or ends with either is written in quotes, so that it comes back whole.
std::string KeptWhole(const std::string& text) {
    const auto loose = [](char c) { return c == ' ' || c == '\t' || c == '"' || c == '\''; };
    const bool quote = !text.empty() && (loose(text.front()) || loose(text.back()));
    return quote ? '"' + text + '"' : text;
}

std::size_t HotkeyIndex(const Key& key) {
    std::size_t i = 0;
    while (i + 1 < kHotkeyNames.size() && kHotkeyNames[i] != key.name) ++i;
    return i;
}

void ReadKey(const Key& key, const ProfileFile& file, const LanguageChoices& languages, MainState& state) {
    switch (key.kind) {
        case Kind::Switch:
            state.*key.flag = ReadProfileBool(file, key.section, key.name, DefaultSwitch(key));
            return;
        case Kind::Magnify:
            state.magnify = ReadProfileBool(file, key.section, key.name, true) ? Magnify::Precise : Magnify::Smooth;
            return;
        case Kind::Smoothing: {
            const std::string name = file.ReadString(key.section, key.name, std::string(key.storedDefault));
            state.smoothing = kSmoothingNames[0].smoothing;
            for (const auto& entry : kSmoothingNames)
                if (entry.name == name) state.smoothing = entry.smoothing;  // case-sensitive on purpose
            return;
        }
        case Kind::Level:
            // Odd levels and those between the menu's are used as they are.
            state = WithZoom(std::move(state), ReadProfileInteger(file, key.section, key.name, 8));
            return;
        case Kind::Refresh: {
            const std::string name = file.ReadString(key.section, key.name, std::string(key.storedDefault));
            state.refreshMs = kRefreshNames[0].ms;
            for (const auto& entry : kRefreshNames)
                if (entry.name == name) state.refreshMs = entry.ms;
            return;
        }
        case Kind::Color:
            state.gridColor = std::max(StandardColorIndex(static_cast<TColor>(ReadProfileInteger(file, key.section,
                                                                                                  key.name, 0))),
                                       0);
            return;
        case Kind::Vision: {
            const std::string name = file.ReadString(key.section, key.name, std::string(key.storedDefault));
            state.vision = VisionMode::Normal;
            for (std::size_t i = 0; i < std::size(kVisionNames); ++i)
                if (kVisionNames[i] == name) state.vision = static_cast<VisionMode>(i);
            return;
        }
        case Kind::ColorFormat:
            state.colorFormat = ColorFormatNamed(file.ReadString(key.section, key.name, std::string(key.storedDefault)));
            return;
        case Kind::Template:
            state.colorTemplate = file.ReadString(key.section, key.name, std::string(key.storedDefault));
            return;
        case Kind::SampleSize: {
            const std::int32_t size = ReadProfileInteger(file, key.section, key.name, 1);
            state.sampleSize = size == 3 || size == 5 || size == 7 || size == 9 ? size : 1;
            return;
        }
        case Kind::SaveFormat:
            state.saveFormat = file.ReadString(key.section, key.name, std::string(key.storedDefault)) == "PNG"
                                   ? SaveFormat::Png
                                   : SaveFormat::Bmp;
            return;
        case Kind::Folder:
            state.quickSaveFolder = file.ReadString(key.section, key.name, std::string(key.storedDefault));
            return;
        case Kind::Hotkey: {
            // A value that cannot be read gives the default; an empty one no hotkey.
            std::optional<Hotkey>& hotkey = state.hotkeys[HotkeyIndex(key)];
            if (!ParseHotkey(file.ReadString(key.section, key.name, std::string(key.storedDefault)), hotkey))
                hotkey = kDefaultHotkeys[HotkeyIndex(key)];
            return;
        }
        case Kind::Language: {
            // A stored name that no loaded language carries exactly (its file
            // removed, or the name in another case) chooses English; of two
            // files of one name, the one loaded last.
            const std::string stored = file.ReadString(key.section, key.name, std::string(key.storedDefault));
            state = ApplyCommand(std::move(state), Command::menuEN);
            if (stored == kEnglishLanguageName) return;
            for (std::size_t i = 0; i < languages.items.size() && i < languages.names.size(); ++i)
                if (languages.names[i] == stored) state = ApplyCommand(std::move(state), languages.items[i], languages);
            return;
        }
    }
}

void WriteKey(const Key& key, const MainState& state, ProfileFile& file) {
    switch (key.kind) {
        case Kind::Switch:
            WriteProfileBool(file, key.section, key.name, state.*key.flag);
            return;
        case Kind::Magnify:
            WriteProfileBool(file, key.section, key.name, state.magnify == Magnify::Precise);
            return;
        case Kind::Smoothing: {
            std::string_view name = kSmoothingNames[0].name;
            for (const auto& entry : kSmoothingNames)
                if (state.smoothing == entry.smoothing) name = entry.name;
            file.Write(key.section, key.name, name);
            return;
        }
        case Kind::Level:
            WriteProfileInteger(file, key.section, key.name, state.zoom);
            return;
        case Kind::Refresh: {
            std::string_view name = kRefreshNames[0].name;
            for (const auto& entry : kRefreshNames)
                if (state.refreshMs == entry.ms) name = entry.name;
            file.Write(key.section, key.name, name);
            return;
        }
        case Kind::Color:
            WriteProfileInteger(file, key.section, key.name,
                                static_cast<std::int32_t>(kStandardColors[static_cast<std::size_t>(state.gridColor)].value));
            return;
        case Kind::Language:
            file.Write(key.section, key.name, state.language.empty() ? kEnglishLanguageName : state.language);
            return;
        case Kind::Vision:
            file.Write(key.section, key.name, kVisionNames[static_cast<std::size_t>(state.vision)]);
            return;
        case Kind::ColorFormat:
            file.Write(key.section, key.name, ColorFormatName(state.colorFormat));
            return;
        case Kind::Template:
            file.Write(key.section, key.name, KeptWhole(state.colorTemplate));
            return;
        case Kind::SampleSize:
            WriteProfileInteger(file, key.section, key.name, state.sampleSize);
            return;
        case Kind::SaveFormat:
            file.Write(key.section, key.name, state.saveFormat == SaveFormat::Png ? "PNG" : "BMP");
            return;
        case Kind::Folder:
            file.Write(key.section, key.name, KeptWhole(state.quickSaveFolder));
            return;
        case Kind::Hotkey:
            file.Write(key.section, key.name, HotkeyText(state.hotkeys[HotkeyIndex(key)]));
            return;
    }
}

// Hand-edited bounds may hold any 32-bit number. No window can be larger than
// the screens and its frame, nor usefully lie beyond them, so the numbers are
// held to that before any arithmetic; the system and the window's placement
// then fit the window to its monitor as for any stored bounds.
Rect HeldToScreen(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height, const Rect& screen,
                  Size frame) {
    width = std::clamp<std::int64_t>(width, 0, screen.Width() + std::max(frame.width, 0));
    height = std::clamp<std::int64_t>(height, 0, screen.Height() + std::max(frame.height, 0));
    left = std::clamp<std::int64_t>(left, screen.left - width, screen.right);
    top = std::clamp<std::int64_t>(top, screen.top - height, screen.bottom);
    return Rect::FromSize(static_cast<int>(left), static_cast<int>(top), static_cast<int>(width),
                          static_cast<int>(height));
}

// The [Web] section is the administrator's: read, never written. Its
// time-outs of the version check, in milliseconds, serve a slow company
// network or a test that need not wait out the usual ones.
void ReadWeb(const ProfileFile& file, StoredSettings& stored) {
    constexpr struct {
        WebSite site;
        std::string_view key;
    } kHostKeys[] = {
        {WebSite::Product, "ProductHost"}, {WebSite::Mirror, "MirrorHost"}, {WebSite::Maker, "MakerHost"}};
    for (const auto& entry : kHostKeys)
        if (const auto host = file.Read(kWeb, entry.key)) stored.hosts.Override(entry.site, *host);
    const auto limit = [&](std::string_view key, int fallback, int most) {
        const std::int32_t value = ReadProfileInteger(file, kWeb, key, fallback);
        return value >= 100 && value <= most ? value : fallback;
    };
    const FetchLimits usual;
    stored.limits.stepTimeoutMs = limit("CheckStepTimeout", usual.stepTimeoutMs, 60000);
    stored.limits.deadlineMs = limit("CheckDeadline", usual.deadlineMs, 300000);
}

}  // namespace

StoredSettings ReadStoredSettings(MainState state, const Result<std::string>& content,
                                  const LanguageChoices& languages, const WindowDefaults& window) {
    StoredSettings stored;
    stored.firstRun = !content.Ok() && content.Error().Is(Failure::Kind::NotFound);
    stored.mayWrite = content.Ok() || stored.firstRun;
    const ProfileFile file(content.Ok() ? content.Value() : std::string());
    ReadWeb(file, stored);
    for (const Key& key : kKeys) ReadKey(key, file, languages, state);
    ReadKey(kSaveSettings, file, languages, state);
    // The colours copied last; a value that is no "#RRGGBB" is passed over.
    for (std::size_t i = 1; i <= kRecentColorCount; ++i) {
        Pixel color = 0;
        const auto value = file.Read(kColors, "Recent" + std::to_string(i));
        if (value && ParseHexColor(*value, color) &&
            std::find(state.recentColors.begin(), state.recentColors.end(), color) == state.recentColors.end())
            state.recentColors.push_back(color);
    }

    // The default position centres the window, at its designed size, on the
    // primary screen. Stored bounds are physical pixels, as the system gave
    // them at the last exit; only a first run's size follows the display's scale.
    const auto read = [&](std::string_view name, int fallback) { return ReadProfileInteger(file, kWindow, name, fallback); };
    stored.bounds = HeldToScreen(read("Left", (window.primaryScreen.width - window.outer.width) / 2),
                                 read("Top", (window.primaryScreen.height - window.outer.height) / 2),
                                 read("Width", window.firstRun.width), read("Height", window.firstRun.height),
                                 window.screens, window.frame);
    stored.maximized = ReadProfileBool(file, kWindow, "Maximized", false);
    stored.state = std::move(state);
    return stored;
}

void WriteStoredSettings(const MainState& state, WindowState windowState, const Rect& bounds, ProfileFile& file) {
    if (state.save) {
        for (const Key& key : kKeys) WriteKey(key, state, file);
        WriteProfileBool(file, kWindow, "Maximized", windowState == WindowState::Maximized);
        // Other states keep the bounds of an earlier exit in the normal state.
        if (windowState == WindowState::Normal) {
            WriteProfileInteger(file, kWindow, "Left", bounds.left);
            WriteProfileInteger(file, kWindow, "Top", bounds.top);
            WriteProfileInteger(file, kWindow, "Width", bounds.Width());
            WriteProfileInteger(file, kWindow, "Height", bounds.Height());
        }
        // Places left over from values passed over at the start go, so that
        // none of them comes back on the next start.
        for (std::size_t i = 0; i < kRecentColorCount; ++i) {
            const std::string name = "Recent" + std::to_string(i + 1);
            if (i < state.recentColors.size())
                file.Write(kColors, name, HexColorText(state.recentColors[i]));
            else
                file.Remove(kColors, name);
        }
    }
    WriteKey(kSaveSettings, state, file);
}

}  // namespace orvelle
