#include "PanelWindow.h"

#include "ControlIds.h"

namespace orvelle::win32 {

bool PanelWindow::Create(HWND parent, int id) {
    RegisterWindowClass(kPanelClassName, CS_HREDRAW | CS_VREDRAW, LoadCursorW(nullptr, IDC_ARROW),
                        GetSysColorBrush(COLOR_BTNFACE));
    return CreateFor(0, kPanelClassName, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, parent,
                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))) != nullptr;
}

void PanelWindow::SetBevelWidth(int width) {
    bevelWidth_ = width;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT PanelWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        Paint(dc);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

void PanelWindow::Paint(HDC dc) const {
    RECT r;
    GetClientRect(hwnd_, &r);
    // Lowered: shadow along the top and left, highlight along the bottom and
    // right, each line nested one pixel inside the one before.
    HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW);
    HBRUSH highlight = GetSysColorBrush(COLOR_BTNHIGHLIGHT);
    for (int i = 0; i < bevelWidth_; ++i) {
        const RECT top{r.left, r.top, r.right - 1, r.top + 1};
        const RECT left{r.left, r.top, r.left + 1, r.bottom - 1};
        const RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
        const RECT right{r.right - 1, r.top, r.right, r.bottom};
        FillRect(dc, &top, shadow);
        FillRect(dc, &left, shadow);
        FillRect(dc, &bottom, highlight);
        FillRect(dc, &right, highlight);
        InflateRect(&r, -1, -1);
    }
}

}  // namespace orvelle::win32
