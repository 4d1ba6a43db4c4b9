#include "recording_client.h"

#include "driver.h"

namespace enginetest {

void RecordingClient::SetPopupPolicy(PopupPolicy policy)
{
    std::lock_guard<std::mutex> lock(mutex_);
    popupPolicy_ = std::move(policy);
}

void RecordingClient::AnswerWithPlaceholder(const std::wstring& url)
{
    std::lock_guard<std::mutex> lock(mutex_);
    placeholderUrls_.insert(url);
}

void RecordingClient::SetMainFrameLoadedHook(MainFrameLoadedHook hook)
{
    std::lock_guard<std::mutex> lock(mutex_);
    mainFrameLoadedHook_ = std::move(hook);
}

std::vector<ClientEvent> RecordingClient::Events() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return events_;
}

bool RecordingClient::WaitForEvent(const std::function<bool(const ClientEvent&)>& matches, DWORD timeoutMs) const
{
    return driver::WaitFor(
        [&] {
            std::lock_guard<std::mutex> lock(mutex_);
            for (const ClientEvent& event : events_) {
                if (matches(event))
                    return true;
            }
            return false;
        },
        timeoutMs);
}

bool RecordingClient::WaitForCallback(const std::string& callback, DWORD timeoutMs) const
{
    return WaitForEvent([&](const ClientEvent& event) { return event.callback == callback; }, timeoutMs);
}

CefRefPtr<CefBrowser> RecordingClient::Browser() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return browser_;
}

void RecordingClient::Record(ClientEvent event, const CefRefPtr<CefBrowser>& browser)
{
    event.thread = GetCurrentThreadId();
    event.browserIdentifier = browser ? browser->GetIdentifier() : 0;
    std::lock_guard<std::mutex> lock(mutex_);
    events_.push_back(std::move(event));
}

void RecordingClient::OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title)
{
    ClientEvent event;
    event.callback = "OnTitleChange";
    event.text = title;
    Record(event, browser);
}

bool RecordingClient::OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame>, const CefString& targetUrl,
                                    const CefString&, WindowOpenDisposition targetDisposition, bool userGesture,
                                    const CefPopupFeatures&, CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client,
                                    CefBrowserSettings&, bool*)
{
    ClientEvent event;
    event.callback = "OnBeforePopup";
    event.url = targetUrl;
    event.disposition = targetDisposition;
    event.userGesture = userGesture;
    Record(event, browser);

    PopupPolicy policy;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        policy = popupPolicy_;
    }
    if (!policy)
        return true;
    PopupRequest request;
    request.browser = browser;
    request.targetUrl = targetUrl;
    request.disposition = targetDisposition;
    return policy(request, windowInfo, client);
}

void RecordingClient::OnAfterCreated(CefRefPtr<CefBrowser> browser)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!browser_)
            browser_ = browser;
    }
    ClientEvent event;
    event.callback = "OnAfterCreated";
    Record(event, browser);
}

void RecordingClient::OnBeforeClose(CefRefPtr<CefBrowser> browser)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (browser_ && browser_->IsSame(browser))
            browser_ = nullptr;
    }
    ClientEvent event;
    event.callback = "OnBeforeClose";
    Record(event, browser);
}

void RecordingClient::OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int httpStatusCode)
{
    ClientEvent event;
    event.callback = "OnLoadEnd";
    event.url = frame->GetURL();
    event.mainFrame = frame->IsMain();
    event.errorCode = httpStatusCode;
    Record(event, browser);
    if (!event.mainFrame)
        return;
    MainFrameLoadedHook hook;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        hook = mainFrameLoadedHook_;
    }
    if (hook)
        hook(browser);
}

void RecordingClient::OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, ErrorCode errorCode,
                                  const CefString& errorText, const CefString& failedUrl)
{
    ClientEvent event;
    event.callback = "OnLoadError";
    event.url = failedUrl;
    event.text = errorText;
    event.errorCode = errorCode;
    event.mainFrame = frame->IsMain();
    Record(event, browser);
}

bool RecordingClient::OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                     CefRefPtr<CefRequest> request, bool isRedirect)
{
    ClientEvent event;
    event.callback = "OnBeforeBrowse";
    event.url = request->GetURL();
    event.mainFrame = frame->IsMain();
    event.redirect = isRedirect;
    Record(event, browser);
    return false;
}

CefRefPtr<CefResourceHandler> RecordingClient::GetResourceHandler(CefRefPtr<CefBrowser> browser,
                                                                  CefRefPtr<CefFrame> frame,
                                                                  CefRefPtr<CefRequest> request)
{
    ClientEvent event;
    event.callback = "GetResourceHandler";
    event.url = request->GetURL();
    event.mainFrame = frame && frame->IsMain();
    event.resourceType = request->GetResourceType();
    Record(event, browser);
    std::lock_guard<std::mutex> lock(mutex_);
    if (placeholderUrls_.count(event.url))
        return new PlaceholderResourceHandler;
    return nullptr;
}

void RecordingClient::OnResourceRedirect(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                         CefRefPtr<CefRequest>, CefString& newUrl)
{
    ClientEvent event;
    event.callback = "OnResourceRedirect";
    event.url = newUrl;
    event.mainFrame = frame && frame->IsMain();
    Record(event, browser);
}

}  // namespace enginetest
