// Stands in for the login window: a window of the test's thread that a
// LoginClient hands game addresses to, and that writes down every address it
// takes from the client on WM_OPEN_GAME, and every address for outside on
// WM_OPEN_OUTSIDE.
#pragma once

#include "browser/login_client.h"
#include "engine/cef_ref_ptr.h"

#include <windows.h>

#include <string>
#include <vector>

class GameAddressRecorder {
public:
    // loginPage: what the client puts in place of a redirect to a game address.
    explicit GameAddressRecorder(const std::wstring& loginPage);
    ~GameAddressRecorder();
    GameAddressRecorder(const GameAddressRecorder&) = delete;
    GameAddressRecorder& operator=(const GameAddressRecorder&) = delete;

    // The login browser's client, handing over to this recorder.
    CefRefPtr<LoginClient> Client() const { return m_client; }
    // Every address taken, oldest first. The window belongs to the test's
    // thread, so messages arrive only while that thread processes messages.
    const std::vector<std::wstring>& Addresses() const { return m_addresses; }
    // How many WM_OPEN_GAME arrived, with an address or not.
    size_t Messages() const { return m_messages; }
    // Every address for outside taken, oldest first.
    const std::vector<std::wstring>& OutsideAddresses() const { return m_outsideAddresses; }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    CefRefPtr<LoginClient> m_client;
    std::vector<std::wstring> m_addresses;
    size_t m_messages = 0;
    std::vector<std::wstring> m_outsideAddresses;
};
