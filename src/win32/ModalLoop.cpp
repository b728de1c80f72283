#include "ModalLoop.h"

#include <vector>

namespace orvelle::win32 {

namespace {

struct Disabling {
    HWND keep;
    std::vector<HWND> disabled;
};

BOOL CALLBACK DisableOther(HWND window, LPARAM context) {
    auto& state = *reinterpret_cast<Disabling*>(context);
    if (window != state.keep && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        state.disabled.push_back(window);
    }
    return TRUE;
}

}  // namespace

void RunModal(HWND window, const bool& done) {
    HWND previouslyActive = GetActiveWindow();
    Disabling state{window, {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableOther, reinterpret_cast<LPARAM>(&state));
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);

    MSG message;
    while (!done) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the outer loop
            break;
        }
        if (got < 0) break;
        if (IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // Enabled before the window goes, so that the system activates one of them.
    for (HWND disabled : state.disabled)
        if (IsWindow(disabled)) EnableWindow(disabled, TRUE);
    ShowWindow(window, SW_HIDE);
    if (previouslyActive != nullptr && IsWindow(previouslyActive)) SetActiveWindow(previouslyActive);
}

void LiftTopmost(HWND window) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
}

POINT CentredOver(HWND over, SIZE outer) {
    RECT target{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (over != nullptr && IsWindowVisible(over)) GetWindowRect(over, &target);
    POINT at{target.left + (target.right - target.left - outer.cx) / 2,
             target.top + (target.bottom - target.top - outer.cy) / 2};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromRect(&target, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        const RECT& work = monitor.rcWork;
        if (at.x + outer.cx > work.right) at.x = work.right - outer.cx;
        if (at.y + outer.cy > work.bottom) at.y = work.bottom - outer.cy;
        if (at.x < work.left) at.x = work.left;
        if (at.y < work.top) at.y = work.top;
    }
    return at;
}

}  // namespace orvelle::win32
