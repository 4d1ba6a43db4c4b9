// Starting and ending the engine.
#include "engine/cef_app.h"

#include "api_version.h"
#include "bridges.h"
#include "capi/capi_app.h"
#include "engine_state.h"
#include "open_browsers.h"
#include "shutdown_announcement.h"
#include "ui_thread_work.h"
#include "value_interop.h"

#include <windows.h>

#include <atomic>
#include <cstring>

namespace engine_internal {

namespace {

// Read on any thread, written on the main thread.
std::atomic<EngineMode> g_engineMode{EngineMode::kNotStarted};

// How long the shut-down waits for open browsers to close. A close takes well
// under a second; past this the engine is ended with them open.
constexpr DWORD kBrowserCloseTimeoutMs = 10000;
// How long it waits for the engine's UI thread to reach a task; it takes
// milliseconds unless a browser is being created (a few hundred).
constexpr DWORD kUiThreadWorkTimeoutMs = 10000;

}  // namespace

EngineMode CurrentEngineMode()
{
    return g_engineMode.load();
}

void SetEngineMode(EngineMode mode)
{
    g_engineMode.store(mode);
}

bool ApiHashMatches(const char* expectedApiHash)
{
    const char* actual = cef_api_hash(0);
    return actual && expectedApiHash && std::strcmp(actual, expectedApiHash) == 0;
}

int ExecuteProcessIfCompatible(const CefMainArgs& args, CefRefPtr<CefApp> application, void* windowsSandboxInfo,
                               const char* expectedApiHash)
{
    if (!ApiHashMatches(expectedApiHash))
        return 0;
    const cef_main_args_t engineArgs = EngineView(args);
    return cef_execute_process(&engineArgs, NewEngineReference(application), windowsSandboxInfo);
}

}  // namespace engine_internal

int CefExecuteProcess(const CefMainArgs& args, CefRefPtr<CefApp> application, void* windowsSandboxInfo)
{
    return engine_internal::ExecuteProcessIfCompatible(args, application, windowsSandboxInfo,
                                                       engine_internal::kEngineApiHash);
}

void CefEnableHighDPISupport()
{
    cef_enable_highdpi_support();
}

bool EngineLibraryMatches()
{
    return engine_internal::ApiHashMatches(engine_internal::kEngineApiHash);
}

bool CefInitialize(const CefMainArgs& args, const CefSettings& settings, CefRefPtr<CefApp> application,
                   void* windowsSandboxInfo)
{
    using namespace engine_internal;
    if (CurrentEngineMode() != EngineMode::kNotStarted)
        return false;
    const cef_main_args_t engineArgs = EngineView(args);
    const cef_settings_t engineSettings = EngineView(settings);
    const bool started =
        cef_initialize(&engineArgs, &engineSettings, NewEngineReference(application), windowsSandboxInfo) != 0;
    if (!started)
        SetEngineMode(EngineMode::kEnded);
    else if (settings.multi_threaded_message_loop)
        SetEngineMode(EngineMode::kMultiThreadedLoop);
    else
        SetEngineMode(EngineMode::kSingleThreadedLoop);
    return started;
}

void CefShutdown()
{
    using namespace engine_internal;
    const EngineMode mode = CurrentEngineMode();
    if (mode != EngineMode::kSingleThreadedLoop && mode != EngineMode::kMultiThreadedLoop)
        return;
    // The engine's shut-down waits for its UI thread without processing this
    // thread's messages, and the UI thread's window work sends to windows of
    // this thread (a new browser's window takes the focus from them, a closing
    // one tells its parent): so that nothing is left for it then, a browser
    // creation still under way is finished first, every browser is closed,
    // and what the closes left to do is done, all while this thread answers.
    if (mode == EngineMode::kMultiThreadedLoop) {
        FinishUiThreadWork(kUiThreadWorkTimeoutMs);
        const bool browsersClosed = CloseOpenBrowsers(kBrowserCloseTimeoutMs);
        // A browser left open is the program's failure, not the engine's: it
        // is said here, before the engine's call is announced, so that the
        // test runner can never take it for the engine's own shut-down fault.
        if (!browsersClosed)
            OutputDebugStringA(kBrowsersStillOpenAtShutdown);
        FinishUiThreadWork(kUiThreadWorkTimeoutMs);
    }
    SetEngineMode(EngineMode::kEnded);
    OutputDebugStringA(kEngineShutdownBegins);
    cef_shutdown();
    OutputDebugStringA(kEngineShutdownEnds);
}
