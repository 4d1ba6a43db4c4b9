// The game window: a skinned 1250 x 700 frame with a top bar of buttons over
// an embedded browser that shows the game page. The login window opens it;
// however it closes, it tells the login window (WM_GAME_CLOSED) once, and the
// object frees itself once its native window is gone.
//
// The window coordinates parts that own their state and their cleanup:
// full-screen mode (with its saved placement and its bar), the notification
// icon, the two hot-key registrations, and the layout, a function of the mode
// and the client size.
#pragma once

#include "browser/game_client.h"
#include "engine/cef_ref_ptr.h"
#include "ui/full_screen_mode.h"
#include "ui/game_layout.h"
#include "ui/hot_key_registration.h"
#include "ui/tray_icon.h"
#include "ui/process_sound.h"
#include "ui/xml_wnd.h"

#include <string>
#include <vector>

class CDuiFormGame : public CXMLWnd {
public:
    CDuiFormGame();
    ~CDuiFormGame() override;

    // Stores the address first (InitWindow, inside the creation, opens the
    // browser on it), then creates the window owned by parent, shown and
    // painted but not active. Returns the window, or null.
    HWND CreateGameWindow(HWND parent, const std::wstring& gameUrl);
    // Replaces the stored address; a browser that exists is not navigated.
    void SetGameUrl(const std::wstring& gameUrl);
    // The window told when the game window closes.
    void SetOwnerWindow(HWND owner);
    // Decodes the game skin's pictures ahead of the first game window.
    static void PreloadSkin();

    // CWindowWnd
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hWnd) override;

    // WindowImplBase
    void InitWindow() override;
    // On the login window's monitor, centred in its work area and fitted to it.
    RECT InitialRect(SIZE size) override;
    void OnClick(TNotifyUI& msg) override;
    LRESULT ResponseDefaultKeyEvent(WPARAM wParam) override;
    LRESULT OnNcHitTest(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
    LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;

    // INotifyUI
    void Notify(TNotifyUI& msg) override;

    // IDialogBuilderCallback
    CControlUI* CreateControl(const wchar_t* className) override;

    NOTIFY_MAP_DECLARE()

private:
    // What each message does (form_game.cpp).
    void OnMoved();
    void OnSized();
    void OnActivated(bool active, bool minimised);
    void OnAppActivated(bool active);
    void OnRelayout();
    // Monitors came, went or changed their size.
    void OnDisplayChanged();
    // The shell has (re)started with an empty notification area.
    void OnShellRestarted();
    void OnKeyDown(WPARAM key);
    void OnSysKeyUp(WPARAM key);
    // The engine has reported the browser: its window gets its place, and a
    // close that waited for it goes ahead.
    void OnBrowserCreated();
    void OnDestroyed();

    // Full screen (form_game_full_screen.cpp).
    void EnterFullScreen();
    void LeaveFullScreen();

    // Hot keys, the notification-area icon and the boss key (form_game_boss_key.cpp).
    // The boss key is held for the window's whole life; the full-screen key
    // (Escape unless configured otherwise) only while it can act.
    void RegisterHotKeys();
    // Holds the full-screen key only while the window is in full screen,
    // shown, and in front (itself or its bar active): everywhere else the
    // key is the player's, for other programs and the game page alike.
    void HoldFullScreenKeyWhile(bool inFront);
    // This window or one it owns (the full-screen bar).
    bool IsOwnWindow(HWND window) const;
    // This window or its bar is the foreground window, where the player's
    // keys go. Read when needed: a click into another program may already
    // have taken the foreground while this window was entering full screen.
    bool InFront() const;
    void OnHotKey(WPARAM hotKeyId);
    // The system's key menu asked for as the Alt of a hot key is released.
    // The hot key's own key never reaches the window, so the release looks
    // like Alt pressed alone; a player who pressed Alt+F as the boss key did
    // not ask for the window's menu loop, which would also hold the mouse.
    bool IsMenuKeyAfterHotKey(WPARAM command, LPARAM lParam) const;
    void OnTrayNotify(UINT mouseMessage);
    void OnBossKey();
    // Shows the boss-hidden window in front, with the keyboard, and removes its icon.
    void ShowFromTray();

    // The keyboard goes to the game page, so that keys work without a click
    // into it after the window has come to the front.
    void GivePageTheKeyboard();
    // Lays the placed window out while it is still hidden, then shows it,
    // without the activation, and paints it.
    void LayOutAndShow();
    // The game page asked for addresses that open outside the launcher.
    void OnOpenOutside(const std::vector<std::wstring>& addresses);
    // A close while the engine is still creating the browser: the engine
    // creates the browser's window in this one, and a window gone meanwhile
    // makes the engine end the whole program (a failed window creation is
    // fatal to it). The window hides and tells the login window at once, and
    // closes once the browser has been reported.
    void CloseOnceBrowserCreated();
    // Places the top bar and the browser's window for the mode and size.
    void UpdateLayout();
    // Whether the top bar and the browser's window (when there is one) are
    // already where the layout puts them.
    bool IsLaidOutAs(const GameLayout& layout, HWND browserWindow) const;
    // The browser's own window while it is alive and still a child of this
    // window; null before the engine has reported the browser and after its
    // window has gone.
    HWND LiveBrowserWindow();
    bool CanLayOut() const;
    // Loads the game page again from its address.
    void ReloadPage();
    // Posts WM_GAME_CLOSED to the owner, the first time only.
    void ReportClosed();

    HWND m_ownerWindow = nullptr;
    std::wstring m_gameUrl;
    // The client of this window's browser; its list is written on the
    // engine's UI thread and read here on the main thread (it locks itself).
    CefRefPtr<GameClient> m_client;
    // The skin's top bar, found by InitWindow; no layout happens before.
    CControlUI* m_topBg = nullptr;
    FullScreenMode m_fullScreen;
    TrayIcon m_trayIcon;
    HotKeyRegistration m_fullScreenHotKey;
    HotKeyRegistration m_bossHotKey;
    // Shown once, by LayOutAndShow: until then a layout leaves it hidden.
    bool m_opened = false;
    // Hidden by the boss key: activation lays nothing out meanwhile.
    bool m_bossHidden = false;
    // A hot key fired while Alt was down, and Alt has not been released since.
    bool m_hotKeyWithAltDown = false;
    bool m_closeReported = false;
    // The engine has reported this window's browser (WM_BROWSER_CREATED).
    bool m_browserCreated = false;
    // A close came before the browser did; it is made again when the browser comes.
    bool m_closeWhenBrowserCreated = false;
    // Muted while the boss key hides the game.
    ProcessSound m_sound;
};
