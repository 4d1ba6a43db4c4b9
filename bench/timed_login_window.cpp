#include "timed_login_window.h"

#include "browser/window_messages.h"

LRESULT TimedLoginWindow::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    // The tick count of the post: the login client posts as the engine reports.
    if (uMsg == WM_OPEN_GAME)
        m_stopwatch.Start(GetMessageTime());
    return CDuiFormLogin::HandleMessage(uMsg, wParam, lParam);
}
