// Letting the engine's UI thread finish what it was given before the engine
// is shut down.
#pragma once

#include <windows.h>

namespace engine_internal {

// Main thread, multi-threaded message loop: posts a task to the engine's UI
// thread and processes the calling thread's messages until the task has run
// or timeoutMs has passed (a quit message seen meanwhile is posted again at
// the end). The UI thread runs its tasks in order, so on true the work posted
// to it before is done: a browser creation under way, and what a browser's
// close left to do. That work may send to windows of this thread and wait for
// their answer, which the engine's shut-down would never give.
bool FinishUiThreadWork(DWORD timeoutMs);

}  // namespace engine_internal
