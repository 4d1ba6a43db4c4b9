// The login window: the launcher's first window, run modally by the process
// entry. Its close button ends the program.
#pragma once

#include "ui/xml_wnd.h"

class CDuiFormLogin : public CXMLWnd {
public:
    CDuiFormLogin();

    // WindowImplBase
    void OnClick(TNotifyUI& msg) override;

    // INotifyUI
    void Notify(TNotifyUI& msg) override;

    // IDialogBuilderCallback
    CControlUI* CreateControl(const wchar_t* className) override;

    NOTIFY_MAP_DECLARE()
};
