#include "Win32Services.h"

#include <shlobj.h>

#include <cstring>

#include "BaseWindow.h"
#include "Owned.h"
#include "Text.h"
#include "app/TfrmMain.h"
#include "web/Product.h"

namespace orvelle::win32 {

namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

std::wstring LocaleText(LCTYPE item) {
    wchar_t buffer[16]{};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, buffer, 16);
    return length > 1 ? std::wstring(buffer, static_cast<std::size_t>(length - 1)) : std::wstring();
}

}  // namespace

std::optional<Point> Win32Screen::CursorPos() {
    POINT p;
    if (!GetCursorPos(&p)) return std::nullopt;
    return Point{p.x, p.y};
}

void Win32Screen::SetCursorPos(Point position) { ::SetCursorPos(position.x, position.y); }

Rect Win32Screen::VirtualScreen() {
    return Rect::FromSize(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                          GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

Size Win32Screen::PrimaryScreenSize() { return Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

namespace {

// The capture buffer's pixels in a DIB section, which the screen is copied into directly.
class DibPixelSurface : public PixelSurface {
public:
    bool Resize(int width, int height) override {
        if (width <= 0 || height <= 0) return true;
        return dib_.EnsureSize(width, height);
    }
    ImageRef Pixels() override { return dib_.Pixels(); }
    void* PlatformContext() override { return dib_.Dc(); }

private:
    DibSurface dib_;
};

}  // namespace

std::unique_ptr<PixelSurface> Win32Screen::NewCaptureSurface() { return std::make_unique<DibPixelSurface>(); }

Outcome Win32Screen::Capture(const Rect& source, bool includeLayered, CaptureBuffer& into) {
    const int width = source.Width();
    const int height = source.Height();
    // A buffer of this program's surfaces takes the copy itself; any other
    // goes through a surface of our own and is copied over.
    HDC target = static_cast<HDC>(into.Surface().PlatformContext());
    if (target == nullptr) {
        if (!buffer_.EnsureSize(width, height)) return SystemFailure(ERROR_NOT_ENOUGH_MEMORY);
        target = buffer_.Dc();
    }
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return SystemFailure(GetLastError());
    // Layered windows, our own among them, are only in the copy with CAPTUREBLT.
    const DWORD operation = includeLayered ? SRCCOPY | CAPTUREBLT : SRCCOPY;
    const bool copied = BitBlt(target, 0, 0, width, height, screen, source.left, source.top, operation) != 0;
    const DWORD copyError = GetLastError();
    ReleaseDC(nullptr, screen);
    if (!copied) return SystemFailure(copyError);
    GdiFlush();
    if (target == buffer_.Dc()) {
        const ImageRef pixels = buffer_.Pixels();
        for (int y = 0; y < height; ++y) std::memcpy(into.Row(y), pixels.Row(y), static_cast<std::size_t>(width) * 4);
    }
    return std::nullopt;
}

namespace {

// The monitor's effective DPI (Windows 8.1 and later); 96 where the system
// cannot tell.
int MonitorDpi(HMONITOR monitor) {
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpiForMonitor = [] {
        HMODULE shcore = LoadLibraryW(L"shcore.dll");
        return shcore == nullptr ? nullptr
                                 : reinterpret_cast<GetDpiForMonitorFunction>(
                                       reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")));
    }();
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    UINT x = 0, y = 0;
    if (getDpiForMonitor == nullptr || FAILED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) || x == 0)
        return USER_DEFAULT_SCREEN_DPI;
    return static_cast<int>(x);
}

}  // namespace

ScreenService::Monitor Win32Screen::NearestMonitor(const Rect& window) {
    const RECT r{window.left, window.top, window.right, window.bottom};
    const HMONITOR monitor = MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) {
        const Size primary = PrimaryScreenSize();
        const Rect whole = Rect::FromSize(0, 0, primary.width, primary.height);
        return Monitor{whole, whole, USER_DEFAULT_SCREEN_DPI};
    }
    return Monitor{FromRECT(info.rcMonitor), FromRECT(info.rcWork), MonitorDpi(monitor)};
}

bool Win32Screen::InRemoteSession() { return GetSystemMetrics(SM_REMOTESESSION) != 0; }

std::int64_t Win32Clock::SteadyMs() { return static_cast<std::int64_t>(GetTickCount64()); }

LocalTime Win32Clock::Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return LocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

Outcome Win32StartupList::AddIfMissing(const std::string& name, const std::string& command) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &opened,
                        nullptr) != ERROR_SUCCESS)
        return MakeFailure("", Failure::Kind::Unavailable);
    const OwnedKey key(opened);
    const std::wstring valueName = Widen(name);
    if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
        return std::nullopt;
    const std::wstring data = Widen(command);
    const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    const LSTATUS written =
        RegSetValueExW(key.get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), bytes);
    if (written != ERROR_SUCCESS) return SystemFailure(static_cast<DWORD>(written));
    return std::nullopt;
}

