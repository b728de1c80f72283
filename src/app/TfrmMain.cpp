#include "app/TfrmMain.h"

#include <exception>
#include <iterator>

#include "engine/Dpi.h"
#include "app/MainLayout.h"
#include "app/MainWindowDesign.h"
#include "app/WebLinks.h"
#include "engine/StandardColors.h"

namespace orvelle {

TfrmMain::TfrmMain(MainView& view, Services services)
    : view_(view), services_(std::move(services)), menu_(view) {}

void TfrmMain::FormCreate() {
    try {
        ShowDesignedState();
        view_.SetCaption(std::string(ProductName) + " " + ProgramVersion);
        BuildLanguageMenu();
        BuildColorMenu();
        ReadRulerPath();
        ReadSettings();
        ShowCaptureExclusion();
        if (Checked(Command::menuStartupCheck)) {
            onlineCheckResult_->Set(kStartupCheckMarker);
            menuCheckNowClick();
        }
    } catch (const std::exception& e) {
        // The rest of start-up is skipped; the window still opens.
        services_.dialogs.ShowError(e.what());
    }
}

// Every value the window starts with, sent once as a whole, so that the
// window shows exactly the state this class holds; from here on only
// changes are sent.
void TfrmMain::ShowDesignedState() {
    namespace d = design;
    dpi_ = view_.Dpi();
    view_.SetScale(dpi_);

    for (const MenuEntry& entry : MainMenuEntries()) {
        MenuItem item;
        item.id = entry.id;
        item.parent = entry.parent;
        item.kind = entry.kind;
        item.shortcut = entry.shortcut;
        if (entry.fixedCaption != nullptr)
            item.caption = entry.fixedCaption;
        else if (const auto site = WebLinkSite(entry.id))
            item.caption = WebLinkCaption(hosts_, *site);
        else
            item.caption = EnglishMenuCaption(entry.id).value_or("");
        if (entry.picture >= 0) item.image = MenuImage::Picture(entry.picture);
        item.checked = entry.id == Command::menu10X;
        menu_.Insert(item);
    }
    // The hints, all of them: none is empty.
    SetLanguage();
    for (std::size_t b = 0; b < buttonDown_.size(); ++b) view_.SetButtonDown(static_cast<ToolButton>(b), false);

    const Rect client{0, 0, ScaleToDpi(d::kClientArea.width, dpi_), ScaleToDpi(d::kClientArea.height, dpi_)};
    const Rect logo = ScaleToDpi(d::kLogo, dpi_);
    const Size logoPicture = ScalePicture(Size{d::kLogo.Width(), d::kLogo.Height()}, PictureScalePercent(dpi_));
    const Rect panel = ScaleToDpi(d::kPanel1, dpi_);
    const int bevel = ScaleToDpi(d::kPanelBevel, dpi_);
    const int statusBarHeight = ScaleToDpi(d::kStatusBarHeight, dpi_);
    auto place = [this](Control c, Rect bounds) {
        controls_[static_cast<std::size_t>(c)] = ControlState{true, bounds};
        view_.SetControlVisible(c, true);
        if (c != Control::Separator2) view_.SetControlBounds(c, bounds);
    };
    place(Control::ToolBar1, ScaleToDpi(d::kToolBar1, dpi_));
    place(Control::ToolBar2, ScaleToDpi(d::kToolBar2, dpi_));
    place(Control::Separator2, Rect{});
    place(Control::imgLogo, Rect::FromSize(logo.left, logo.top, logoPicture.width, logoPicture.height));
    place(Control::Panel1, panel);
    place(Control::imgZoom, Rect{bevel, bevel, panel.Width() - bevel, panel.Height() - bevel});
    place(Control::StatusBar1, Rect{0, client.bottom - statusBarHeight, client.right, client.bottom});
    guides_ = MeasuringGuides(GuideSizesAt(dpi_));
    for (std::size_t i = 0; i < kGuidePartCount; ++i) {
        const auto part = static_cast<GuidePart>(i);
        place(GuideControl(part), guides_.Bounds(part));
    }
    panelTop_ = panel.top;

    view_.SetZoomPosition(zoom_);
    zoomLabel_ = std::to_string(zoom_) + " X";
    view_.SetZoomLabel(zoomLabel_);
    view_.SetGridColorSelection(gridColorIndex_);
    view_.SetGridColorEnabled(gridColorEnabled_);
    statusPanels_.clear();
    SetStatusPanels();
    minimumSize_ = MinimumOuterSize(dpi_);
    view_.SetMinimumSize(minimumSize_);
    view_.SetClientSize(Size{client.Width(), client.Height()});
    StartTimer(Timer::Refresher, refreshIntervalMs_);
}

// Sixteen items, one per colour of the colour box and in its order, in two
// columns of eight.
void TfrmMain::BuildColorMenu() {
    menu_.SetImage(Command::menuColor, MenuImage::Swatch(kStandardColors[0].value));
    for (const StandardColor& color : kStandardColors) {
        MenuItem item;
        item.id = ColorItem(color.index);
        item.parent = Command::menuColor;
        item.kind = MenuKind::Check;
        item.caption = std::string(color.name);
        item.image = MenuImage::Swatch(color.value);
        item.newColumn = color.index == kStandardColorCount / 2;
        menu_.Insert(item);
    }
}

void TfrmMain::FormDestroy() { RunShutdown(); }

bool TfrmMain::QueryEndSession() {
    RunShutdown();
    view_.Close();
    return true;
}

void TfrmMain::RunShutdown() {
    // Runs once per process: after the session-end handler the window's
    // destruction must not write the settings a second time.
    if (shutDown_) return;
    shutDown_ = true;
    StopTimer(Timer::Refresher);
    try {
        WriteSettings();
    } catch (const std::exception& e) {
        services_.dialogs.ShowError(e.what());
    }
}

void TfrmMain::OnTimer(Timer timer) {
    switch (timer) {
        case Timer::Refresher:
            RefresherTimer();
            break;
        case Timer::OnlineCheckTimer:
            OnlineCheckTimerTimer();
            break;
        case Timer::Count:
            break;
    }
}

void TfrmMain::SetButtonDown(ToolButton button, bool down) {
    auto& state = buttonDown_[static_cast<std::size_t>(button)];
    if (state == down) return;
    state = down;
    view_.SetButtonDown(button, down);
}

void TfrmMain::SetHint(HintTarget target, const std::string& text) {
    auto& hint = hints_[static_cast<std::size_t>(target)];
    if (hint == text) return;
    hint = text;
    view_.SetHint(target, text);
}

void TfrmMain::SetControlVisible(Control control, bool visible) {
    auto& state = controls_[static_cast<std::size_t>(control)];
    if (state.visible == visible) return;
    state.visible = visible;
    view_.SetControlVisible(control, visible);
}

void TfrmMain::SetControlBounds(Control control, const Rect& bounds) {
    auto& state = controls_[static_cast<std::size_t>(control)];
    if (state.bounds == bounds) return;
    state.bounds = bounds;
    view_.SetControlBounds(control, bounds);
}

void TfrmMain::SetMinimumSize(Size size) {
    if (size == minimumSize_) return;
    minimumSize_ = size;
    view_.SetMinimumSize(size);
}

void TfrmMain::SetStatusPanels() {
    std::vector<int> widths;
    for (int designed : design::kStatusPanelWidths) widths.push_back(ScaleToDpi(designed, dpi_));
    if (widths == statusPanels_) return;
    statusPanels_ = std::move(widths);
    view_.SetStatusPanels(statusPanels_);
}

void TfrmMain::SetStatusText(int panel, const std::string& text) {
    auto& state = statusTexts_[static_cast<std::size_t>(panel)];
    if (state == text) return;
    state = text;
    view_.SetStatusText(panel, text);
}

void TfrmMain::StartTimer(Timer timer, int intervalMs) {
    auto& interval = timerIntervals_[static_cast<std::size_t>(timer)];
    if (interval == intervalMs) return;
    interval = intervalMs;
    view_.StartTimer(timer, intervalMs);
}

void TfrmMain::StopTimer(Timer timer) {
    auto& interval = timerIntervals_[static_cast<std::size_t>(timer)];
    if (interval == 0) return;
    interval = 0;
    view_.StopTimer(timer);
}

}  // namespace orvelle
