// A browser the engine created.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_browser_host.h"
#include "engine/cef_frame.h"

class CefBrowser : public virtual CefBase {
public:
    virtual CefRefPtr<CefBrowserHost> GetHost() = 0;
    virtual CefRefPtr<CefFrame> GetMainFrame() = 0;
    // Loads the page again from its address. Any thread.
    virtual void Reload() = 0;
    // Whether both refer to the same browser (two proxies may stand for one browser).
    virtual bool IsSame(CefRefPtr<CefBrowser> that) = 0;
    // Unique among the browsers of this process.
    virtual int GetIdentifier() = 0;
};
