// The login browser window: an owned top-level window that floats over the
// login window's frame and shows the login page in an embedded browser.
#pragma once

#include "browser/login_client.h"
#include "engine/cef_ref_ptr.h"
#include "ui/xml_wnd.h"

class CDuiFormLoginBrowser : public CXMLWnd {
public:
    // The login page's browser is created with this client; the window is
    // laid out at the login window's DPI, so that it fits the frame drawn for
    // it, and made at its place beside the login window's outer top-left corner.
    CDuiFormLoginBrowser(CefRefPtr<LoginClient> client, POINT loginCorner, UINT loginDpi);

    // Keeps the window at its fixed offset from the login window's outer
    // top-left corner, both at the login window's DPI.
    void FollowLoginWindow(POINT loginCorner, UINT loginDpi);

    // CWindowWnd
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

    // WindowImplBase
    void InitWindow() override;
    RECT InitialRect(SIZE size) override;
    void OnClick(TNotifyUI& msg) override;

    // INotifyUI
    void Notify(TNotifyUI& msg) override;

    // IDialogBuilderCallback
    CControlUI* CreateControl(const wchar_t* className) override;

    NOTIFY_MAP_DECLARE()

    // Where the window sits from the login window's outer top-left corner,
    // in skin units (pixels at 96 DPI).
    static constexpr POINT kOffsetFromLoginWindow = {483, 217};

private:
    // The window's place beside the login window, at the login window's DPI.
    RECT PlaceBesideLoginWindow();
    // The browser's window, once the engine has made it, follows the window's size.
    void OnResized();

    CefRefPtr<LoginClient> m_client;
    POINT m_loginCorner;
    UINT m_loginDpi;
};
