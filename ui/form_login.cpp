#include "ui/form_login.h"

#include "browser/window_messages.h"
#include "ui/form_game.h"
#include "ui/form_login_browser.h"
#include "settings/publisher_site.h"
#include "ui/open_url.h"
#include "ui/wine_quirks.h"

namespace {

constexpr wchar_t kSkinFile[] = L"FormLogin.xml";
constexpr wchar_t kLoginBrowserCaption[] = L"LoginBrowser";
constexpr DWORD kLoginBrowserStyle = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
constexpr DWORD kLoginBrowserExStyle = WS_EX_WINDOWEDGE;
// The game skin's pictures are decoded once the login window and its page
// have had their start, ahead of the first game window.
constexpr UINT_PTR kPreloadGameSkinTimer = 1;
constexpr UINT kPreloadGameSkinDelayMs = 1000;

}  // namespace

NOTIFY_MAP_BEGIN(CDuiFormLogin, CNotifyPump)
NOTIFY_MAP_ON_TYPE(kNotifyClick, &CDuiFormLogin::OnClick)
NOTIFY_MAP_END()

CDuiFormLogin::CDuiFormLogin() : CXMLWnd(kSkinFile) {}

std::unique_ptr<WindowImplBase::BackgroundSkinPreload> CDuiFormLogin::PreloadSkinInBackground()
{
    return std::make_unique<BackgroundSkinPreload>(CDuiString(), kSkinFile);
}

LRESULT CDuiFormLogin::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = WindowImplBase::HandleMessage(uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_MOVE:
    // At a new DPI the login browser window takes the new offset and size too.
    case WM_DPICHANGED:
        OnMoved();
        break;
    case WM_SETFOCUS:
        OnFocused();
        break;
    case WM_GETMINMAXINFO:
        OnMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        break;
    case WM_OPEN_GAME:
        if (std::optional<std::wstring> address = m_loginClient->TakeGameAddress())
            OnOpenGame(*address);
        break;
    case WM_GAME_CLOSED:
        OnGameClosed();
        break;
    case WM_OPEN_OUTSIDE:
        OnOpenOutside(m_loginClient->TakeOutsideAddresses());
        break;
    case WM_TIMER:
        if (wParam == kPreloadGameSkinTimer)
            OnPreloadGameSkin();
        break;
    }
    return result;
}

void CDuiFormLogin::InitWindow()
{
    CenterWindow();
    RECT outer;
    GetWindowRect(m_hWnd, &outer);
    m_loginClient = new LoginClient(m_hWnd, LoginPageAddress());
    m_loginBrowser = new CDuiFormLoginBrowser(m_loginClient, {outer.left, outer.top}, m_pm.GetDpi());
    m_loginBrowser->Create(m_hWnd, kLoginBrowserCaption, kLoginBrowserStyle, kLoginBrowserExStyle);
    m_loginBrowser->ShowWindow(true, true);
    SetTimer(m_hWnd, kPreloadGameSkinTimer, kPreloadGameSkinDelayMs, nullptr);
}

void CDuiFormLogin::OnClick(TNotifyUI& msg)
{
    // The close button takes the toolkit's default: the window closes, and
    // with it the application's loop.
    const std::wstring sitePage = SiteButtonPage(SenderName(msg));
    if (!sitePage.empty())
        OpenUrl(sitePage);
    WindowImplBase::OnClick(msg);
}

void CDuiFormLogin::Notify(TNotifyUI& msg)
{
    WindowImplBase::Notify(msg);
}

CControlUI* CDuiFormLogin::CreateControl(const wchar_t* className)
{
    return nullptr;
}

void CDuiFormLogin::OnMoved()
{
    // Moves made while InitWindow centres this window come before the login browser exists.
    if (!m_loginBrowser)
        return;
    RECT outer;
    GetWindowRect(m_hWnd, &outer);
    m_loginBrowser->FollowLoginWindow({outer.left, outer.top}, m_pm.GetDpi());
}

void CDuiFormLogin::OnFocused()
{
    if (m_loginBrowser && IsWindowVisible(m_loginBrowser->GetHWND()))
        RaiseOwnedWindowAboveOwner(m_loginBrowser->GetHWND());
}

void CDuiFormLogin::OnMinMaxInfo(MINMAXINFO* info)
{
    const SIZE drawn = m_pm.GetInitSize();
    if (drawn.cx <= 0 || drawn.cy <= 0)
        return;
    info->ptMaxSize = {drawn.cx, drawn.cy};
    info->ptMinTrackSize = info->ptMaxSize;
    info->ptMaxTrackSize = info->ptMaxSize;
}

void CDuiFormLogin::OnOpenGame(const std::wstring& address)
{
    // The keyboard leaves the login page first, while the engine's thread is
    // free: the engine's window gives it up on that thread, and the main
    // thread waits for that, tens of milliseconds once the engine is busy
    // making the game browser.
    const HWND loginBrowser = m_loginBrowser->GetHWND();
    if (IsChild(loginBrowser, GetFocus()))
        SetFocus(loginBrowser);
    // The game window shows and paints over the login windows, then takes
    // the activation from them before they hide: hiding the active window
    // first would let the system activate another program's window meanwhile.
    // A game window already open is neither shown nor activated again.
    if (!m_gameForm) {
        OpenGameWindow(address);
        if (m_gameForm)
            SetForegroundWindow(m_gameForm->GetHWND());
    }
    ShowWindow(false);
    m_loginBrowser->ShowWindow(false);
    ReloadLoginPage();
}

void CDuiFormLogin::OnPreloadGameSkin()
{
    KillTimer(m_hWnd, kPreloadGameSkinTimer);
    CDuiFormGame::PreloadSkin();
}

void CDuiFormLogin::OnGameClosed()
{
    ShowWindow(true, true);
    m_loginBrowser->ShowWindow(true, true);
    m_gameForm = nullptr;
}

void CDuiFormLogin::OnOpenOutside(const std::vector<std::wstring>& addresses)
{
    for (const std::wstring& address : addresses)
        OpenUrl(address);
}

void CDuiFormLogin::ReloadLoginPage()
{
    if (CefRefPtr<CefBrowser> browser = m_loginClient->GetBrowser())
        browser->GetMainFrame()->LoadURL(LoginPageAddress());
}

void CDuiFormLogin::OpenGameWindow(const std::wstring& address)
{
    m_gameForm = new CDuiFormGame;
    m_gameForm->CreateGameWindow(m_hWnd, address);
    m_gameForm->SetOwnerWindow(m_hWnd);
    m_gameForm->SetGameUrl(address);
}
