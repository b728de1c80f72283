// A flat toolbar whose size the logic sets. Embedded controls (track bar,
// label, colour box) become the toolbar's children over separator placeholders
// of their width; the toolbar hands their notifications on to its parent,
// where the other controls' notifications arrive too. Buttons and separators
// are made for the window's DPI, and made again when it changes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "engine/Image.h"

namespace orvelle::win32 {

enum class ToolItemKind { Push, Check, GroupedCheck, Separator };

struct ToolItem {
    int id;  // command id of a button, or the separator's own id
    ToolItemKind kind;
    int imageOrWidth;  // image index of a button, designed width of a separator
};

struct ToolBarScale {
    HIMAGELIST images = nullptr;  // stays the caller's
    Size imageSize;
    Size buttonSize;
    int dpi = 96;
};

class ToolBar {
public:
    bool Create(HWND parent, int id, std::span<const ToolItem> items);
    HWND Handle() const { return hwnd_; }

    // The buttons keep their states (pressed, hidden) across a change of scale.
    void SetScale(const ToolBarScale& scale);

    void SetChecked(int id, bool checked) { SendMessageW(hwnd_, TB_CHECKBUTTON, id, MAKELPARAM(checked, 0)); }
    bool IsChecked(int id) const { return SendMessageW(hwnd_, TB_ISBUTTONCHECKED, id, 0) != 0; }
    void SetItemVisible(int id, bool visible) { SendMessageW(hwnd_, TB_HIDEBUTTON, id, MAKELPARAM(!visible, 0)); }
    bool HasItem(int id) const { return SendMessageW(hwnd_, TB_COMMANDTOINDEX, id, 0) >= 0; }
    // Where an item sits, in the toolbar's client pixels.
    Rect ItemRect(int id) const;

    // Button hints are answered when the tooltip asks (TTN_GETDISPINFO), so
    // they can change while the program runs; nullptr for an unknown button.
    void SetButtonHint(int id, std::wstring text);
    const wchar_t* ButtonHint(int id) const;
    // An embedded control's hint; the tooltip keeps its own copy.
    void SetControlHint(HWND control, const std::wstring& text);

private:
    HWND hwnd_ = nullptr;
    std::vector<ToolItem> items_;
    std::vector<std::pair<int, std::wstring>> hints_;
};

}  // namespace orvelle::win32
