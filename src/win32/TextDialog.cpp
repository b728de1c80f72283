#include "TextDialog.h"

#include <vector>

#include "BaseWindow.h"
#include "CommonControls.h"
#include "ModalLoop.h"
#include "Owned.h"
#include "Text.h"
#include "WindowDpi.h"
#include "app/ColorText.h"
#include "web/AnswerDialogLayout.h"

namespace orvelle::win32 {

namespace {

constexpr wchar_t kClassName[] = L"OrvelleText";
constexpr int kEditId = 101;
constexpr int kOkId = 102;
constexpr int kCancelId = 103;

class TextWindow : public BaseWindow<TextWindow> {
public:
    explicit TextWindow(const DialogService::TextRequest& request) : request_(request) {}

    std::optional<std::string> Run(HWND over) {
        RegisterWindowClass(kClassName, 0, LoadCursorW(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE));
        const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
        const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
        const std::wstring title = Widen(AnswerDialogTitle(request_.title));
        if (CreateFor(exStyle, kClassName, title.c_str(), style, 0, 0, 100, 100, nullptr, nullptr) == nullptr)
            return std::nullopt;
        OwnedWindow owned(hwnd_);
        const int dpi = over != nullptr ? WindowDpi(over) : WindowDpi(hwnd_);
        font_.reset(CreatePointFont(L"Tahoma", 8, DEFAULT_CHARSET, dpi));

        const std::wstring prompt = Widen(request_.prompt);
        HDC dc = GetDC(hwnd_);
        HGDIOBJ previous = SelectObject(dc, font_.get());
        const SIZE promptSize = DrawnTextSize(dc, prompt, true);
        const SIZE ok = DrawnTextSize(dc, Widen(request_.ok), false);
        const SIZE cancel = DrawnTextSize(dc, Widen(request_.cancel), false);
        const SIZE line = DrawnTextSize(dc, L"Ag", false);
        SelectObject(dc, previous);
        ReleaseDC(hwnd_, dc);
        const TextDialogLayout layout = LayoutTextDialog(
            Size{promptSize.cx, promptSize.cy}, Size{std::max(ok.cx, cancel.cx), std::max(ok.cy, cancel.cy)},
            line.cy, dpi);

        auto child = [&](const wchar_t* kind, const std::wstring& text, DWORD more, DWORD exMore, const Rect& r,
                         int id) {
            HWND h = CreateWindowExW(exMore, kind, text.c_str(), WS_CHILD | WS_VISIBLE | more, r.left, r.top, r.Width(),
                                     r.Height(), hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     GetModuleHandleW(nullptr), nullptr);
            SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
            return h;
        };
        child(L"STATIC", prompt, SS_LEFT | SS_NOPREFIX, 0, layout.prompt, 0);
        edit_ = child(L"EDIT", Widen(request_.text), WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, layout.edit, kEditId);
        child(L"BUTTON", Widen(request_.ok), WS_TABSTOP | BS_DEFPUSHBUTTON, 0, layout.ok, kOkId);
        child(L"BUTTON", Widen(request_.cancel), WS_TABSTOP | BS_PUSHBUTTON, 0, layout.cancel, kCancelId);

        const Size outer = OuterSizeForClient(layout.client, style, exStyle, false, dpi);
        const POINT at = CentredOver(over, SIZE{outer.width, outer.height});
        SetWindowPos(hwnd_, nullptr, at.x, at.y, outer.width, outer.height, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(edit_, EM_LIMITTEXT, kMaxTemplateLength, 0);
        SetFocus(edit_);
        SendMessageW(edit_, EM_SETSEL, 0, -1);
        RunModal(hwnd_, done_);
        return result_;
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case DM_GETDEFID:
                return MAKELRESULT(kOkId, DC_HASDEFID);  // Enter in the field is OK
            case WM_COMMAND:
                switch (LOWORD(wParam)) {
                    case kOkId:
                        result_ = Narrow(WindowText());
                        done_ = true;
                        break;
                    case kCancelId:
                    case IDCANCEL:  // Esc
                        done_ = true;
                        break;
                    default:
                        break;
                }
                return 0;
            case WM_CLOSE:
                done_ = true;
                return 0;
            default:
                return DefaultProc(message, wParam, lParam);
        }
    }

private:
    std::wstring WindowText() const {
        std::vector<wchar_t> text(static_cast<std::size_t>(GetWindowTextLengthW(edit_)) + 1, L'\0');
        const int length = GetWindowTextW(edit_, text.data(), static_cast<int>(text.size()));
        return std::wstring(text.data(), static_cast<std::size_t>(std::max(length, 0)));
    }

    const DialogService::TextRequest& request_;
    OwnedFont font_;
    HWND edit_ = nullptr;
    std::optional<std::string> result_;
    bool done_ = false;
};

}  // namespace

std::optional<std::string> ShowTextDialog(HWND over, const DialogService::TextRequest& request) {
    TextWindow window(request);
    return window.Run(over);
}

}  // namespace orvelle::win32
