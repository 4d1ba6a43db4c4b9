// The game window's full-screen mode: the window and its browser cover the
// screen, with the full-screen bar at the top.
#include "ui/form_game.h"

#include "ui/form_full_screen.h"
#include "ui/full_screen_layout.h"

namespace {

constexpr wchar_t kBarWindowName[] = L"FormGame";
// WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW.
constexpr DWORD kBarStyle = 0x96CF0000;
constexpr DWORD kBarExStyle = WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE;

}  // namespace

void CDuiFormGame::EnterFullScreen()
{
    RECT workArea = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    m_fullScreen = true;
    m_savedPlacement.length = sizeof(m_savedPlacement);
    GetWindowPlacement(m_hWnd, &m_savedPlacement);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    // The normal position is in work-area coordinates: this is the whole screen.
    WINDOWPLACEMENT screen = {};
    screen.length = sizeof(screen);
    screen.showCmd = SW_SHOWNORMAL;
    screen.rcNormalPosition = {-workArea.left, -workArea.top, screenWidth - workArea.left, screenHeight - workArea.top};
    SetWindowPlacement(m_hWnd, &screen);
    SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, screenWidth, screenHeight, 0);
    UpdateLayout();

    // Created in its place: the style shows it at once.
    const SIZE barSize = m_pm.Scale(kFullScreenBarSize);
    const POINT barStart = FullScreenBarStart(screenWidth, barSize);
    m_fullScreenBar = new CDuiFormFullScreen;
    m_fullScreenBarWindow = m_fullScreenBar->Create(m_hWnd, kBarWindowName, kBarStyle, kBarExStyle, barStart.x,
                                                    barStart.y, barSize.cx, barSize.cy);
    m_fullScreenBar->SetGameWindow(m_hWnd);
    m_fullScreenBar->ShowWindow(true, true);
}

void CDuiFormGame::LeaveFullScreen()
{
    SetWindowLongW(m_hWnd, GWL_STYLE, kWindowedStyle);
    m_fullScreen = false;
    // Back where it was, maximised if it was maximised.
    SetWindowPlacement(m_hWnd, &m_savedPlacement);
    UpdateLayout();
    if (m_fullScreenBar) {
        if (IsWindow(m_fullScreenBarWindow))
            SendMessageW(m_fullScreenBarWindow, WM_CLOSE, 0, 0);
        m_fullScreenBar = nullptr;
        m_fullScreenBarWindow = nullptr;
    }
}
