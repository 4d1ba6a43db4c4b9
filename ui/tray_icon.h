// A window's icon in the notification area: added and removed on request,
// added again when the shell has restarted, and removed by the destructor.
#pragma once

#include <windows.h>

#include <shellapi.h>

class TrayIcon {
public:
    // The icon reports its mouse events to the window with callbackMessage.
    TrayIcon(UINT id, UINT callbackMessage);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon for the window, or updates it when it is there already;
    // whether it is shown now.
    bool Show(HWND window, HICON icon, const wchar_t* tip);
    // Whether an icon was there and has been removed.
    bool Remove();
    bool IsShown() const { return m_shown; }
    // A restarted shell has lost every icon: one that was shown is added
    // again; none is added when none was shown.
    void AddAgain();

private:
    NOTIFYICONDATAW m_data = {};
    // The last add of the icon succeeded and it has not been removed since.
    bool m_shown = false;
};
