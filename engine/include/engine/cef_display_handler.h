// Changes to what a browser displays. Defaults do nothing and let the engine
// show tooltips and console messages its own way.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_browser.h"
#include "engine/cef_frame.h"
#include "engine/cef_string.h"

#include <memory>
#include <vector>

namespace engine_internal {
struct DisplayHandlerBridge;
}

class CefDisplayHandler : public virtual CefBase {
public:
    virtual void OnAddressChange(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& url) {}
    virtual void OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) {}
    virtual void OnFaviconURLChange(CefRefPtr<CefBrowser> browser, const std::vector<CefString>& iconUrls) {}
    virtual void OnFullscreenModeChange(CefRefPtr<CefBrowser> browser, bool fullscreen) {}
    // Return true to show the tooltip text (which may be changed) yourself.
    virtual bool OnTooltip(CefRefPtr<CefBrowser> browser, CefString& text) { return false; }
    virtual void OnStatusMessage(CefRefPtr<CefBrowser> browser, const CefString& value) {}
    // Return true to keep the message from the engine's own console output.
    virtual bool OnConsoleMessage(CefRefPtr<CefBrowser> browser, const CefString& message, const CefString& source,
                                  int line)
    {
        return false;
    }

protected:
    CefDisplayHandler();
    ~CefDisplayHandler() override;

private:
    friend struct engine_internal::BridgeAccess;
    std::unique_ptr<engine_internal::DisplayHandlerBridge> bridge_;
};
