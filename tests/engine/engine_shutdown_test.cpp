// Ending the engine: what the engine held of ours is released, a browser left
// open does not stop the shutdown, and the calls the launcher makes after the
// engine has ended return.
#include "engine_test_main.h"
#include "instance_counter.h"
#include "message_pump.h"
#include "recording_client.h"
#include "test_app.h"
#include "test_window.h"

#include "engine/cef_app.h"
#include "engine/cef_browser.h"
#include "engine/cef_client.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>

namespace {

using enginetest::InstanceCounter;
using enginetest::RecordingClient;

constexpr int kBrowserWidth = 627;
constexpr int kBrowserHeight = 406;
constexpr DWORD kEngineTimeoutMs = 20000;
// Far longer than a call that returns at once takes, far shorter than the test's time-out.
constexpr std::chrono::seconds kPromptly{10};
const char kPage[] = "<html><head><title>shutdown</title></head><body>page</body></html>";

// The application object. Its only holder besides the engine is the
// reference RunEngineTestMain keeps while the tests run.
enginetest::TestApp* g_app = nullptr;

// A client that keeps no reference to its browser, so that only the engine
// holds it; it notes when its page has loaded.
class BareClient : public CefClient, public CefLoadHandler, public InstanceCounter<BareClient> {
public:
    CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }
    void OnLoadEnd(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame, int) override
    {
        if (frame->IsMain())
            loaded = true;
    }

    std::atomic<bool> loaded{false};

    IMPLEMENT_REFCOUNTING(BareClient);
};

bool CreateChildBrowser(const testsupport::TestWindow& window, CefRefPtr<CefClient> client)
{
    CefWindowInfo windowInfo;
    windowInfo.SetAsChild(window.handle(), RECT{0, 0, kBrowserWidth, kBrowserHeight});
    return CefBrowserHost::CreateBrowser(windowInfo, client, "about:blank", CefBrowserSettings(), nullptr);
}

TEST(EngineShutdown, ReleasesWhatItHeldAndLaterCallsReturn)
{
    testsupport::TestWindow closedWindow(kBrowserWidth, kBrowserHeight);
    testsupport::TestWindow openWindow(kBrowserWidth, kBrowserHeight);
    {
        CefRefPtr<RecordingClient> closing = new RecordingClient;
        ASSERT_TRUE(CreateChildBrowser(closedWindow, closing.get()));
        ASSERT_TRUE(closing->WaitForCallback("OnAfterCreated", kEngineTimeoutMs));
        closing->Browser()->GetMainFrame()->LoadString(kPage, "http://127.0.0.1/shutdown");
        ASSERT_TRUE(closing->WaitForCallback("OnTitleChange", kEngineTimeoutMs));
        closing->Browser()->GetHost()->CloseBrowser(true);
        ASSERT_TRUE(closing->WaitForCallback("OnBeforeClose", kEngineTimeoutMs));
    }
    EXPECT_TRUE(testsupport::WaitWhilePumping([] { return RecordingClient::Live() == 0; }, kEngineTimeoutMs));

    // Its page loaded before the shutdown: a shutdown while a new browser is
    // still being set up did not return with this engine under Wine.
    {
        CefRefPtr<BareClient> open = new BareClient;
        ASSERT_TRUE(CreateChildBrowser(openWindow, open.get()));
        ASSERT_TRUE(testsupport::WaitWhilePumping([&] { return open->loaded.load(); }, kEngineTimeoutMs));
    }

    // As the launcher's close button does: the engine ends with a browser still open.
    CefShutdown();
    ASSERT_NE(g_app, nullptr);
    EXPECT_TRUE(g_app->HasOneRef()) << "the engine still holds the application object";
    // This engine does not let go of the client of a browser that was still
    // open when it shut down (the process is about to end then).
    EXPECT_EQ(InstanceCounter<BareClient>::Live(), 1);

    std::future<void> laterCalls = std::async(std::launch::async, [] {
        CefShutdown();
        CefQuitMessageLoop();
        CefRunMessageLoop();
        CefShutdown();
    });
    EXPECT_EQ(laterCalls.wait_for(kPromptly), std::future_status::ready);
    CefRunMessageLoop();

    // The engine cannot be started again in this process; it is not asked to.
    EXPECT_FALSE(CefInitialize(CefMainArgs(GetModuleHandleW(nullptr)), testsupport::LauncherEngineSettings(),
                               g_app, nullptr));
    EXPECT_TRUE(g_app->HasOneRef());
}

}  // namespace

int main(int argc, char** argv)
{
    g_app = new enginetest::TestApp;
    return testsupport::RunEngineTestMain(argc, argv, g_app, testsupport::LauncherEngineSettings());
}
