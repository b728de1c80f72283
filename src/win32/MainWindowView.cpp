// MainView: what the logic asks of the window, each a call or two of the API.
#include <algorithm>

#include "BitmapResources.h"
#include "ControlIds.h"
#include "MainWindow.h"
#include "Text.h"
#include "app/TfrmMain.h"

namespace orvelle::win32 {

namespace {

// The restored position of a minimised or maximised window is kept relative
// to its monitor's work area, not the screen.
POINT WorkAreaOffset(const RECT& normal) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromRect(&normal, MONITOR_DEFAULTTONEAREST), &info)) return POINT{0, 0};
    return POINT{info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top};
}

}  // namespace

void MainWindow::SetCaption(const std::string& caption) { SetWindowTextW(hwnd_, Widen(caption).c_str()); }

Size MainWindow::OuterSize() const {
    // A minimised window is a button on the taskbar; its size is the restored one.
    const Rect bounds = OuterBounds();
    if (IsIconic(hwnd_)) return Size{bounds.Width(), bounds.Height()};
    RECT r;
    GetWindowRect(hwnd_, &r);
    return Size{r.right - r.left, r.bottom - r.top};
}

Size MainWindow::ClientSize() const {
    if (IsIconic(hwnd_)) return clientSize_;
    RECT r;
    GetClientRect(hwnd_, &r);
    return Size{r.right, r.bottom};
}

Rect MainWindow::OuterBounds() const {
    if (!IsIconic(hwnd_) && !IsZoomed(hwnd_)) {
        RECT r;
        GetWindowRect(hwnd_, &r);
        return Rect{r.left, r.top, r.right, r.bottom};
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd_, &placement);
    const RECT& n = placement.rcNormalPosition;
    const POINT offset = WorkAreaOffset(n);
    return Rect{n.left + offset.x, n.top + offset.y, n.right + offset.x, n.bottom + offset.y};
}

