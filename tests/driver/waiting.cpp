// Waiting for conditions while the calling thread's windows keep working.
#include "driver.h"

namespace driver {
namespace {

// How often a condition is looked at when no message wakes the wait earlier.
constexpr DWORD kPollIntervalMs = 10;

// Dispatches what is queued for the calling thread. A quit message ends the
// dispatching and is kept, so the thread's own loop still sees it.
void DispatchPending(bool* quitSeen, WPARAM* quitCode)
{
    MSG message;
    while (!*quitSeen && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            *quitSeen = true;
            *quitCode = message.wParam;
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Sleeps until a message arrives or the time has passed.
void WaitForMessage(DWORD milliseconds, bool quitSeen)
{
    if (quitSeen)
        Sleep(milliseconds);
    else
        MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

DWORD Elapsed(DWORD since)
{
    return GetTickCount() - since;
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    bool quitSeen = false;
    WPARAM quitCode = 0;
    bool met = false;
    for (;;) {
        DispatchPending(&quitSeen, &quitCode);
        met = condition();
        const DWORD elapsed = Elapsed(start);
        if (met || elapsed >= timeoutMs)
            break;
        const DWORD left = timeoutMs - elapsed;
        WaitForMessage(left < kPollIntervalMs ? left : kPollIntervalMs, quitSeen);
    }
    if (quitSeen)
        PostQuitMessage(static_cast<int>(quitCode));
    return met;
}

void PumpMessagesFor(DWORD milliseconds)
{
    WaitFor([] { return false; }, milliseconds);
}

}  // namespace driver
