// The message loop functions. With the engine's multi-threaded loop the
// engine's own run and quit functions must not be called on the main thread
// (they crash there while the engine runs), so the loop is ours: it processes
// the calling thread's window messages until a quit request or the close of
// the last open browser.
#include "engine/cef_app.h"

#include "capi/capi_app.h"
#include "engine_state.h"
#include "open_browsers.h"

#include <windows.h>

#include <atomic>
#include <mutex>
#include <set>

namespace engine_internal {

namespace {

class LoopSignals {
public:
    static LoopSignals& Instance()
    {
        static LoopSignals signals;
        return signals;
    }

    void RequestQuit()
    {
        quitRequested_.store(true);
        SetEvent(wake_);
    }

    // True once for each request.
    bool TakeQuitRequest() { return quitRequested_.exchange(false); }

    void BrowserCreated(int browserIdentifier)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        openBrowsers_.insert(browserIdentifier);
    }

    void BrowserClosed(int browserIdentifier)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        openBrowsers_.erase(browserIdentifier);
        if (openBrowsers_.empty())
            SetEvent(wake_);
    }

    bool AnyBrowserOpen() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return !openBrowsers_.empty();
    }

    // Waits for a window message of the calling thread or a signal.
    void Wait() const { MsgWaitForMultipleObjectsEx(1, &wake_, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE); }

private:
    LoopSignals() : wake_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

    // Set on any thread, taken by the thread running the loop.
    std::atomic<bool> quitRequested_{false};
    // Guards openBrowsers_: changed on the engine's UI thread, read by the loop's thread.
    mutable std::mutex mutex_;
    std::set<int> openBrowsers_;
    // Auto-reset; set on any thread, waited for by the loop's thread.
    const HANDLE wake_;
};

// Dispatches every waiting message; false when WM_QUIT came (it is posted
// again, so that the caller's own loop ends too).
bool DispatchWaitingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

void RunUntilQuitOrLastBrowserClosed()
{
    LoopSignals& signals = LoopSignals::Instance();
    for (;;) {
        if (signals.TakeQuitRequest() || !signals.AnyBrowserOpen())
            return;
        signals.Wait();
        if (!DispatchWaitingMessages())
            return;
    }
}

}  // namespace

void NoteBrowserCreated(int browserIdentifier)
{
    LoopSignals::Instance().BrowserCreated(browserIdentifier);
}

void NoteBrowserClosed(int browserIdentifier)
{
    LoopSignals::Instance().BrowserClosed(browserIdentifier);
}

}  // namespace engine_internal

void CefRunMessageLoop()
{
    using namespace engine_internal;
    switch (CurrentEngineMode()) {
    case EngineMode::kSingleThreadedLoop:
        cef_run_message_loop();
        return;
    case EngineMode::kMultiThreadedLoop:
        RunUntilQuitOrLastBrowserClosed();
        return;
    case EngineMode::kNotStarted:
    case EngineMode::kEnded:
        return;
    }
}

void CefQuitMessageLoop()
{
    using namespace engine_internal;
    if (CurrentEngineMode() == EngineMode::kSingleThreadedLoop)
        cef_quit_message_loop();
    else
        LoopSignals::Instance().RequestQuit();
}
