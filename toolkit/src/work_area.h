// Where a window may go on its monitor.
#pragma once

#include <windows.h>

struct MonitorArea {
    RECT monitor;
    RECT work;
};

// The monitor nearest the window. On the primary monitor the work area is
// the system's work-area setting (SPI_GETWORKAREA), which is what the
// launcher's own placement code reads too.
MonitorArea MonitorAreaOf(HWND window);
