// The full-screen bar: a small window at the top centre of the game window's
// monitor while the game window is in full screen. It slides up out of view three seconds
// after it was placed in view, and back when the pointer touches its last
// pixel row. Its button and Escape ask the game window to leave full screen.
// It frees itself once its window is gone.
#pragma once

#include "ui/xml_wnd.h"

class CDuiFormFullScreen : public CXMLWnd {
public:
    CDuiFormFullScreen();

    // The window asked to leave full screen (WM_EXIT_FULLSCREEN); written
    // right after the bar's window has been created.
    void SetGameWindow(HWND gameWindow);

    // CWindowWnd
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hWnd) override;

    // WindowImplBase
    void InitWindow() override;
    void OnClick(TNotifyUI& msg) override;
    LRESULT ResponseDefaultKeyEvent(WPARAM wParam) override;
    LRESULT OnNcHitTest(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
    LRESULT OnMouseMove(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;

    // INotifyUI
    void Notify(TNotifyUI& msg) override;

    // IDialogBuilderCallback
    CControlUI* CreateControl(const wchar_t* className) override;

    NOTIFY_MAP_DECLARE()

private:
    void OnSlideTimer();
    void SlideHidden(bool hidden);
    void AskToLeaveFullScreen();

    HWND m_gameWindow = nullptr;
    // Slid down into view by the pointer; the timer hides it again.
    bool m_revealed = false;
};
