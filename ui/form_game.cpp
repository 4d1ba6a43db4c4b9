#include "ui/form_game.h"

#include "browser/browser_settings.h"
#include "browser/window_messages.h"
#include "engine/cef_browser_host.h"
#include "toolkit/control.h"
#include "ui/branding.h"
#include "ui/game_layout.h"
#include "ui/open_url.h"
#include "settings/publisher_site.h"

namespace {

constexpr wchar_t kSkinFile[] = L"FormGame.xml";
constexpr DWORD kGameWindowExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
// Where the browser's window starts, until the first layout after the engine reports it.
constexpr RECT kInitialBrowserRect = {0, kGameTopBarHeight, 627, kGameTopBarHeight + 374};
constexpr wchar_t kTopBarName[] = L"topBg";
constexpr wchar_t kBossKeyButton[] = L"bosskeybtn";
constexpr wchar_t kFullScreenButton[] = L"fullscreenbtn";

}  // namespace

NOTIFY_MAP_BEGIN(CDuiFormGame, CNotifyPump)
NOTIFY_MAP_ON_TYPE(kNotifyClick, &CDuiFormGame::OnClick)
NOTIFY_MAP_END()

CDuiFormGame::CDuiFormGame() : CXMLWnd(kSkinFile), m_client(new GameClient)
{
    m_trayIcon.cbSize = sizeof(m_trayIcon);
}

CDuiFormGame::~CDuiFormGame() = default;

HWND CDuiFormGame::CreateGameWindow(HWND parent, const std::wstring& gameUrl)
{
    m_gameUrl = gameUrl;
    // Known from the start, so that a window that fails while opening still reports its close.
    m_ownerWindow = parent;
    return Create(parent, kGameTitle, kWindowedStyle, kGameWindowExStyle);
}

void CDuiFormGame::SetGameUrl(const std::wstring& gameUrl)
{
    m_gameUrl = gameUrl;
}

void CDuiFormGame::SetOwnerWindow(HWND owner)
{
    m_ownerWindow = owner;
}

LRESULT CDuiFormGame::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    // Before the toolkit, whose default destroys the window.
    if (uMsg == WM_CLOSE && !m_browserCreated) {
        CloseOnceBrowserCreated();
        return 0;
    }
    const LRESULT result = WindowImplBase::HandleMessage(uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_MOVE:
        // Also in full screen: the full-screen branch keeps the window over the screen.
        if (CanLayOut())
            UpdateLayout();
        break;
    case WM_SIZE:
        if (CanLayOut() && !m_fullScreen)
            UpdateLayout();
        // Once the size change is done, the activation pass lays out again.
        PostMessageW(m_hWnd, WM_ACTIVATE, 0, 0);
        break;
    case WM_ACTIVATE:
        if (CanLayOut() && !m_bossHidden && !m_fullScreen)
            UpdateLayout();
        break;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE && m_fullScreen) {
            LeaveFullScreen();
            m_fullScreen = false;
        }
        break;
    case WM_HOTKEY:
        OnHotKey(wParam);
        break;
    case WM_SYSKEYUP:
        if (wParam == VK_MENU)
            m_hotKeyWithAltDown = false;
        break;
    case WM_TRAY_NOTIFY:
        OnTrayNotify(static_cast<UINT>(lParam));
        break;
    case WM_EXIT_FULLSCREEN:
        LeaveFullScreen();
        break;
    case WM_BROWSER_CREATED:
        OnBrowserCreated();
        break;
    case WM_DESTROY:
        // Alt+F4, the system menu, the taskbar and the owner's own end close
        // the window without the close button.
        ReportClosed();
        // An icon left behind would stay in the notification area.
        RemoveTrayIcon();
        break;
    }
    return result;
}

void CDuiFormGame::OnFinalMessage(HWND hWnd)
{
    delete this;
}

void CDuiFormGame::InitWindow()
{
    RegisterHotKeys();
    CefWindowInfo windowInfo;
    windowInfo.SetAsChild(m_hWnd, m_pm.Scale(kInitialBrowserRect));
    CefBrowserHost::CreateBrowser(windowInfo, m_client.get(), m_gameUrl, LauncherBrowserSettings(), nullptr);
    m_topBg = m_pm.FindControl(kTopBarName);
    CenterAndShow();
}

