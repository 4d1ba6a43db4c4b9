// Ending the engine while a browser's creation is still under way: the
// creation's window work talks to the host window on this thread, so the
// shut-down lets it finish and closes the new browser before the engine ends.
#include "engine_test_main.h"
#include "driver.h"
#include "recording_client.h"
#include "test_app.h"
#include "browser_host_window.h"

#include "browser/engine_settings.h"
#include "engine/cef_app.h"
#include "engine/cef_browser.h"

#include <gtest/gtest.h>

namespace {

using enginetest::RecordingClient;

constexpr DWORD kEngineTimeoutMs = 20000;

int CountOf(const RecordingClient& client, const char* callback)
{
    int count = 0;
    for (const enginetest::ClientEvent& event : client.Events())
        count += event.callback == callback ? 1 : 0;
    return count;
}

TEST(EngineShutdownDuringCreation, TheNewBrowserIsCreatedAndClosedBeforeTheEngineEnds)
{
    testsupport::BrowserHostWindow window;
    CefRefPtr<RecordingClient> client = new RecordingClient;
    ASSERT_TRUE(CefBrowserHost::CreateBrowser(window.ChildBrowserInfo(), client.get(), "about:blank",
                                              CefBrowserSettings(), nullptr));
    // The creation runs on the engine's UI thread and takes far longer than this.
    ASSERT_EQ(CountOf(*client, "OnAfterCreated"), 0) << "the creation was over before the shut-down began";

    CefShutdown();
    EXPECT_EQ(CountOf(*client, "OnAfterCreated"), 1);
    EXPECT_EQ(CountOf(*client, "OnBeforeClose"), 1) << "the new browser was not closed before the engine ended";
    EXPECT_EQ(client->Browser(), nullptr);
    // The engine asked the browser's top-level window to close, and it did.
    EXPECT_TRUE(driver::WaitFor([&] { return !window.IsOpen(); }, kEngineTimeoutMs));
}

}  // namespace

int main(int argc, char** argv)
{
    return testsupport::RunEngineTestMain(argc, argv, new enginetest::TestApp, LauncherEngineSettings());
}
