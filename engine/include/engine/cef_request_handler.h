// A browser's navigations and requests. Defaults let every navigation and
// request go ahead, refuse credentials, quota and certificate exceptions, and
// leave redirects, protocol launches and crashes to the engine.
#pragma once

#include "engine/cef_auth_callback.h"
#include "engine/cef_base.h"
#include "engine/cef_browser.h"
#include "engine/cef_frame.h"
#include "engine/cef_request.h"
#include "engine/cef_resource_handler.h"
#include "engine/cef_response.h"
#include "engine/cef_ssl_info.h"
#include "engine/cef_string.h"
#include "engine/cef_types.h"

#include <cstdint>
#include <memory>

// Answers a request that was held back, now or later.
class CefRequestCallback : public virtual CefBase {
public:
    virtual void Continue(bool allow) = 0;
    virtual void Cancel() = 0;
};

namespace engine_internal {
struct RequestHandlerBridge;
}

class CefRequestHandler : public virtual CefBase {
public:
    using ReturnValue = cef_return_value_t;
    using TerminationStatus = cef_termination_status_t;

    // Return true to cancel the navigation.
    virtual bool OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                CefRefPtr<CefRequest> request, bool isRedirect)
    {
        return false;
    }
    // Return true to cancel a navigation that should open in another tab.
    // (The disposition's short name, WindowOpenDisposition, is CefLifeSpanHandler's,
    // so that a class deriving from both can use it.)
    virtual bool OnOpenURLFromTab(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                  const CefString& targetUrl, cef_window_open_disposition_t targetDisposition,
                                  bool userGesture)
    {
        return false;
    }
    virtual ReturnValue OnBeforeResourceLoad(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                             CefRefPtr<CefRequest> request, CefRefPtr<CefRequestCallback> callback)
    {
        return RV_CONTINUE;
    }
    // Return nullptr to let the engine load the request. A CefResourceHandler
    // has no callbacks in this layer, so the engine cannot be served by one:
    // returning one cancels the request before it is sent (a frame's load
    // then fails with ERR_ABORTED).
    virtual CefRefPtr<CefResourceHandler> GetResourceHandler(CefRefPtr<CefBrowser> browser,
                                                             CefRefPtr<CefFrame> frame,
                                                             CefRefPtr<CefRequest> request)
    {
        return nullptr;
    }
    // newUrl holds the redirect's target and may be changed.
    virtual void OnResourceRedirect(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                    CefRefPtr<CefRequest> request, CefString& newUrl)
    {
    }
    // Return true to restart the request (after changing it).
    virtual bool OnResourceResponse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                    CefRefPtr<CefRequest> request, CefRefPtr<CefResponse> response)
    {
        return false;
    }
    // Return true to answer through callback.
    virtual bool GetAuthCredentials(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, bool isProxy,
                                    const CefString& host, int port, const CefString& realm, const CefString& scheme,
                                    CefRefPtr<CefAuthCallback> callback)
    {
        return false;
    }
    // Return true to answer through callback.
    virtual bool OnQuotaRequest(CefRefPtr<CefBrowser> browser, const CefString& originUrl, std::int64_t newSize,
                                CefRefPtr<CefRequestCallback> callback)
    {
        return false;
    }
    // Set allowOsExecution to let the system handle an address the engine cannot.
    virtual void OnProtocolExecution(CefRefPtr<CefBrowser> browser, const CefString& url, bool& allowOsExecution) {}
    // Return true to answer through callback.
    virtual bool OnCertificateError(CefRefPtr<CefBrowser> browser, cef_errorcode_t certError,
                                    const CefString& requestUrl, CefRefPtr<CefSSLInfo> sslInfo,
                                    CefRefPtr<CefRequestCallback> callback)
    {
        return false;
    }
    virtual void OnPluginCrashed(CefRefPtr<CefBrowser> browser, const CefString& pluginPath) {}
    virtual void OnRenderViewReady(CefRefPtr<CefBrowser> browser) {}
    virtual void OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser, TerminationStatus status) {}

protected:
    CefRequestHandler();
    ~CefRequestHandler() override;

private:
    friend struct engine_internal::BridgeAccess;
    std::unique_ptr<engine_internal::RequestHandlerBridge> bridge_;
};
