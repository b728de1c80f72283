// What a running program holds: memory, GDI and USER objects, processor time.
#pragma once

#include <windows.h>

// Prints, as JSON, what the process that owns `window` holds now; 1 when it cannot be opened.
int PrintResourceUsage(HWND window);
