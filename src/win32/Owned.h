// Owned Win32 handles: each is released by its owner's destructor, with the
// function that handle kind needs, and never by hand.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <type_traits>

namespace orvelle::win32 {

struct GdiObjectRelease {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct ImageListRelease {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
struct MenuRelease {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct AcceleratorsRelease {
    void operator()(HACCEL table) const { DestroyAcceleratorTable(table); }
};
struct WindowRelease {
    void operator()(HWND window) const {
        if (IsWindow(window)) DestroyWindow(window);
    }
};
struct MemoryDcRelease {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct IconRelease {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct KeyRelease {
    void operator()(HKEY key) const { RegCloseKey(key); }
};

// Handles are pointers to opaque structures, so unique_ptr holds them as they are.
template <typename Handle, typename Release>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, Release>;

using OwnedFont = Owned<HFONT, GdiObjectRelease>;
using OwnedBitmap = Owned<HBITMAP, GdiObjectRelease>;
using OwnedBrush = Owned<HBRUSH, GdiObjectRelease>;
using OwnedImageList = Owned<HIMAGELIST, ImageListRelease>;
using OwnedMenu = Owned<HMENU, MenuRelease>;
using OwnedAccelerators = Owned<HACCEL, AcceleratorsRelease>;
// A top-level window of our own; child windows go with their parent.
using OwnedWindow = Owned<HWND, WindowRelease>;
using OwnedMemoryDc = Owned<HDC, MemoryDcRelease>;
using OwnedKey = Owned<HKEY, KeyRelease>;
using OwnedIcon = Owned<HICON, IconRelease>;

}  // namespace orvelle::win32
