// The base of every launcher window: one window class for all of them and a
// skin file named at construction, read straight from the resource folder.
#pragma once

#include "toolkit/window_impl_base.h"

#include <string>

class CXMLWnd : public WindowImplBase {
public:
    explicit CXMLWnd(const wchar_t* skinFile);
    ~CXMLWnd() override;

    // CWindowWnd
    const wchar_t* GetWindowClassName() const override;

    // WindowImplBase
    CDuiString GetSkinFile() override;
    CDuiString GetSkinFolder() override;

protected:
    // Whether the notification came from the control with this name.
    static bool SenderIs(const TNotifyUI& msg, const wchar_t* controlName);
    // The name of the control the notification came from; empty when none.
    static std::wstring SenderName(const TNotifyUI& msg);

private:
    CDuiString m_skinFile;
};
