#include "ui/form_login_browser.h"

#include "browser/browser_settings.h"
#include "engine/cef_browser_host.h"
#include "settings/publisher_site.h"

namespace {

constexpr wchar_t kSkinFile[] = L"FormLoginBrowser.xml";
// The browser's place in the client area, whatever size the skin gives the window.
constexpr RECT kBrowserRect = {0, 0, 627, 406};

bool IsKeyboardMessage(UINT uMsg)
{
    return uMsg >= WM_KEYFIRST && uMsg <= WM_UNICHAR;
}

}  // namespace

NOTIFY_MAP_BEGIN(CDuiFormLoginBrowser, CNotifyPump)
NOTIFY_MAP_ON_TYPE(kNotifyClick, &CDuiFormLoginBrowser::OnClick)
NOTIFY_MAP_END()

CDuiFormLoginBrowser::CDuiFormLoginBrowser(CefRefPtr<LoginClient> client, UINT loginDpi)
    : CXMLWnd(kSkinFile), m_client(client), m_loginDpi(loginDpi)
{
}

void CDuiFormLoginBrowser::FollowLoginWindow(POINT loginCorner, UINT loginDpi)
{
    m_loginDpi = loginDpi;
    m_pm.SetDpi(loginDpi);
    const POINT offset = m_pm.Scale(kOffsetFromLoginWindow);
    const SIZE size = m_pm.GetInitSize();
    SetWindowPos(m_hWnd, nullptr, loginCorner.x + offset.x, loginCorner.y + offset.y, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CDuiFormLoginBrowser::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    // A close request here (Alt+F4 in the login page reaches this top-level
    // window through the engine's default key handling) would leave the login
    // window with an empty frame: the login window closes instead, as on its
    // own system close, and takes this window with it.
    if (uMsg == WM_CLOSE) {
        PostMessageW(GetWindow(m_hWnd, GW_OWNER), WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    const LRESULT result = WindowImplBase::HandleMessage(uMsg, wParam, lParam);
    if (uMsg == WM_SIZE)
        OnResized();
    if (IsKeyboardMessage(uMsg))
        return 0;
    return result;
}

void CDuiFormLoginBrowser::InitWindow()
{
    m_pm.SetDpi(m_loginDpi);
    CefWindowInfo windowInfo;
    windowInfo.SetAsChild(m_hWnd, m_pm.Scale(kBrowserRect));
    CefBrowserHost::CreateBrowser(windowInfo, m_client.get(), LoginPageAddress(), LauncherBrowserSettings(),
                                  nullptr);
}

void CDuiFormLoginBrowser::OnResized()
{
    const CefRefPtr<CefBrowser> browser = m_client->GetBrowser();
    const HWND window = browser ? browser->GetHost()->GetWindowHandle() : nullptr;
    if (!window || !IsChild(m_hWnd, window))
        return;
    const RECT place = m_pm.Scale(kBrowserRect);
    MoveWindow(window, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
}

void CDuiFormLoginBrowser::OnClick(TNotifyUI& msg)
{
    WindowImplBase::OnClick(msg);
}

void CDuiFormLoginBrowser::Notify(TNotifyUI& msg)
{
    WindowImplBase::Notify(msg);
}

CControlUI* CDuiFormLoginBrowser::CreateControl(const wchar_t* className)
{
    return nullptr;
}
