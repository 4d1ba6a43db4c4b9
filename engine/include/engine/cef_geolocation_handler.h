// A page's requests for the user's position. Defaults refuse them.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_browser.h"
#include "engine/cef_string.h"

#include <memory>

// Answers a position request, now or later.
class CefGeolocationCallback : public virtual CefBase {
public:
    virtual void Continue(bool allow) = 0;
};

namespace engine_internal {
struct GeolocationHandlerBridge;
}

class CefGeolocationHandler : public virtual CefBase {
public:
    // Return true to answer through callback.
    virtual bool OnRequestGeolocationPermission(CefRefPtr<CefBrowser> browser, const CefString& requestingUrl,
                                                int requestId, CefRefPtr<CefGeolocationCallback> callback)
    {
        return false;
    }
    virtual void OnCancelGeolocationPermission(CefRefPtr<CefBrowser> browser, const CefString& requestingUrl,
                                               int requestId)
    {
    }

protected:
    CefGeolocationHandler();
    ~CefGeolocationHandler() override;

private:
    friend struct engine_internal::BridgeAccess;
    std::unique_ptr<engine_internal::GeolocationHandlerBridge> bridge_;
};
