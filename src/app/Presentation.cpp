#include "app/Presentation.h"

#include "app/CapturePolicy.h"
#include "app/ColorText.h"
#include "app/CommandValues.h"
#include "app/MainWindowDesign.h"
#include "app/WebLinks.h"
#include "engine/Dpi.h"
#include "engine/StandardColors.h"
#include "web/Product.h"
#include "web/VersionCheck.h"

namespace orvelle {

namespace {

std::string WithShortcut(const std::string& text, const Shortcut& shortcut) {
    const std::string keys = ShortcutText(shortcut);
    return keys.empty() ? text : text + "\t" + keys;
}

// The check mark of a designed item.
bool IsChecked(const MainState& s, Command item) {
    switch (item) {
        case Command::menuFreeze: return s.frozen;
        case Command::menuPrecise: return s.magnify == Magnify::Precise;
        case Command::menuSmooth: return s.magnify == Magnify::Smooth;
        case Command::menuOwn: return s.ownWindow;
        case Command::menuShowCursor: return s.showCursor;
        case Command::menuShowGrid: return s.showGrid;
        case Command::menuRastered: return s.rastered;
        case Command::menuOnTop: return s.onTop;
        case Command::menuSnap: return s.snap;
        case Command::menuToolbar: return s.toolbar;
        case Command::menuStatusbar: return s.statusbar;
        case Command::menuAutostart: return s.autostart;
        case Command::menuSave: return s.save;
        case Command::menuStartupCheck: return s.startupCheck;
        case Command::menuLockHorizontal: return s.lockedColumn.has_value();
        case Command::menuLockVertical: return s.lockedRow.has_value();
        case Command::menuGlobalHotkeys: return s.globalHotkeys;
        default: break;
    }
    for (const auto& entry : kSmoothingItems)
        if (entry.item == item) return s.smoothing == entry.smoothing;
    for (const CommandValue& level : kLevelItems)
        if (level.item == item) return s.zoom == level.value;
    for (const CommandValue& refresh : kRefreshItems)
        if (refresh.item == item) return s.refreshMs == refresh.value;
    if (item >= Command::menuVisionNormal && item <= Command::menuVisionInverted)
        return static_cast<int>(item) - static_cast<int>(Command::menuVisionNormal) == static_cast<int>(s.vision);
    if (item >= Command::menuFormatHex && item <= Command::menuFormatTemplate)
        return static_cast<int>(item) - static_cast<int>(Command::menuFormatHex) == static_cast<int>(s.colorFormat);
    for (const auto& [sample, size] : {std::pair{Command::menuSample1, 1}, {Command::menuSample3, 3},
                                       {Command::menuSample5, 5}, {Command::menuSample7, 7}, {Command::menuSample9, 9}})
        if (sample == item) return s.sampleSize == size;
    return item == s.languageItem;
}

class MenuBuilder {
public:
    MenuBuilder(const MainState& state, const PresentationInputs& in) : state_(state), in_(in) {}

    std::vector<MenuItem> Build() {
        for (const MenuEntry& entry : MainMenuEntries()) {
            // The loaded languages go between English and the last separator.
            if (entry.id == Command::N6) AddLanguages();
            Add(Designed(entry));
            if (entry.id == Command::menuColor) AddColors();
            if (entry.id == Command::menuRecentColors) AddRecentColors();
        }
        return std::move(items_);
    }

private:
    MenuItem Designed(const MenuEntry& entry) const {
        MenuItem item;
        item.id = entry.id;
        item.parent = entry.parent;
        item.kind = entry.kind;
        item.shortcut = entry.shortcut;
        std::string text;
        if (entry.fixedCaption != nullptr)
            text = entry.fixedCaption;
        else if (const auto site = WebLinkSite(entry.id))
            text = WebLinkCaption(*in_.hosts, *site);
        else
            text = Translated(entry.id);
        item.caption = WithShortcut(text, entry.shortcut);
        if (entry.picture >= 0) item.image = MenuImage::Picture(entry.picture);
        item.checked = IsChecked(state_, entry.id);
        if (entry.id == Command::menuCheckNow) item.enabled = state_.check == CheckPhase::Idle;
        if (entry.id == Command::menuColor) {
            item.enabled = !state_.rastered;
            item.image = MenuImage::Swatch(kStandardColors[static_cast<std::size_t>(state_.gridColor)].value);
        }
        if (entry.id == Command::menuLanguage) item.image = LanguageImage();
        if (entry.id == Command::menuUnpinColor || entry.id == Command::menuCopyContrast)
            item.enabled = state_.pinned.has_value();
        if (entry.id == Command::menuRecentColors) item.enabled = !state_.recentColors.empty();
        if (entry.id == Command::menuCopyMeasurement) item.enabled = in_.measurementPanelWidth > 0;
        return item;
    }

    std::string Translated(Command id) const {
        for (const CaptionRow& row : MainWindowCaptions())
            if (row.target.kind == CaptionTarget::Kind::MenuCaption && row.target.item == id)
                return CaptionText(row, in_.text);
        return {};
    }

    // The flag of the chosen language on the Language submenu's own item.
    MenuImage LanguageImage() const {
        if (state_.languageItem == Command::menuEN || state_.languageItem == Command::None)
            return MenuImage::Picture(kEnglishFlagPicture);
        for (const LanguageItem& language : *in_.languages)
            if (language.id == state_.languageItem)
                return language.picture >= 0 ? MenuImage::Picture(language.picture) : MenuImage{};
        return MenuImage{};
    }

