// Reading the settings at start-up and writing them at shutdown. Reading runs
// the same handlers as the menu, so a stored setting and one chosen by hand
// leave the window in the same state.
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "engine/Dpi.h"
#include "app/MainWindowDesign.h"
#include "app/ProfileFile.h"
#include "app/ProfileValues.h"
#include "app/SettingsStorage.h"
#include "app/TfrmMain.h"
#include "engine/StandardColors.h"

namespace orvelle {

namespace {

constexpr std::string_view kMagnification = "Magnification";
constexpr std::string_view kGrid = "Grid";
constexpr std::string_view kOptions = "Options";
constexpr std::string_view kWindow = "Window";

struct NamedItem {
    std::string_view name;
    Command item;
};

// The first entry is the default, used for any text that is not listed.
constexpr NamedItem kSmoothingNames[] = {
    {"Simple", Command::menuSimple},   {"Linear", Command::menuLinear},   {"Cosine", Command::menuCosine},
    {"Bicubic", Command::menuBicubic}, {"Lanczos", Command::menuLanczos}, {"Mitchell", Command::menuMitchell},
};
constexpr NamedItem kRefreshNames[] = {
    {"40ms", Command::menu40ms}, {"20ms", Command::menu20ms}, {"0.1s", Command::menu01s},
    {"0.2s", Command::menu02s},  {"0.5s", Command::menu05s},  {"1s", Command::menu1s},
};

template <std::size_t N>
Command ItemNamed(const NamedItem (&items)[N], std::string_view name) {
    for (const NamedItem& entry : items)
        if (entry.name == name) return entry.item;  // case-sensitive on purpose
    return items[0].item;
}

// The stored name of the first checked item, or the default's.
template <std::size_t N>
std::string_view CheckedName(const NamedItem (&items)[N], const TfrmMain& form) {
    for (const NamedItem& entry : items)
        if (entry.item != items[0].item && form.Checked(entry.item)) return entry.name;
    return items[0].name;
}

struct StoredBounds {
    std::int64_t left, top, width, height;
};

// Hand-edited bounds may hold any 32-bit number. No window can be larger than
// the screens and its frame, nor usefully lie beyond them, so the numbers are
// held to that before any arithmetic; the system and PlaceWindow then fit the
// window to its monitor as for any stored bounds.
Rect HeldToScreen(const StoredBounds& stored, const Rect& screen, Size frame) {
    const std::int64_t width = std::clamp<std::int64_t>(stored.width, 0, screen.Width() + std::max(frame.width, 0));
    const std::int64_t height = std::clamp<std::int64_t>(stored.height, 0, screen.Height() + std::max(frame.height, 0));
    const std::int64_t left = std::clamp<std::int64_t>(stored.left, screen.left - width, screen.right);
    const std::int64_t top = std::clamp<std::int64_t>(stored.top, screen.top - height, screen.bottom);
    return Rect::FromSize(static_cast<int>(left), static_cast<int>(top), static_cast<int>(width),
                          static_cast<int>(height));
}

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

void TfrmMain::ReadSettings() {
    const Result<std::string> content = services_.settings.Read();
    const bool absent = !content.Ok() && content.Error().Is(Failure::Kind::NotFound);
    const ProfileFile file(content.Ok() ? content.Value() : std::string());
    auto readBool = [&](std::string_view section, std::string_view key, bool fallback) {
        return ReadProfileBool(file, section, key, fallback);
    };
    auto readInt = [&](std::string_view section, std::string_view key, int fallback) {
        return ReadProfileInteger(file, section, key, fallback);
    };
    auto toggleWhen = [&](bool on, Command item) {
        if (on) Execute(item);
    };

    ReadWebHosts(file);
    if (readBool(kMagnification, "Precise", true))
        menuPreciseClick();
    else
        menuSmoothClick();
    Execute(ItemNamed(kSmoothingNames, file.ReadString(kMagnification, "Smoothing", "Simple")));
    SetZoomPosition(readInt(kMagnification, "Level", 8));
    Execute(ItemNamed(kRefreshNames, file.ReadString(kMagnification, "Refresh", "40ms")));
    toggleWhen(readBool(kMagnification, "OwnWindow", true), Command::menuOwn);

    const int colorIndex = std::max(StandardColorIndex(static_cast<TColor>(readInt(kGrid, "Color", 0))), 0);
    SelectGridColor(colorIndex);
    toggleWhen(readBool(kGrid, "ShowCursor", false), Command::menuShowCursor);
    toggleWhen(readBool(kGrid, "ShowGrid", false), Command::menuShowGrid);
    toggleWhen(readBool(kGrid, "Rastered", false), Command::menuRastered);

    toggleWhen(readBool(kOptions, "AlwaysOnTop", false), Command::menuOnTop);
    SetChecked(Command::menuToolbar, readBool(kOptions, "ShowToolbar", true));
    SetChecked(Command::menuStatusbar, readBool(kOptions, "ShowStatusbar", true));
    toggleWhen(readBool(kOptions, "SnapToEdge", false), Command::menuSnap);
    ChooseStartupLanguage(file.ReadString(kOptions, "Language", kEnglishLanguageName));
    SetChecked(Command::menuAutostart, readBool(kOptions, "Autostart", false));
    SetChecked(Command::menuStartupCheck, readBool(kOptions, "StartupCheck", true));

    // The default position centres the window, at its designed size, on the
    // primary screen. Stored bounds are physical pixels, as the system gave
    // them at the last exit; only a first run's size follows the display's scale.
    const Size primary = services_.screen.PrimaryScreenSize();
    const Size designed = view_.OuterSize();
    const Size firstSize = ScaleToDpi(design::kDefaultOuterSize, dpi_);
    const StoredBounds stored{readInt(kWindow, "Left", (primary.width - designed.width) / 2),
                              readInt(kWindow, "Top", (primary.height - designed.height) / 2),
                              readInt(kWindow, "Width", firstSize.width), readInt(kWindow, "Height", firstSize.height)};
    const Size frame{designed.width - view_.ClientSize().width, designed.height - view_.ClientSize().height};
    PlaceWindow(HeldToScreen(stored, services_.screen.VirtualScreen(), frame));
    if (readBool(kWindow, "Maximized", false)) view_.SetMaximized();
    SetChecked(Command::menuSave, readBool(kOptions, "SaveSettings", true));

    // Only now may shutdown write the file. A file that exists but could not
    // be read is never overwritten: its values were not seen, and writing
    // ours would destroy them. The same holds when start-up failed earlier.
    settingsRead_ = content.Ok() || absent;
    firstRun_ = absent;
}

void TfrmMain::PlaceWindow(const Rect& requested) {
    placingWindow_ = true;
    view_.SetOuterBounds(requested);
    // Onto the nearest monitor's full bounds, with the size the window got
    // (never below its minimum, nor above what the system allows); a window
    // larger than its monitor ends flush with its right or bottom edge.
    const Rect got = view_.OuterBounds();
    const Rect monitor = services_.screen.NearestMonitor(got).bounds;
    int left = got.left;
    int top = got.top;
    if (left < monitor.left) left = monitor.left;
    if (left > monitor.right - got.Width()) left = monitor.right - got.Width();
    if (top < monitor.top) top = monitor.top;
    if (top > monitor.bottom - got.Height()) top = monitor.bottom - got.Height();
    const Rect placed = Rect::FromSize(left, top, got.Width(), got.Height());
    if (placed != got) view_.SetOuterBounds(placed);
    placingWindow_ = false;
}

void TfrmMain::WriteSettings() {
    if (!settingsRead_) return;
    // The file is read again so that every line we do not own survives.
    const Result<std::string> stored = services_.settings.Read();
    const std::string path = PathText(services_.settings.Path());
    if (!stored.Ok() && !stored.Error().Is(Failure::Kind::NotFound))
        throw std::runtime_error("Unable to write to " + path);
    ProfileFile file(stored.Ok() ? stored.Value() : std::string());

    auto writeBool = [&](std::string_view section, std::string_view key, bool value) {
        WriteProfileBool(file, section, key, value);
    };
    if (Checked(Command::menuSave)) {
        writeBool(kMagnification, "Precise", Checked(Command::menuPrecise));
        file.Write(kMagnification, "Smoothing", CheckedName(kSmoothingNames, *this));
        WriteProfileInteger(file, kMagnification, "Level", zoom_);
        file.Write(kMagnification, "Refresh", CheckedName(kRefreshNames, *this));
        writeBool(kMagnification, "OwnWindow", Checked(Command::menuOwn));

        writeBool(kGrid, "ShowCursor", Checked(Command::menuShowCursor));
        writeBool(kGrid, "ShowGrid", Checked(Command::menuShowGrid));
        writeBool(kGrid, "Rastered", Checked(Command::menuRastered));
        WriteProfileInteger(file, kGrid, "Color", static_cast<std::int32_t>(kStandardColors[gridColorIndex_].value));

        writeBool(kOptions, "AlwaysOnTop", Checked(Command::menuOnTop));
        writeBool(kOptions, "ShowToolbar", Checked(Command::menuToolbar));
        writeBool(kOptions, "ShowStatusbar", Checked(Command::menuStatusbar));
        writeBool(kOptions, "SnapToEdge", Checked(Command::menuSnap));
        file.Write(kOptions, "Language", currentLanguage_);
        writeBool(kOptions, "Autostart", Checked(Command::menuAutostart));
        writeBool(kOptions, "StartupCheck", Checked(Command::menuStartupCheck));

        const WindowState state = view_.State();
        writeBool(kWindow, "Maximized", state == WindowState::Maximized);
        // Other states keep the bounds of an earlier exit in the normal state.
        if (state == WindowState::Normal) {
            const Rect bounds = view_.OuterBounds();
            WriteProfileInteger(file, kWindow, "Left", bounds.left);
            WriteProfileInteger(file, kWindow, "Top", bounds.top);
            WriteProfileInteger(file, kWindow, "Width", bounds.Width());
            WriteProfileInteger(file, kWindow, "Height", bounds.Height());
        }
    }
    writeBool(kOptions, "SaveSettings", Checked(Command::menuSave));

    if (services_.settings.Write(file.Text())) throw std::runtime_error("Unable to write to " + path);
}

}  // namespace orvelle
