// The game window's full-screen mode: the window and its browser cover the
// screen, with the full-screen bar at the top.
#include "ui/form_game.h"

void CDuiFormGame::EnterFullScreen()
{
    m_fullScreen.Enter(m_hWnd);
    UpdateLayout();
    // Entered by the player's click on this window: it is in front.
    HoldFullScreenKeyWhile(true);
}

void CDuiFormGame::LeaveFullScreen()
{
    m_fullScreen.Leave(m_hWnd);
    HoldFullScreenKeyWhile(false);
    UpdateLayout();
}
