#include "browser/simple_handler.h"

#include <windows.h>

#include <utility>

namespace {

// Dispositions of a request for a new tab, pop-up or window: such a page is
// shown in the browser that asked instead.
bool OpensNewBrowser(cef_window_open_disposition_t disposition)
{
    switch (disposition) {
    case WOD_NEW_FOREGROUND_TAB:
    case WOD_NEW_BACKGROUND_TAB:
    case WOD_NEW_POPUP:
    case WOD_NEW_WINDOW:
        return true;
    default:
        return false;
    }
}

}  // namespace

SimpleHandler::SimpleHandler(std::wstring address) : m_recovery(std::move(address)) {}

CefRefPtr<CefBrowser> SimpleHandler::GetBrowser()
{
    return m_browsers.First();
}

CefRefPtr<CefDisplayHandler> SimpleHandler::GetDisplayHandler()
{
    return this;
}

CefRefPtr<CefFocusHandler> SimpleHandler::GetFocusHandler()
{
    return this;
}

CefRefPtr<CefKeyboardHandler> SimpleHandler::GetKeyboardHandler()
{
    return this;
}

CefRefPtr<CefLifeSpanHandler> SimpleHandler::GetLifeSpanHandler()
{
    return this;
}

CefRefPtr<CefLoadHandler> SimpleHandler::GetLoadHandler()
{
    return this;
}

CefRefPtr<CefRequestHandler> SimpleHandler::GetRequestHandler()
{
    return this;
}

void SimpleHandler::OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title)
{
    SetWindowTextW(browser->GetHost()->GetWindowHandle(), title.c_str());
}

bool SimpleHandler::OnSetFocus(CefRefPtr<CefBrowser> browser, FocusSource source)
{
    return source == FOCUS_SOURCE_NAVIGATION && !IsWindowVisible(browser->GetHost()->GetWindowHandle());
}

bool SimpleHandler::OnPreKeyEvent(CefRefPtr<CefBrowser> browser, const CefKeyEvent& event, CefEventHandle osEvent,
                                  bool* isKeyboardShortcut)
{
    return m_recovery.OnKey(browser, event);
}

bool SimpleHandler::OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                  const CefString& targetUrl, const CefString& targetFrameName,
                                  WindowOpenDisposition targetDisposition, bool userGesture,
                                  const CefPopupFeatures& popupFeatures, CefWindowInfo& windowInfo,
                                  CefRefPtr<CefClient>& client, CefBrowserSettings& settings,
                                  bool* noJavascriptAccess)
{
    if (!OpensNewBrowser(targetDisposition))
        return false;
    browser->GetMainFrame()->LoadURL(targetUrl);
    return true;
}

void SimpleHandler::OnAfterCreated(CefRefPtr<CefBrowser> browser)
{
    m_browsers.Append(browser);
    m_recovery.OnBrowserCreated(browser);
}

void SimpleHandler::OnBeforeClose(CefRefPtr<CefBrowser> browser)
{
    m_browsers.Remove(browser);
}

void SimpleHandler::OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int httpStatusCode)
{
    m_recovery.OnLoadEnd(browser, frame);
}

void SimpleHandler::OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, ErrorCode errorCode,
                                const CefString& errorText, const CefString& failedUrl)
{
    m_recovery.OnLoadError(frame, errorCode, errorText, failedUrl);
}

void SimpleHandler::OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser, TerminationStatus status)
{
    m_recovery.OnRendererEnded(browser);
}
