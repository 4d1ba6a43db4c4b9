#include "ui/tray_icon.h"

#include <cwchar>

#ifndef _WIN64
// The full record of the 32-bit build.
static_assert(sizeof(NOTIFYICONDATAW) == 956, "the notification icon record has its full size");
#endif

TrayIcon::TrayIcon(UINT id, UINT callbackMessage)
{
    m_data.cbSize = sizeof(m_data);
    m_data.uID = id;
    m_data.uCallbackMessage = callbackMessage;
}

TrayIcon::~TrayIcon()
{
    Remove();
}

bool TrayIcon::Show(HWND window, HICON icon, const wchar_t* tip)
{
    m_data.hWnd = window;
    m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_data.hIcon = icon;
    wcsncpy(m_data.szTip, tip, sizeof(m_data.szTip) / sizeof(m_data.szTip[0]) - 1);
    // The system refuses a second add of the same icon: one still there is
    // updated, one that has gone meanwhile (the shell restarted) is added again.
    if (m_shown)
        m_shown = Shell_NotifyIconW(NIM_MODIFY, &m_data) != FALSE;
    if (!m_shown)
        m_shown = Shell_NotifyIconW(NIM_ADD, &m_data) != FALSE;
    return m_shown;
}

bool TrayIcon::Remove()
{
    if (!m_shown)
        return false;
    NOTIFYICONDATAW identity = m_data;
    identity.uFlags = 0;
    const bool removed = Shell_NotifyIconW(NIM_DELETE, &identity) != FALSE;
    if (removed)
        m_shown = false;
    return removed;
}

void TrayIcon::AddAgain()
{
    if (m_shown)
        m_shown = Shell_NotifyIconW(NIM_ADD, &m_data) != FALSE;
}
