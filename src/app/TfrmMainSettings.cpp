// Reading the settings at start-up and writing them at shutdown, through the
// table of keys (SettingsBinding.h), and placing the window where they say.
#include "app/MainLayout.h"
#include "app/MainWindowDesign.h"
#include "app/SettingsBinding.h"
#include "app/SettingsStorage.h"
#include "app/TfrmMain.h"
#include "engine/Dpi.h"

namespace orvelle {

namespace {

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

void TfrmMain::ReadSettings() {
    WindowDefaults window;
    window.primaryScreen = services_.screen.PrimaryScreenSize();
    window.outer = view_.OuterSize();
    window.firstRun = ScaleToDpi(design::kDefaultOuterSize, dpi_);
    window.frame = Size{window.outer.width - view_.ClientSize().width, window.outer.height - view_.ClientSize().height};
    window.screens = services_.screen.VirtualScreen();
    StoredSettings stored = ReadStoredSettings(state_, services_.settings.Read(),
                                               LanguageChoices{languageCommands_, languageNames_}, window);
    hosts_ = stored.hosts;
    fetchLimits_ = stored.limits;
    state_ = std::move(stored.state);
    Update();
    PlaceWindow(stored.bounds);
    if (stored.maximized) view_.SetMaximized();
    // Only now may shutdown write the file, and never over one that could
    // not be read. The same holds when start-up failed earlier.
    settingsMayWrite_ = stored.mayWrite;
    firstRun_ = stored.firstRun;
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


Outcome TfrmMain::WriteSettings() {
    if (!settingsMayWrite_) return std::nullopt;
    // The file is read again so that every line we do not own survives.
    const Result<std::string> stored = services_.settings.Read();
    const Failure unable = MakeFailure("Unable to write to " + PathText(services_.settings.Path()));
    if (!stored.Ok() && !stored.Error().Is(Failure::Kind::NotFound)) return unable;
    ProfileFile file(stored.Ok() ? stored.Value() : std::string());
    WriteStoredSettings(state_, view_.State(), view_.OuterBounds(), file);
    if (services_.settings.Write(file.Text())) return unable;
    return std::nullopt;
}

}  // namespace orvelle
