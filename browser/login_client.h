// The login browser's client. A main-frame navigation of the login page to a
// game address is the player's hand-over to the game: the navigation is
// cancelled here, so that only the game window's browser asks for the
// address (a game address may carry a one-time ticket), and the address is
// handed to the login window through a posted WM_OPEN_GAME. Any other
// main-frame navigation shows only the publisher's pages (MainFrameGuard);
// the login window opens what belongs outside.
#pragma once

#include "browser/main_frame_guard.h"
#include "browser/simple_handler.h"

#include <windows.h>

#include <mutex>
#include <optional>
#include <string>
#include <vector>

class LoginClient : public SimpleHandler, public CefDownloadHandler {
public:
    // handOverTarget receives WM_OPEN_GAME and WM_OPEN_OUTSIDE; loginPage
    // replaces a server redirect to a game address in the login browser, and
    // its host is the publisher's.
    LoginClient(HWND handOverTarget, std::wstring loginPage);

    // The game address handed over and not taken yet, or none. Main thread,
    // on WM_OPEN_GAME.
    std::optional<std::wstring> TakeGameAddress();
    // Main thread, on WM_OPEN_OUTSIDE.
    std::vector<std::wstring> TakeOutsideAddresses();

    // CefClient
    CefRefPtr<CefDownloadHandler> GetDownloadHandler() override;

    // CefDownloadHandler
    // Engine UI thread. The download goes to the player's web browser.
    void OnBeforeDownload(CefRefPtr<CefBrowser> browser, CefRefPtr<CefDownloadItem> downloadItem,
                          const CefString& suggestedName, CefRefPtr<CefBeforeDownloadCallback> callback) override;

    // CefRequestHandler
    // Engine UI thread.
    bool OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                        bool isRedirect) override;
    // Engine UI thread. The engine never hands an address to the system
    // itself; one for an app goes to the window, which opens it as the site
    // buttons do.
    void OnProtocolExecution(CefRefPtr<CefBrowser> browser, const CefString& url, bool& allowOsExecution) override;
    // Engine IO thread. A server redirect cannot be cancelled here: its
    // target, reported only here, is replaced with the login page.
    void OnResourceRedirect(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                            CefString& newUrl) override;

private:
    // Keeps the first address until the login window takes it, and tells the
    // window once for it: a page that navigates to game addresses in a loop
    // neither floods the window's queue nor opens more than one game window.
    void HandOver(std::wstring address);

    const HWND m_handOverTarget;
    const std::wstring m_loginPage;
    MainFrameGuard m_mainFrameGuard;
    // Guards m_pendingAddress: written on the engine's UI and IO threads,
    // taken on the main thread.
    std::mutex m_mutex;
    std::optional<std::wstring> m_pendingAddress;
};
