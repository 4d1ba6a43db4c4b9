// A SimpleHandler whose callbacks are also written down for the tests: each
// override records what arrived and then runs SimpleHandler's own handling,
// so the client behaves exactly as the launcher's.
#pragma once

#include "browser/simple_handler.h"

#include <windows.h>

#include <mutex>
#include <string>
#include <utility>
#include <vector>

struct ObservedPopup {
    std::wstring targetUrl;
    cef_window_open_disposition_t disposition = WOD_UNKNOWN;
};

struct ObservedLoadError {
    int code = 0;
    std::wstring failedUrl;
};

struct ObservedLoad {
    std::wstring url;
    bool mainFrame = false;
};

class ObservedHandler : public SimpleHandler {
public:
    // address: what its first browser is made to show; by default the empty
    // page, which a first load that ends there does not load again.
    explicit ObservedHandler(std::wstring address = L"about:blank") : SimpleHandler(std::move(address)) {}

    int CreatedCount() const;
    // Every browser created with this client, oldest first, open or not.
    std::vector<CefRefPtr<CefBrowser>> Created() const;
    int ClosedCount() const;
    std::vector<ObservedPopup> Popups() const;
    std::vector<ObservedLoadError> LoadErrors() const;
    std::vector<ObservedLoad> LoadsEnded() const;
    bool HasEndedLoadOf(const std::wstring& url) const;

    // CefLifeSpanHandler
    bool OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& targetUrl,
                       const CefString& targetFrameName, WindowOpenDisposition targetDisposition, bool userGesture,
                       const CefPopupFeatures& popupFeatures, CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client,
                       CefBrowserSettings& settings, bool* noJavascriptAccess) override;
    void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;
    void OnBeforeClose(CefRefPtr<CefBrowser> browser) override;

    // CefLoadHandler
    void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int httpStatusCode) override;
    void OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, ErrorCode errorCode,
                     const CefString& errorText, const CefString& failedUrl) override;

private:
    // Written on the engine's UI and IO threads, read on the test's thread.
    mutable std::mutex m_mutex;
    std::vector<CefRefPtr<CefBrowser>> m_created;
    int m_closed = 0;
    std::vector<ObservedPopup> m_popups;
    std::vector<ObservedLoadError> m_loadErrors;
    std::vector<ObservedLoad> m_loadsEnded;
};
