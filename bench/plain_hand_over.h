// The baseline of the hand-over: the same steps as the launcher's, done with
// plain windows. A plain login window shows the login page; when the engine
// reports a navigation to a game address, the engine's UI thread posts it to
// that window, which hides itself, loads the login page again and opens a
// plain 1250 x 700 window with a browser on the address; once that window has
// gone, the login window comes back. Each hand-over is timed as the
// launcher's are, to the game window's first paint.
#pragma once

#include "first_paint_stopwatch.h"
#include "plain_browser_window.h"

#include <windows.h>

#include <memory>
#include <string>

class PlainHandOver {
public:
    static constexpr wchar_t kLoginCaption[] = L"Plain login";
    static constexpr wchar_t kGameCaption[] = L"Plain game";

    // Opens the login window on the login page's address; main thread.
    PlainHandOver(FirstPaintStopwatch& stopwatch, const std::wstring& loginAddress);
    ~PlainHandOver();
    PlainHandOver(const PlainHandOver&) = delete;
    PlainHandOver& operator=(const PlainHandOver&) = delete;

    HWND LoginWindow() const { return m_login->handle(); }

private:
    void OnLoginMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    FirstPaintStopwatch& m_stopwatch;
    std::wstring m_loginAddress;
    std::unique_ptr<PlainBrowserWindow> m_login;
    std::unique_ptr<PlainBrowserWindow> m_game;
};
