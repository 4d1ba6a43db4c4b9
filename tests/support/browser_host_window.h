// A real top-level window owned by the test's thread, for hosting one browser
// as a child that fills its client area.
#pragma once

#include "engine/cef_window_info.h"

#include <windows.h>

namespace testsupport {

class BrowserHostWindow {
public:
    // The client size, and so the browser's, in every engine test.
    static constexpr int kClientWidth = 627;
    static constexpr int kClientHeight = 406;

    // A visible overlapped window. Closing it (WM_CLOSE, as the engine sends
    // when a browser in it closes) destroys it.
    BrowserHostWindow();
    ~BrowserHostWindow();
    BrowserHostWindow(const BrowserHostWindow&) = delete;
    BrowserHostWindow& operator=(const BrowserHostWindow&) = delete;

    HWND handle() const { return window_; }
    // Whether the native window still exists.
    bool IsOpen() const { return IsWindow(window_) != FALSE; }
    // Makes the browser created with it a child filling the client area.
    CefWindowInfo ChildBrowserInfo() const;

private:
    HWND window_ = nullptr;
};

}  // namespace testsupport
