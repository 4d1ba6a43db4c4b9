// The DPI the system gives a window.
#pragma once

#include <windows.h>

// The window's own DPI where the system has one per window (Windows 10), else
// its monitor's (Windows 8.1), else the system's. The functions of the newer
// systems are looked up at run time: Windows 7 has none of them. A program
// that declares no DPI awareness is told 96 on the newer systems, which
// stretch its windows themselves.
UINT WindowDpi(HWND window);
