// The launcher's login window with a stopwatch: it times each hand-over, from
// the login client's post of the game address (the message's time, taken as
// the engine reports the navigation) to the login window having handled it
// (the game window shown and painted).
#pragma once

#include "hand_over_times.h"

#include "ui/form_login.h"

class TimedLoginWindow : public CDuiFormLogin {
public:
    explicit TimedLoginWindow(HandOverTimes& times) : m_times(times) {}

    // CWindowWnd
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

private:
    HandOverTimes& m_times;
};
