#include "ui/form_login.h"

#include "engine/cef_app.h"

namespace {

constexpr wchar_t kSkinFile[] = L"FormLogin.xml";
constexpr int kProgramExitCode = 0;

}  // namespace

NOTIFY_MAP_BEGIN(CDuiFormLogin, CNotifyPump)
NOTIFY_MAP_ON_TYPE(kNotifyClick, &CDuiFormLogin::OnClick)
NOTIFY_MAP_END()

CDuiFormLogin::CDuiFormLogin() : CXMLWnd(kSkinFile) {}

void CDuiFormLogin::OnClick(TNotifyUI& msg)
{
    if (SenderIs(msg, kCloseButtonName)) {
        // The engine goes first; the quit message then ends the entry's modal loop.
        CefShutdown();
        CefQuitMessageLoop();
        PostQuitMessage(kProgramExitCode);
    }
    WindowImplBase::OnClick(msg);
}

void CDuiFormLogin::Notify(TNotifyUI& msg)
{
    WindowImplBase::Notify(msg);
}

CControlUI* CDuiFormLogin::CreateControl(const wchar_t* className)
{
    return nullptr;
}
