// The game window's full-screen mode: the placement saved on entering, the
// window made to cover the monitor it is on, and the full-screen bar at that
// monitor's top, open exactly while the mode is on and closed by the
// destructor at the latest.
#pragma once

#include <windows.h>

class CDuiFormFullScreen;

class FullScreenMode {
public:
    // windowedStyle: the style the window gets back on leaving.
    explicit FullScreenMode(DWORD windowedStyle);
    ~FullScreenMode();
    FullScreenMode(const FullScreenMode&) = delete;
    FullScreenMode& operator=(const FullScreenMode&) = delete;

    bool IsOn() const { return m_on; }
    // Saves the window's placement and covers its monitor with it.
    void Enter(HWND game);
    // Opens a bar of that size (in pixels) at the top of the window's
    // monitor, once the window is laid out.
    void OpenBar(HWND game, SIZE barSize);
    // Gives the window its windowed style and saved placement back and closes
    // the bar; also when the mode is off, where there is no bar to close. A
    // placement on a monitor that has gone meanwhile goes to the nearest one,
    // made smaller where it must be, not below minimum.
    void Leave(HWND game, SIZE minimum);
    // The bar hides with the game window (the boss key) and comes back with it.
    void ShowBar(bool shown);
    // Keeps the window over its monitor (the nearest one, when that monitor
    // has gone), without frame or caption.
    void Cover(HWND game) const;

private:
    void CloseBar();

    const DWORD m_windowedStyle;
    bool m_on = false;
    // The windowed placement, saved on entering; its length is 0 until then.
    WINDOWPLACEMENT m_savedPlacement = {};
    // The open bar, or null; it frees itself once its window is gone, so it is
    // reached only through its window handle.
    CDuiFormFullScreen* m_bar = nullptr;
    HWND m_barWindow = nullptr;
};
