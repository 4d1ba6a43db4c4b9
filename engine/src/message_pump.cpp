#include "message_pump.h"

namespace engine_internal {

bool DispatchWaitingMessages(int& quitExitCode)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitExitCode = static_cast<int>(message.wParam);
            return true;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return false;
}

bool ProcessMessagesUntil(const std::function<bool()>& done, HANDLE wake, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    bool quitSeen = false;
    int quitExitCode = 0;
    while (!done()) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            break;
        MsgWaitForMultipleObjectsEx(1, &wake, static_cast<DWORD>(deadline - now), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        int exitCode = 0;
        if (DispatchWaitingMessages(exitCode)) {
            quitSeen = true;
            quitExitCode = exitCode;
        }
    }
    if (quitSeen)
        PostQuitMessage(quitExitCode);
    return done();
}

}  // namespace engine_internal
