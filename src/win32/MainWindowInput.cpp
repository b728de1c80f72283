// Keys and wheel turns that the logic takes before the controls see them:
// they mean the same whichever control of the window has the focus.
#include <exception>

#include "MainWindow.h"
#include "app/TfrmMain.h"

namespace orvelle::win32 {

namespace {

bool Pressed(int key) { return GetKeyState(key) < 0; }

bool WithinWindow(HWND root, HWND window) { return window != nullptr && (window == root || IsChild(root, window)); }

}  // namespace

bool MainWindow::PreTranslate(const MSG& message) {
    if (logic_ == nullptr || !WithinWindow(hwnd_, message.hwnd)) return false;
    // The loop runs outside every window procedure and its guard.
    try {
        if (message.message == WM_KEYDOWN)
            return OnArrowKey(message) ||
                   logic_->FormZoomKey(static_cast<int>(message.wParam), Pressed(VK_CONTROL), Pressed(VK_MENU));
        if (message.message == WM_MOUSEWHEEL) return OnMouseWheel(message);
    } catch (const std::exception& e) {
        ReportHandlerFailure(hwnd_, e.what());
        return true;
    }
    return false;
}

bool MainWindow::OnArrowKey(const MSG& message) {
    int dx = 0;
    int dy = 0;
    switch (message.wParam) {
        case VK_LEFT: dx = -1; break;
        case VK_RIGHT: dx = 1; break;
        case VK_UP: dy = -1; break;
        case VK_DOWN: dy = 1; break;
        default: return false;
    }
    if (Pressed(VK_CONTROL) || Pressed(VK_MENU)) return false;
    // A control that moves with the arrows itself (the level's track bar, the
    // colour box) keeps them while it has the focus.
    if (SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, 0) & DLGC_WANTARROWS) return false;
    logic_->NudgePointer(dx, dy, Pressed(VK_SHIFT));
    return true;
}

bool MainWindow::OnMouseWheel(const MSG& message) {
    const POINT at{static_cast<short>(LOWORD(message.lParam)), static_cast<short>(HIWORD(message.lParam))};
    // The system may send the turn to the window with the focus while the
    // pointer is elsewhere; only a turn over this window counts.
    const HWND under = WindowFromPoint(at);
    if (!WithinWindow(hwnd_, under)) return false;
    const bool overView = WithinWindow(view_.Handle(), under);
    const bool ctrl = (GET_KEYSTATE_WPARAM(message.wParam) & MK_CONTROL) != 0;
    return logic_->FormMouseWheel(GET_WHEEL_DELTA_WPARAM(message.wParam), overView, ctrl);
}

}  // namespace orvelle::win32
