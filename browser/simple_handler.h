// What the clients of the launcher's browsers share (LoginClient and
// GameClient add their own): the client's live browsers, pop-ups kept inside
// the browser that asked, page titles written into the browser's window, no
// focus for a hidden browser, and a page kept within reach when it fails
// (PageRecovery: error page, crash page, F5).
#pragma once

#include "browser/browser_list.h"
#include "browser/page_recovery.h"
#include "engine/cef_client.h"
#include "engine/cef_context_menu_handler.h"
#include "engine/cef_display_handler.h"
#include "engine/cef_focus_handler.h"
#include "engine/cef_geolocation_handler.h"
#include "engine/cef_jsdialog_handler.h"
#include "engine/cef_keyboard_handler.h"
#include "engine/cef_life_span_handler.h"
#include "engine/cef_load_handler.h"
#include "engine/cef_render_process_handler.h"
#include "engine/cef_request_handler.h"

class SimpleHandler : public CefClient,
                      public CefDisplayHandler,
                      public CefFocusHandler,
                      public CefKeyboardHandler,
                      public CefLifeSpanHandler,
                      public CefLoadHandler,
                      public CefRequestHandler,
                      public CefJSDialogHandler,
                      public CefGeolocationHandler,
                      public CefRenderProcessHandler,
                      public CefContextMenuHandler {
public:
    // address: what the client's first browser is made to show; its pop-ups
    // come after it.
    explicit SimpleHandler(std::wstring address);

    // The oldest live browser of this client, or null. Main thread.
    CefRefPtr<CefBrowser> GetBrowser();

    // CefClient
    CefRefPtr<CefDisplayHandler> GetDisplayHandler() override;
    CefRefPtr<CefFocusHandler> GetFocusHandler() override;
    CefRefPtr<CefKeyboardHandler> GetKeyboardHandler() override;
    CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override;
    CefRefPtr<CefLoadHandler> GetLoadHandler() override;
    CefRefPtr<CefRequestHandler> GetRequestHandler() override;

    // CefDisplayHandler
    // Engine UI thread.
    void OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) override;

    // CefFocusHandler
    // Engine UI thread. Every navigation asks for the focus; a browser whose
    // window is hidden, such as the login page loaded again behind the game
    // window, must not take the player's keys from it.
    bool OnSetFocus(CefRefPtr<CefBrowser> browser, FocusSource source) override;

    // CefKeyboardHandler
    // Engine UI thread. F5 loads the page again, whatever the page does with keys.
    bool OnPreKeyEvent(CefRefPtr<CefBrowser> browser, const CefKeyEvent& event, CefEventHandle osEvent,
                       bool* isKeyboardShortcut) override;

    // CefLifeSpanHandler
    // Engine UI thread.
    bool OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& targetUrl,
                       const CefString& targetFrameName, WindowOpenDisposition targetDisposition, bool userGesture,
                       const CefPopupFeatures& popupFeatures, CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client,
                       CefBrowserSettings& settings, bool* noJavascriptAccess) override;
    void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;
    void OnBeforeClose(CefRefPtr<CefBrowser> browser) override;

    // CefLoadHandler
    // Engine UI thread.
    void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int httpStatusCode) override;
    // Engine UI thread.
    void OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, ErrorCode errorCode,
                     const CefString& errorText, const CefString& failedUrl) override;

    // CefRequestHandler
    // Engine UI thread.
    void OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser, TerminationStatus status) override;

private:
    // Appended and removed on the engine's UI thread, read on the main thread;
    // the list guards itself.
    BrowserList m_browsers;
    // Engine UI thread only.
    PageRecovery m_recovery;

    IMPLEMENT_REFCOUNTING(SimpleHandler);
};
