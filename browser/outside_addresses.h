// Addresses a browser client hands out of the launcher (to the player's web
// browser or the system's handler), kept until the window that holds the
// browser takes them on the main thread: the shell's "open" may start
// programs and talk to windows, which the engine's threads must not wait for.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

class OutsideAddresses {
public:
    // window is told with a posted WM_OPEN_OUTSIDE whenever addresses begin
    // to wait.
    explicit OutsideAddresses(HWND window);
    OutsideAddresses(const OutsideAddresses&) = delete;
    OutsideAddresses& operator=(const OutsideAddresses&) = delete;

    // Any thread. An address already waiting, or the one added last if that
    // was a moment ago, is not added again: the engine reports some requests
    // twice (a mailto: link reaches both the navigation check and the
    // protocol callback).
    void Add(std::wstring address);
    // The waiting addresses, oldest first, and none left. Main thread.
    std::vector<std::wstring> Take();

private:
    const HWND m_window;
    std::mutex m_mutex;
    std::vector<std::wstring> m_waiting;
    std::wstring m_lastAdded;
    DWORD m_lastAddedTime = 0;
};
