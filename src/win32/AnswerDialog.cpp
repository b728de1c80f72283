#include "AnswerDialog.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "BaseWindow.h"
#include "CommonControls.h"
#include "ModalLoop.h"
#include "Owned.h"
#include "Text.h"
#include "WindowDpi.h"

namespace orvelle::win32 {

namespace {

constexpr wchar_t kClassName[] = L"OrvelleAnswer";
constexpr int kFirstButtonId = 101;
constexpr UINT_PTR kKeepOnTopTimer = 1;
constexpr UINT kKeepOnTopMs = 100;

const wchar_t* SystemIcon(IconKind kind) {
    switch (kind) {
        case IconKind::Information: return IDI_ASTERISK;
        case IconKind::Question: return IDI_QUESTION;
        case IconKind::Warning: return IDI_EXCLAMATION;
        case IconKind::Error: return IDI_HAND;
        case IconKind::None: break;
    }
    return nullptr;
}

// The system icon at `side` pixels: drawn for that size where the system can.
HICON LoadSystemIcon(const wchar_t* name, int side) {
    using LoadScaledFunction = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
    static const auto loadScaled = reinterpret_cast<LoadScaledFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "LoadIconWithScaleDown")));
    HICON icon = nullptr;
    if (loadScaled != nullptr && SUCCEEDED(loadScaled(nullptr, name, side, side, &icon))) return icon;
    return static_cast<HICON>(CopyImage(LoadIconW(nullptr, name), IMAGE_ICON, side, side, 0));
}

class AnswerWindow : public BaseWindow<AnswerWindow> {
public:
    AnswerWindow(const AnswerDialogRequest& request) : request_(request) {}

    int Run(HWND over) {
        RegisterWindowClass(kClassName, 0, LoadCursorW(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE));
        const DWORD style = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN | (request_.systemMenu ? WS_SYSMENU : 0);
        const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
        const std::wstring title = Widen(AnswerDialogTitle(request_.caption));
        // Made hidden first, so that its own DPI sizes it.
        if (CreateFor(exStyle, kClassName, title.c_str(), style, 0, 0, 100, 100, nullptr, nullptr) == nullptr)
            return kDismissed;
        OwnedWindow owned(hwnd_);
        const int dpi = over != nullptr ? WindowDpi(over) : WindowDpi(hwnd_);
        font_.reset(CreatePointFont(L"Tahoma", 8, DEFAULT_CHARSET, dpi));

        HDC dc = GetDC(hwnd_);
        HGDIOBJ previous = SelectObject(dc, font_.get());
        const std::wstring message = Widen(request_.message);
        const SIZE messageSize = DrawnTextSize(dc, message, true);
        std::vector<Size> buttonTexts;
        for (const std::string& caption : request_.buttons) {
            const SIZE s = DrawnTextSize(dc, Widen(caption), false);
            buttonTexts.push_back(Size{s.cx, s.cy});
        }
        SelectObject(dc, previous);
        ReleaseDC(hwnd_, dc);

        const bool hasIcon = SystemIcon(request_.icon) != nullptr;
        layout_ = LayoutAnswerDialog(Size{messageSize.cx, messageSize.cy}, buttonTexts, hasIcon, dpi);
        if (hasIcon) icon_ = LoadSystemIcon(SystemIcon(request_.icon), layout_.icon.Width());

        // The message is centred in the label's height.
        const Rect& label = layout_.label;
        const int textTop = label.top + (label.Height() - messageSize.cy) / 2;
        HWND text = CreateWindowExW(0, L"STATIC", message.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                    label.left, textTop, label.Width(), messageSize.cy, hwnd_, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
        SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        for (std::size_t i = 0; i < request_.buttons.size(); ++i) {
            const Rect& b = layout_.buttons[i];
            HWND button = CreateWindowExW(0, L"BUTTON", Widen(request_.buttons[i]).c_str(),
                                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, b.left, b.top,
                                          b.Width(), b.Height(), hwnd_,
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstButtonId + i)),
                                          GetModuleHandleW(nullptr), nullptr);
            SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        }

