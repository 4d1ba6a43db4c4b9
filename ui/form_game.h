// The game window: a skinned 1250 x 700 frame with a top bar of buttons over
// an embedded browser that shows the game page. The login window opens it;
// however it closes, it tells the login window (WM_GAME_CLOSED) once, and the
// object frees itself once its native window is gone.
#pragma once

#include "browser/game_client.h"
#include "engine/cef_ref_ptr.h"
#include "ui/process_sound.h"
#include "ui/xml_wnd.h"

#include <shellapi.h>

#include <string>

class CDuiFormFullScreen;

class CDuiFormGame : public CXMLWnd {
public:
    CDuiFormGame();
    ~CDuiFormGame() override;

    // Stores the address first (InitWindow, inside the creation, opens the
    // browser on it), then creates the window owned by parent. Returns the
    // window, or null.
    HWND CreateGameWindow(HWND parent, const std::wstring& gameUrl);
    // Replaces the stored address; a browser that exists is not navigated.
    void SetGameUrl(const std::wstring& gameUrl);
    // The window told when the game window closes.
    void SetOwnerWindow(HWND owner);

    // CWindowWnd
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hWnd) override;

    // WindowImplBase
    void InitWindow() override;
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
    // WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW.
    static constexpr DWORD kWindowedStyle = 0x96CF0000;
    // WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN: no frame, no caption; the
    // layout shows the window again.
    static constexpr DWORD kFullScreenStyle = 0x86000000;

    // Full screen (form_game_full_screen.cpp).
    void EnterFullScreen();
    void LeaveFullScreen();

    // Hot keys, the notification-area icon and the boss key (form_game_boss_key.cpp).
    void RegisterHotKeys();
    void HideToTray();
    // Whether an icon was there and has been removed.
    bool RemoveTrayIcon();
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

    void CenterAndShow();
    // The engine has reported the browser: its window gets its place, and a
    // close that waited for it goes ahead.
    void OnBrowserCreated();
    // A close while the engine is still creating the browser: the engine
    // creates the browser's window in this one, and a window gone meanwhile
    // makes the engine end the whole program (a failed window creation is
    // fatal to it). The window hides and tells the login window at once, and
    // closes once the browser has been reported.
    void CloseOnceBrowserCreated();
    // Places the top bar and the browser's window for the window's size.
    void UpdateLayout();
    // The top bar spans the client width at its own height.
    void PlaceTopBar(SIZE client);
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
    NOTIFYICONDATAW m_trayIcon = {};
    // The last add of the icon succeeded and it has not been removed since.
    bool m_trayIconShown = false;
    // Hidden by the boss key: activation lays nothing out meanwhile.
    bool m_bossHidden = false;
    bool m_fullScreen = false;
    // The windowed placement, saved on entering full screen.
    WINDOWPLACEMENT m_savedPlacement = {};
    // The open full-screen bar, or null; it frees itself once its window is
    // gone, so it is reached only through its window handle.
    CDuiFormFullScreen* m_fullScreenBar = nullptr;
    HWND m_fullScreenBarWindow = nullptr;
    // The client of this window's browser; its list is written on the
    // engine's UI thread and read here on the main thread (it locks itself).
    CefRefPtr<GameClient> m_client;
    // The skin's top bar, found by InitWindow; no layout happens before.
    CControlUI* m_topBg = nullptr;
    // Global atoms; 0 while no such hot key is registered for this window.
    UINT m_fullScreenHotKeyId = 0;
    UINT m_bossHotKeyId = 0;
    // The boss key's registration succeeded: it can bring a hidden window back.
    bool m_bossHotKeyWorks = false;
    bool m_closeReported = false;
    // The engine has reported this window's browser (WM_BROWSER_CREATED).
    bool m_browserCreated = false;
    // A close came before the browser did; it is made again when the browser comes.
    bool m_closeWhenBrowserCreated = false;
    // A hot key fired while Alt was down, and Alt has not been released since.
    bool m_hotKeyWithAltDown = false;
    // Muted while the boss key hides the game.
    ProcessSound m_sound;
};
