#include "ToolBar.h"

#include "CommonControls.h"
#include "engine/Dpi.h"

namespace orvelle::win32 {

namespace {

// Children of a toolbar report to the toolbar; the window that handles every
// other control's notification should see theirs as well.
LRESULT CALLBACK ForwardChildNotifications(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR) {
    switch (message) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
            return SendMessageW(GetParent(hwnd), message, wParam, lParam);
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &ForwardChildNotifications, 0);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

BYTE StyleOf(ToolItemKind kind) {
    switch (kind) {
        case ToolItemKind::Check:
            return BTNS_CHECK;
        case ToolItemKind::GroupedCheck:
            return BTNS_CHECKGROUP;
        case ToolItemKind::Separator:
            return BTNS_SEP;
        case ToolItemKind::Push:
            break;
    }
    return BTNS_BUTTON;
}

}  // namespace

bool ToolBar::Create(HWND parent, int id, std::span<const ToolItem> items) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                        CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    hwnd_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, style, 0, 0, 0, 0, parent, ChildId(id),
                            GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) return false;
    items_.assign(items.begin(), items.end());
    SetWindowSubclass(hwnd_, &ForwardChildNotifications, 0, 0);
    SendMessageW(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    // Room for hints of two lines (a line break makes the second).
    if (HWND tips = reinterpret_cast<HWND>(SendMessageW(hwnd_, TB_GETTOOLTIPS, 0, 0)))
        SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 400);
    return true;
}

void ToolBar::SetScale(const ToolBarScale& scale) {
    // A separator's width is fixed when it is added, so the buttons are made
    // again, each with the state it had.
    std::vector<TBBUTTON> buttons;
    for (const ToolItem& item : items_) {
        TBBUTTON button{};
        const bool separator = item.kind == ToolItemKind::Separator;
        button.iBitmap = separator ? ScaleToDpi(item.imageOrWidth, scale.dpi) : item.imageOrWidth;
        button.idCommand = item.id;
        const LRESULT state = SendMessageW(hwnd_, TB_GETSTATE, static_cast<WPARAM>(item.id), 0);
        button.fsState = state >= 0 ? static_cast<BYTE>(state) : static_cast<BYTE>(TBSTATE_ENABLED);
        button.fsStyle = StyleOf(item.kind);
        buttons.push_back(button);
    }
    while (SendMessageW(hwnd_, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageW(hwnd_, TB_DELETEBUTTON, 0, 0);
    SendMessageW(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(scale.images));
    SendMessageW(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(scale.imageSize.width, scale.imageSize.height));
    SendMessageW(hwnd_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    // Set after the buttons are in: adding them measures the buttons afresh.
    SendMessageW(hwnd_, TB_SETBUTTONSIZE, 0, MAKELPARAM(scale.buttonSize.width, scale.buttonSize.height));
}

Rect ToolBar::ItemRect(int id) const {
    RECT r{};
    const LRESULT index = SendMessageW(hwnd_, TB_COMMANDTOINDEX, id, 0);
    SendMessageW(hwnd_, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return Rect{r.left, r.top, r.right, r.bottom};
}

void ToolBar::SetButtonHint(int id, std::wstring text) {
    for (auto& hint : hints_)
        if (hint.first == id) {
            hint.second = std::move(text);
            return;
        }
    hints_.emplace_back(id, std::move(text));
}

const wchar_t* ToolBar::ButtonHint(int id) const {
    for (const auto& hint : hints_)
        if (hint.first == id) return hint.second.c_str();
    return nullptr;
}

void ToolBar::SetControlHint(HWND control, const std::wstring& text) {
    HWND tips = reinterpret_cast<HWND>(SendMessageW(hwnd_, TB_GETTOOLTIPS, 0, 0));
    if (tips != nullptr) SetControlTool(tips, hwnd_, control, text);
}

}  // namespace orvelle::win32
