// Everything the main window's logic decides, as one plain value: the single
// copy of every option, check mark, level and choice. Commands change it
// (MainCommands.h) and everything the window shows is computed from it
// (Presentation.h); nothing else keeps a copy.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/ColorText.h"
#include "app/Commands.h"
#include "app/Hotkey.h"
#include "engine/Image.h"
#include "engine/StretchFilter.h"
#include "engine/Vision.h"
#include "guides/MeasuringGuides.h"

namespace orvelle {

enum class Magnify { Undecided, Precise, Smooth };
enum class SaveFormat { Bmp, Png };
enum class Smoothing { Simple, Linear, Cosine, Bicubic, Lanczos, Mitchell };

inline constexpr int kDesignedZoom = 10;
inline constexpr int kDesignedRefreshMs = 20;
inline constexpr std::size_t kRecentColorCount = 16;

// What the version check is doing (see OnlineCheck.h): nothing, waiting for
// the worker's answer, or telling the user what it means.
enum class CheckPhase { Idle, Waiting, Answering };

struct MainState {
    // The window as designed, before the settings are applied: every check
    // mark off, the level at 10 and the refresh timer at 20 ms with none of
    // its items checked. The settings file's own defaults (Precise, Simple,
    // 8 X, 40 ms, Magnify Own Window on, ...) differ on purpose: they are what
    // a first run gets, and they live with the keys (SettingsBinding.cpp).

    // Magnification
    Magnify magnify = Magnify::Undecided;
    std::optional<Smoothing> smoothing;  // none checked
    int zoom = kDesignedZoom;
    std::optional<int> refreshMs;  // the checked refresh item's interval
    bool ownWindow = false;
    bool frozen = false;

    // Grid
    bool showCursor = false;
    bool showGrid = false;
    bool rastered = false;
    int gridColor = 0;  // index into the standard colours

    // Options
    bool onTop = false;
    bool snap = false;
    bool toolbar = false;
    bool statusbar = false;
    // "EN" for the built-in English, else a loaded language's name; empty
    // while none is chosen. `languageItem` is the item that carries the check
    // mark: two language files may carry one name, and a file may be called EN.
    std::string language;
    Command languageItem = Command::None;
    bool autostart = false;
    bool startupCheck = false;
    bool save = false;

    // The colour inspector: how the readout is written, how many screen
    // pixels it averages, a colour kept to compare with, how the view shows
    // colours, and the colours copied last, newest first.
    ColorFormat colorFormat = ColorFormat::Hex;
    std::string colorTemplate = kDefaultColorTemplate;
    int sampleSize = 1;  // 1, 3, 5, 7 or 9: the side of the square averaged
    std::optional<Pixel> pinned;
    VisionMode vision = VisionMode::Normal;
    std::vector<Pixel> recentColors;

    // A spot that stays: while locked, the view stays centred on this screen
    // column or row and the pointer only moves it along the other axis. Not
    // kept in the settings.
    std::optional<int> lockedColumn;
    std::optional<int> lockedRow;

    // Saving: the file type the save dialog offers first, and where Quick
    // Save writes (empty: an "Orvelle" folder in the user's Pictures).
    SaveFormat saveFormat = SaveFormat::Bmp;
    std::string quickSaveFolder;

    // System-wide hotkeys, registered while `globalHotkeys` is on; a key
    // left empty registers nothing.
    bool globalHotkeys = false;
    std::array<std::optional<Hotkey>, kHotkeyActionCount> hotkeys = kDefaultHotkeys;

    // The online check and the about window, which pauses the timers.
    CheckPhase check = CheckPhase::Idle;
    bool aboutOpen = false;

    // The measuring guides and a drag of one of them.
    MeasuringGuides guides = MeasuringGuides(GuideSizes{});

    // The interval the refresh timer runs at.
    int RefreshIntervalMs() const { return refreshMs.value_or(kDesignedRefreshMs); }
    // The filter the view is drawn with: exact blocks for Precise, else the
    // checked smoothing type, else (before any is chosen) exact blocks.
    TStretchFilter Filter() const;
};

}  // namespace orvelle
