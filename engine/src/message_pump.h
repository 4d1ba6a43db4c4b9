// Processing the calling thread's window messages while it waits for the
// engine: the engine's windows send to the launcher's windows on this thread
// and wait for the answer.
#pragma once

#include <windows.h>

#include <functional>

namespace engine_internal {

// Dispatches every waiting message. A WM_QUIT is not dispatched: its exit
// code goes to quitExitCode and true is returned at once.
bool DispatchWaitingMessages(int& quitExitCode);

// Processes the calling thread's messages until done() returns true or
// timeoutMs has passed, checking done() again whenever a message arrives or
// wake is set. A WM_QUIT seen meanwhile ends no wait: it is posted again at
// the end, for the caller's own loop. Returns done().
bool ProcessMessagesUntil(const std::function<bool()>& done, HANDLE wake, DWORD timeoutMs);

}  // namespace engine_internal
