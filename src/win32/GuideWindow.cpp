#include "GuideWindow.h"

#include <utility>

#include "ControlIds.h"
#include "DibSurface.h"

namespace orvelle::win32 {

namespace {

HCURSOR SplitCursor(bool vertical) {
    // The program's own split arrows when they load, the system's sizing arrows otherwise.
    const wchar_t* name = vertical ? L"SPLIT_WE" : L"SPLIT_NS";
    auto cursor = static_cast<HCURSOR>(
        LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    return cursor != nullptr ? cursor : LoadCursorW(nullptr, vertical ? IDC_SIZEWE : IDC_SIZENS);
}

}  // namespace

bool GuideWindow::Create(HWND parent, GuidePart part, Listener listener) {
    part_ = part;
    listener_ = std::move(listener);
    const bool vertical = IsVertical(GuideOf(part));
    const wchar_t* className = vertical ? kGuideWeClassName : kGuideNsClassName;
    RegisterWindowClass(className, CS_DBLCLKS, SplitCursor(vertical), nullptr);
    const int id = kIdGuideBase + static_cast<int>(part);
    return CreateFor(0, className, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))) != nullptr;
}

void GuideWindow::SetPicture(TBitmap32 picture) {
    picture_ = std::move(picture);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT GuideWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            Paint(dc);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // the picture covers every pixel
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            SetCapture(hwnd_);
            Forward(GuideEvent::Press);
            return 0;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            // The second press of a double-click: the reset, then a drag from there.
            SetCapture(hwnd_);
            Forward(GuideEvent::DoubleClick);
            Forward(GuideEvent::Press);
            return 0;
        case WM_MOUSEMOVE:
            Forward(GuideEvent::Move);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            if (GetCapture() == hwnd_) {
                ReleaseCapture();  // WM_CAPTURECHANGED ends the drag
            } else {
                Forward(GuideEvent::Release);
            }
            return 0;
        case WM_CAPTURECHANGED:
            // Released, or taken away (a menu, another window): either way the drag is over.
            Forward(GuideEvent::Release);
            return 0;
        default:
            return DefaultProc(message, wParam, lParam);
    }
}

void GuideWindow::Forward(GuideEvent event) {
    if (listener_) listener_(part_, event);
}

void GuideWindow::Paint(HDC dc) const {
    if (picture_.Empty()) return;
    RECT client;
    GetClientRect(hwnd_, &client);
    const BITMAPINFO info = Dib32Info(picture_.Width(), picture_.Height());
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, 0, 0, client.right, client.bottom, 0, 0, picture_.Width(), picture_.Height(),
                  picture_.Ref().pixels, &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace orvelle::win32
