// Proxies for what the engine reports about a download.
#include "engine_objects.h"
#include "engine_proxy.h"
#include "string_interop.h"

namespace engine_internal {

namespace {

class DownloadItemProxy final : public EngineProxy<CefDownloadItem, cef_download_item_t> {
public:
    using EngineProxy::EngineProxy;

    CefString GetURL() override { return TakeUserFree(raw()->get_url(raw())); }
};

class BeforeDownloadCallbackProxy final : public EngineProxy<CefBeforeDownloadCallback, cef_before_download_callback_t> {
public:
    using EngineProxy::EngineProxy;

    void Continue(const CefString& downloadPath, bool showDialog) override
    {
        const cef_string_t enginePath = EngineView(downloadPath);
        raw()->cont(raw(), &enginePath, showDialog);
    }
};

}  // namespace

CefRefPtr<CefDownloadItem> Wrap(cef_download_item_t* adopted)
{
    return Adopt<DownloadItemProxy>(adopted);
}

CefRefPtr<CefBeforeDownloadCallback> Wrap(cef_before_download_callback_t* adopted)
{
    return Adopt<BeforeDownloadCallbackProxy>(adopted);
}

}  // namespace engine_internal
