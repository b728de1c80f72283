// The about window: built at run time to its designed layout, scaled to the
// DPI of the window it opens over, and driven by the portable TfrmAbout.
#pragma once

#include <windows.h>

#include "web/TfrmAbout.h"

namespace orvelle::win32 {

// Modal, centred over `over`; returns when the window has closed.
void ShowAboutWindow(HWND over, TfrmAbout& logic);

}  // namespace orvelle::win32
