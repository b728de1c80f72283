#include "ColorBox.h"

#include "CommonControls.h"
#include "Text.h"

namespace orvelle::win32 {

bool ColorBox::Create(const ColorBoxArgs& args) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    // The height given at creation is that of the open list.
    const int openHeight = args.bounds.Height() + args.visibleRows * args.rowHeight + 2;
    hwnd_ = CreateWindowExW(0, L"COMBOBOX", nullptr, style, args.bounds.left, args.bounds.top, args.bounds.Width(),
                            openHeight, args.parent, ChildId(args.id), GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) return false;
    SetFont(hwnd_, args.font);
    for (const StandardColor& color : args.colors) {
        const LRESULT index = SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(color.name).c_str()));
        SendMessageW(hwnd_, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(color.value));
    }
    // -1 is the closed box's own field; the box is then as high as designed.
    const int borders = 6;
    SendMessageW(hwnd_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), args.bounds.Height() - borders);
    SendMessageW(hwnd_, CB_SETITEMHEIGHT, 0, args.rowHeight);
    SendMessageW(hwnd_, CB_SETMINVISIBLE, static_cast<WPARAM>(args.visibleRows), 0);
    SetSelection(0);
    return true;
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
    HBRUSH fill = CreateSolidBrush(color);
    FillRect(dc, &swatch, fill);
    DeleteObject(fill);
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