void CDuiFormGame::OnClick(TNotifyUI& msg)
{
    const std::wstring sitePage = SiteButtonPage(SenderName(msg));
    if (!sitePage.empty()) {
        OpenUrl(sitePage);
    } else if (SenderIs(msg, kCloseButtonName)) {
        // Before the toolkit's default closes the window.
        ReportClosed();
    } else if (SenderIs(msg, kBossKeyButton)) {
        OnBossKey();
    } else if (SenderIs(msg, kFullScreenButton)) {
        EnterFullScreen();
    }
    WindowImplBase::OnClick(msg);
}

LRESULT CDuiFormGame::ResponseDefaultKeyEvent(WPARAM wParam)
{
    return WindowImplBase::ResponseDefaultKeyEvent(wParam);
}

LRESULT CDuiFormGame::OnNcHitTest(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled)
{
    return WindowImplBase::OnNcHitTest(uMsg, wParam, lParam, bHandled);
}

LRESULT CDuiFormGame::OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled)
{
    if (IsMenuKeyAfterHotKey(wParam, lParam)) {
        bHandled = TRUE;
        return 0;
    }
    // Minimise, maximise, restore and moves by the system menu end in a layout pass.
    if (m_topBg)
        PostMessageW(m_hWnd, WM_ACTIVATE, 0, 0);
    return WindowImplBase::OnSysCommand(uMsg, wParam, lParam, bHandled);
}

void CDuiFormGame::Notify(TNotifyUI& msg)
{
    WindowImplBase::Notify(msg);
}

CControlUI* CDuiFormGame::CreateControl(const wchar_t* className)
{
    return nullptr;
}

void CDuiFormGame::CenterAndShow()
{
    RECT workArea = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const SIZE size = m_pm.Scale(kGameWindowSize);
    const POINT position = GameWindowPosition(workArea, size);
    SetWindowPos(m_hWnd, HWND_TOP, position.x, position.y, size.cx, size.cy, SWP_SHOWWINDOW);
    ShowWindow(true, true);
    UpdateWindow(m_hWnd);
    UpdateLayout();
}

void CDuiFormGame::UpdateLayout()
{
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    const SIZE clientSize = {client.right - client.left, client.bottom - client.top};
    const SIZE screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (m_fullScreen) {
        SetWindowLongW(m_hWnd, GWL_STYLE, kFullScreenStyle);
        SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, screen.cx, screen.cy, 0);
    } else {
        PlaceTopBar(clientSize);
    }
    if (const HWND browserWindow = LiveBrowserWindow()) {
        if (m_fullScreen) {
            MoveWindow(browserWindow, 0, 0, screen.cx, screen.cy, TRUE);
        } else {
            PlaceTopBar(clientSize);
            const RECT browser = WindowedBrowserRect(clientSize, m_pm.GetDpi());
            MoveWindow(browserWindow, browser.left, browser.top, browser.right - browser.left,
                       browser.bottom - browser.top, TRUE);
        }
        UpdateWindow(m_hWnd);
    }
    InvalidateRect(m_hWnd, &client, TRUE);
    // Moves and size changes still reach a window hidden by the boss key (a
    // display change, another program); it stays hidden until brought back,
    // and a window waiting to close stays hidden.
    if (!m_bossHidden && !m_closeWhenBrowserCreated)
        ::ShowWindow(m_hWnd, SW_SHOW);
    UpdateWindow(m_hWnd);
}

void CDuiFormGame::OnBrowserCreated()
{
    m_browserCreated = true;
    if (m_closeWhenBrowserCreated) {
        PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
        return;
    }
    // Also while hidden by the boss key: the layout keeps such a window hidden.
    if (CanLayOut())
        UpdateLayout();
}

void CDuiFormGame::CloseOnceBrowserCreated()
{
    m_closeWhenBrowserCreated = true;
    ShowWindow(false);
    ReportClosed();
}

void CDuiFormGame::PlaceTopBar(SIZE client)
{
    m_topBg->SetPos({0, 0, client.cx, m_topBg->GetHeight()});
}

HWND CDuiFormGame::LiveBrowserWindow()
{
    const CefRefPtr<CefBrowser> browser = m_client->GetBrowser();
    if (!browser)
        return nullptr;
    // The client drops a browser only when the engine reports its close,
    // which comes after its window has gone.
    const HWND window = browser->GetHost()->GetWindowHandle();
    return window && IsWindow(window) && IsChild(m_hWnd, window) ? window : nullptr;
}

bool CDuiFormGame::CanLayOut() const
{
    return m_topBg && m_client;
}

void CDuiFormGame::ReportClosed()
{
    if (m_closeReported)
        return;
    m_closeReported = true;
    PostMessageW(m_ownerWindow, WM_GAME_CLOSED, 0, 0);
}