void MainWindow::SetOuterBounds(const Rect& bounds) {
    if (!IsIconic(hwnd_) && !IsZoomed(hwnd_)) {
        SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    // Restoring the window later checks these bounds against its minimum.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd_, &placement);
    RECT normal{bounds.left, bounds.top, bounds.right, bounds.bottom};
    const POINT offset = WorkAreaOffset(normal);
    OffsetRect(&normal, -offset.x, -offset.y);
    placement.rcNormalPosition = normal;
    SetWindowPlacement(hwnd_, &placement);
}

void MainWindow::SetMinimumSize(Size outer) {
    minimumSize_ = outer;
    // A window already smaller grows to it: the system checks the size again.
    RECT r;
    GetWindowRect(hwnd_, &r);
    if (!IsIconic(hwnd_) && !IsZoomed(hwnd_) && (r.right - r.left < outer.width || r.bottom - r.top < outer.height))
        SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

WindowState MainWindow::State() const {
    if (IsIconic(hwnd_)) return WindowState::Minimized;
    if (IsZoomed(hwnd_) || showMaximized_) return WindowState::Maximized;
    return WindowState::Normal;
}

void MainWindow::SetMaximized() {
    // A hidden window is maximised when it is first shown.
    if (IsWindowVisible(hwnd_))
        ShowWindow(hwnd_, SW_MAXIMIZE);
    else
        showMaximized_ = true;
}

bool MainWindow::IsVisible() const { return IsWindowVisible(hwnd_) != 0; }

void MainWindow::SetTopmost(bool topmost) {
    SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::SetExcludedFromCapture(bool excluded) {
    // Not in the headers of every toolchain yet: Windows 10 version 2004.
    constexpr DWORD kExcludeFromCapture = 0x00000011;
    // A system that refuses (Wine does) keeps the window as it was.
    SetWindowDisplayAffinity(hwnd_, excluded ? kExcludeFromCapture : WDA_NONE);
}

// Posted, so that the handler asking for it finishes before the window goes.
void MainWindow::Close() { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }

void MainWindow::InsertMenuItem(const MenuItem& item, Command before) { menu_.Insert(item, before); }

void MainWindow::SetMenuCaption(Command item, const std::string& caption) { menu_.SetCaption(item, Widen(caption)); }

void MainWindow::SetChecked(Command item, bool checked) { menu_.SetChecked(item, checked); }

void MainWindow::SetEnabled(Command item, bool enabled) { menu_.SetEnabled(item, enabled); }

void MainWindow::SetMenuImage(Command item, const MenuImage& image) { menu_.SetImage(item, image); }

void MainWindow::AddMenuPicture(const TBitmap32& picture) { menu_.AddPicture(picture); }

void MainWindow::SetButtonDown(ToolButton button, bool down) {
    ToolBarOf(button).SetChecked(kToolButtonIdBase + static_cast<int>(button), down);
}

void MainWindow::SetHint(HintTarget target, const std::string& text) {
    const std::wstring hint = Widen(text);
    auto button = [&](ToolButton b) { ToolBarOf(b).SetButtonHint(kToolButtonIdBase + static_cast<int>(b), hint); };
    switch (target) {
        case HintTarget::tbPrecise: return button(ToolButton::tbPrecise);
        case HintTarget::tbSmooth: return button(ToolButton::tbSmooth);
        case HintTarget::tbCursor: return button(ToolButton::tbCursor);
        case HintTarget::tbGrid: return button(ToolButton::tbGrid);
        case HintTarget::tbRastered: return button(ToolButton::tbRastered);
        case HintTarget::tbOnTop: return button(ToolButton::tbOnTop);
        case HintTarget::tbRuler: return button(ToolButton::tbRuler);
        case HintTarget::tbHelp: return button(ToolButton::tbHelp);
        case HintTarget::tbZoom: return toolBar1_.SetControlHint(zoomTrack_.Handle(), hint);
        case HintTarget::labelZoom: return toolBar1_.SetControlHint(zoomLabel_.Handle(), hint);
        case HintTarget::cbGrid: return toolBar2_.SetControlHint(gridColor_.Handle(), hint);
        case HintTarget::imgLogo: return logoHint_.SetTool(logo_.Handle(), hint);
        case HintTarget::sbColor:
            statusHints_[kColorStatusPanel] = hint;
            return PlacePanelHints();
        case HintTarget::sbContrast:
            statusHints_[kContrastStatusPanel] = hint;
            return PlacePanelHints();
        case HintTarget::sbMeasurement:
            statusHints_[kMeasurementStatusPanel] = hint;
            return PlacePanelHints();
        case HintTarget::Count: return;
    }
}

HWND MainWindow::ControlHandle(Control control) const {
    switch (control) {
        case Control::ToolBar1:
            return toolBar1_.Handle();
        case Control::ToolBar2:
            return toolBar2_.Handle();
        case Control::imgLogo:
            return logo_.Handle();
        case Control::Panel1:
            return panel_.Handle();
        case Control::imgZoom:
            return view_.Handle();
        case Control::StatusBar1:
            return statusBar_.Handle();
        case Control::imgGuideV1:
        case Control::imgGuideV2:
        case Control::imgGuideH1:
        case Control::imgGuideH2:
        case Control::imgIconV1:
        case Control::imgIconV2:
        case Control::imgIconH1:
        case Control::imgIconH2:
            return guides_[static_cast<std::size_t>(control) - static_cast<std::size_t>(Control::imgGuideV1)].Handle();
        case Control::Separator2:
        case Control::Count:
            break;
    }
    return nullptr;
}

void MainWindow::SetControlVisible(Control control, bool visible) {
    if (control == Control::Separator2) return toolBar1_.SetItemVisible(kIdSeparator2, visible);
    if (HWND h = ControlHandle(control)) ShowWindow(h, visible ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::SetControlBounds(Control control, const Rect& bounds) {
    if (HWND h = ControlHandle(control)) SetChildBounds(h, bounds);
}

void MainWindow::SetZoomPosition(int position) { zoomTrack_.SetPosition(position); }

void MainWindow::SetZoomLabel(const std::string& text) { zoomLabel_.SetText(Widen(text)); }

void MainWindow::SetGridColorSelection(int colorIndex) { gridColor_.SetSelection(colorIndex); }

void MainWindow::SetGridColorEnabled(bool enabled) { gridColor_.SetEnabled(enabled); }

void MainWindow::SetStatusPanels(std::span<const int> widths) {
    std::vector<int> shown;
    for (std::size_t panel = 0; panel < statusPart_.size(); ++panel) {
        const bool visible = panel < widths.size() && widths[panel] > 0;
        statusPart_[panel] = visible ? static_cast<int>(shown.size()) : -1;
        if (visible) shown.push_back(widths[panel]);
    }
    statusBar_.SetParts(shown);
    // The parts keep their old texts and pictures: every panel's are put
    // back where it shows now, the picture at the scale the widths were made for.
    for (int part = 0; part < static_cast<int>(shown.size()); ++part)
        SendMessageW(statusBar_.Handle(), SB_SETICON, static_cast<WPARAM>(part), 0);
    for (int panel = 0; panel < kStatusPanelCount; ++panel) ShowStatusText(panel);
    SetStatusSwatch(kContrastStatusPanel, swatch_);
    PlacePanelHints();
}

void MainWindow::ShowStatusText(int panel) {
    const int part = statusPart_[static_cast<std::size_t>(panel)];
    if (part < 0) return;
    const std::wstring& text = statusTexts_[static_cast<std::size_t>(panel)];
    // The contrast panel's text stands left, after the pinned colour's icon.
    if (panel != kContrastStatusPanel) return statusBar_.SetCenteredText(part, text);
    SendMessageW(statusBar_.Handle(), SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.c_str()));
}

void MainWindow::PlacePanelHints() {
    for (int panel = 0; panel < kStatusPanelCount; ++panel) {
        const std::wstring& hint = statusHints_[static_cast<std::size_t>(panel)];
        const int part = statusPart_[static_cast<std::size_t>(panel)];
        RECT area{};
        if (hint.empty() || part < 0 ||
            !SendMessageW(statusBar_.Handle(), SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&area)))
            area = RECT{0, 0, 0, 0};  // a panel not shown has no hint
        statusHint_.SetAreaTool(statusBar_.Handle(), static_cast<UINT_PTR>(panel), area, hint);
    }
}

// The contrast panel shows the pinned colour as its icon, before its text.
void MainWindow::SetStatusSwatch(int panel, std::optional<Pixel> color) {
    if (panel != kContrastStatusPanel) return;
    swatch_ = color;
    const int part = statusPart_[static_cast<std::size_t>(panel)];
    if (part < 0) return;
    OwnedIcon icon;
    if (color) icon = CreateSwatchIcon(*color, MulDiv(16, scaleDpi_, USER_DEFAULT_SCREEN_DPI));
    SendMessageW(statusBar_.Handle(), SB_SETICON, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(icon.get()));
    swatchIcon_ = std::move(icon);  // the bar holds on to the one it shows
}

int MainWindow::StatusTextWidth(const std::string& text) const {
    const std::wstring wide = Widen(text);
    HDC dc = GetDC(statusBar_.Handle());
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(statusBar_.Handle(), WM_GETFONT, 0, 0)));
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(statusBar_.Handle(), dc);
    return size.cx;
}

void MainWindow::ShowGuideTip(const std::string& text, Point pointer) {
    // Below and right of the pointer, clear of the guide under it and of the pointer's own picture.
    const int offset = MulDiv(20, scaleDpi_, USER_DEFAULT_SCREEN_DPI);
    guideTip_.Show(Widen(text), POINT{pointer.x + offset, pointer.y + offset});
}

void MainWindow::HideGuideTip() { guideTip_.Hide(); }

void MainWindow::SetStatusText(int panel, const std::string& text) {
    if (panel < 0 || panel >= kStatusPanelCount) return;
    statusTexts_[static_cast<std::size_t>(panel)] = Widen(text);
    ShowStatusText(panel);
}

void MainWindow::FocusPanel() { SetFocus(panel_.Handle()); }

void MainWindow::RepaintView() { view_.Repaint(); }

void MainWindow::StartTimer(Timer timer, int intervalMs) {
    SetTimer(hwnd_, kFirstTimerId + static_cast<UINT_PTR>(timer), static_cast<UINT>(intervalMs), nullptr);
}

void MainWindow::StopTimer(Timer timer) { KillTimer(hwnd_, kFirstTimerId + static_cast<UINT_PTR>(timer)); }

}  // namespace orvelle::win32
