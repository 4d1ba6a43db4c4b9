// Which system-wide hot keys are held, and the notification area's icons.
#include "driver.h"

#include <algorithm>

namespace driver {
namespace {

// Any identifier serves: the registration is undone at once.
constexpr int kProbeId = 0xBFFE;
constexpr UINT kModifierSets = MOD_ALT | MOD_CONTROL | MOD_SHIFT;

// Where Wine keeps the icons: the tray window's class and its icons' class.
struct TrayClasses {
    const wchar_t* tray;
    const wchar_t* icon;
};
constexpr TrayClasses kTrays[] = {
    {L"__winex11_standalone_tray", L"__winex11_tray_icon"},
    {L"Shell_TrayWnd", L"__wine_tray_icon"},
};

}  // namespace

bool HotKeyTaken(UINT modifiers, UINT virtualKey)
{
    if (RegisterHotKey(nullptr, kProbeId, modifiers, virtualKey)) {
        UnregisterHotKey(nullptr, kProbeId);
        return false;
    }
    return GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
}

std::vector<UINT> TakenModifierSets(UINT virtualKey)
{
    std::vector<UINT> taken;
    for (UINT modifiers = 0; modifiers <= kModifierSets; ++modifiers) {
        if (HotKeyTaken(modifiers, virtualKey))
            taken.push_back(modifiers);
    }
    return taken;
}

std::vector<HWND> NotificationAreaIcons()
{
    std::vector<HWND> icons;
    for (const TrayClasses& classes : kTrays) {
        for (HWND tray : TopLevelWindows(classes.tray)) {
            for (HWND child : ChildWindows(tray)) {
                if (IsVisible(child) && _wcsicmp(WindowClass(child).c_str(), classes.icon) == 0)
                    icons.push_back(child);
            }
        }
    }
    std::sort(icons.begin(), icons.end(), [](HWND a, HWND b) { return WindowRect(a).left < WindowRect(b).left; });
    return icons;
}

}  // namespace driver
