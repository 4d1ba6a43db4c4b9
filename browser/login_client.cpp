#include "browser/login_client.h"

#include "browser/game_address.h"
#include "browser/window_messages.h"

#include <utility>

LoginClient::LoginClient(HWND handOverTarget, std::wstring loginPage)
    : m_handOverTarget(handOverTarget), m_loginPage(std::move(loginPage))
{
}

std::optional<std::wstring> LoginClient::TakeGameAddress()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::exchange(m_pendingAddress, std::nullopt);
}

bool LoginClient::OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                 CefRefPtr<CefRequest> request, bool isRedirect)
{
    // A frame of the page (an advertisement, say) loads what it likes.
    if (!frame->IsMain())
        return false;
    std::wstring address = request->GetURL().ToWString();
    if (!IsGameAddress(address))
        return false;
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
