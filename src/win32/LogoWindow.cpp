#include "LogoWindow.h"

#include "BitmapResources.h"
#include "ControlIds.h"

namespace orvelle::win32 {

LogoWindow::~LogoWindow() {
    if (picture_ != nullptr) DeleteObject(picture_);
}

bool LogoWindow::Create(HWND parent, int id, Point position, const TBitmap32& picture) {
    size_ = Size{picture.Width(), picture.Height()};
    picture_ = CreateBitmapFrom(picture, Rect::FromSize(0, 0, size_.width, size_.height), AlphaMode::Premultiplied);
    RegisterWindowClass(kLogoClassName, 0, LoadCursorW(nullptr, IDC_HAND), GetSysColorBrush(COLOR_BTNFACE));
    return CreateFor(0, kLogoClassName, nullptr, WS_CHILD | WS_VISIBLE, position.x, position.y, size_.width,
                     size_.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))) != nullptr;
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
            // A click is a press and a release over the logo.
            const bool pressed = GetCapture() == hwnd_;
            ReleaseCapture();
            RECT r;
            GetClientRect(hwnd_, &r);
            const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (pressed && PtInRect(&r, p))
                SendMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd_), STN_CLICKED),
                             reinterpret_cast<LPARAM>(hwnd_));
            return 0;
        }
        default:
            return DefaultProc(message, wParam, lParam);
    }
}

void LogoWindow::Paint(HDC dc) const {
    if (picture_ == nullptr) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, picture_);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, 0, 0, size_.width, size_.height, source, 0, 0, size_.width, size_.height, blend);
    SelectObject(source, previous);
    DeleteDC(source);
}

}  // namespace orvelle::win32
