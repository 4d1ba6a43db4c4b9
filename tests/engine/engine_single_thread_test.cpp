// The engine started with its own (single-threaded) message loop: the
// launcher's run and quit calls are the engine's, and callbacks arrive on the
// thread that runs the loop.
#include "engine_test_main.h"
#include "instance_counter.h"
#include "test_app.h"
#include "browser_host_window.h"

#include "engine/cef_app.h"
#include "engine/cef_browser.h"
#include "engine/cef_client.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>

namespace {

using enginetest::InstanceCounter;

const char kPage[] = "<html><head><title>single</title></head><body>page</body></html>";

// Ends the engine's loop when its page has loaded and when its browser closes.
class QuittingClient : public CefClient,
                       public CefLifeSpanHandler,
                       public CefLoadHandler,
                       public InstanceCounter<QuittingClient> {
public:
    // CefClient
    CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
    CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }

    // CefLifeSpanHandler
    void OnAfterCreated(CefRefPtr<CefBrowser> browser) override
    {
        createdThread = GetCurrentThreadId();
        browser_ = browser;
        browser->GetMainFrame()->LoadString(kPage, "http://127.0.0.1/single");
    }
    void OnBeforeClose(CefRefPtr<CefBrowser>) override
    {
        closedThread = GetCurrentThreadId();
        browser_ = nullptr;
        CefQuitMessageLoop();
    }

    // CefLoadHandler
    void OnLoadEnd(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame, int) override
    {
        if (!frame->IsMain() || frame->GetURL().ToWString() != L"http://127.0.0.1/single")
            return;
        loadedThread = GetCurrentThreadId();
        CefQuitMessageLoop();
    }

    CefRefPtr<CefBrowser> Browser() const { return browser_; }

    // All of these are touched only on the thread running the engine's loop.
    DWORD createdThread = 0;
    DWORD loadedThread = 0;
    DWORD closedThread = 0;

private:
    CefRefPtr<CefBrowser> browser_;

    IMPLEMENT_REFCOUNTING(QuittingClient);
};

TEST(SingleThreadedLoop, RunAndQuitAreTheEnginesOwn)
{
    testsupport::BrowserHostWindow window;
    CefRefPtr<QuittingClient> client = new QuittingClient;
    ASSERT_TRUE(CefBrowserHost::CreateBrowser(window.ChildBrowserInfo(), client.get(), "about:blank", CefBrowserSettings(), nullptr));

    // Runs until the page has loaded.
    CefRunMessageLoop();
    EXPECT_EQ(client->createdThread, GetCurrentThreadId());
    EXPECT_EQ(client->loadedThread, GetCurrentThreadId());
    ASSERT_NE(client->Browser(), nullptr);

    // Runs until the browser has closed.
    client->Browser()->GetHost()->CloseBrowser(true);
    CefRunMessageLoop();
    EXPECT_EQ(client->closedThread, GetCurrentThreadId());
    EXPECT_EQ(client->Browser(), nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    CefSettings settings;
    settings.locale = "zh-CN";
    return testsupport::RunEngineTestMain(argc, argv, new enginetest::TestApp, settings);
}
