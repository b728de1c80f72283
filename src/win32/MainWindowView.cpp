// MainView: what the logic asks of the window, each a call or two of the API.
#include <algorithm>

#include "ControlIds.h"
#include "MainWindow.h"
#include "Text.h"
#include "engine/ZoomGeometry.h"

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
    // Programmatic sizes obey the same minimum as dragging the frame.
    const int width = std::max(bounds.Width(), kMinOuterWidth);
    const int height = std::max(bounds.Height(), kMinOuterHeight);
    if (!IsIconic(hwnd_) && !IsZoomed(hwnd_)) {
        SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd_, &placement);
    RECT normal{bounds.left, bounds.top, bounds.left + width, bounds.top + height};
    const POINT offset = WorkAreaOffset(normal);
    OffsetRect(&normal, -offset.x, -offset.y);
    placement.rcNormalPosition = normal;
    SetWindowPlacement(hwnd_, &placement);
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

// Posted, so that the handler asking for it finishes before the window goes.
void MainWindow::Close() { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }

void MainWindow::SetChecked(Command item, bool checked) { menu_.SetChecked(item, checked); }

void MainWindow::SetEnabled(Command item, bool enabled) { menu_.SetEnabled(item, enabled); }

void MainWindow::SetButtonDown(ToolButton button, bool down) {
    ToolBarOf(button).SetChecked(kToolButtonIdBase + static_cast<int>(button), down);
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
    // No copying of the old pixels: a sibling moved just before may have
    // covered them, and the copy would carry its picture along.
    if (HWND h = ControlHandle(control))
        SetWindowPos(h, nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void MainWindow::SetZoomPosition(int position) { zoomTrack_.SetPosition(position); }

void MainWindow::SetZoomLabel(const std::string& text) { zoomLabel_.SetText(Widen(text)); }

void MainWindow::SetGridColorSelection(int colorIndex) { gridColor_.SetSelection(colorIndex); }

void MainWindow::SetGridColorEnabled(bool enabled) {
    gridColor_.SetEnabled(enabled);
    menu_.SetEnabled(Command::menuColor, enabled);
}

void MainWindow::SetColorMenuImage(int colorIndex) { menu_.SetColorMenuImage(colorIndex); }

void MainWindow::SetStatusText(int panel, const std::string& text) { statusBar_.SetCenteredText(panel, Widen(text)); }

void MainWindow::FocusPanel() { SetFocus(panel_.Handle()); }

void MainWindow::RepaintView() { view_.Repaint(); }

void MainWindow::SetRefresher(bool enabled, int intervalMs) {
    if (enabled)
        SetTimer(hwnd_, kRefresherTimerId, static_cast<UINT>(intervalMs), nullptr);
    else
        KillTimer(hwnd_, kRefresherTimerId);
}

}  // namespace orvelle::win32
