#include "ViewWindow.h"

#include <utility>

#include "ControlIds.h"

namespace orvelle::win32 {

bool ViewWindow::Create(HWND parent, int id, Painter painter) {
    painter_ = std::move(painter);
    // No background brush: every pixel is painted, so erasing would only flicker.
    RegisterWindowClass(kViewClassName, 0, LoadCursorW(nullptr, IDC_ARROW), nullptr);
    return CreateFor(0, kViewClassName, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                     0, 0, 0, 0, parent,
                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))) != nullptr;
}

LRESULT ViewWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            Paint(dc, ps.rcPaint);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        default:
            return DefaultProc(message, wParam, lParam);
    }
}

void ViewWindow::Paint(HDC dc, const RECT& dirty) {
    RECT client;
    GetClientRect(hwnd_, &client);
    if (!surface_.EnsureSize(client.right, client.bottom)) return;
    const Rect area = Intersect(Rect{dirty.left, dirty.top, dirty.right, dirty.bottom},
                                Rect{0, 0, surface_.Width(), surface_.Height()});
    if (area.IsEmpty()) return;
    // GDI batches its calls: let it finish with the bitmap before the pixels
    // are written directly.
    GdiFlush();
    if (painter_) painter_(surface_.Pixels(), area);
    BitBlt(dc, area.left, area.top, area.Width(), area.Height(), surface_.Dc(), area.left, area.top, SRCCOPY);
}

}  // namespace orvelle::win32
