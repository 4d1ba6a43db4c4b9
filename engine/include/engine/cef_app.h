// The application object handed to the engine in every process, and the
// engine's process-level functions.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_browser_process_handler.h"
#include "engine/cef_command_line.h"
#include "engine/cef_main_args.h"
#include "engine/cef_render_process_handler.h"
#include "engine/cef_resource_bundle_handler.h"
#include "engine/cef_scheme.h"
#include "engine/cef_settings.h"
#include "engine/cef_string.h"

#include <memory>

namespace engine_internal {
struct AppBridge;
}

// Defaults change nothing and hand out no handler.
class CefApp : public virtual CefBase {
public:
    // Called in every process before the engine reads its command line, which
    // may be changed here; processType is empty in the browser process.
    virtual void OnBeforeCommandLineProcessing(const CefString& processType, CefRefPtr<CefCommandLine> commandLine)
    {
    }
    virtual void OnRegisterCustomSchemes(CefRefPtr<CefSchemeRegistrar> registrar) {}
    virtual CefRefPtr<CefResourceBundleHandler> GetResourceBundleHandler() { return nullptr; }
    virtual CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() { return nullptr; }
    virtual CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() { return nullptr; }

protected:
    CefApp();
    ~CefApp() override;

private:
    friend struct engine_internal::BridgeAccess;
    std::unique_ptr<engine_internal::AppBridge> bridge_;
};

// Lets the engine draw its pages at the system's scale rather than at 96 DPI.
// Called in every process (sub-processes too) before CefExecuteProcess.
void CefEnableHighDPISupport();

// In an engine sub-process (the engine starts this executable again for
// them) runs that process and returns its exit code, 0 or more. In the browser
// process returns -1. Returns 0 without running the engine when the engine
// library's interface differs from the one this layer was written for.
int CefExecuteProcess(const CefMainArgs& args, CefRefPtr<CefApp> application, void* windowsSandboxInfo);

// Whether the engine library loaded is the version this layer was written for
// (its interface hash). Not an engine function: it lets a program tell the
// player why the engine will not start.
bool EngineLibraryMatches();

// Starts the engine in the browser process. Only the first call reaches the
// engine; later calls return false.
bool CefInitialize(const CefMainArgs& args, const CefSettings& settings, CefRefPtr<CefApp> application,
                   void* windowsSandboxInfo);

// Ends the engine. Only the first call after a successful CefInitialize reaches
// the engine; any other call returns at once. With the multi-threaded loop it
// first closes every browser still open and processes the calling thread's
// messages until their closes have arrived (at most ten seconds), so that no
// browser window waits on this thread while the engine ends. A browser's close
// asks its top-level window to close, as any close of a browser does.
void CefShutdown();

// The engine's own message loop, for an engine started with its
// single-threaded loop: runs until CefQuitMessageLoop. With the multi-threaded
// loop the engine's own loop must not run on the main thread (it crashes
// there), so this returns at once then, as before initialisation and after
// shut-down; see RunMessagesUntilBrowsersClosed for a loop of that mode.
void CefRunMessageLoop();

// Asks the engine's own loop to end: forwarded to the engine when it runs its
// single-threaded loop (which accepts it on the main thread only); otherwise
// nothing happens.
void CefQuitMessageLoop();

// Not an engine function: a loop for a program that started the engine with
// its multi-threaded loop. Processes the calling thread's window messages
// until EndMessagesRun is called (from any thread, while the run is in
// progress; a request made before the run is dropped), until no browser
// reported through a life-span handler is still open, or until a WM_QUIT
// arrives (which is posted again for the caller's own loop). Only browsers
// whose client has a life-span handler count, from OnAfterCreated on: so this
// also returns at once right after the asynchronous CreateBrowser, before
// OnAfterCreated, and whenever the clients have no life-span handler. Returns
// at once in any other mode.
void RunMessagesUntilBrowsersClosed();

// Ends RunMessagesUntilBrowsersClosed's run in progress, from any thread;
// dropped when none is in progress.
void EndMessagesRun();
