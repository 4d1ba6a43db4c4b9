#include "bridges.h"
#include "engine_objects.h"
#include "engine_proxy.h"
#include "string_interop.h"
#include "value_interop.h"

namespace engine_internal {

namespace {

class BrowserHostProxy final : public EngineProxy<CefBrowserHost, cef_browser_host_t> {
public:
    using EngineProxy::EngineProxy;

    HWND GetWindowHandle() override { return raw()->get_window_handle(raw()); }
    void CloseBrowser(bool forceClose) override { raw()->close_browser(raw(), forceClose); }
    void SetFocus(bool focus) override { raw()->set_focus(raw(), focus); }
};

}  // namespace

CefRefPtr<CefBrowserHost> Wrap(cef_browser_host_t* adopted)
{
    return Adopt<BrowserHostProxy>(adopted);
}

}  // namespace engine_internal

bool CefBrowserHost::CreateBrowser(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client,
                                   const CefString& url, const CefBrowserSettings& settings,
                                   CefRefPtr<CefRequestContext> requestContext)
{
    using namespace engine_internal;
    const cef_window_info_t engineWindowInfo = EngineView(windowInfo);
    const cef_string_t engineUrl = EngineView(url);
    const cef_browser_settings_t engineSettings = EngineView(settings);
    return cef_browser_host_create_browser(&engineWindowInfo, NewEngineReference(client), &engineUrl,
                                           &engineSettings,
                                           NewEngineReferenceTo<cef_request_context_t>(requestContext)) != 0;
}
