// The window's DPI and the frame it takes at that DPI. The functions that know
// a window's own DPI came with Windows 10; on older systems the whole screen
// has one DPI, which these fall back to.
#pragma once

#include <windows.h>

#include "engine/Image.h"

namespace orvelle::win32 {

int WindowDpi(HWND window);

// The outer size of a window with these styles whose client area is `client`.
Size OuterSizeForClient(Size client, DWORD style, DWORD exStyle, bool hasMenu, int dpi);

// A font of `points` at `dpi`.
HFONT CreatePointFont(const wchar_t* face, int points, int charset, int dpi);

}  // namespace orvelle::win32
