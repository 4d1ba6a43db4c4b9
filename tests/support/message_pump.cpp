#include "message_pump.h"

namespace testsupport {

namespace {

// How often a waiting thread looks at its condition when no message arrives.
constexpr DWORD kPollIntervalMs = 20;

void DispatchWaitingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

bool WaitWhilePumping(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        DispatchWaitingMessages();
        if (condition())
            return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return false;
        const DWORD wait = static_cast<DWORD>(deadline - now < kPollIntervalMs ? deadline - now : kPollIntervalMs);
        MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

void PumpFor(DWORD milliseconds)
{
    WaitWhilePumping([] { return false; }, milliseconds);
}

}  // namespace testsupport
