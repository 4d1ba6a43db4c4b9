// Control notifications and their receivers.
#pragma once

#include <windows.h>

#include "toolkit/dui_string.h"

class CControlUI;

// Notification types the toolkit's own controls send.
inline constexpr wchar_t kNotifyClick[] = L"click";

struct TNotifyUI {
    CDuiString sType;
    CControlUI* pSender = nullptr;
    DWORD dwTimestamp = 0;
    POINT ptMouse = {};
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

class INotifyUI {
public:
    virtual void Notify(TNotifyUI& msg) = 0;

protected:
    ~INotifyUI() = default;
};
