// The game window: a skinned 1250 x 700 frame with a top bar of buttons over
// an embedded browser that shows the game page. The login window opens it;
// however it closes, it tells the login window (WM_GAME_CLOSED) once, and the
// object frees itself once its native window is gone.
#pragma once

#include "browser/simple_handler.h"
#include "engine/cef_ref_ptr.h"
#include "ui/xml_wnd.h"

#include <string>

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
    void CenterAndShow();
    // Places the top bar and the browser's window for the window's size.
    void UpdateLayout();
    // The browser's own window while it is alive and still a child of this
    // window; null before the engine has reported the browser and after its
    // window has gone.
    HWND LiveBrowserWindow();
    bool CanLayOut() const;
    // Posts WM_GAME_CLOSED to the owner, the first time only.
    void ReportClosed();

    HWND m_ownerWindow = nullptr;
    std::wstring m_gameUrl;
    // The client of this window's browser; its list is written on the
    // engine's UI thread and read here on the main thread (it locks itself).
    CefRefPtr<SimpleHandler> m_client;
    // The skin's top bar, found by InitWindow; no layout happens before.
    CControlUI* m_topBg = nullptr;
    bool m_closeReported = false;
};
