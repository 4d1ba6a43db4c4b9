#include "engine_objects.h"
#include "engine_proxy.h"

namespace engine_internal {

namespace {

class BrowserProxy final : public EngineProxy<CefBrowser, cef_browser_t> {
public:
    using EngineProxy::EngineProxy;

    CefRefPtr<CefBrowserHost> GetHost() override { return Wrap(raw()->get_host(raw())); }
    CefRefPtr<CefFrame> GetMainFrame() override { return Wrap(raw()->get_main_frame(raw())); }
    void Reload() override { raw()->reload(raw()); }

    bool IsSame(CefRefPtr<CefBrowser> that) override
    {
        cef_browser_t* other = NewEngineReferenceTo<cef_browser_t>(that);
        return other && raw()->is_same(raw(), other);
    }

    int GetIdentifier() override { return raw()->get_identifier(raw()); }
};

}  // namespace

CefRefPtr<CefBrowser> Wrap(cef_browser_t* adopted)
{
    return Adopt<BrowserProxy>(adopted);
}

}  // namespace engine_internal
