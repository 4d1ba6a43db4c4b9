// A native window bound to an object: the window's messages reach the
// object's HandleMessage from its creation to its destruction.
#pragma once

#include <windows.h>

class CWindowWnd {
public:
    CWindowWnd();
    // Destroys a native window that still exists, without calling back into
    // the object being destroyed.
    virtual ~CWindowWnd();
    CWindowWnd(const CWindowWnd&) = delete;
    CWindowWnd& operator=(const CWindowWnd&) = delete;

    HWND GetHWND() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Registers the class named by GetWindowClassName (once per process) and
    // creates the window with parent (or owner), caption, styles, position,
    // size and menu. WS_CLIPCHILDREN is added to the styles, so the window
    // never paints over its child windows. Returns the handle, or null.
    HWND Create(HWND parent, const wchar_t* name, DWORD style, DWORD exStyle, int x = CW_USEDEFAULT,
                int y = CW_USEDEFAULT, int cx = CW_USEDEFAULT, int cy = CW_USEDEFAULT, HMENU menu = nullptr);
    // Shows the window as it is (normal, minimised or maximised), activating
    // it when takeFocus is set; or hides it.
    void ShowWindow(bool show = true, bool takeFocus = true);
    // Shows the window, disables its owner and runs this thread's messages
    // until the window has been destroyed or a quit message arrives. Returns
    // the quit message's exit code, else the code given to Close.
    // The quit message is used up: it is not posted again, so a message loop
    // around this one does not see it and goes on (the program's entry relies
    // on this to continue after the login window's loop).
    // The owner is enabled again only if it was enabled before (an outer loop
    // over the same owner keeps it disabled): when the window's close reaches
    // the default handling, before the window is destroyed, so that the owner
    // becomes the active window; else when the loop ends.
    UINT ShowModal();
    // Centres the window over its visible owner, else on the work area,
    // keeping it inside the work area.
    void CenterWindow();

    // Asks the window to close (WM_CLOSE, posted); code becomes ShowModal's result.
    virtual void Close(UINT code = IDOK);
    virtual const wchar_t* GetWindowClassName() const = 0;
    virtual UINT GetClassStyle() const;
    virtual LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    // The last message has been handled and the handle is gone; the object
    // may delete itself here.
    virtual void OnFinalMessage(HWND hWnd);

protected:
    // What the destructor does, for a derived class to do first in its own
    // destructor, so that nothing sent while its parts are destroyed reaches them.
    void DestroyDetached();

    HWND m_hWnd = nullptr;

private:
    bool RegisterWindowClass();
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    struct ModalLoop;
    // Enables the owner once, if the loop disabled it.
    static void EnableOwnerOf(ModalLoop& modal);

    // The state of a running ShowModal, or null.
    ModalLoop* m_modal = nullptr;
};
