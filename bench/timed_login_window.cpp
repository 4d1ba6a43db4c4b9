#include "timed_login_window.h"

#include "browser/window_messages.h"

LRESULT TimedLoginWindow::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg != WM_OPEN_GAME)
        return CDuiFormLogin::HandleMessage(uMsg, wParam, lParam);
    // The tick count of the post: the login client posts as the engine reports.
    const LONG postedAt = GetMessageTime();
    const LRESULT result = CDuiFormLogin::HandleMessage(uMsg, wParam, lParam);
    m_times.Add(static_cast<double>(static_cast<LONG>(GetTickCount()) - postedAt));
    return result;
}
