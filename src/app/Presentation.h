// Everything the main window shows, computed from the state alone: the menu
// with its captions, check marks, enabled items and pictures, the pressed
// buttons, the hints, every control's place, the toolbar controls, the status
// bar's panels, the timers and the window's own style. The synchroniser
// (ViewSync.h) hands the view only what differs from what it last showed.
// The status bar's texts are the refresh tick's (Magnifier.h), not part of it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/CaptionTable.h"
#include "app/Commands.h"
#include "app/MainLayout.h"
#include "app/MainState.h"
#include "app/MenuTree.h"
#include "engine/Bitmap32.h"
#include "web/WebSites.h"

namespace orvelle {

constexpr std::size_t kToolButtonCount = static_cast<std::size_t>(ToolButton::Count);
constexpr std::size_t kHintCount = static_cast<std::size_t>(HintTarget::Count);
constexpr std::size_t kTimerCount = static_cast<std::size_t>(Timer::Count);

// The status bar: red, green, blue, X, Y, the frequency, the pointer pixel's
// colour, the contrast with a pinned colour while there is one, the
// rectangle between the guides while a pair is apart, and a passing note
// (where a quick save went) while there is one.
constexpr int kStatusPanelCount = 10;
constexpr int kColorStatusPanel = 6;
constexpr int kContrastStatusPanel = 7;
constexpr int kMeasurementStatusPanel = 8;
constexpr int kNoteStatusPanel = 9;
using StatusTexts = std::array<std::string, kStatusPanelCount>;

// The tooltip beside a guide being dragged.
struct GuideTip {
    std::string text;
    Point pointer;  // on the screen
    friend bool operator==(const GuideTip&, const GuideTip&) = default;
};

// One loaded language as its menu item shows it.
struct LanguageItem {
    Command id;
    std::string caption;
    int picture = -1;  // its flag among the menu pictures, -1 for none
};

struct Presentation {
    int scaleDpi = 96;
    Size minimumSize;
    std::vector<MenuItem> menu;  // in display order within each submenu
    std::vector<const TBitmap32*> addedMenuPictures;  // after the designed ones, in order
    std::array<bool, kToolButtonCount> buttonsDown{};
    std::array<std::string, kHintCount> hints;
    std::array<ControlPlace, static_cast<std::size_t>(Control::Count)> controls{};
    int zoomPosition = kDesignedZoom;
    std::string zoomLabel;
    int gridColorSelection = 0;
    bool gridColorEnabled = true;
    std::vector<int> statusPanels;  // one width a panel; 0 for a panel hidden while it has nothing to say
    std::optional<Pixel> contrastSwatch;  // the pinned colour, shown in the contrast panel
    std::array<int, kTimerCount> timers{};  // intervals in ms, 0 for stopped
    bool topmost = false;
    std::optional<bool> excludedFromCapture;  // nothing: never asked of the system
    std::optional<GuideTip> guideTip;
    std::string saveDialogTitle;
    // The picture's sizes, for the magnifier.
    Size capture;
    Size view;

    const MenuItem* Item(Command id) const;
    bool Checked(Command id) const;
    bool Enabled(Command id) const;
    bool ButtonDown(ToolButton b) const { return buttonsDown[static_cast<std::size_t>(b)]; }
    const std::string& Hint(HintTarget t) const { return hints[static_cast<std::size_t>(t)]; }
    const ControlPlace& Place(Control c) const { return controls[static_cast<std::size_t>(c)]; }
    int Timer(Timer t) const { return timers[static_cast<std::size_t>(t)]; }
};

// What the presentation needs besides the state.
struct PresentationInputs {
    int dpi = 96;
    Size outer;
    Size client;
    Rect screens;  // the virtual screen
    TextLookup text;
    const std::vector<LanguageItem>* languages = nullptr;
    std::vector<const TBitmap32*> flags;  // the pictures the language items name, in order
    const WebHosts* hosts = nullptr;
    std::uint32_t windowsBuild = 0;
    bool shutDown = false;  // the timers have stopped for good
    std::optional<GuideTip> guideTip;
    // What the texts of the colour, measurement and note panels need, in
    // physical pixels (0: the colour panel's designed width; the others hidden).
    int colorPanelWidth = 0;
    int measurementPanelWidth = 0;
    int notePanelWidth = 0;
};

Presentation Present(const MainState& state, const PresentationInputs& inputs);

}  // namespace orvelle
