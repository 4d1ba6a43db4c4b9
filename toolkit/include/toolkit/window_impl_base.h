// A frameless window skinned from an XML file, laid out at its DPI (at a
// lower one when the skin's size at the system's would not fit the work
// area; not below 96): the skin's caption area
// drags it while its styles have a caption (WS_CAPTION), the skin's size box
// resizes it while they have a sizing border (WS_THICKFRAME) and it is not
// maximised, maximised it fills the work area, and
// the buttons "closebtn", "minbtn", "maxbtn" and "restorebtn" work without
// any code of the window's own.
//
// Every message goes first to its handler slot below (or to
// HandleCustomMessage), then to the paint manager, then to the system. A
// handler that leaves handled TRUE ends the processing with its result;
// the toolkit's own handlers mostly set it to FALSE and let it go on.
// A window that overrides HandleMessage calls WindowImplBase::HandleMessage
// first and returns its result.
#pragma once

#include <thread>

#include "toolkit/dialog_builder_callback.h"
#include "toolkit/dui_string.h"
#include "toolkit/message_filter.h"
#include "toolkit/notify_pump.h"
#include "toolkit/paint_manager.h"
#include "toolkit/window_wnd.h"

// Names of the controls the default click handling acts on.
inline constexpr wchar_t kCloseButtonName[] = L"closebtn";
inline constexpr wchar_t kMinimizeButtonName[] = L"minbtn";
inline constexpr wchar_t kMaximizeButtonName[] = L"maxbtn";
inline constexpr wchar_t kRestoreButtonName[] = L"restorebtn";

class WindowImplBase : public CWindowWnd,
                       public CNotifyPump,
                       public INotifyUI,
                       public IMessageFilterUI,
                       public IDialogBuilderCallback {
public:
    WindowImplBase();
    // Destroys a native window that still exists before the paint manager and
    // its controls, without calling back into the object.
    ~WindowImplBase() override;

    CPaintManagerUI& GetPaintManager() { return m_pm; }

    // Reads a skin without any window, so that the thread's windows opened
    // later with it find its pictures decoded.
    static void PreloadSkin(const CDuiString& folder, const CDuiString& file);
    // The same on a thread of its own, which hands the pictures over to the
    // thread that opens a window with them first. Wait() before that window.
    class BackgroundSkinPreload {
    public:
        BackgroundSkinPreload(const CDuiString& folder, const CDuiString& file);
        // Waits, if Wait() was not called.
        ~BackgroundSkinPreload();
        BackgroundSkinPreload(const BackgroundSkinPreload&) = delete;
        BackgroundSkinPreload& operator=(const BackgroundSkinPreload&) = delete;
        void Wait();

    private:
        std::thread m_thread;
    };

    // CWindowWnd
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

    // Called once the skin has been built, before Create returns.
    virtual void InitWindow();
    // Where a skin that gives its size puts the window as it is created, from
    // that size in pixels at the window's DPI; before InitWindow. By default
    // where the system put the window, at that size.
    virtual RECT InitialRect(SIZE size);
    // "closebtn" closes the window; "minbtn", "maxbtn" and "restorebtn" send
    // the minimise, maximise and restore system commands. Other names: nothing.
    virtual void OnClick(TNotifyUI& msg);
    // Keys the window answers by default when nothing else took them; returns
    // whether the key was used. It uses none: Escape and Return close nothing.
    virtual LRESULT ResponseDefaultKeyEvent(WPARAM wParam);

    // The skin file is GetResourcePath() + GetSkinFolder() + GetSkinFile().
    virtual CDuiString GetSkinFolder() = 0;
    virtual CDuiString GetSkinFile() = 0;

    // Handler slots.
    virtual LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnNcActivate(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnNcCalcSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnWindowPosChanging(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnNcPaint(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnNcHitTest(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnGetMinMaxInfo(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnMouseWheel(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnMouseHover(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnChar(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnKeyDown(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnKillFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnSetFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnLButtonDown(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnLButtonUp(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnMouseMove(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    // The window has moved to a monitor of another DPI (WM_DPICHANGED): the
    // skin is laid out at the new DPI and the window takes the rectangle the
    // system suggests, which keeps it where it was dragged.
    virtual void OnDpiChanged(UINT dpi, const RECT& suggested);
    // Every message without a slot of its own; nothing by default.
    virtual LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);

    // INotifyUI: routes through the window's message map.
    void Notify(TNotifyUI& msg) override;
    // IMessageFilterUI: offers key presses to ResponseDefaultKeyEvent.
    LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& handled) override;
    // IDialogBuilderCallback: knows no control types beyond the toolkit's.
    CControlUI* CreateControl(const wchar_t* className) override;

    NOTIFY_MAP_DECLARE()

protected:
    CPaintManagerUI m_pm;

private:
    void ShowMaximizedState(bool maximized);
};
