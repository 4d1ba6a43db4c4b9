// What a browser client keeps out of its browser's main frame (see
// MainFrameLoadOf): the publisher's pages load, what belongs to the player's
// web browser or to another app goes to the window that holds the browser to
// be opened there, and the rest is dropped.
#pragma once

#include "browser/outside_addresses.h"
#include "settings/publisher_hosts.h"

#include <windows.h>

#include <string>
#include <vector>

class MainFrameGuard {
public:
    // window takes the addresses for outside (WM_OPEN_OUTSIDE).
    MainFrameGuard(HWND window, PublisherHosts hosts);

    // Any thread. Whether the main frame must not load the address; one that
    // belongs outside has been handed to the window.
    bool KeepsOut(const std::wstring& address);
    // Any thread. An address of a scheme the engine does not load itself,
    // asked for where no navigation check saw it: one for an app goes to the
    // window, any other is dropped.
    void HandOutProtocol(const std::wstring& address);
    // Any thread. A download the page started goes to the player's web
    // browser, which shows its progress and keeps the file; one the browser
    // cannot fetch by itself (a page's blob: or data:) is dropped.
    void HandOutDownload(const std::wstring& address);
    // Main thread, on WM_OPEN_OUTSIDE.
    std::vector<std::wstring> TakeOutsideAddresses();

private:
    const PublisherHosts m_hosts;
    const std::vector<std::wstring> m_shellSchemes;
    OutsideAddresses m_outside;
};
