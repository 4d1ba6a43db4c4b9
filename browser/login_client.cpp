#include "browser/login_client.h"

#include "browser/game_address.h"
#include "browser/window_messages.h"

#include <utility>

LoginClient::LoginClient(HWND handOverTarget, std::wstring loginPage)
    : SimpleHandler(loginPage),
      m_handOverTarget(handOverTarget),
      m_loginPage(std::move(loginPage)),
      m_mainFrameGuard(handOverTarget, PublisherHosts::OfTheBuild().With(m_loginPage))
{
}

std::optional<std::wstring> LoginClient::TakeGameAddress()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::exchange(m_pendingAddress, std::nullopt);
}

std::vector<std::wstring> LoginClient::TakeOutsideAddresses()
{
    return m_mainFrameGuard.TakeOutsideAddresses();
}

CefRefPtr<CefDownloadHandler> LoginClient::GetDownloadHandler()
{
    return this;
}

void LoginClient::OnBeforeDownload(CefRefPtr<CefBrowser> browser, CefRefPtr<CefDownloadItem> downloadItem,
                                   const CefString& suggestedName, CefRefPtr<CefBeforeDownloadCallback> callback)
{
    // Not continued: the engine cancels its own download.
    m_mainFrameGuard.HandOutDownload(downloadItem->GetURL().ToWString());
}

bool LoginClient::OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                 CefRefPtr<CefRequest> request, bool isRedirect)
{
    // A frame of the page (an advertisement, say) loads what it likes.
    if (!frame->IsMain())
        return false;
    std::wstring address = request->GetURL().ToWString();
    // The game may run on a server host of its own: a game address hands
    // over whatever its host.
    if (!IsGameAddress(address))
        return m_mainFrameGuard.KeepsOut(address);
    HandOver(std::move(address));
    return true;
}

void LoginClient::OnResourceRedirect(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                     CefRefPtr<CefRequest> request, CefString& newUrl)
{
    if (request->GetResourceType() != RT_MAIN_FRAME)
        return;
    std::wstring address = newUrl.ToWString();
    if (!IsGameAddress(address))
        return;
    HandOver(std::move(address));
    newUrl = CefString(m_loginPage);
}

void LoginClient::HandOver(std::wstring address)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_pendingAddress)
            return;
        m_pendingAddress = std::move(address);
    }
    PostMessageW(m_handOverTarget, WM_OPEN_GAME, 0, 0);
}

void LoginClient::OnProtocolExecution(CefRefPtr<CefBrowser> browser, const CefString& url, bool& allowOsExecution)
{
    allowOsExecution = false;
    m_mainFrameGuard.HandOutProtocol(url.ToWString());
}
