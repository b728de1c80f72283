// A flat toolbar of fixed size. Embedded controls (track bar, label, colour
// box) become the toolbar's children over separator placeholders of their
// width; the toolbar hands their notifications on to its parent, where the
// other controls' notifications arrive too.
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
    int imageOrWidth;  // image index of a button, width of a separator
};

struct ToolBarArgs {
    HWND parent = nullptr;
    int id = 0;
    Rect bounds;
    HIMAGELIST images = nullptr;  // stays the caller's
    Size imageSize;
    Size buttonSize;
    std::span<const ToolItem> items;
};

class ToolBar {
public:
    bool Create(const ToolBarArgs& args);
    HWND Handle() const { return hwnd_; }

    void SetChecked(int id, bool checked) { SendMessageW(hwnd_, TB_CHECKBUTTON, id, MAKELPARAM(checked, 0)); }
    void SetItemVisible(int id, bool visible) { SendMessageW(hwnd_, TB_HIDEBUTTON, id, MAKELPARAM(!visible, 0)); }
    bool HasItem(int id) const { return SendMessageW(hwnd_, TB_COMMANDTOINDEX, id, 0) >= 0; }
    // Where an item sits, in the toolbar's client pixels.
    Rect ItemRect(int id) const;

    // Button hints are answered when the tooltip asks (TTN_GETDISPINFO), so
    // they can change while the program runs; nullptr for an unknown button.
    void SetButtonHint(int id, std::wstring text);
    const wchar_t* ButtonHint(int id) const;
    // An embedded control's hint; the tooltip keeps its own copy.
    void AddControlHint(HWND control, const std::wstring& text);

private:
    HWND hwnd_ = nullptr;
    std::vector<std::pair<int, std::wstring>> hints_;
};

}  // namespace orvelle::win32
