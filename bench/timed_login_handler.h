// The launcher's login client with a stopwatch: it times each hand-over it
// makes, from the engine's report of a game address to the login window
// having handled it (the game window shown and painted).
#pragma once

#include "browser/simple_handler.h"
#include "hand_over_times.h"

class TimedLoginHandler : public SimpleHandler {
public:
    explicit TimedLoginHandler(HandOverTimes& times) : m_times(times) {}

    // CefRequestHandler; engine UI thread.
    bool OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                        bool isRedirect) override;

private:
    HandOverTimes& m_times;
};
