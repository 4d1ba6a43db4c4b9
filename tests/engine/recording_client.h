// A browser client for the engine tests: it records every callback it gets
// with the thread it arrived on, keeps its first browser, and lets a test
// decide what happens to pop-ups and which requests get a resource handler.
#pragma once

#include "instance_counter.h"

#include "engine/cef_client.h"
#include "engine/cef_resource_handler.h"

#include <windows.h>

#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace enginetest {

struct ClientEvent {
    std::string callback;  // the callback's name, e.g. "OnBeforeBrowse"
    DWORD thread = 0;
    int browserIdentifier = 0;
    std::wstring url;   // the address concerned, when there is one (a redirect's target)
    std::wstring text;  // a title or an error text
    bool mainFrame = false;
    bool redirect = false;
    int errorCode = 0;
    cef_window_open_disposition_t disposition = WOD_UNKNOWN;
    bool userGesture = false;
    cef_resource_type_t resourceType = RT_MAIN_FRAME;  // what a request loads (GetResourceHandler)
};

struct PopupRequest {
    CefRefPtr<CefBrowser> browser;
    std::wstring targetUrl;
    cef_window_open_disposition_t disposition = WOD_UNKNOWN;
};

// The only resource handler this layer can make: one without callbacks.
class PlaceholderResourceHandler : public CefResourceHandler, public InstanceCounter<PlaceholderResourceHandler> {
    IMPLEMENT_REFCOUNTING(PlaceholderResourceHandler);
};

class RecordingClient : public CefClient,
                        public CefDisplayHandler,
                        public CefLifeSpanHandler,
                        public CefLoadHandler,
                        public CefRequestHandler,
                        public InstanceCounter<RecordingClient> {
public:
    // Decides a pop-up on the engine's IO thread: return true to cancel it;
    // windowInfo and client may be changed.
    using PopupPolicy = std::function<bool(const PopupRequest&, CefWindowInfo&, CefRefPtr<CefClient>&)>;

    void SetPopupPolicy(PopupPolicy policy);
    // GetResourceHandler answers requests for this address with a PlaceholderResourceHandler.
    void AnswerWithPlaceholder(const std::wstring& url);
    // Runs on the engine's UI thread after each OnLoadEnd of a main frame,
    // with the browser that callback was given.
    using MainFrameLoadedHook = std::function<void(CefRefPtr<CefBrowser>)>;
    void SetMainFrameLoadedHook(MainFrameLoadedHook hook);

    // Every callback so far, oldest first.
    std::vector<ClientEvent> Events() const;
    // Waits (processing the calling thread's messages) until an event matches.
    bool WaitForEvent(const std::function<bool(const ClientEvent&)>& matches, DWORD timeoutMs) const;
    bool WaitForCallback(const std::string& callback, DWORD timeoutMs) const;
    // The first browser created with this client, while it is open.
    CefRefPtr<CefBrowser> Browser() const;

    // CefClient
    CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }
    CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
    CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }
    CefRefPtr<CefRequestHandler> GetRequestHandler() override { return this; }

    // CefDisplayHandler
    void OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) override;

    // CefLifeSpanHandler
    bool OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& targetUrl,
                       const CefString& targetFrameName, WindowOpenDisposition targetDisposition, bool userGesture,
                       const CefPopupFeatures& popupFeatures, CefWindowInfo& windowInfo,
                       CefRefPtr<CefClient>& client, CefBrowserSettings& settings,
                       bool* noJavascriptAccess) override;
    void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;
    void OnBeforeClose(CefRefPtr<CefBrowser> browser) override;

    // CefLoadHandler
    void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int httpStatusCode) override;
    void OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, ErrorCode errorCode,
                     const CefString& errorText, const CefString& failedUrl) override;

    // CefRequestHandler
    bool OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                        bool isRedirect) override;
    CefRefPtr<CefResourceHandler> GetResourceHandler(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                                     CefRefPtr<CefRequest> request) override;
    void OnResourceRedirect(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                            CefString& newUrl) override;

private:
    void Record(ClientEvent event, const CefRefPtr<CefBrowser>& browser);

    // Guards everything below: written and read on the engine's UI and IO
    // threads, read and set by the tests on the main thread.
    mutable std::mutex mutex_;
    std::vector<ClientEvent> events_;
    CefRefPtr<CefBrowser> browser_;
    PopupPolicy popupPolicy_;
    std::set<std::wstring> placeholderUrls_;
    MainFrameLoadedHook mainFrameLoadedHook_;

    IMPLEMENT_REFCOUNTING(RecordingClient);
};

}  // namespace enginetest
