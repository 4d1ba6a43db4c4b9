#include "ui/form_full_screen.h"

#include "browser/window_messages.h"
#include "ui/full_screen_layout.h"
#include "ui/monitor_area.h"

namespace {

constexpr wchar_t kSkinFile[] = L"FormFullScreen.xml";
constexpr wchar_t kLeaveButton[] = L"fullscreenbtn";
constexpr UINT_PTR kSlideTimer = 1;
constexpr UINT kSlideDelayMs = 3000;

}  // namespace

NOTIFY_MAP_BEGIN(CDuiFormFullScreen, CNotifyPump)
NOTIFY_MAP_ON_TYPE(kNotifyClick, &CDuiFormFullScreen::OnClick)
NOTIFY_MAP_END()

CDuiFormFullScreen::CDuiFormFullScreen() : CXMLWnd(kSkinFile) {}

void CDuiFormFullScreen::SetGameWindow(HWND gameWindow)
{
    m_gameWindow = gameWindow;
}

LRESULT CDuiFormFullScreen::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = WindowImplBase::HandleMessage(uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            AskToLeaveFullScreen();
        break;
    case WM_TIMER:
        OnSlideTimer();
        break;
    case WM_DISPLAYCHANGE:
        // The game window has moved to another monitor, or its own changed.
        SlideHidden(!m_revealed);
        break;
    }
    return result;
}

void CDuiFormFullScreen::OnFinalMessage(HWND hWnd)
{
    delete this;
}

void CDuiFormFullScreen::InitWindow()
{
    SetTimer(m_hWnd, kSlideTimer, kSlideDelayMs, nullptr);
}

void CDuiFormFullScreen::OnClick(TNotifyUI& msg)
{
    if (SenderIs(msg, kLeaveButton))
        AskToLeaveFullScreen();
    WindowImplBase::OnClick(msg);
}

LRESULT CDuiFormFullScreen::ResponseDefaultKeyEvent(WPARAM wParam)
{
    return WindowImplBase::ResponseDefaultKeyEvent(wParam);
}

LRESULT CDuiFormFullScreen::OnNcHitTest(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled)
{
    return WindowImplBase::OnNcHitTest(uMsg, wParam, lParam, bHandled);
}

LRESULT CDuiFormFullScreen::OnMouseMove(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled)
{
    // The toolkit's own mouse handling (hover looks) goes on.
    bHandled = FALSE;
    if (m_revealed)
        return 0;
    SlideHidden(false);
    m_revealed = true;
    // Hidden again three seconds after it came into view, pointer or not.
    SetTimer(m_hWnd, kSlideTimer, kSlideDelayMs, nullptr);
    return 0;
}

void CDuiFormFullScreen::Notify(TNotifyUI& msg)
{
    WindowImplBase::Notify(msg);
}

CControlUI* CDuiFormFullScreen::CreateControl(const wchar_t* className)
{
    return nullptr;
}

void CDuiFormFullScreen::OnSlideTimer()
{
    KillTimer(m_hWnd, kSlideTimer);
    SlideHidden(true);
    m_revealed = false;
}

void CDuiFormFullScreen::SlideHidden(bool hidden)
{
    // Hidden with the game window by the boss key, it stays hidden until the
    // game window brings it back.
    if (!IsWindowVisible(m_hWnd))
        return;
    // The game window's monitor, also when the monitor it was on has gone.
    const RECT monitor = MonitorAreaOfWindow(m_gameWindow).monitor;
    const RECT bar = SlidBarRect(monitor, hidden ? BarSlide::Hide : BarSlide::Reveal, m_pm.GetInitSize());
    SetWindowPos(m_hWnd, HWND_TOPMOST, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    ShowWindow(true, true);
    UpdateWindow(m_hWnd);
}

void CDuiFormFullScreen::AskToLeaveFullScreen()
{
    // Posted: the game window closes this bar, after this handler has returned.
    PostMessageW(m_gameWindow, WM_EXIT_FULLSCREEN, 0, 0);
}
