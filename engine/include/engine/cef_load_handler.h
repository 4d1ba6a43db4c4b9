// The loading of a browser's frames. Defaults do nothing.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_browser.h"
#include "engine/cef_frame.h"
#include "engine/cef_string.h"
#include "engine/cef_types.h"

#include <memory>

namespace engine_internal {
struct LoadHandlerBridge;
}

class CefLoadHandler : public virtual CefBase {
public:
    using ErrorCode = cef_errorcode_t;

    virtual void OnLoadingStateChange(CefRefPtr<CefBrowser> browser, bool isLoading, bool canGoBack,
                                      bool canGoForward)
    {
    }
    virtual void OnLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame) {}
    virtual void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int httpStatusCode) {}
    virtual void OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, ErrorCode errorCode,
                             const CefString& errorText, const CefString& failedUrl)
    {
    }

protected:
    CefLoadHandler();
    ~CefLoadHandler() override;

private:
    friend struct engine_internal::BridgeAccess;
    std::unique_ptr<engine_internal::LoadHandlerBridge> bridge_;
};