    void AddLanguages() {
        if (in_.languages == nullptr || in_.languages->empty()) return;  // no separator under English then
        MenuItem separator;
        separator.id = Command::menuLangSeparator;
        separator.parent = Command::menuLanguage;
        separator.kind = MenuKind::Separator;
        Add(separator);
        for (const LanguageItem& language : *in_.languages) {
            MenuItem item;
            item.id = language.id;
            item.parent = Command::menuLanguage;
            item.kind = MenuKind::Radio;
            item.caption = language.caption;
            if (language.picture >= 0) item.image = MenuImage::Picture(language.picture);
            item.checked = language.id == state_.languageItem;
            Add(item);
        }
    }

    // Sixteen items, one per colour of the colour box and in its order, in two columns of eight.
    void AddColors() {
        for (const StandardColor& color : kStandardColors) {
            MenuItem item;
            item.id = ColorItem(color.index);
            item.parent = Command::menuColor;
            item.kind = MenuKind::Check;
            item.caption = std::string(color.name);
            item.image = MenuImage::Swatch(color.value);
            item.newColumn = color.index == kStandardColorCount / 2;
            item.checked = color.index == state_.gridColor;
            Add(item);
        }
    }

    // The colours copied last, newest first, each with its swatch.
    void AddRecentColors() {
        for (std::size_t i = 0; i < state_.recentColors.size(); ++i) {
            const Pixel color = state_.recentColors[i];
            MenuItem item;
            item.id = RecentColorItem(static_cast<int>(i));
            item.parent = Command::menuRecentColors;
            item.kind = MenuKind::Command;
            item.caption = HexColorText(color);
            // Windows colours have red in the low byte.
            item.image = MenuImage::Swatch(((color >> 16) & 0xFF) | (color & 0xFF00) | ((color & 0xFF) << 16));
            Add(item);
        }
    }

    void Add(MenuItem item) { items_.push_back(std::move(item)); }

    const MainState& state_;
    const PresentationInputs& in_;
    std::vector<MenuItem> items_;
};

}  // namespace

const MenuItem* Presentation::Item(Command id) const {
    for (const MenuItem& item : menu)
        if (item.id == id) return &item;
    return nullptr;
}

bool Presentation::Checked(Command id) const {
    const MenuItem* item = Item(id);
    return item != nullptr && item->checked;
}

bool Presentation::Enabled(Command id) const {
    const MenuItem* item = Item(id);
    return item != nullptr && item->enabled;
}

Presentation Present(const MainState& state, const PresentationInputs& in) {
    Presentation p;
    p.scaleDpi = in.dpi;
    p.minimumSize = MinimumOuterSize(in.dpi);
    p.menu = MenuBuilder(state, in).Build();
    p.addedMenuPictures = in.flags;

    auto down = [&p](ToolButton b, bool value) { p.buttonsDown[static_cast<std::size_t>(b)] = value; };
    down(ToolButton::tbPrecise, state.magnify == Magnify::Precise);
    down(ToolButton::tbSmooth, state.magnify == Magnify::Smooth);
    down(ToolButton::tbCursor, state.showCursor);
    down(ToolButton::tbGrid, state.showGrid);
    down(ToolButton::tbRastered, state.rastered);
    down(ToolButton::tbOnTop, state.onTop);

    for (const CaptionRow& row : MainWindowCaptions()) {
        if (row.target.kind == CaptionTarget::Kind::Hint)
            p.hints[static_cast<std::size_t>(row.target.hint)] = CaptionText(row, in.text);
        else if (row.target.kind == CaptionTarget::Kind::SaveDialogTitle)
            p.saveDialogTitle = CaptionText(row, in.text);
    }

    const WindowLayout layout =
        LayOutWindow(in.outer, in.client, in.dpi, state.toolbar, state.statusbar, state.zoom, in.screens);
    p.controls = layout.controls;
    for (std::size_t i = 0; i < kGuidePartCount; ++i) {
        const auto part = static_cast<GuidePart>(i);
        p.controls[static_cast<std::size_t>(GuideControl(part))] = ControlPlace{true, state.guides.Bounds(part)};
    }
    p.capture = layout.capture;
    p.view = layout.view;

    p.zoomPosition = state.zoom;
    p.zoomLabel = std::to_string(state.zoom) + " X";
    p.gridColorSelection = state.gridColor;
    p.gridColorEnabled = !state.rastered;
    for (int designed : design::kStatusPanelWidths) p.statusPanels.push_back(ScaleToDpi(designed, in.dpi));
    // The colour panel widens to its text; the contrast panel shows while a colour is pinned.
    p.statusPanels[kColorStatusPanel] = std::max(p.statusPanels[kColorStatusPanel], in.colorPanelWidth);
    p.statusPanels.push_back(state.pinned ? ScaleToDpi(design::kContrastPanelWidth, in.dpi) : 0);
    // The measurement and the note widen to their texts, and show only with one.
    p.statusPanels.push_back(in.measurementPanelWidth);
    p.statusPanels.push_back(in.notePanelWidth);
    p.contrastSwatch = state.pinned;

    // The about window pauses both timers; the answer's question stops the check's.
    const bool running = !in.shutDown && !state.aboutOpen;
    p.timers[static_cast<std::size_t>(Timer::Refresher)] = running ? state.RefreshIntervalMs() : 0;
    p.timers[static_cast<std::size_t>(Timer::OnlineCheckTimer)] =
        running && state.check == CheckPhase::Waiting ? kOnlineCheckIntervalMs : 0;

    p.topmost = state.onTop;
    switch (ChooseCapturePolicy(state.ownWindow, in.windowsBuild, false).affinity) {
        case DisplayAffinity::Unchanged: break;
        case DisplayAffinity::None: p.excludedFromCapture = false; break;
        case DisplayAffinity::ExcludeFromCapture: p.excludedFromCapture = true; break;
    }
    p.guideTip = in.guideTip;
    return p;
}

}  // namespace orvelle
