// A browser client that only writes each page's title into the browser's own
// window, as the launcher's client does, so that a driver can see the page.
#pragma once

#include "engine/cef_browser_host.h"
#include "engine/cef_client.h"
#include "engine/cef_display_handler.h"

#include <windows.h>

class TitleClient : public CefClient, public CefDisplayHandler {
public:
    CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }

    // Engine UI thread.
    void OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) override
    {
        SetWindowTextW(browser->GetHost()->GetWindowHandle(), title.c_str());
    }

private:
    IMPLEMENT_REFCOUNTING(TitleClient);
};
