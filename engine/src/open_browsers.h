// The browsers the engine reported as created through a life-span handler and
// has not yet reported as closed: the message loop ends when none is left, and
// the engine is shut down only once they are closed.
#pragma once

#include "engine/cef_browser.h"

#include <windows.h>

namespace engine_internal {

// Both are called on the engine's UI thread.
void NoteBrowserCreated(CefRefPtr<CefBrowser> browser);
void NoteBrowserClosed(int browserIdentifier);

// Main thread: asks every open browser to close and processes the calling
// thread's messages (a closing browser's window talks to its parent, which
// lives on this thread) until their closes have arrived or timeoutMs has
// passed. A quit message seen meanwhile is posted again at the end. Returns
// whether no browser is left open.
bool CloseOpenBrowsers(DWORD timeoutMs);

}  // namespace engine_internal
