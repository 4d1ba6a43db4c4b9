// The login window: the launcher's first window, run modally by the
// application. The login browser window floats over its frame; a game address
// handed over by the login browser's client opens the game window, and the
// game window's close brings both back. Closing this window ends the program.
#pragma once

#include "browser/login_client.h"
#include "engine/cef_ref_ptr.h"
#include "ui/xml_wnd.h"

#include <memory>
#include <string>
#include <vector>

class CDuiFormGame;
class CDuiFormLoginBrowser;

class CDuiFormLogin : public CXMLWnd {
public:
    CDuiFormLogin();

    // Reads the window's skin and decodes its pictures on a thread of its own
    // (while the engine starts); the window, made after it ends, uses them.
    static std::unique_ptr<BackgroundSkinPreload> PreloadSkinInBackground();

    // CWindowWnd
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

    // WindowImplBase
    void InitWindow() override;
    void OnClick(TNotifyUI& msg) override;

    // INotifyUI
    void Notify(TNotifyUI& msg) override;

    // IDialogBuilderCallback
    CControlUI* CreateControl(const wchar_t* className) override;

    NOTIFY_MAP_DECLARE()

private:
    void OnMoved();
    void OnFocused();
    // Snapping and maximising would stretch the art away from the login
    // browser window: the window keeps the size its skin draws.
    void OnMinMaxInfo(MINMAXINFO* info);
    void OnOpenGame(const std::wstring& address);
    void OnGameClosed();
    void OnPreloadGameSkin();
    // The login page asked for addresses that open outside the launcher.
    void OnOpenOutside(const std::vector<std::wstring>& addresses);
    // Sends the login browser back to the login page.
    void ReloadLoginPage();
    void OpenGameWindow(const std::wstring& address);

    // The login browser's client; it hands game addresses to this window.
    CefRefPtr<LoginClient> m_loginClient;
    // Created once by InitWindow; destroyed with this window, never deleted here.
    CDuiFormLoginBrowser* m_loginBrowser = nullptr;
    // The open game window, or null. It frees itself once its window is gone,
    // after telling this window (WM_GAME_CLOSED), which only compares this
    // pointer with null from then on.
    CDuiFormGame* m_gameForm = nullptr;
};
