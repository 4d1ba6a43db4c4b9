// The game window's full-screen mode: the window and its browser cover the
// monitor the window is on, with the full-screen bar at its top.
#include "ui/form_game.h"

#include "ui/full_screen_layout.h"

void CDuiFormGame::EnterFullScreen()
{
    m_fullScreen.Enter(m_hWnd);
    UpdateLayout();
    m_fullScreen.OpenBar(m_hWnd, m_pm.Scale(kFullScreenBarSize));
    HoldFullScreenKeyWhile(InFront());
}

void CDuiFormGame::LeaveFullScreen()
{
    m_fullScreen.Leave(m_hWnd, m_pm.GetMinInfo());
    HoldFullScreenKeyWhile(false);
    UpdateLayout();
}
