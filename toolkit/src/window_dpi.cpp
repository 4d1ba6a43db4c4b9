#include "window_dpi.h"

#include "system_library.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND window);
// MONITOR_DPI_TYPE's effective DPI; shellscalingapi.h is for Windows 8.1 on.
constexpr int kEffectiveDpi = 0;
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR monitor, int type, UINT* dpiX, UINT* dpiY);

template <typename Function>
Function Lookup(HMODULE library, const char* name)
{
    FARPROC proc = library ? GetProcAddress(library, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(proc));
}

UINT SystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? static_cast<UINT>(dpi) : 0;
}

}  // namespace

UINT WindowDpi(HWND window)
{
    static const GetDpiForWindowFunction forWindow =
        Lookup<GetDpiForWindowFunction>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    static const GetDpiForMonitorFunction forMonitor =
        Lookup<GetDpiForMonitorFunction>(LoadFromSystemFolder(L"shcore.dll"), "GetDpiForMonitor");
    if (forWindow && window) {
        if (const UINT dpi = forWindow(window)) {
            return dpi;
        }
    }
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (forMonitor && window &&
        SUCCEEDED(forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &dpiX, &dpiY)) &&
        dpiX > 0) {
        return dpiX;
    }
    return SystemDpi();
}
