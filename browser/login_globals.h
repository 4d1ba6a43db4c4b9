// The process-wide values through which the login window and the browser
// clients meet.
#pragma once

#include "browser/simple_handler.h"
#include "engine/cef_ref_ptr.h"

#include <windows.h>

// The login window, target of WM_OPEN_GAME. Written once by the process entry
// on the main thread, right after the window is created and before any
// browser exists; read by the engine's UI thread afterwards.
extern HWND g_hLoginWnd;

// The client of the login page's browser; created during static
// initialisation in every process started from the executable.
extern CefRefPtr<SimpleHandler> g_loginHandler;
