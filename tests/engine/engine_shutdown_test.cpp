// Ending the engine: browsers still open are closed first, what the engine
// held of ours is released, the calls the launcher makes after the engine has
// ended return, and the engine's own shut-down call is announced for the test
// runner.
#include "engine_test_main.h"
#include "debug_string_recorder.h"
#include "driver.h"
#include "recording_client.h"
#include "test_app.h"
#include "browser_host_window.h"
#include "shutdown_announcement.h"

#include "browser/engine_settings.h"
#include "engine/cef_app.h"
#include "engine/cef_browser.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <vector>

namespace {

using enginetest::RecordingClient;

constexpr DWORD kEngineTimeoutMs = 20000;
// Far longer than a call that returns at once takes, far shorter than the test's time-out.
constexpr std::chrono::seconds kPromptly{10};
const char kPage[] = "<html><head><title>shutdown</title></head><body>page</body></html>";

// The application object. Its only holder besides the engine is the
// reference RunEngineTestMain keeps while the tests run.
enginetest::TestApp* g_app = nullptr;

int CountOf(const RecordingClient& client, const char* callback)
{
    int count = 0;
    for (const enginetest::ClientEvent& event : client.Events())
        count += event.callback == callback ? 1 : 0;
    return count;
}

// The shut-down announcements among the debug strings, in order.
std::vector<std::string> ShutdownAnnouncements(const std::vector<std::string>& debugStrings)
{
    std::vector<std::string> announcements;
    for (const std::string& text : debugStrings) {
        if (text == engine_internal::kEngineShutdownBegins || text == engine_internal::kEngineShutdownEnds)
            announcements.push_back(text);
    }
    return announcements;
}

bool CreateChildBrowser(const testsupport::BrowserHostWindow& window, CefRefPtr<CefClient> client)
{
    return CefBrowserHost::CreateBrowser(window.ChildBrowserInfo(), client, "about:blank", CefBrowserSettings(), nullptr);
}

// The first browser is closed by the test; the second is still open, with a
// loaded page, when the engine is ended: the shut-down closes it first and
// processes this thread's messages meanwhile (its window's close talks to the
// host window on this thread).
TEST(EngineShutdown, ClosesOpenBrowsersReleasesWhatItHeldAndLaterCallsReturn)
{
    testsupport::BrowserHostWindow firstWindow;
    testsupport::BrowserHostWindow secondWindow;
    CefRefPtr<RecordingClient> second = new RecordingClient;
    {
        CefRefPtr<RecordingClient> first = new RecordingClient;
        ASSERT_TRUE(CreateChildBrowser(firstWindow, first.get()));
        ASSERT_TRUE(CreateChildBrowser(secondWindow, second.get()));
        for (RecordingClient* client : {first.get(), second.get()}) {
            ASSERT_TRUE(client->WaitForCallback("OnAfterCreated", kEngineTimeoutMs));
            client->Browser()->GetMainFrame()->LoadString(kPage, "http://127.0.0.1/shutdown");
            ASSERT_TRUE(client->WaitForCallback("OnTitleChange", kEngineTimeoutMs));
        }
        first->Browser()->GetHost()->CloseBrowser(true);
        ASSERT_TRUE(first->WaitForCallback("OnBeforeClose", kEngineTimeoutMs));
    }
    ASSERT_TRUE(driver::WaitFor([] { return RecordingClient::Live() == 1; }, kEngineTimeoutMs));
    ASSERT_NE(second->Browser(), nullptr);
    EXPECT_EQ(CountOf(*second, "OnBeforeClose"), 0);

    enginetest::DebugStringRecorder debugStrings;
    CefShutdown();
    EXPECT_EQ(CountOf(*second, "OnBeforeClose"), 1) << "the open browser was not closed before the engine ended";
    EXPECT_EQ(second->Browser(), nullptr);
    // The engine asked the browser's top-level window to close, and it did.
    EXPECT_TRUE(driver::WaitFor([&] { return !secondWindow.IsOpen(); }, kEngineTimeoutMs));
    second = nullptr;
    EXPECT_EQ(RecordingClient::Live(), 0);
    ASSERT_NE(g_app, nullptr);
    EXPECT_TRUE(g_app->HasOneRef()) << "the engine still holds the application object";

    std::future<void> laterCalls = std::async(std::launch::async, [] {
        CefShutdown();
        CefQuitMessageLoop();
        CefRunMessageLoop();
        EndMessagesRun();
        RunMessagesUntilBrowsersClosed();
        CefShutdown();
    });
    EXPECT_EQ(laterCalls.wait_for(kPromptly), std::future_status::ready);
    RunMessagesUntilBrowsersClosed();

    // The engine cannot be started again in this process; it is not asked to.
    EXPECT_FALSE(CefInitialize(CefMainArgs(GetModuleHandleW(nullptr)), LauncherEngineSettings(),
                               g_app, nullptr));
    EXPECT_TRUE(g_app->HasOneRef());

    // The engine's own shut-down call was announced before and after, once:
    // the later calls do not reach the engine and announce nothing.
    const std::vector<std::string> once = {engine_internal::kEngineShutdownBegins,
                                           engine_internal::kEngineShutdownEnds};
    EXPECT_EQ(ShutdownAnnouncements(debugStrings.Strings()), once);
}

}  // namespace

int main(int argc, char** argv)
{
    g_app = new enginetest::TestApp;
    return testsupport::RunEngineTestMain(argc, argv, g_app, LauncherEngineSettings());
}
