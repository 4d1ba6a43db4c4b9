// A browser's creation, pop-ups and closing. Defaults allow every pop-up as
// requested and let the engine close browsers its own way.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_browser.h"
#include "engine/cef_browser_settings.h"
#include "engine/cef_frame.h"
#include "engine/cef_popup_features.h"
#include "engine/cef_string.h"
#include "engine/cef_types.h"
#include "engine/cef_window_info.h"

#include <memory>

class CefClient;

namespace engine_internal {
struct LifeSpanHandlerBridge;
}

class CefLifeSpanHandler : public virtual CefBase {
public:
    using WindowOpenDisposition = cef_window_open_disposition_t;

    // Called before a pop-up browser is created. Return true to cancel it; or
    // change windowInfo, client, settings and *noJavascriptAccess to shape it.
    virtual bool OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& targetUrl,
                               const CefString& targetFrameName, WindowOpenDisposition targetDisposition,
                               bool userGesture, const CefPopupFeatures& popupFeatures, CefWindowInfo& windowInfo,
                               CefRefPtr<CefClient>& client, CefBrowserSettings& settings,
                               bool* noJavascriptAccess)
    {
        return false;
    }
    virtual void OnAfterCreated(CefRefPtr<CefBrowser> browser) {}
    // Return true to run a modal loop of your own for a modal pop-up.
    virtual bool RunModal(CefRefPtr<CefBrowser> browser) { return false; }
    // Return true to handle the close yourself; false lets the engine close the
    // browser's top-level window.
    virtual bool DoClose(CefRefPtr<CefBrowser> browser) { return false; }
    virtual void OnBeforeClose(CefRefPtr<CefBrowser> browser) {}

protected:
    CefLifeSpanHandler();
    ~CefLifeSpanHandler() override;

private:
    friend struct engine_internal::BridgeAccess;
    std::unique_ptr<engine_internal::LifeSpanHandlerBridge> bridge_;
};
