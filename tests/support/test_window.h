// A real top-level window owned by the test's thread, for hosting browsers.
#pragma once

#include <windows.h>

namespace testsupport {

class TestWindow {
public:
    // A visible overlapped window of the given client size. Closing it
    // (WM_CLOSE, as the engine sends when a browser in it closes) destroys it.
    TestWindow(int clientWidth, int clientHeight);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND handle() const { return window_; }
    // Whether the native window still exists.
    bool IsOpen() const { return IsWindow(window_) != FALSE; }

private:
    HWND window_ = nullptr;
};

}  // namespace testsupport
