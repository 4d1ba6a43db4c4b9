// A plain top-level window with one child browser filling its client area:
// what the engine needs to show a page, without the launcher's toolkit. The
// baseline the launcher's figures are compared with.
#pragma once

#include "engine/cef_client.h"
#include "engine/cef_ref_ptr.h"

#include <windows.h>

#include <functional>
#include <string>

class PlainBrowserWindow {
public:
    static constexpr wchar_t kClassName[] = L"PlainBrowserWindow";

    struct Options {
        std::wstring caption;
        POINT position = {0, 0};
        SIZE clientSize = {0, 0};
        DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        std::wstring address;
        CefRefPtr<CefClient> client;
        // Sees every message of the window before the system's default does.
        std::function<void(HWND, UINT, WPARAM, LPARAM)> onMessage;
    };

    // Creates and paints the window, and asks the engine for its browser.
    explicit PlainBrowserWindow(Options options);
    // Destroys the window, if it still exists; the engine closes the browser with it.
    ~PlainBrowserWindow();
    PlainBrowserWindow(const PlainBrowserWindow&) = delete;
    PlainBrowserWindow& operator=(const PlainBrowserWindow&) = delete;

    HWND handle() const { return m_window; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Options m_options;
    HWND m_window = nullptr;
};
