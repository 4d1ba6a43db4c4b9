// The monitors a window may go on, as the system reports them.
#pragma once

#include <windows.h>

#include <vector>

struct MonitorArea {
    RECT monitor;
    // The monitor less the taskbar and other docked bars.
    RECT work;
};

// The monitor the window is on, or the nearest one.
MonitorArea MonitorAreaOfWindow(HWND window);
// Every monitor of the desktop.
std::vector<MonitorArea> AllMonitorAreas();
// Moves a window that lies on no monitor's work area (its monitor has gone)
// into the nearest one's, made smaller where it must be, not below minimum.
void KeepOnAMonitor(HWND window, SIZE minimum);
