// The login browser window: an owned top-level window that floats over the
// login window's frame and shows the login page in an embedded browser.
#pragma once

#include "browser/login_client.h"
#include "engine/cef_ref_ptr.h"
#include "ui/xml_wnd.h"

class CDuiFormLoginBrowser : public CXMLWnd {
public:
    // The login page's browser is created with this client; the window is
    // laid out at the login window's DPI, so that it fits the frame drawn for it.
    CDuiFormLoginBrowser(CefRefPtr<LoginClient> client, UINT loginDpi);

    // Keeps the window at its fixed offset from the login window's outer
    // top-left corner, both at the login window's DPI.
    void FollowLoginWindow(POINT loginCorner, UINT loginDpi);

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

    // Where the window sits from the login window's outer top-left corner,
    // in skin units (pixels at 96 DPI).
    static constexpr POINT kOffsetFromLoginWindow = {483, 217};

private:
    // The browser's window, once the engine has made it, follows the window's size.
    void OnResized();

    CefRefPtr<LoginClient> m_client;
    UINT m_loginDpi;
};
