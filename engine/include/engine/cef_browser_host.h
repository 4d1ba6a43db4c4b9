// The browser-process side of a browser, and browser creation.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_browser_settings.h"
#include "engine/cef_request_context.h"
#include "engine/cef_string.h"
#include "engine/cef_window_info.h"

#include <windows.h>

class CefBrowser;
class CefClient;

class CefBrowserHost : public virtual CefBase {
public:
    // Asks the engine to create a browser; returns at once and reports the new
    // browser to client's life-span handler. False when the request was refused.
    static bool CreateBrowser(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefString& url,
                              const CefBrowserSettings& settings, CefRefPtr<CefRequestContext> requestContext);

    // The browser's own window.
    virtual HWND GetWindowHandle() = 0;
    // Closes the browser; unless forced, the page's unload handlers may cancel it.
    virtual void CloseBrowser(bool forceClose) = 0;
    // Gives the page the keyboard focus (or takes it away); from any thread,
    // the engine does it on its UI thread.
    virtual void SetFocus(bool focus) = 0;
};
