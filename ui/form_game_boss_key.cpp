// The game window's system-wide hot keys (from the settings file), its
// notification-area icon and the boss key that hides the window to it.
#include "ui/form_game.h"

#include "settings/hot_key_settings.h"
#include "ui/resource.h"
#include "browser/window_messages.h"
#include "toolkit/paint_manager.h"

#include <cwchar>

namespace {

constexpr wchar_t kFullScreenHotKeyAtom[] = L"OstrelHotKey_FullScreen";
constexpr wchar_t kBossHotKeyAtom[] = L"OstrelHotKey_Boss";
constexpr UINT kTrayIconId = 102;
constexpr wchar_t kTrayTip[] = L"\x5FAE\x7AEF";  // "微端"

#ifndef _WIN64
// The full record of the 32-bit build.
static_assert(sizeof(NOTIFYICONDATAW) == 956, "the notification icon record has its full size");
#endif

// Registers the hot key under a global atom of that name; returns the atom
// (kept even when another program holds the combination) and whether the
// registration succeeded.
UINT RegisterNamedHotKey(HWND window, const wchar_t* atomName, const HotKey& hotKey, bool& registered)
{
    const UINT id = GlobalAddAtomW(atomName);
    registered = RegisterHotKey(window, static_cast<int>(id), hotKey.modifiers, hotKey.virtualKey) != FALSE;
    return id;
}

void UnregisterIfRegistered(HWND window, UINT& hotKeyId)
{
    if (hotKeyId == 0)
        return;
    UnregisterHotKey(window, static_cast<int>(hotKeyId));
    hotKeyId = 0;
}

}  // namespace

void CDuiFormGame::RegisterHotKeys()
{
    UnregisterIfRegistered(m_hWnd, m_fullScreenHotKeyId);
    UnregisterIfRegistered(m_hWnd, m_bossHotKeyId);
    m_bossHotKeyWorks = false;
    const ConfiguredHotKeys hotKeys = ReadConfiguredHotKeys();
    bool registered = false;
    if (hotKeys.fullScreen)
        m_fullScreenHotKeyId = RegisterNamedHotKey(m_hWnd, kFullScreenHotKeyAtom, *hotKeys.fullScreen, registered);
    if (hotKeys.boss)
        m_bossHotKeyId = RegisterNamedHotKey(m_hWnd, kBossHotKeyAtom, *hotKeys.boss, m_bossHotKeyWorks);
}

void CDuiFormGame::HideToTray()
{
    m_trayIcon.hWnd = m_hWnd;
    m_trayIcon.uID = kTrayIconId;
    m_trayIcon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_trayIcon.uCallbackMessage = WM_TRAY_NOTIFY;
    m_trayIcon.hIcon = LoadIconW(CPaintManagerUI::GetInstance(), MAKEINTRESOURCEW(IDI_APPLICATION_ICON));
    wcsncpy(m_trayIcon.szTip, kTrayTip, sizeof(m_trayIcon.szTip) / sizeof(m_trayIcon.szTip[0]) - 1);
    // The system refuses a second add of the same icon: one still there is
    // updated, one that has gone meanwhile (the shell restarted) is added again.
    if (m_trayIconShown)
        m_trayIconShown = Shell_NotifyIconW(NIM_MODIFY, &m_trayIcon) != FALSE;
    if (!m_trayIconShown)
        m_trayIconShown = Shell_NotifyIconW(NIM_ADD, &m_trayIcon) != FALSE;
    // Without the icon and without a working boss key nothing could bring the
    // window back: it stays.
    if (!m_trayIconShown && !m_bossHotKeyWorks) {
        m_bossHidden = false;
        return;
    }
    ShowWindow(false, true);
    m_sound.Mute();
}

bool CDuiFormGame::RemoveTrayIcon()
{
    if (!m_trayIconShown)
        return false;
    m_trayIcon.uFlags = 0;
    const bool removed = Shell_NotifyIconW(NIM_DELETE, &m_trayIcon) != FALSE;
    if (removed)
        m_trayIconShown = false;
    return removed;
}

void CDuiFormGame::OnHotKey(WPARAM hotKeyId)
{
    m_hotKeyWithAltDown = GetKeyState(VK_MENU) < 0;
    if (m_fullScreenHotKeyId != 0 && hotKeyId == m_fullScreenHotKeyId) {
        // Only ever leaves full screen.
        if (m_fullScreen)
            LeaveFullScreen();
    } else if (m_bossHotKeyId != 0 && hotKeyId == m_bossHotKeyId) {
        // A minimised window counts as visible.
        if (IsWindowVisible(m_hWnd))
            OnBossKey();
        else
            ShowFromTray();
    }
}

bool CDuiFormGame::IsMenuKeyAfterHotKey(WPARAM command, LPARAM lParam) const
{
    // Alt released alone opens the window's menu (SC_KEYMENU with no character).
    return m_hotKeyWithAltDown && (command & 0xFFF0) == SC_KEYMENU && lParam == 0;
}

void CDuiFormGame::OnTrayNotify(UINT mouseMessage)
{
    // The icon has no menu: the right button and everything else do nothing.
    if (mouseMessage != WM_LBUTTONUP && mouseMessage != WM_LBUTTONDBLCLK)
        return;
    ShowFromTray();
}

void CDuiFormGame::ShowFromTray()
{
    // Under Wine the hide's loss of the X input focus comes back as an X
    // event, which a thread busy with messages handles only every so often;
    // handled after the window is back, it hands the foreground to the
    // desktop. A wait of no time for input handles it now (on Windows it
    // returns at once).
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    m_bossHidden = false;
    // The icon goes first: the shell hides its own notification-area window
    // with it, and that window, when it had the foreground, hands it to the
    // desktop as it hides.
    RemoveTrayIcon();
    m_sound.Restore();
    ShowWindow(true, true);
    // Showing activates the window only within this program; the player's key
    // press or click that brings it back entitles it to the foreground.
    SetForegroundWindow(m_hWnd);
}

void CDuiFormGame::OnBossKey()
{
    m_bossHidden = true;
    HideToTray();
}
