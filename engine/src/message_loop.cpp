// The message loop functions. With the engine's multi-threaded loop the
// engine's own run and quit functions must not be called on the main thread
// (they crash there while the engine runs), so that mode has a loop of ours:
// it processes the calling thread's window messages until an end request or
// the close of the last open browser.
#include "engine/cef_app.h"

#include "capi/capi_app.h"
#include "engine/cef_browser_host.h"
#include "engine_state.h"
#include "message_pump.h"
#include "open_browsers.h"

#include <windows.h>

#include <atomic>
#include <map>
#include <mutex>
#include <vector>

namespace engine_internal {

namespace {

class LoopSignals {
public:
    static LoopSignals& Instance()
    {
        static LoopSignals signals;
        return signals;
    }

    // A request made while no run is in progress is dropped: it was meant
    // for no loop (a client whose last browser closed while the program was
    // busy elsewhere), and must not end a later run early.
    void RequestQuit()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_running)
            return;
        m_quitRequested = true;
        SetEvent(m_wake);
    }

    void BeginRun()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_running = true;
        m_quitRequested = false;
    }

    void EndRun()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_running = false;
        m_quitRequested = false;
    }

    bool QuitRequested() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_quitRequested;
    }

    void BrowserCreated(CefRefPtr<CefBrowser> browser)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_openBrowsers[browser->GetIdentifier()] = browser;
    }

    void BrowserClosed(int browserIdentifier)
    {
        // The reference goes outside the lock: releasing it calls into the engine.
        CefRefPtr<CefBrowser> closed;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            const auto found = m_openBrowsers.find(browserIdentifier);
            if (found == m_openBrowsers.end())
                return;
            closed = found->second;
            m_openBrowsers.erase(found);
            if (m_openBrowsers.empty())
                SetEvent(m_wake);
        }
    }

    bool AnyBrowserOpen() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return !m_openBrowsers.empty();
    }

    std::vector<CefRefPtr<CefBrowser>> OpenBrowsers() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        std::vector<CefRefPtr<CefBrowser>> browsers;
        for (const auto& entry : m_openBrowsers)
            browsers.push_back(entry.second);
        return browsers;
    }

    // Waits for a window message of the calling thread, a signal or the timeout.
    void Wait(DWORD timeoutMs) const
    {
        MsgWaitForMultipleObjectsEx(1, &m_wake, timeoutMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }

    // Set whenever a run should look again: a quit request or the last close.
    HANDLE Wake() const { return m_wake; }

private:
    LoopSignals() : m_wake(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

    // Guards the members below: the engine's UI thread and any thread that
    // requests a quit change them, the loop's thread reads them.
    mutable std::mutex m_mutex;
    bool m_running = false;
    bool m_quitRequested = false;
    std::map<int, CefRefPtr<CefBrowser>> m_openBrowsers;
    // Auto-reset; set on any thread, waited for by the loop's thread.
    const HANDLE m_wake;
};

void RunUntilQuitOrLastBrowserClosed()
{
    LoopSignals& signals = LoopSignals::Instance();
    signals.BeginRun();
    int quitExitCode = 0;
    for (;;) {
        if (signals.QuitRequested() || !signals.AnyBrowserOpen())
            break;
        signals.Wait(INFINITE);
        if (DispatchWaitingMessages(quitExitCode)) {
            // Again for the caller's own loop.
            PostQuitMessage(quitExitCode);
            break;
        }
    }
    signals.EndRun();
}

}  // namespace

void NoteBrowserCreated(CefRefPtr<CefBrowser> browser)
{
    LoopSignals::Instance().BrowserCreated(browser);
}

void NoteBrowserClosed(int browserIdentifier)
{
    LoopSignals::Instance().BrowserClosed(browserIdentifier);
}

bool CloseOpenBrowsers(DWORD timeoutMs)
{
    LoopSignals& signals = LoopSignals::Instance();
    for (const CefRefPtr<CefBrowser>& browser : signals.OpenBrowsers())
        browser->GetHost()->CloseBrowser(true);
    return ProcessMessagesUntil([&] { return !signals.AnyBrowserOpen(); }, signals.Wake(), timeoutMs);
}

}  // namespace engine_internal

void CefRunMessageLoop()
{
    using namespace engine_internal;
    if (CurrentEngineMode() == EngineMode::kSingleThreadedLoop)
        cef_run_message_loop();
}

void CefQuitMessageLoop()
{
    using namespace engine_internal;
    if (CurrentEngineMode() == EngineMode::kSingleThreadedLoop)
        cef_quit_message_loop();
}

void RunMessagesUntilBrowsersClosed()
{
    using namespace engine_internal;
    if (CurrentEngineMode() == EngineMode::kMultiThreadedLoop)
        RunUntilQuitOrLastBrowserClosed();
}

void EndMessagesRun()
{
    engine_internal::LoopSignals::Instance().RequestQuit();
}
