#include "work_area.h"

MonitorArea MonitorAreaOf(HWND window)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    const bool known = GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info) != FALSE;
    MonitorArea area = {info.rcMonitor, info.rcWork};
    if (!known || (info.dwFlags & MONITORINFOF_PRIMARY)) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area.work, 0);
    }
    return area;
}
