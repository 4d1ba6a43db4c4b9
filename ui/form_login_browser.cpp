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

CDuiFormLoginBrowser::CDuiFormLoginBrowser(CefRefPtr<LoginClient> client, POINT loginCorner, UINT loginDpi)
    : CXMLWnd(kSkinFile), m_client(client), m_loginCorner(loginCorner), m_loginDpi(loginDpi)
{
}

void CDuiFormLoginBrowser::FollowLoginWindow(POINT loginCorner, UINT loginDpi)
{
    m_loginCorner = loginCorner;
    m_loginDpi = loginDpi;
    const RECT place = PlaceBesideLoginWindow();
    SetWindowPos(m_hWnd, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT CDuiFormLoginBrowser::PlaceBesideLoginWindow()
{
    m_pm.SetDpi(m_loginDpi);
    const POINT offset = m_pm.Scale(kOffsetFromLoginWindow);
    const SIZE size = m_pm.GetInitSize();
    const POINT corner = {m_loginCorner.x + offset.x, m_loginCorner.y + offset.y};
    return {corner.x, corner.y, corner.x + size.cx, corner.y + size.cy};
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

// The window is made where it stays: the engine makes its own windows inside
// it on its UI thread while this thread goes on, and an engine window made
// while its host still moved was seen left at the host's first place, at the
// screen's corner, where the page's clicks never reached it.
RECT CDuiFormLoginBrowser::InitialRect(SIZE)
{
    return PlaceBesideLoginWindow();
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
