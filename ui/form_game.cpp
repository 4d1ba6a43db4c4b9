#include "ui/form_game.h"

#include "browser/browser_settings.h"
#include "browser/window_messages.h"
#include "engine/cef_browser_host.h"
#include "toolkit/control.h"
#include "ui/branding.h"
#include "ui/game_layout.h"
#include "ui/monitor_area.h"
#include "ui/open_url.h"
#include "ui/resource.h"
#include "settings/publisher_site.h"

namespace {

constexpr wchar_t kSkinFile[] = L"FormGame.xml";
// A captioned, sizable frame; the skin draws the caption and the buttons.
constexpr DWORD kWindowedStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW;
constexpr DWORD kGameWindowExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
// Where the browser's window starts, until the first layout after the engine reports it.
constexpr RECT kInitialBrowserRect = {0, kGameTopBarHeight, 627, kGameTopBarHeight + 374};
constexpr wchar_t kTopBarName[] = L"topBg";
constexpr wchar_t kBossKeyButton[] = L"bosskeybtn";
constexpr wchar_t kFullScreenButton[] = L"fullscreenbtn";
constexpr UINT kTrayIconId = 102;
constexpr wchar_t kFullScreenHotKeyAtom[] = L"OstrelHotKey_FullScreen";
constexpr wchar_t kBossHotKeyAtom[] = L"OstrelHotKey_Boss";

// Broadcast by the shell to the top-level windows when it starts again.
UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

}  // namespace

NOTIFY_MAP_BEGIN(CDuiFormGame, CNotifyPump)
NOTIFY_MAP_ON_TYPE(kNotifyClick, &CDuiFormGame::OnClick)
NOTIFY_MAP_END()

CDuiFormGame::CDuiFormGame()
    : CXMLWnd(kSkinFile),
      m_fullScreen(kWindowedStyle),
      m_trayIcon(kTrayIconId, WM_TRAY_NOTIFY),
      m_fullScreenHotKey(kFullScreenHotKeyAtom),
      m_bossHotKey(kBossHotKeyAtom)
{
}

CDuiFormGame::~CDuiFormGame() = default;

HWND CDuiFormGame::CreateGameWindow(HWND parent, const std::wstring& gameUrl)
{
    m_gameUrl = gameUrl;
    // Known from the start, so that a window that fails while opening still reports its close.
    m_ownerWindow = parent;
    return Create(parent, kGameTitle, kWindowedStyle, kGameWindowExStyle);
}

void CDuiFormGame::PreloadSkin()
{
    WindowImplBase::PreloadSkin(CDuiString(), kSkinFile);
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
    // Registered at run time: no case label.
    if (uMsg == TaskbarCreatedMessage())
        OnShellRestarted();
    switch (uMsg) {
    case WM_MOVE:
        OnMoved();
        break;
    case WM_SIZE:
        OnSized();
        break;
    case WM_ACTIVATE:
        OnActivated(LOWORD(wParam) != WA_INACTIVE, HIWORD(wParam) != 0);
        break;
    case WM_ACTIVATEAPP:
        OnAppActivated(wParam != FALSE);
        break;
    case WM_GAME_RELAYOUT:
        OnRelayout();
        break;
    case WM_DISPLAYCHANGE:
        OnDisplayChanged();
        break;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        break;
    case WM_HOTKEY:
        OnHotKey(wParam);
        break;
    case WM_SYSKEYUP:
        OnSysKeyUp(wParam);
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
    case WM_OPEN_OUTSIDE:
        OnOpenOutside(m_client->TakeOutsideAddresses());
        break;
    case WM_DESTROY:
        OnDestroyed();
        break;
    }
    return result;
}

void CDuiFormGame::ReloadPage()
{
    if (const CefRefPtr<CefBrowser> browser = m_client->GetBrowser())
        browser->Reload();
}

void CDuiFormGame::OnFinalMessage(HWND hWnd)
{
    delete this;
}

