#include "app/MainCommands.h"

#include <algorithm>

#include "app/CommandValues.h"
#include "engine/StandardColors.h"
#include "engine/ZoomGeometry.h"
#include "lang/Languages.h"

namespace orvelle {

namespace {

// The plain toggles: a check mark that flips, and its member.
constexpr struct {
    Command item;
    bool MainState::*member;
} kToggles[] = {
    {Command::menuFreeze, &MainState::frozen},         {Command::menuOwn, &MainState::ownWindow},
    {Command::menuShowCursor, &MainState::showCursor}, {Command::menuShowGrid, &MainState::showGrid},
    {Command::menuRastered, &MainState::rastered},     {Command::menuOnTop, &MainState::onTop},
    {Command::menuSnap, &MainState::snap},             {Command::menuToolbar, &MainState::toolbar},
    {Command::menuStatusbar, &MainState::statusbar},   {Command::menuAutostart, &MainState::autostart},
    {Command::menuSave, &MainState::save},             {Command::menuStartupCheck, &MainState::startupCheck},
    {Command::menuGlobalHotkeys, &MainState::globalHotkeys},
};

constexpr Command kVisionItems[] = {Command::menuVisionNormal,      Command::menuVisionProtanopia,
                                   Command::menuVisionDeuteranopia, Command::menuVisionTritanopia,
                                   Command::menuVisionAchromatopsia, Command::menuVisionInverted};
constexpr Command kFormatItems[] = {Command::menuFormatHex,  Command::menuFormatRgb,   Command::menuFormatHsl,
                                    Command::menuFormatHsv,  Command::menuFormatCmyk,  Command::menuFormatLab,
                                    Command::menuFormatOklch, Command::menuFormatTemplate};
constexpr struct {
    Command item;
    int size;
} kSampleItems[] = {{Command::menuSample1, 1}, {Command::menuSample3, 3}, {Command::menuSample5, 5},
                    {Command::menuSample7, 7}, {Command::menuSample9, 9}};

}  // namespace

MainState WithRecentColor(MainState state, Pixel color) {
    color |= 0xFF000000u;
    std::vector<Pixel>& recent = state.recentColors;
    recent.erase(std::remove(recent.begin(), recent.end(), color), recent.end());
    recent.insert(recent.begin(), color);
    if (recent.size() > kRecentColorCount) recent.resize(kRecentColorCount);
    return state;
}

MainState WithLockToggled(MainState state, Command lockItem, Point centre) {
    if (lockItem != Command::menuLockHorizontal && lockItem != Command::menuLockVertical) return state;
    std::optional<int>& lock = lockItem == Command::menuLockHorizontal ? state.lockedColumn : state.lockedRow;
    if (lock)
        lock.reset();
    else
        lock = lockItem == Command::menuLockHorizontal ? centre.x : centre.y;
    return state;
}

MainState WithZoom(MainState state, int zoom) {
    state.zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    return state;
}

MainState ApplyCommand(MainState state, Command command, const LanguageChoices& languages) {
    for (const auto& toggle : kToggles)
        if (toggle.item == command) {
            state.*toggle.member = !(state.*toggle.member);
            return state;
        }
    for (const auto& entry : kSmoothingItems)
        if (entry.item == command) {
            state.smoothing = entry.smoothing;
            return state;
        }
    for (const CommandValue& level : kLevelItems)
        if (level.item == command) return WithZoom(std::move(state), level.value);
    for (const CommandValue& refresh : kRefreshItems)
        if (refresh.item == command) {
            state.refreshMs = refresh.value;
            return state;
        }
    for (std::size_t i = 0; i < std::size(kVisionItems); ++i)
        if (kVisionItems[i] == command) {
            state.vision = static_cast<VisionMode>(i);
            return state;
        }
    for (std::size_t i = 0; i < std::size(kFormatItems); ++i)
        if (kFormatItems[i] == command) {
            state.colorFormat = static_cast<ColorFormat>(i);
            return state;
        }
    for (const auto& sample : kSampleItems)
        if (sample.item == command) {
            state.sampleSize = sample.size;
            return state;
        }
    if (IsColorItem(command)) {
        state.gridColor = ColorItemIndex(command);
        return state;
    }
    for (std::size_t i = 0; i < languages.items.size() && i < languages.names.size(); ++i)
        if (languages.items[i] == command) {
            state.language = languages.names[i];
            state.languageItem = command;
            return state;
        }
    switch (command) {
        case Command::menuPrecise:
            state.magnify = Magnify::Precise;
            break;
        case Command::menuSmooth:
            state.magnify = Magnify::Smooth;
            break;
        case Command::menuVision:  // its shortcut: the next way of seeing, round again after the last
            state.vision = static_cast<VisionMode>((static_cast<int>(state.vision) + 1) % static_cast<int>(VisionMode::Count));
            break;
        case Command::menuUnpinColor:
            state.pinned.reset();
            break;
        case Command::menuEN:
            state.language = kEnglishLanguageName;
            state.languageItem = Command::menuEN;
            break;
        default:
            break;
    }
    return state;
}

Command ButtonCommand(ToolButton button) {
    switch (button) {
        case ToolButton::tbPrecise: return Command::menuPrecise;
        case ToolButton::tbSmooth: return Command::menuSmooth;
        case ToolButton::tbCursor: return Command::menuShowCursor;
        case ToolButton::tbGrid: return Command::menuShowGrid;
        case ToolButton::tbRastered: return Command::menuRastered;
        case ToolButton::tbOnTop: return Command::menuOnTop;
        case ToolButton::tbRuler: return Command::menuRuler;
        case ToolButton::tbHelp: return Command::menuShowHelp;
        case ToolButton::Count: break;
    }
    return Command::None;
}

}  // namespace orvelle
