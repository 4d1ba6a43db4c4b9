// The launcher's browser process from start to end: the engine's files and
// version checked, OLE, the engine session, the login window and its loop,
// and the one way out, whichever window or system request ends the program.
#pragma once

#include "browser/simple_app.h"
#include "engine/cef_main_args.h"
#include "engine/cef_ref_ptr.h"

#include <windows.h>

class LauncherApp {
public:
    explicit LauncherApp(HINSTANCE instance);
    LauncherApp(const LauncherApp&) = delete;
    LauncherApp& operator=(const LauncherApp&) = delete;

    // Runs this process: an engine sub-process is handed to the engine at
    // once; the browser process runs until its login window has gone.
    // Returns the process's exit code.
    int Run();

private:
    // The browser process once the engine's files are known to be there.
    int RunBrowserProcess();

    const HINSTANCE m_instance;
    const CefMainArgs m_mainArgs;
    CefRefPtr<SimpleApp> m_engineApp;
};
