#include "ui/monitor_area.h"

#include "ui/window_fit.h"

namespace {

MonitorArea AreaOf(HMONITOR monitor)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(monitor, &info)) {
        const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        return {screen, screen};
    }
    return {info.rcMonitor, info.rcWork};
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, RECT*, LPARAM list)
{
    reinterpret_cast<std::vector<MonitorArea>*>(list)->push_back(AreaOf(monitor));
    return TRUE;
}

}  // namespace

MonitorArea MonitorAreaOfWindow(HWND window)
{
    return AreaOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

std::vector<MonitorArea> AllMonitorAreas()
{
    std::vector<MonitorArea> areas;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

void KeepOnAMonitor(HWND window, SIZE minimum)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    std::vector<RECT> workAreas;
    for (const MonitorArea& area : AllMonitorAreas())
        workAreas.push_back(area.work);
    if (workAreas.empty() || OverlapsAny(workAreas, rect))
        return;
    const RECT fitted = FitInside(rect, workAreas[NearestArea(workAreas, rect)], minimum);
    SetWindowPos(window, nullptr, fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}
