#include "ui/xml_wnd.h"

#include "toolkit/control.h"

namespace {

constexpr wchar_t kWindowClassName[] = L"XMLWnd";

}  // namespace

CXMLWnd::CXMLWnd(const wchar_t* skinFile) : m_skinFile(skinFile) {}

CXMLWnd::~CXMLWnd() = default;

const wchar_t* CXMLWnd::GetWindowClassName() const
{
    return kWindowClassName;
}

CDuiString CXMLWnd::GetSkinFile()
{
    return m_skinFile;
}

CDuiString CXMLWnd::GetSkinFolder()
{
    return CDuiString();
}

bool CXMLWnd::SenderIs(const TNotifyUI& msg, const wchar_t* controlName)
{
    return msg.pSender && msg.pSender->GetName() == controlName;
}

std::wstring CXMLWnd::SenderName(const TNotifyUI& msg)
{
    return msg.pSender ? msg.pSender->GetName().GetData() : std::wstring();
}