void CDuiFormGame::InitWindow()
{
    // The shell's broadcast also reaches a program run as administrator.
    ChangeWindowMessageFilterEx(m_hWnd, TaskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);
    RegisterHotKeys();
    // Made with the window, which owns the browser's pop-ups and opens what the page sends outside.
    m_client = new GameClient(m_hWnd, m_gameUrl,
                              LoadIconW(CPaintManagerUI::GetInstance(), MAKEINTRESOURCEW(IDI_APPLICATION_ICON)));
    CefWindowInfo windowInfo;
    windowInfo.SetAsChild(m_hWnd, m_pm.Scale(kInitialBrowserRect));
    CefBrowserHost::CreateBrowser(windowInfo, m_client.get(), m_gameUrl, LauncherBrowserSettings(), nullptr);
    m_topBg = m_pm.FindControl(kTopBarName);
    LayOutAndShow();
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
        PostMessageW(m_hWnd, WM_GAME_RELAYOUT, 0, 0);
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

void CDuiFormGame::OnMoved()
{
    // Also in full screen: the layout keeps the window over the screen.
    if (CanLayOut())
        UpdateLayout();
}

void CDuiFormGame::OnSized()
{
    if (CanLayOut() && !m_fullScreen.IsOn())
        UpdateLayout();
    // Once the size change is done, the window is laid out again.
    PostMessageW(m_hWnd, WM_GAME_RELAYOUT, 0, 0);
}

void CDuiFormGame::OnActivated(bool active, bool minimised)
{
    // The full-screen bar taking the activation keeps the game in front.
    HoldFullScreenKeyWhile(active || InFront());
    // Activation gives the keyboard to this window itself, where no key does anything.
    if (active && !minimised)
        GivePageTheKeyboard();
    OnRelayout();
}

void CDuiFormGame::OnAppActivated(bool active)
{
    // Another program's window is taking the activation, perhaps from the
    // full-screen bar, whose loss the game window does not otherwise see.
    // Under Wine the report can come late, after a click has brought the
    // game back to the front: what counts is where the foreground is now.
    if (!active)
        HoldFullScreenKeyWhile(InFront());
}

void CDuiFormGame::OnRelayout()
{
    if (CanLayOut() && !m_bossHidden && !m_fullScreen.IsOn())
        UpdateLayout();
    // Restored from the taskbar, the window may have been activated while
    // still minimised.
    if (GetActiveWindow() == m_hWnd && !IsIconic(m_hWnd))
        GivePageTheKeyboard();
}

void CDuiFormGame::OnShellRestarted()
{
    m_trayIcon.AddAgain();
}

void CDuiFormGame::GivePageTheKeyboard()
{
    // The client is made with the window's content, after the window's first
    // messages. In full screen the bar has the keyboard as it opens; the
    // engine's focus call would activate this window, which Wine without a
    // window manager then raises above its own bar.
    if (!m_client || m_fullScreen.IsOn() || !IsWindowVisible(m_hWnd))
        return;
    // Focused here and now, not by the engine's own call: that one runs later
    // on the engine's thread, when this window may be hidden or closing, and
    // would activate it again behind the login windows. The engine passes the
    // focus on into the page on its own thread, and keys pressed meanwhile
    // are lost: a page that has the keyboard, or is being given it, keeps it.
    const HWND browserWindow = LiveBrowserWindow();
    const HWND focus = GetFocus();
    if (browserWindow && focus != browserWindow && !IsChild(browserWindow, focus))
        SetFocus(browserWindow);
}

void CDuiFormGame::OnDisplayChanged()
{
    if (m_fullScreen.IsOn()) {
        if (CanLayOut())
            UpdateLayout();
    } else {
        KeepOnAMonitor(m_hWnd, m_pm.GetMinInfo());
    }
}

void CDuiFormGame::OnKeyDown(WPARAM key)
{
    if (key == VK_ESCAPE && m_fullScreen.IsOn())
        LeaveFullScreen();
    // The page's client reloads on F5 in the page; this is F5 while the
    // window itself has the keyboard (after the boss key's return, say).
    if (key == VK_F5)
        ReloadPage();
}

void CDuiFormGame::OnSysKeyUp(WPARAM key)
{
    if (key == VK_MENU)
        m_hotKeyWithAltDown = false;
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

void CDuiFormGame::OnDestroyed()
{
    // Alt+F4, the system menu, the taskbar and the owner's own end close
    // the window without the close button.
    ReportClosed();
    // An icon left behind would stay in the notification area until the
    // pointer passes over it.
    m_trayIcon.Remove();
}

RECT CDuiFormGame::InitialRect(SIZE)
{
    // On the login window's monitor, where the player logged in.
    const RECT workArea = MonitorAreaOfWindow(m_ownerWindow ? m_ownerWindow : m_hWnd).work;
    return GameWindowRect(workArea, m_pm.Scale(kGameWindowSize), m_pm.GetMinInfo());
}

void CDuiFormGame::LayOutAndShow()
{
    // Each move, size change and activation of a shown window lays it out:
    // laid out while hidden, it is painted once, as it opens. A skin without
    // its top bar is shown as it stands.
    if (CanLayOut())
        UpdateLayout();
    m_opened = true;
    // Shown without the activation, which the opener gives once the window
    // has painted.
    ShowWindow(true, false);
    UpdateWindow(m_hWnd);
}

void CDuiFormGame::UpdateLayout()
{
    if (m_fullScreen.IsOn())
        m_fullScreen.Cover(m_hWnd);
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    const GameMode mode = m_fullScreen.IsOn() ? GameMode::FullScreen : GameMode::Windowed;
    const GameLayout layout = LayOutGame(mode, {client.right, client.bottom}, m_topBg->GetHeight(), m_pm.GetDpi());
    const HWND browserWindow = LiveBrowserWindow();
    // Moves, activations and the size messages of the window's creation lay
    // it out again with nothing changed: then nothing is painted again.
    if (!IsLaidOutAs(layout, browserWindow)) {
        m_topBg->SetPos(layout.topBar);
        if (browserWindow) {
            const RECT& browser = layout.browser;
            MoveWindow(browserWindow, browser.left, browser.top, browser.right - browser.left,
                       browser.bottom - browser.top, TRUE);
            UpdateWindow(m_hWnd);
        }
        InvalidateRect(m_hWnd, &client, TRUE);
    }
    // Moves and size changes also reach a window not opened yet, and one
    // hidden by the boss key (a display change, another program); such a
    // window stays hidden until shown, and one waiting to close stays hidden.
    if (m_opened && !m_bossHidden && !m_closeWhenBrowserCreated)
        ::ShowWindow(m_hWnd, SW_SHOW);
    UpdateWindow(m_hWnd);
}

void CDuiFormGame::CloseOnceBrowserCreated()
{
    m_closeWhenBrowserCreated = true;
    ShowWindow(false);
    ReportClosed();
}

void CDuiFormGame::OnOpenOutside(const std::vector<std::wstring>& addresses)
{
    for (const std::wstring& address : addresses)
        OpenUrl(address);
}

bool CDuiFormGame::IsLaidOutAs(const GameLayout& layout, HWND browserWindow) const
{
    if (!EqualRect(&m_topBg->GetPos(), &layout.topBar))
        return false;
    if (!browserWindow)
        return true;
    RECT browser = {};
    GetWindowRect(browserWindow, &browser);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&browser), 2);
    return EqualRect(&browser, &layout.browser) != FALSE;
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
