#include "ui/wine_quirks.h"

namespace {

constexpr UINT kRaiseFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

}  // namespace

bool RunsUnderWine()
{
    static const bool underWine = [] {
        const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }();
    return underWine;
}

void RaiseOwnedWindowAboveOwner(HWND owned)
{
    if (!RunsUnderWine())
        return;
    // A move to the top reaches X only when it changes the window order, and
    // the owned window is usually first already (Wine reorders its list only
    // when X events arrive later), while an owned window cannot be moved below
    // its owner: the owner link is lifted for the moment, so that the owner
    // can go first and the owned window above it.
    const HWND owner = GetWindow(owned, GW_OWNER);
    SetWindowLongPtrW(owned, GWLP_HWNDPARENT, 0);
    SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, kRaiseFlags);
    SetWindowPos(owned, HWND_TOP, 0, 0, 0, 0, kRaiseFlags);
    SetWindowLongPtrW(owned, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

void KeepOwnedWindowOnTop(HWND owned)
{
    SetWindowPos(owned, HWND_TOP, 0, 0, 0, 0, kRaiseFlags);
}

void HandleQueuedInputNow()
{
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}
