// The client through which the engine reports on a browser of the launcher:
// it tracks the client's live browsers, keeps pop-ups inside the browser that
// asked, hands game addresses to the login window, writes page titles into the
// browser's window, shows an error page for failed loads, and ends the
// engine's loop when its last browser has closed.
#pragma once

#include "browser/browser_list.h"
#include "engine/cef_client.h"
#include "engine/cef_context_menu_handler.h"
#include "engine/cef_display_handler.h"
#include "engine/cef_focus_handler.h"
#include "engine/cef_geolocation_handler.h"
#include "engine/cef_jsdialog_handler.h"
#include "engine/cef_life_span_handler.h"
#include "engine/cef_load_handler.h"
#include "engine/cef_render_process_handler.h"
#include "engine/cef_request_handler.h"

class SimpleHandler : public CefClient,
                      public CefDisplayHandler,
                      public CefFocusHandler,
                      public CefLifeSpanHandler,
                      public CefLoadHandler,
                      public CefRequestHandler,
                      public CefJSDialogHandler,
                      public CefGeolocationHandler,
                      public CefRenderProcessHandler,
                      public CefContextMenuHandler {
public:
    SimpleHandler() = default;

    // The oldest live browser of this client, or null. Called on the main thread.
    CefRefPtr<CefBrowser> GetBrowser();

    // CefClient
    CefRefPtr<CefDisplayHandler> GetDisplayHandler() override;
    CefRefPtr<CefFocusHandler> GetFocusHandler() override;
    CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override;
    CefRefPtr<CefLoadHandler> GetLoadHandler() override;
    CefRefPtr<CefRequestHandler> GetRequestHandler() override;

    // CefDisplayHandler
    void OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) override;

    // CefFocusHandler
    // Engine UI thread. Every navigation asks for the focus; a browser whose
    // window is hidden, such as the login page loaded again behind the game
    // window, must not take the player's keys from it.
    bool OnSetFocus(CefRefPtr<CefBrowser> browser, FocusSource source) override;

    // CefLifeSpanHandler
    bool OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& targetUrl,
                       const CefString& targetFrameName, WindowOpenDisposition targetDisposition, bool userGesture,
                       const CefPopupFeatures& popupFeatures, CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client,
                       CefBrowserSettings& settings, bool* noJavascriptAccess) override;
    void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;
    void OnBeforeClose(CefRefPtr<CefBrowser> browser) override;

    // CefLoadHandler
    void OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, ErrorCode errorCode,
                     const CefString& errorText, const CefString& failedUrl) override;

    // CefRequestHandler
    bool OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                        bool isRedirect) override;
    // The engine reports a server redirect of a navigation to OnBeforeBrowse
    // with the address it came from; the address it goes to arrives here.
    void OnResourceRedirect(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                            CefString& newUrl) override;

private:
    // Appended and removed on the engine's UI thread, read on the main thread;
    // the list guards itself.
    BrowserList m_browsers;

    IMPLEMENT_REFCOUNTING(SimpleHandler);
};