void Win32StartupList::Remove(const std::string& name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) return;
    const OwnedKey key(opened);
    RegDeleteValueW(key.get(), Widen(name).c_str());
}

void ShowErrorMessage(HWND owner, const std::string& text) {
    MessageBoxW(owner, Widen(text).c_str(), Widen(ProductName).c_str(), MB_OK | MB_ICONERROR);
}

void ReportHandlerFailure(HWND window, const char* what) {
    static bool showing = false;
    if (showing) return;
    showing = true;
    // The top-level window owns the box, so that it stays above the program.
    const HWND owner = window != nullptr ? GetAncestor(window, GA_ROOT) : nullptr;
    ShowErrorMessage(owner, what != nullptr ? what : "");
    showing = false;
}

void Win32Dialogs::ShowError(const std::string& text) { ShowErrorMessage(owner_, text); }

NumberFormat UserNumberFormat() {
    NumberFormat format;
    const std::wstring decimal = LocaleText(LOCALE_SDECIMAL);
    if (!decimal.empty()) format.decimalSeparator = Narrow(decimal);
    format.thousandSeparator = Narrow(LocaleText(LOCALE_STHOUSAND));
    // The grouping reads like "3;0" or "3;2;0"; its first digit is the group size.
    const std::wstring grouping = LocaleText(LOCALE_SGROUPING);
    if (!grouping.empty() && grouping[0] >= L'0' && grouping[0] <= L'9') format.groupSize = grouping[0] - L'0';
    return format;
}

std::wstring ProgramPathWide() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // the name was cut off: try a larger buffer
    }
}

std::uint32_t WindowsBuildNumber() {
    // GetVersionEx answers for Windows 8 in a program whose manifest does not
    // name later systems; RtlGetVersion tells the truth.
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (ntdll == nullptr) return 0;
    const auto getVersion =
        reinterpret_cast<RtlGetVersionFunction>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (getVersion == nullptr || getVersion(&version) != 0) return 0;
    return version.dwBuildNumber;
}

namespace {

std::filesystem::path KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR folder = nullptr;
    std::filesystem::path path;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &folder))) path = folder;
    CoTaskMemFree(folder);
    return path;
}

}  // namespace

std::filesystem::path RoamingAppDataFolder() { return KnownFolder(FOLDERID_RoamingAppData); }

std::filesystem::path PicturesFolder() { return KnownFolder(FOLDERID_Pictures); }

bool Win32Hotkeys::Register(int id, const Hotkey& hotkey) {
    // Held down, a hotkey reports once, not once per repeat.
    UINT modifiers = MOD_NOREPEAT;
    if (hotkey.ctrl) modifiers |= MOD_CONTROL;
    if (hotkey.shift) modifiers |= MOD_SHIFT;
    if (hotkey.alt) modifiers |= MOD_ALT;
    if (hotkey.win) modifiers |= MOD_WIN;
    return RegisterHotKey(owner_, id, modifiers, static_cast<UINT>(hotkey.key)) != FALSE;
}

void Win32Hotkeys::Unregister(int id) { UnregisterHotKey(owner_, id); }

}  // namespace orvelle::win32
