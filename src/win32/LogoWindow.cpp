#include "LogoWindow.h"

#include "BitmapResources.h"
#include "ControlIds.h"

namespace orvelle::win32 {

bool LogoWindow::Create(HWND parent, int id) {
    RegisterWindowClass(kLogoClassName, CS_DBLCLKS, LoadCursorW(nullptr, IDC_HAND), GetSysColorBrush(COLOR_BTNFACE));
    return CreateFor(0, kLogoClassName, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))) != nullptr;
}

void LogoWindow::SetPicture(const TBitmap32& picture) {
    size_ = Size{picture.Width(), picture.Height()};
    picture_ = CreateBitmapFrom(picture, Rect::FromSize(0, 0, size_.width, size_.height), AlphaMode::Premultiplied);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT LogoWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            Paint(dc);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_LBUTTONDOWN:
            SetCapture(hwnd_);
            return 0;
        case WM_LBUTTONUP: {
            // A click is a press and a release over the logo; the release that
            // ends a double-click is none.
            const bool pressed = GetCapture() == hwnd_;
            ReleaseCapture();
            RECT r;
            GetClientRect(hwnd_, &r);
            const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (pressed && PtInRect(&r, p)) Notify(STN_CLICKED);
            return 0;
        }
        case WM_LBUTTONDBLCLK:
            Notify(STN_DBLCLK);
            return 0;
        default:
            return DefaultProc(message, wParam, lParam);
    }
}

void LogoWindow::Notify(WORD code) {
    SendMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd_), code), reinterpret_cast<LPARAM>(hwnd_));
}

void LogoWindow::Paint(HDC dc) const {
    if (picture_ == nullptr) return;
    const OwnedMemoryDc source(CreateCompatibleDC(dc));
    HGDIOBJ previous = SelectObject(source.get(), picture_.get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, 0, 0, size_.width, size_.height, source.get(), 0, 0, size_.width, size_.height, blend);
    SelectObject(source.get(), previous);
}

}  // namespace orvelle::win32
