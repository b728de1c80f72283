// The main window's messages, each turned into one call of the logic.
#include "MainWindow.h"

#include <exception>

#include "ControlIds.h"
#include "Win32Services.h"
#include "app/TfrmMain.h"

namespace orvelle::win32 {

MainWindow::~MainWindow() {
    // The logic may be gone already; the window's last messages must not reach
    // it. The fonts and pictures go after the controls that show them.
    logic_ = nullptr;
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void MainWindow::Show(int showCommand) {
    ShowWindow(hwnd_, showMaximized_ ? SW_SHOWMAXIMIZED : showCommand);
    showMaximized_ = false;
    UpdateWindow(hwnd_);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // An error thrown by a handler must not cross the system's code: it is
    // shown, and the program goes on.
    try {
        switch (message) {
            case WM_SIZE:
                if (wParam != SIZE_MINIMIZED) clientSize_ = Size{LOWORD(lParam), HIWORD(lParam)};
                if (logic_ != nullptr) logic_->FormResize();
                return 0;
            case WM_GETMINMAXINFO:
                // The system holds every size change to this, the program's own ones included.
                reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{minimumSize_.width, minimumSize_.height};
                return 0;
            case WM_WINDOWPOSCHANGING:
                OnWindowPosChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
                break;
            case WM_DPICHANGED: {
                const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
                if (logic_ != nullptr)
                    logic_->FormDpiChanged(LOWORD(wParam),
                                           Rect{suggested.left, suggested.top, suggested.right, suggested.bottom});
                return 0;
            }
            case WM_TIMER:
                if (logic_ != nullptr && wParam >= kFirstTimerId &&
                    wParam < kFirstTimerId + static_cast<WPARAM>(Timer::Count))
                    logic_->OnTimer(static_cast<Timer>(wParam - kFirstTimerId));
                return 0;
            case WM_COMMAND:
                OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
                return 0;
            case WM_HOTKEY:
                if (logic_ != nullptr) logic_->HotkeyPressed(static_cast<int>(wParam));
                return 0;
            case WM_HSCROLL:
                if (reinterpret_cast<HWND>(lParam) == zoomTrack_.Handle() && logic_ != nullptr)
                    logic_->ZoomTrackChanged(zoomTrack_.Position());
                return 0;
            case WM_DRAWITEM: {
                const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                if (item.CtlID != kIdGridColor) break;
                gridColor_.Draw(item);
                return TRUE;
            }
            case WM_NOTIFY:
                return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
            case WM_QUERYENDSESSION:
                return logic_ == nullptr || logic_->QueryEndSession() ? TRUE : FALSE;
            case WM_DESTROY:
                if (logic_ != nullptr) logic_->FormDestroy();
                PostQuitMessage(0);
                return 0;
            default:
                break;
        }
    } catch (const std::exception& e) {
        ReportHandlerFailure(hwnd_, e.what());
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

void MainWindow::OnCommand(int id, int code, HWND from) {
    if (logic_ == nullptr) return;
    if (from == nullptr) {
        // A menu item or a shortcut from the accelerator table.
        const int value = id - kCommandIdBase;
        if (value > 0 && value < kCommandCount + kMaxRuntimeCommands) logic_->Execute(static_cast<Command>(value));
    } else if (from == toolBar1_.Handle() || from == toolBar2_.Handle()) {
        const int button = id - kToolButtonIdBase;
        if (button >= 0 && button < static_cast<int>(ToolButton::Count)) {
            const auto clicked = static_cast<ToolButton>(button);
            logic_->ToolButtonClick(clicked, ToolBarOf(clicked).IsChecked(id));
        }
    } else if (id == kIdGridColor && (code == CBN_SELCHANGE || code == CBN_CLOSEUP)) {
        logic_->cbGridChange(gridColor_.Selection());
    } else if (id == kIdLogo && code == STN_CLICKED) {
        logic_->imgLogoClick();
    } else if (id == kIdLogo && code == STN_DBLCLK) {
        logic_->imgLogoDblClick();
    }
}

LRESULT MainWindow::OnNotify(NMHDR& header) {
    // Toolbar buttons ask for their hints in one of two ways.
    if (header.code == TBN_GETINFOTIPW) {
        auto& tip = reinterpret_cast<NMTBGETINFOTIPW&>(header);
        const ToolBar& bar = header.hwndFrom == toolBar1_.Handle() ? toolBar1_ : toolBar2_;
        if (const wchar_t* hint = bar.ButtonHint(tip.iItem); hint != nullptr && tip.cchTextMax > 0)
            lstrcpynW(tip.pszText, hint, tip.cchTextMax);
    } else if (header.code == TTN_GETDISPINFOW) {
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        if ((info.uFlags & TTF_IDISHWND) == 0) {
            const int id = static_cast<int>(header.idFrom);
            const wchar_t* hint = toolBar1_.ButtonHint(id);
            if (hint == nullptr) hint = toolBar2_.ButtonHint(id);
            if (hint != nullptr) info.lpszText = const_cast<wchar_t*>(hint);
        }
    }
    return 0;
}

void MainWindow::OnWindowPosChanging(WINDOWPOS& position) {
    if (logic_ == nullptr || (position.flags & SWP_NOMOVE) != 0) return;
    RECT current;
    GetWindowRect(hwnd_, &current);
    const Point adjusted = logic_->AdjustWindowPosition(
        Point{position.x, position.y}, Size{current.right - current.left, current.bottom - current.top});
    position.x = adjusted.x;
    position.y = adjusted.y;
}

}  // namespace orvelle::win32
