// BaseWindow<T>: binds a C++ object to its window. The object pointer travels
// in CreateWindowEx's creation parameter, is stored at WM_NCCREATE (the first
// message a window receives) and every later message goes to
// T::HandleMessage. T calls DefWindowProc itself for what it leaves alone.
// An exception thrown by a handler must not cross the system's code: it is
// reported, the message gets the default treatment, and the program goes on.
#pragma once

#include <windows.h>

#include <exception>
#include <new>

namespace orvelle::win32 {

// Shows what went wrong in a handler, one message box at a time: a failure
// that repeats at each timer tick must not stack up boxes while one is open.
void ReportHandlerFailure(HWND window, const char* what);

template <typename T>
class BaseWindow {
public:
    BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    HWND Handle() const { return hwnd_; }

protected:
    ~BaseWindow() = default;

    // Registers the class once per process; later calls find it registered.
    static void RegisterWindowClass(const wchar_t* className, UINT style, HCURSOR cursor, HBRUSH background,
                                    HICON icon = nullptr) {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW existing{};
        existing.cbSize = sizeof existing;
        if (GetClassInfoExW(instance, className, &existing)) return;
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = style;
        wc.lpfnWndProc = &BaseWindow::WindowProc;
        wc.hInstance = instance;
        wc.hCursor = cursor;
        wc.hbrBackground = background;
        wc.hIcon = icon;
        wc.lpszClassName = className;
        RegisterClassExW(&wc);
    }

    HWND CreateFor(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                   int width, int height, HWND parent, HMENU menuOrId) {
        return CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menuOrId,
                               GetModuleHandleW(nullptr), static_cast<T*>(this));
    }

    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        T* self = nullptr;
        if (message == WM_NCCREATE) {
            self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
        LRESULT result = 0;
        try {
            result = self->HandleMessage(message, wParam, lParam);
        } catch (const std::bad_alloc&) {
            ReportHandlerFailure(hwnd, "Out of memory");
            result = DefWindowProcW(hwnd, message, wParam, lParam);
        } catch (const std::exception& e) {
            ReportHandlerFailure(hwnd, e.what());
            result = DefWindowProcW(hwnd, message, wParam, lParam);
        } catch (...) {
            ReportHandlerFailure(hwnd, "Unexpected error");
            result = DefWindowProcW(hwnd, message, wParam, lParam);
        }
        if (message == WM_NCDESTROY) {
            // The object may outlive its window; it must not keep a dead handle.
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    }
};

}  // namespace orvelle::win32
