// Downloads a page starts. Without a handler, or when OnBeforeDownload does
// not continue through its callback, the engine cancels the download.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_browser.h"
#include "engine/cef_string.h"

#include <memory>

class CefDownloadItem : public virtual CefBase {
public:
    // The address the download comes from (after redirects).
    virtual CefString GetURL() = 0;
};

// Answers OnBeforeDownload, now or later.
class CefBeforeDownloadCallback : public virtual CefBase {
public:
    // Saves the download at downloadPath (empty: the engine's own choice of
    // folder and name), first asking the user in the engine's save dialog
    // when showDialog is set.
    virtual void Continue(const CefString& downloadPath, bool showDialog) = 0;
};

namespace engine_internal {
struct DownloadHandlerBridge;
}

class CefDownloadHandler : public virtual CefBase {
public:
    // Engine UI thread. A download is about to begin; the default lets the
    // engine cancel it.
    virtual void OnBeforeDownload(CefRefPtr<CefBrowser> browser, CefRefPtr<CefDownloadItem> downloadItem,
                                  const CefString& suggestedName, CefRefPtr<CefBeforeDownloadCallback> callback)
    {
    }

protected:
    CefDownloadHandler();
    ~CefDownloadHandler() override;

private:
    friend struct engine_internal::BridgeAccess;
    std::unique_ptr<engine_internal::DownloadHandlerBridge> bridge_;
};
