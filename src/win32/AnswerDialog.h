// The program's own message dialog, built at run time from the portable
// layout: a framed message with a system icon, a column of answer buttons.
#pragma once

#include <windows.h>

#include "web/AnswerDialogLayout.h"

namespace orvelle::win32 {

// Modal; centred over `over`. The 1-based number of the button pressed, or kDismissed.
int ShowAnswerDialog(HWND over, const AnswerDialogRequest& request);

// Starts the help viewer by its full path in the Windows folder, not waiting
// for it. The system's error code, or 0 when it started.
DWORD StartHelpViewer(const std::wstring& parameters, const std::wstring& directory);

}  // namespace orvelle::win32
