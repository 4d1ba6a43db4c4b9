// The login browser window: an owned top-level window that floats over the
// login window's frame and shows the login page in an embedded browser.
#pragma once

#include "browser/login_client.h"
#include "engine/cef_ref_ptr.h"
#include "ui/xml_wnd.h"

class CDuiFormLoginBrowser : public CXMLWnd {
public:
    // The login page's browser is created with this client.
    explicit CDuiFormLoginBrowser(CefRefPtr<LoginClient> client);

    // Keeps the window at its fixed offset from the login window's outer
    // top-left corner; only the position changes.
    void FollowLoginWindow(int left, int top);

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

    // Where the window sits from the login window's outer top-left corner.
    static constexpr POINT kOffsetFromLoginWindow = {483, 217};

private:
    CefRefPtr<LoginClient> m_client;
};
