// The game window's system-wide hot keys (from the settings file), its
// notification-area icon and the boss key that hides the window to it.
#include "ui/form_game.h"

#include "settings/hot_key_settings.h"
#include "toolkit/paint_manager.h"
#include "ui/resource.h"
#include "ui/wine_quirks.h"

namespace {

constexpr wchar_t kTrayTip[] = L"\x5FAE\x7AEF";  // "微端"

}  // namespace

void CDuiFormGame::RegisterHotKeys()
{
    const ConfiguredHotKeys hotKeys = ReadConfiguredHotKeys();
    m_fullScreenHotKey.SetKey(m_hWnd, hotKeys.fullScreen);
    m_bossHotKey.SetKey(m_hWnd, hotKeys.boss);
    m_bossHotKey.Register();
}

void CDuiFormGame::HoldFullScreenKeyWhile(bool inFront)
{
    if (m_fullScreen.IsOn() && !m_bossHidden && IsWindowVisible(m_hWnd) && inFront)
        m_fullScreenHotKey.Register();
    else
        m_fullScreenHotKey.Unregister();
}

bool CDuiFormGame::IsOwnWindow(HWND window) const
{
    return window && (window == m_hWnd || GetWindow(window, GW_OWNER) == m_hWnd);
}

bool CDuiFormGame::InFront() const
{
    return IsOwnWindow(GetForegroundWindow());
}

void CDuiFormGame::OnHotKey(WPARAM hotKeyId)
{
    m_hotKeyWithAltDown = GetKeyState(VK_MENU) < 0;
    if (m_fullScreenHotKey.Is(hotKeyId)) {
        // Only ever leaves full screen.
        if (m_fullScreen.IsOn())
            LeaveFullScreen();
    } else if (m_bossHotKey.Is(hotKeyId)) {
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

void CDuiFormGame::OnBossKey()
{
    const HICON icon = LoadIconW(CPaintManagerUI::GetInstance(), MAKEINTRESOURCEW(IDI_APPLICATION_ICON));
    m_trayIcon.Show(m_hWnd, icon, kTrayTip);
    // Without the icon and without a working boss key nothing could bring the
    // window back: it stays.
    if (!m_trayIcon.IsShown() && !m_bossHotKey.IsRegistered())
        return;
    m_bossHidden = true;
    ShowWindow(false, true);
    m_sound.Mute();
    m_fullScreen.ShowBar(false);
    HoldFullScreenKeyWhile(false);
}

void CDuiFormGame::ShowFromTray()
{
    HandleQueuedInputNow();
    m_bossHidden = false;
    // The icon goes first: the shell hides its own notification-area window
    // with it, and that window, when it had the foreground, hands it to the
    // desktop as it hides.
    m_trayIcon.Remove();
    m_sound.Restore();
    ShowWindow(true, true);
    // Showing activates the window only within this program; the player's key
    // press or click that brings it back entitles it to the foreground.
    SetForegroundWindow(m_hWnd);
    m_fullScreen.ShowBar(true);
    HoldFullScreenKeyWhile(InFront());
    GivePageTheKeyboard();
}
