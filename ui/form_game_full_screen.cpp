// The game window's full-screen mode: the window and its browser cover the
// screen, with the full-screen bar at the top.
#include "ui/form_game.h"

void CDuiFormGame::EnterFullScreen()
{
    m_fullScreen.Enter(m_hWnd);
    UpdateLayout();
}

void CDuiFormGame::LeaveFullScreen()
{
    m_fullScreen.Leave(m_hWnd);
    UpdateLayout();
}
