#include "AboutWindow.h"

#include <array>

#include "BaseWindow.h"
#include "BitmapResources.h"
#include "ModalLoop.h"
#include "Owned.h"
#include "Text.h"
#include "WindowDpi.h"
#include "engine/Dpi.h"

namespace orvelle::win32 {

namespace {

namespace d = about_design;

constexpr wchar_t kClassName[] = L"OrvelleAbout";
// Not IDOK and IDCANCEL: the dialog manager turns Enter and Esc into those
// identifiers, and neither button may answer Esc.
constexpr int kOkId = 101;
constexpr int kHelpId = 102;

HFONT CreatePixelFont(int designedHeight, int weight, int dpi) {
    return CreateFontW(-ScaleToDpi(designedHeight, dpi), 0, 0, 0, weight, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       d::kFontFace);
}

class AboutWindow : public BaseWindow<AboutWindow>, public AboutView {
public:
    explicit AboutWindow(TfrmAbout& logic) : logic_(logic) {}

    void Run(HWND over) {
        RegisterWindowClass(kClassName, 0, LoadCursorW(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE));
        const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
        const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
        if (CreateFor(exStyle, kClassName, L"", style, 0, 0, 100, 100, nullptr, nullptr) == nullptr) return;
        OwnedWindow owned(hwnd_);
        dpi_ = over != nullptr ? WindowDpi(over) : WindowDpi(hwnd_);
        windowFont_.reset(CreatePixelFont(d::kWindowFontHeight, FW_NORMAL, dpi_));
        nameFont_.reset(CreatePixelFont(d::kNameFontHeight, FW_BOLD, dpi_));
        textFont_.reset(CreatePixelFont(d::kTextFontHeight, FW_NORMAL, dpi_));
        picture_ = LoadScaledPicture(L"ABOUT", PictureScalePercent(dpi_));

        auto label = [&](AboutControl control, Point at, HFONT font) {
            const Point p = ScaleToDpi(at, dpi_);
            HWND hwnd = CreateWindowExW(WS_EX_TRANSPARENT, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                        p.x, p.y, 1, 1, hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
            SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            controls_[static_cast<std::size_t>(control)] = hwnd;
        };
        label(AboutControl::Label1, d::kLabel1, nameFont_.get());
        label(AboutControl::Label2, d::kLabel2, textFont_.get());
        label(AboutControl::Label4, d::kLabel4, textFont_.get());
        // Help first in the tab order, and focused, as designed.
        auto button = [&](AboutControl control, const Rect& designed, int id) {
            const Rect r = ScaleToDpi(designed, dpi_);
            HWND hwnd = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, r.left,
                                        r.top, r.Width(), r.Height(), hwnd_,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                        nullptr);
            SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_.get()), FALSE);
            controls_[static_cast<std::size_t>(control)] = hwnd;
        };
        button(AboutControl::btnHelp, d::kHelp, kHelpId);
        button(AboutControl::btnOK, d::kOk, kOkId);

        const Size client = ScaleToDpi(d::kClientArea, dpi_);
        const Size outer = OuterSizeForClient(client, style, exStyle, false, dpi_);
        const POINT at = CentredOver(over, SIZE{outer.width, outer.height});
        SetWindowPos(hwnd_, nullptr, at.x, at.y, outer.width, outer.height, SWP_NOZORDER | SWP_NOACTIVATE);

        logic_.FormShow(*this);
        SetFocus(controls_[static_cast<std::size_t>(AboutControl::btnHelp)]);
        RunModal(hwnd_, done_);
        logic_.FormClose();
    }

    void SetTitle(const std::string& title) override { SetWindowTextW(hwnd_, Widen(title).c_str()); }

    // Labels are sized to their text.
    void SetText(AboutControl control, const std::string& text) override {
        HWND hwnd = controls_[static_cast<std::size_t>(control)];
        const std::wstring wide = Widen(text);
        SetWindowTextW(hwnd, wide.c_str());
        if (control == AboutControl::btnOK || control == AboutControl::btnHelp) return;
        HDC dc = GetDC(hwnd);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
        RECT r{0, 0, 0, 0};
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
        SelectObject(dc, previous);
        ReleaseDC(hwnd, dc);
        SetWindowPos(hwnd, nullptr, 0, 0, r.right, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    void Close() override { done_ = true; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_ACTIVATE:
                if (LOWORD(wParam) != WA_INACTIVE) logic_.FormActivate();
                return DefaultProc(message, wParam, lParam);
            case DM_GETDEFID:
                // Enter presses the button that has the focus; no button is
                // the default one while the focus is elsewhere.
                return FocusedButtonId() != 0 ? MAKELRESULT(FocusedButtonId(), DC_HASDEFID) : 0;
            case WM_COMMAND:
                if (LOWORD(wParam) == kOkId) logic_.btnOKClick();
                if (LOWORD(wParam) == kHelpId) logic_.btnHelpClick();
                // Esc comes as IDCANCEL, which no button has: it does nothing.
                return 0;
            case WM_CLOSE:
                Close();
                return 0;
            case WM_CTLCOLORSTATIC:
                SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            case WM_PAINT: {
                PAINTSTRUCT paint;
                HDC dc = BeginPaint(hwnd_, &paint);
                Paint(dc);
                EndPaint(hwnd_, &paint);
                return 0;
            }
            default:
                return DefaultProc(message, wParam, lParam);
        }
    }

private:
    int FocusedButtonId() const {
        const HWND focus = GetFocus();
        if (focus == nullptr) return 0;
        if (focus == controls_[static_cast<std::size_t>(AboutControl::btnOK)]) return kOkId;
        if (focus == controls_[static_cast<std::size_t>(AboutControl::btnHelp)]) return kHelpId;
        return 0;
    }

    void Paint(HDC dc) const {
        const Rect panel = ScaleToDpi(d::kPanel, dpi_);
        RECT edge{panel.left, panel.top, panel.right, panel.bottom};
        DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
        if (picture_.Empty()) return;
        const int bevel = ScaleToDpi(d::kPanelBevel, dpi_);
        const OwnedBitmap bitmap = CreateBitmapFrom(picture_, Rect::FromSize(0, 0, picture_.Width(), picture_.Height()),
                                                    AlphaMode::Straight);
        const OwnedMemoryDc source(CreateCompatibleDC(dc));
        HGDIOBJ previous = SelectObject(source.get(), bitmap.get());
        BitBlt(dc, panel.left + bevel, panel.top + bevel, picture_.Width(), picture_.Height(), source.get(), 0, 0,
               SRCCOPY);
        SelectObject(source.get(), previous);
    }

    TfrmAbout& logic_;
    int dpi_ = 96;
    OwnedFont windowFont_;
    OwnedFont nameFont_;
    OwnedFont textFont_;
    TBitmap32 picture_;
    std::array<HWND, static_cast<std::size_t>(AboutControl::Count)> controls_{};
    bool done_ = false;
};

}  // namespace

void ShowAboutWindow(HWND over, TfrmAbout& logic) {
    AboutWindow window(logic);
    window.Run(over);
}

}  // namespace orvelle::win32