        const Size outer = OuterSizeForClient(layout_.client, style, exStyle, false, dpi);
        const POINT at = CentredOver(over, SIZE{outer.width, outer.height});
        SetWindowPos(hwnd_, HWND_TOPMOST, at.x, at.y, outer.width, outer.height, SWP_NOACTIVATE);
        SetTimer(hwnd_, kKeepOnTopTimer, kKeepOnTopMs, nullptr);
        if (HWND first = GetDlgItem(hwnd_, kFirstButtonId)) SetFocus(first);
        RunModal(hwnd_, done_);
        KillTimer(hwnd_, kKeepOnTopTimer);
        if (icon_ != nullptr) DestroyIcon(icon_);
        return result_;
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_COMMAND:
                OnCommand(LOWORD(wParam));
                return 0;
            case WM_TIMER:
                if (wParam == kKeepOnTopTimer && IsWindowVisible(hwnd_)) LiftTopmost(hwnd_);
                return 0;
            case WM_CLOSE:
                if (request_.systemMenu) Finish(kDismissed);
                return 0;
            case WM_PAINT: {
                PAINTSTRUCT paint;
                HDC dc = BeginPaint(hwnd_, &paint);
                RECT frame{layout_.frame.left, layout_.frame.top, layout_.frame.right, layout_.frame.bottom};
                DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
                if (icon_ != nullptr)
                    DrawIconEx(dc, layout_.icon.left, layout_.icon.top, icon_, layout_.icon.Width(),
                               layout_.icon.Height(), 0, nullptr, DI_NORMAL);
                EndPaint(hwnd_, &paint);
                return 0;
            }
            default:
                return DefaultProc(message, wParam, lParam);
        }
    }

private:
    void OnCommand(int id) {
        const int count = static_cast<int>(request_.buttons.size());
        if (id >= kFirstButtonId && id < kFirstButtonId + count) {
            const int number = id - kFirstButtonId + 1;
            if (number == request_.helpButton) {
                OpenHelp();  // the dialog stays open
                return;
            }
            Finish(number);
        } else if (id == IDCANCEL) {
            // Esc: an answer only where the dialog can be closed at all.
            if (request_.systemMenu) Finish(kDismissed);
        } else if (id == IDOK) {
            // Enter with no default button presses the focused one.
            HWND focus = GetFocus();
            if (focus != nullptr && GetParent(focus) == hwnd_) SendMessageW(focus, BM_CLICK, 0, 0);
        }
    }

    void OpenHelp() {
        const std::wstring reference = Widen(request_.helpReference);
        const std::size_t cut = reference.find_last_of(L"\\:");
        StartHelpViewer(reference, cut == std::wstring::npos ? std::wstring() : reference.substr(0, cut + 1));
    }

    void Finish(int result) {
        result_ = result;
        done_ = true;
    }

    const AnswerDialogRequest& request_;
    AnswerDialogLayout layout_;
    OwnedFont font_;
    HICON icon_ = nullptr;
    int result_ = kDismissed;
    bool done_ = false;
};

}  // namespace

int ShowAnswerDialog(HWND over, const AnswerDialogRequest& request) {
    if (request.buttons.empty()) return kDismissed;
    AnswerWindow window(request);
    return window.Run(over);
}

DWORD StartHelpViewer(const std::wstring& parameters, const std::wstring& directory) {
    wchar_t windows[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return GetLastError();
    const std::wstring viewer = std::wstring(windows) + L"\\hh.exe";
    SHELLEXECUTEINFOW run{};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_FLAG_NO_UI;
    run.lpVerb = L"open";
    run.lpFile = viewer.c_str();
    run.lpParameters = parameters.c_str();
    run.lpDirectory = directory.empty() ? nullptr : directory.c_str();
    run.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&run) ? 0 : GetLastError();
}

}  // namespace orvelle::win32
