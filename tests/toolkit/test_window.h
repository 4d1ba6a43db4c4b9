// A skinned window for the toolkit's tests: it records what reached it.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "toolkit/window_impl_base.h"

// The folder beside the test program that holds the test skins.
inline constexpr wchar_t kTestSkinFolder[] = L"toolkit-skins";

// Points the toolkit at the test skins.
void UseTestSkins();

// Every skin problem of the window, one a line.
std::wstring ProblemsOf(CPaintManagerUI& manager);
bool Contains(const std::wstring& text, const wchar_t* part);
bool SameRect(const RECT& a, const RECT& b);

// Readable failure messages for the toolkit's string.
void PrintTo(const CDuiString& text, std::ostream* os);

class TestWindow : public WindowImplBase {
public:
    // The one name the window's OnClick acts on itself.
    static constexpr wchar_t kListedButton[] = L"listedbtn";
    // The control type the window creates itself when allowed to.
    static constexpr wchar_t kCustomType[] = L"Gauge";

    explicit TestWindow(const wchar_t* skinFile, bool createsCustomControls = false);

    // A visible top-level window with the launcher's usual styles.
    HWND CreateTopLevel(HWND owner = nullptr);
    CPaintManagerUI& Manager() { return m_pm; }
    CControlUI* Find(const wchar_t* name) { return m_pm.FindControl(name); }
    // The control's centre in screen coordinates.
    POINT ScreenCentreOf(const wchar_t* name);
    // A screen point inside the control near its left edge, clear of centred text.
    POINT ScreenSpotOf(const wchar_t* name);

    // What the window saw.
    bool initWindowRan = false;
    bool treeBuiltAtInit = false;
    RECT rectAtInit = {};
    std::vector<std::wstring> clickedNames;
    std::vector<CControlUI*> clickedSenders;
    int listedActions = 0;
    // Runs for each click on the listed button.
    std::function<void()> onListedClick;
    std::vector<WPARAM> keysDown;
    int finalMessages = 0;
    std::vector<RECT> paintedRects;

    // CWindowWnd
    const wchar_t* GetWindowClassName() const override;
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hWnd) override;

    // WindowImplBase
    CDuiString GetSkinFolder() override;
    CDuiString GetSkinFile() override;
    void InitWindow() override;
    void OnClick(TNotifyUI& msg) override;

    // IDialogBuilderCallback
    CControlUI* CreateControl(const wchar_t* className) override;

    NOTIFY_MAP_DECLARE()

private:
    CDuiString m_skinFile;
    bool m_createsCustomControls;
};
