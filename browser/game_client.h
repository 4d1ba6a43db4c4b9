// The game browser's client. It keeps the game page in the game window: the
// page's own navigations hand nothing over, its main frame shows only the
// publisher's pages and the game address's own host (MainFrameGuard), and a
// pop-up the player asked for on those hosts opens in a window of its own,
// owned by the game window, instead of replacing the game. Pop-ups elsewhere
// go to the player's web browser; pop-ups no input asked for, and more than
// one per input, open nothing (PopupGate). The window that holds the browser
// is told when the engine reports the browser, so that it lays the browser
// out, and opens what belongs outside.
#pragma once

#include "browser/main_frame_guard.h"
#include "browser/popup_gate.h"
#include "browser/simple_handler.h"

#include <windows.h>

#include <string>
#include <vector>

class GameClient : public SimpleHandler, public CefDownloadHandler {
public:
    // window holds the game browser, owns its pop-ups and receives
    // WM_BROWSER_CREATED and WM_OPEN_OUTSIDE; gameAddress's host is the
    // publisher's; popupIcon is given to every pop-up window.
    GameClient(HWND window, const std::wstring& gameAddress, HICON popupIcon);

    // Main thread, on WM_OPEN_OUTSIDE.
    std::vector<std::wstring> TakeOutsideAddresses();

    // CefLifeSpanHandler
    // Engine IO thread.
    bool OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& targetUrl,
                       const CefString& targetFrameName, WindowOpenDisposition targetDisposition, bool userGesture,
                       const CefPopupFeatures& popupFeatures, CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client,
                       CefBrowserSettings& settings, bool* noJavascriptAccess) override;
    // Engine UI thread.
    void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;

    // CefClient
    CefRefPtr<CefDownloadHandler> GetDownloadHandler() override;

    // CefDisplayHandler
    // Engine UI thread.
    bool OnConsoleMessage(CefRefPtr<CefBrowser> browser, const CefString& message, const CefString& source,
                          int line) override;

    // CefLoadHandler
    // Engine UI thread.
    void OnLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame) override;

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
    // Engine UI thread. A link opened with Ctrl or the middle button: the
    // same rules as a pop-up.
    bool OnOpenURLFromTab(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& targetUrl,
                          cef_window_open_disposition_t targetDisposition, bool userGesture) override;

private:
    // Whether a pop-up for the address opens a window of its own; one that
    // does not has been handed outside or dropped.
    bool OpensPopupWindow(const std::wstring& address, bool userGesture);
    // A top-level window owned by the game window, placed by the system; the
    // engine gives it the page's title.
    CefWindowInfo PopupWindowInfo() const;

    const HWND m_window;
    const HICON m_popupIcon;
    MainFrameGuard m_mainFrameGuard;
    PopupGate m_popupGate;
};
