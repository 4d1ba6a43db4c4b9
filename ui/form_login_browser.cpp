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

CDuiFormLoginBrowser::CDuiFormLoginBrowser(CefRefPtr<LoginClient> client) : CXMLWnd(kSkinFile), m_client(client) {}

void CDuiFormLoginBrowser::FollowLoginWindow(int left, int top)
{
    SetWindowPos(m_hWnd, nullptr, left + kOffsetFromLoginWindow.x, top + kOffsetFromLoginWindow.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    if (IsKeyboardMessage(uMsg))
        return 0;
    return result;
}

void CDuiFormLoginBrowser::InitWindow()
{
    CefWindowInfo windowInfo;
    windowInfo.SetAsChild(m_hWnd, kBrowserRect);
    CefBrowserHost::CreateBrowser(windowInfo, m_client.get(), LoginPageAddress(), LauncherBrowserSettings(),
                                  nullptr);
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
