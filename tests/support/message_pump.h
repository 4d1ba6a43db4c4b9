// Waiting in tests on a thread that owns windows: the thread's messages keep
// being processed while it waits, so windows of other threads (such as the
// engine's) that send messages to them are not blocked.
#pragma once

#include <windows.h>

#include <functional>

namespace testsupport {

// Calls condition until it returns true or timeoutMs has passed, processing
// the calling thread's messages in between. Returns whether it became true.
bool WaitWhilePumping(const std::function<bool()>& condition, DWORD timeoutMs);

// Processes the calling thread's messages for the given time.
void PumpFor(DWORD milliseconds);

}  // namespace testsupport
