#include "ColorBox.h"

#include "CommonControls.h"
#include "Text.h"

namespace orvelle::win32 {

bool ColorBox::Create(HWND parent, int id, std::span<const StandardColor> colors) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    hwnd_ = CreateWindowExW(0, L"COMBOBOX", nullptr, style, 0, 0, 0, 0, parent, ChildId(id), GetModuleHandleW(nullptr),
                            nullptr);
    if (hwnd_ == nullptr) return false;
    for (const StandardColor& color : colors) {
        const LRESULT index = SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(color.name).c_str()));
        SendMessageW(hwnd_, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(color.value));
    }
    return true;
}

void ColorBox::SetScale(const ColorBoxScale& scale) {
    SetFont(hwnd_, scale.font);
    // -1 is the closed box's own field; the box is then as high as designed.
    SendMessageW(hwnd_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), scale.bounds.Height() - scale.frameHeight);
    SendMessageW(hwnd_, CB_SETITEMHEIGHT, 0, scale.rowHeight);
    SendMessageW(hwnd_, CB_SETMINVISIBLE, static_cast<WPARAM>(scale.visibleRows), 0);
    // The height given to the window is that of the open list.
    const int openHeight = scale.bounds.Height() + scale.visibleRows * scale.rowHeight + 2;
    SetChildBounds(hwnd_, Rect::FromSize(scale.bounds.left, scale.bounds.top, scale.bounds.Width(), openHeight));
}

void ColorBox::Draw(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0 && (item.itemState & ODS_DISABLED) == 0;
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID == static_cast<UINT>(-1)) return;

    // The swatch: a square as high as the row allows, framed in black.
    const int height = r.bottom - r.top;
    const int side = height - 4;
    RECT swatch{r.left + 2, r.top + 2, r.left + 2 + side, r.top + 2 + side};
    const auto color = static_cast<COLORREF>(SendMessageW(hwnd_, CB_GETITEMDATA, item.itemID, 0));
    const OwnedBrush fill(CreateSolidBrush(color));
    FillRect(dc, &swatch, fill.get());
    FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    wchar_t name[64]{};
    if (SendMessageW(hwnd_, CB_GETLBTEXTLEN, item.itemID, 0) < 64)
        SendMessageW(hwnd_, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(name));
    int textColor = COLOR_WINDOWTEXT;
    if ((item.itemState & ODS_DISABLED) != 0)
        textColor = COLOR_BTNSHADOW;
    else if (selected)
        textColor = COLOR_HIGHLIGHTTEXT;
    SetTextColor(dc, GetSysColor(textColor));
    SetBkMode(dc, TRANSPARENT);
    RECT text{swatch.right + 4, r.top, r.right, r.bottom};
    DrawTextW(dc, name, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) DrawFocusRect(dc, &r);
}

}  // namespace orvelle::win32
