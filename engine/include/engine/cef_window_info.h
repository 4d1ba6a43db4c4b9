// How the engine creates a browser's window. Members keep the engine's names.
#pragma once

#include "engine/cef_string.h"

#include <windows.h>

struct CefWindowInfo {
    // A visible child window of parent covering rect (in the parent's client coordinates).
    void SetAsChild(HWND parent, const RECT& rect);
    // A visible top-level pop-up window owned by parent, with the given caption
    // and the system's default position and size.
    void SetAsPopup(HWND parent, const CefString& windowName);

    DWORD ex_style = 0;
    CefString window_name;
    DWORD style = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    HWND parent_window = nullptr;
    HMENU menu = nullptr;
    int windowless_rendering_enabled = 0;
    int transparent_painting_enabled = 0;
    // The browser's own window, filled in by the engine.
    HWND window = nullptr;
};
