// The program's own small dialog for one line of text (the colour template).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/Services.h"

namespace orvelle::win32 {

// Modal over `over`; the text as the user left it, or nothing when cancelled.
std::optional<std::string> ShowTextDialog(HWND over, const DialogService::TextRequest& request);

}  // namespace orvelle::win32
