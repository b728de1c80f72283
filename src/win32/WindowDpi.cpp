#include "WindowDpi.h"

namespace orvelle::win32 {

namespace {

template <typename Function>
Function UserFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : USER_DEFAULT_SCREEN_DPI;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = UserFunction<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

Size OuterSizeForClient(Size client, DWORD style, DWORD exStyle, bool hasMenu, int dpi) {
    using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = UserFunction<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    RECT r{0, 0, client.width, client.height};
    if (adjustForDpi == nullptr || !adjustForDpi(&r, style, hasMenu, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&r, style, hasMenu, exStyle);
    return Size{r.right - r.left, r.bottom - r.top};
}

HFONT CreatePointFont(const wchar_t* face, int points, int charset, int dpi) {
    return CreateFontW(-MulDiv(points, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, static_cast<BYTE>(charset),
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

}  // namespace orvelle::win32
