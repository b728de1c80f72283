// Running a window of our own modally: every other window of the thread is
// disabled meanwhile (so nested dialogs stack), and the loop goes on
// dispatching, so the main window's timers keep ticking.
#pragma once

#include <windows.h>

namespace orvelle::win32 {

// Shows `window` and runs messages until `done` turns true (set by the
// window's own handlers) or the application quits. Tab and Shift+Tab move
// between its controls. The windows disabled for it are enabled again, and
// the previously active one activated, before this returns.
void RunModal(HWND window, const bool& done);

// Lifts `window` above other topmost windows without moving, sizing or activating it.
void LiftTopmost(HWND window);

// Where a window of `outer` size goes: centred over `over` (or the primary
// screen without it), kept inside that monitor's work area.
POINT CentredOver(HWND over, SIZE outer);

}  // namespace orvelle::win32
