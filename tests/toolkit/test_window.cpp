#include "test_window.h"

#include <gtest/gtest.h>

#include "toolkit/control.h"

namespace {

constexpr wchar_t kTestWindowClass[] = L"ToolkitTestWnd";
constexpr wchar_t kCaption[] = L"Toolkit test";
// Pixels between a control's left edge and the spot whose colour tests read.
constexpr LONG kSpotInset = 4;

}  // namespace

void UseTestSkins()
{
    CPaintManagerUI::SetResourcePath(CPaintManagerUI::GetInstancePath() + kTestSkinFolder);
}

std::wstring ProblemsOf(CPaintManagerUI& manager)
{
    std::wstring all;
    for (const CDuiString& problem : manager.GetSkinProblems()) {
        all += problem.Str() + L"\n";
    }
    return all;
}

bool Contains(const std::wstring& text, const wchar_t* part)
{
    return text.find(part) != std::wstring::npos;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

void PrintTo(const CDuiString& text, std::ostream* os)
{
    *os << ::testing::PrintToString(text.Str());
}

NOTIFY_MAP_BEGIN(TestWindow, CNotifyPump)
NOTIFY_MAP_ON_TYPE(kNotifyClick, &TestWindow::OnClick)
NOTIFY_MAP_END()

TestWindow::TestWindow(const wchar_t* skinFile, bool createsCustomControls)
    : m_skinFile(skinFile), m_createsCustomControls(createsCustomControls)
{
}

HWND TestWindow::CreateTopLevel(HWND owner)
{
    return Create(owner, kCaption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, WS_EX_APPWINDOW | WS_EX_WINDOWEDGE);
}

POINT TestWindow::ScreenCentreOf(const wchar_t* name)
{
    const RECT rc = Find(name)->GetPos();
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ClientToScreen(m_hWnd, &pt);
    return pt;
}

POINT TestWindow::ScreenSpotOf(const wchar_t* name)
{
    const RECT rc = Find(name)->GetPos();
    POINT pt = {rc.left + kSpotInset, (rc.top + rc.bottom) / 2};
    ClientToScreen(m_hWnd, &pt);
    return pt;
}

const wchar_t* TestWindow::GetWindowClassName() const
{
    return kTestWindowClass;
}

LRESULT TestWindow::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_PAINT) {
        RECT update = {};
        GetUpdateRect(m_hWnd, &update, FALSE);
        paintedRects.push_back(update);
    } else if (uMsg == WM_KEYDOWN) {
        keysDown.push_back(wParam);
    }
    return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
}

void TestWindow::OnFinalMessage(HWND)
{
    ++finalMessages;
}

CDuiString TestWindow::GetSkinFolder()
{
    return CDuiString();
}

CDuiString TestWindow::GetSkinFile()
{
    return m_skinFile;
}

void TestWindow::InitWindow()
{
    initWindowRan = true;
    treeBuiltAtInit = m_pm.GetRoot() != nullptr;
    GetWindowRect(m_hWnd, &rectAtInit);
}

void TestWindow::OnClick(TNotifyUI& msg)
{
    clickedNames.push_back(msg.pSender->GetName().Str());
    clickedSenders.push_back(msg.pSender);
    if (msg.pSender->GetName() == kListedButton) {
        ++listedActions;
        if (onListedClick) {
            onListedClick();
        }
    }
    WindowImplBase::OnClick(msg);
}

CControlUI* TestWindow::CreateControl(const wchar_t* className)
{
    if (m_createsCustomControls && CDuiString(className) == kCustomType) {
        return new CControlUI;
    }
    return WindowImplBase::CreateControl(className);
}
