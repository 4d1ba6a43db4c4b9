// Stands in for the login window: a window of the test's thread, installed as
// g_hLoginWnd, that writes down every game address a client sends it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class GameAddressRecorder {
public:
    GameAddressRecorder();
    ~GameAddressRecorder();
    GameAddressRecorder(const GameAddressRecorder&) = delete;
    GameAddressRecorder& operator=(const GameAddressRecorder&) = delete;

    // Every address received, oldest first. The window belongs to the test's
    // thread, so messages arrive only while that thread processes messages.
    const std::vector<std::wstring>& Addresses() const { return m_addresses; }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    HWND m_previousLoginWindow = nullptr;
    std::vector<std::wstring> m_addresses;
};
