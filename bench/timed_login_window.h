// The launcher's login window with a stopwatch: it starts the stopwatch at
// the login client's post of the game address (the message's time, taken as
// the engine reports the navigation); the stopwatch stops at the game
// window's first paint.
#pragma once

#include "first_paint_stopwatch.h"

#include "ui/form_login.h"

class TimedLoginWindow : public CDuiFormLogin {
public:
    explicit TimedLoginWindow(FirstPaintStopwatch& stopwatch) : m_stopwatch(stopwatch) {}

    // CWindowWnd
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

private:
    FirstPaintStopwatch& m_stopwatch;
};
