#include "ui/full_screen_mode.h"

#include "ui/form_full_screen.h"
#include "ui/full_screen_layout.h"
#include "ui/monitor_area.h"
#include "ui/wine_quirks.h"

namespace {

// No frame, no caption.
constexpr DWORD kFullScreenStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr wchar_t kBarWindowName[] = L"FormGame";
constexpr DWORD kBarStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW;
constexpr DWORD kBarExStyle = WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE;

}  // namespace

FullScreenMode::FullScreenMode(DWORD windowedStyle) : m_windowedStyle(windowedStyle) {}

FullScreenMode::~FullScreenMode()
{
    CloseBar();
}

void FullScreenMode::Enter(HWND game)
{
    m_savedPlacement.length = sizeof(m_savedPlacement);
    GetWindowPlacement(game, &m_savedPlacement);
    const RECT monitor = MonitorAreaOfWindow(game).monitor;
    // The normal position is in the coordinates of the primary monitor's work
    // area: this is the whole monitor.
    RECT primaryWork = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &primaryWork, 0);
    WINDOWPLACEMENT covering = {};
    covering.length = sizeof(covering);
    covering.showCmd = SW_SHOWNORMAL;
    covering.rcNormalPosition = monitor;
    OffsetRect(&covering.rcNormalPosition, -primaryWork.left, -primaryWork.top);
    SetWindowPlacement(game, &covering);
    m_on = true;
    Cover(game);
}

void FullScreenMode::Leave(HWND game, SIZE minimum)
{
    SetWindowLongW(game, GWL_STYLE, static_cast<LONG>(m_windowedStyle));
    m_on = false;
    // Back where it was, maximised if it was maximised; before the first full
    // screen nothing is saved and the window stays where it is.
    if (m_savedPlacement.length == sizeof(m_savedPlacement)) {
        SetWindowPlacement(game, &m_savedPlacement);
        KeepOnAMonitor(game, minimum);
    }
    CloseBar();
}

void FullScreenMode::ShowBar(bool shown)
{
    if (m_bar && IsWindow(m_barWindow))
        SetWindowPos(m_barWindow, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void FullScreenMode::Cover(HWND game) const
{
    const RECT monitor = MonitorAreaOfWindow(game).monitor;
    // Shown or hidden as it was: a style without WS_VISIBLE would hide the
    // window for a moment, and a window hidden by the boss key stays hidden.
    const DWORD visible = static_cast<DWORD>(GetWindowLongW(game, GWL_STYLE)) & WS_VISIBLE;
    SetWindowLongW(game, GWL_STYLE, static_cast<LONG>(kFullScreenStyle | visible));
    SetWindowPos(game, HWND_NOTOPMOST, monitor.left, monitor.top, monitor.right - monitor.left,
                 monitor.bottom - monitor.top, 0);
    if (m_bar && IsWindow(m_barWindow))
        KeepOwnedWindowOnTop(m_barWindow);
}

void FullScreenMode::OpenBar(HWND game, SIZE barSize)
{
    // Created in its place: the style shows it at once.
    const POINT start = FullScreenBarStart(MonitorAreaOfWindow(game).monitor, barSize);
    m_bar = new CDuiFormFullScreen;
    m_barWindow = m_bar->Create(game, kBarWindowName, kBarStyle, kBarExStyle, start.x, start.y, barSize.cx,
                                barSize.cy);
    m_bar->SetGameWindow(game);
    m_bar->ShowWindow(true, true);
}

void FullScreenMode::CloseBar()
{
    if (!m_bar)
        return;
    if (IsWindow(m_barWindow))
        SendMessageW(m_barWindow, WM_CLOSE, 0, 0);
    m_bar = nullptr;
    m_barWindow = nullptr;
}
