#include "browser/game_client.h"

#include "browser/browser_settings.h"
#include "browser/first_frame_curtain.h"
#include "browser/window_messages.h"
#include "engine/cef_browser_host.h"

namespace {

// The time of the system's last input, the player's click that asked for a
// pop-up among them.
DWORD LastInputTime()
{
    LASTINPUTINFO input = {sizeof(input), 0};
    return GetLastInputInfo(&input) ? input.dwTime : 0;
}

}  // namespace

GameClient::GameClient(HWND window, const std::wstring& gameAddress, HICON popupIcon)
    : SimpleHandler(gameAddress),
      m_window(window), m_popupIcon(popupIcon), m_mainFrameGuard(window, PublisherHosts::OfTheBuild().With(gameAddress))
{
}

std::vector<std::wstring> GameClient::TakeOutsideAddresses()
{
    return m_mainFrameGuard.TakeOutsideAddresses();
}

bool GameClient::OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& targetUrl,
                               const CefString& targetFrameName, WindowOpenDisposition targetDisposition,
                               bool userGesture, const CefPopupFeatures& popupFeatures, CefWindowInfo& windowInfo,
                               CefRefPtr<CefClient>& client, CefBrowserSettings& settings, bool* noJavascriptAccess)
{
    if (!OpensPopupWindow(targetUrl.ToWString(), userGesture))
        return true;
    // The engine makes the pop-up, with this client, so that the page keeps
    // its window.opener and a form posted into the pop-up arrives. Its place
    // and size, when the page asked for them, stay.
    if (windowInfo.style == 0)
        windowInfo = PopupWindowInfo();
    else
        windowInfo.parent_window = m_window;
    return false;
}

void GameClient::OnAfterCreated(CefRefPtr<CefBrowser> browser)
{
    SimpleHandler::OnAfterCreated(browser);
    const HWND browserWindow = browser->GetHost()->GetWindowHandle();
    if (!(GetWindowLongW(browserWindow, GWL_STYLE) & WS_CHILD)) {
        // A pop-up: the engine's own top-level window, made on this thread.
        PostMessageW(browserWindow, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_popupIcon));
        PostMessageW(browserWindow, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_popupIcon));
        return;
    }
    // The holder's skin shows in its place until the page has drawn.
    first_frame_curtain::Conceal(browser);
    // The engine creates the browser while its holder goes on; every layout
    // the holder made before this left the browser's window where it began.
    if (const HWND holder = GetParent(browserWindow))
        PostMessageW(holder, WM_BROWSER_CREATED, 0, 0);
}

CefRefPtr<CefDownloadHandler> GameClient::GetDownloadHandler()
{
    return this;
}

bool GameClient::OnConsoleMessage(CefRefPtr<CefBrowser> browser, const CefString& message, const CefString& source,
                                  int line)
{
    return first_frame_curtain::OnConsoleMessage(browser, message);
}

void GameClient::OnLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame)
{
    first_frame_curtain::OnLoadStart(browser, frame);
}

void GameClient::OnBeforeDownload(CefRefPtr<CefBrowser> browser, CefRefPtr<CefDownloadItem> downloadItem,
                                  const CefString& suggestedName, CefRefPtr<CefBeforeDownloadCallback> callback)
{
    // Not continued: the engine cancels its own download.
    m_mainFrameGuard.HandOutDownload(downloadItem->GetURL().ToWString());
}

bool GameClient::OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                CefRefPtr<CefRequest> request, bool isRedirect)
{
    // A frame of the page (an advertisement, a provider's widget) loads what
    // the page embeds.
    return frame->IsMain() && m_mainFrameGuard.KeepsOut(request->GetURL().ToWString());
}

bool GameClient::OnOpenURLFromTab(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                  const CefString& targetUrl, cef_window_open_disposition_t targetDisposition,
                                  bool userGesture)
{
    // Left to the engine, the link would replace the page that asked.
    if (OpensPopupWindow(targetUrl.ToWString(), userGesture))
        CefBrowserHost::CreateBrowser(PopupWindowInfo(), this, targetUrl, LauncherBrowserSettings(), nullptr);
    return true;
}

bool GameClient::OpensPopupWindow(const std::wstring& address, bool userGesture)
{
    return m_popupGate.Admit(userGesture, LastInputTime()) && !m_mainFrameGuard.KeepsOut(address);
}

CefWindowInfo GameClient::PopupWindowInfo() const
{
    CefWindowInfo windowInfo;
    windowInfo.SetAsPopup(m_window, CefString());
    return windowInfo;
}

void GameClient::OnProtocolExecution(CefRefPtr<CefBrowser> browser, const CefString& url, bool& allowOsExecution)
{
    allowOsExecution = false;
    m_mainFrameGuard.HandOutProtocol(url.ToWString());
}
