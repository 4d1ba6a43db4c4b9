// Times hand-overs from the message that starts one to the end of the first
// paint of a game window while it is visible: what the player waits for. A
// hook on the main thread sees each sent WM_PAINT return (UpdateWindow's,
// which is how both the launcher's game window and the plain one paint
// first), whichever window class handled it, so both are timed the same way.
// A first paint the hook cannot see leaves its hand-over untimed, which the
// bench reports as a failure. Main thread only; one at a time.
#pragma once

#include "hand_over_times.h"

#include <windows.h>

#include <functional>

class FirstPaintStopwatch {
public:
    FirstPaintStopwatch(HandOverTimes& times, std::function<bool(HWND)> isGameWindow);
    ~FirstPaintStopwatch();
    FirstPaintStopwatch(const FirstPaintStopwatch&) = delete;
    FirstPaintStopwatch& operator=(const FirstPaintStopwatch&) = delete;

    // startTick: the tick count the hand-over's message was posted at
    // (GetMessageTime while handling it).
    void Start(LONG startTick);

private:
    static LRESULT CALLBACK AfterWindowProcedure(int code, WPARAM wParam, LPARAM lParam);
    void OnPainted(HWND window);

    HandOverTimes& m_times;
    std::function<bool(HWND)> m_isGameWindow;
    HHOOK m_hook = nullptr;
    bool m_started = false;
    LONG m_startTick = 0;
};
