#include "observed_handler.h"

#include <algorithm>

int ObservedHandler::CreatedCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(m_created.size());
}

std::vector<CefRefPtr<CefBrowser>> ObservedHandler::Created() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_created;
}

int ObservedHandler::ClosedCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_closed;
}

std::vector<ObservedPopup> ObservedHandler::Popups() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_popups;
}

std::vector<ObservedLoadError> ObservedHandler::LoadErrors() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_loadErrors;
}

std::vector<ObservedLoad> ObservedHandler::LoadsEnded() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_loadsEnded;
}

bool ObservedHandler::HasEndedLoadOf(const std::wstring& url) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::any_of(m_loadsEnded.begin(), m_loadsEnded.end(),
                       [&url](const ObservedLoad& load) { return load.url == url; });
}

bool ObservedHandler::OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                    const CefString& targetUrl, const CefString& targetFrameName,
                                    WindowOpenDisposition targetDisposition, bool userGesture,
                                    const CefPopupFeatures& popupFeatures, CefWindowInfo& windowInfo,
                                    CefRefPtr<CefClient>& client, CefBrowserSettings& settings,
                                    bool* noJavascriptAccess)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_popups.push_back({targetUrl.ToWString(), targetDisposition});
    }
    return SimpleHandler::OnBeforePopup(browser, frame, targetUrl, targetFrameName, targetDisposition, userGesture,
                                        popupFeatures, windowInfo, client, settings, noJavascriptAccess);
}

void ObservedHandler::OnAfterCreated(CefRefPtr<CefBrowser> browser)
{
    SimpleHandler::OnAfterCreated(browser);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_created.push_back(browser);
}

void ObservedHandler::OnBeforeClose(CefRefPtr<CefBrowser> browser)
{
    SimpleHandler::OnBeforeClose(browser);
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_closed;
}

void ObservedHandler::OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int httpStatusCode)
{
    SimpleHandler::OnLoadEnd(browser, frame, httpStatusCode);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_loadsEnded.push_back({frame->GetURL().ToWString(), frame->IsMain()});
}

void ObservedHandler::OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, ErrorCode errorCode,
                                  const CefString& errorText, const CefString& failedUrl)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_loadErrors.push_back({errorCode, failedUrl.ToWString()});
    }
    SimpleHandler::OnLoadError(browser, frame, errorCode, errorText, failedUrl);
}
