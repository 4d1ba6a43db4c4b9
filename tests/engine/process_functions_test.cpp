// The interface-version check of CefExecuteProcess and the process functions
// before the engine has started, in a process that never starts it.
#include "api_version.h"
#include "instance_counter.h"
#include "string_interop.h"
#include "value_interop.h"

#include "engine/cef_app.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>

namespace {

using enginetest::InstanceCounter;

constexpr char kOtherEngineApiHash[] = "0123456789abcdef0123456789abcdef01234567";
// Far longer than a call that returns at once takes, far shorter than the test's time-out.
constexpr std::chrono::seconds kPromptly{10};
// The sizes of the engine's settings records in this engine version, which
// the records' size members must carry (64-bit and 32-bit builds).
constexpr size_t kEngineSettingsSize = sizeof(void*) == 8 ? 336 : 188;
constexpr size_t kEngineBrowserSettingsSize = sizeof(void*) == 8 ? 312 : 204;

class WatchedApp : public CefApp, public InstanceCounter<WatchedApp> {
public:
    void OnBeforeCommandLineProcessing(const CefString&, CefRefPtr<CefCommandLine>) override { ++engineCalls; }
    void OnRegisterCustomSchemes(CefRefPtr<CefSchemeRegistrar>) override { ++engineCalls; }

    std::atomic<int> engineCalls{0};

    IMPLEMENT_REFCOUNTING(WatchedApp);
};

TEST(ApiVersion, OnlyTheHashTheLayerWasWrittenForMatches)
{
    EXPECT_TRUE(engine_internal::ApiHashMatches(engine_internal::kEngineApiHash));
    EXPECT_FALSE(engine_internal::ApiHashMatches(kOtherEngineApiHash));
    EXPECT_FALSE(engine_internal::ApiHashMatches(""));
    EXPECT_FALSE(engine_internal::ApiHashMatches(nullptr));
}

TEST(ApiVersion, ADifferentInterfaceReturnsZeroWithoutRunningTheEngine)
{
    const CefMainArgs args(GetModuleHandleW(nullptr));
    CefRefPtr<WatchedApp> app = new WatchedApp;

    EXPECT_EQ(engine_internal::ExecuteProcessIfCompatible(args, app, nullptr, kOtherEngineApiHash), 0);
    EXPECT_EQ(app->engineCalls, 0);
    EXPECT_TRUE(app->HasOneRef());

    // With the matching interface the engine does run: in this (browser) process it answers -1.
    EXPECT_EQ(CefExecuteProcess(args, app, nullptr), -1);
    EXPECT_TRUE(app->HasOneRef());
    app = nullptr;
    EXPECT_EQ(InstanceCounter<WatchedApp>::Live(), 0);
}

TEST(ProcessFunctions, LoopAndShutdownReturnAtOnceBeforeTheEngineStarted)
{
    // The engine's own functions are not called before it has started: they
    // would fail or wait for a loop that never runs.
    std::future<void> calls = std::async(std::launch::async, [] {
        CefShutdown();
        CefRunMessageLoop();
        CefQuitMessageLoop();
        CefRunMessageLoop();
        EndMessagesRun();
        RunMessagesUntilBrowsersClosed();
    });
    EXPECT_EQ(calls.wait_for(kPromptly), std::future_status::ready);
}

TEST(EngineRecords, SettingsReachTheEngineWithTheirSizeAndText)
{
    CefSettings settings;
    settings.multi_threaded_message_loop = 1;
    settings.locale = "zh-CN";
    const cef_settings_t view = engine_internal::EngineView(settings);
    EXPECT_EQ(view.size, kEngineSettingsSize);
    EXPECT_EQ(view.multi_threaded_message_loop, 1);
    EXPECT_EQ(engine_internal::FromEngine(&view.locale).ToWString(), L"zh-CN");
    EXPECT_EQ(view.cache_path.length, 0u);
    EXPECT_EQ(view.single_process, 0);
    EXPECT_EQ(view.no_sandbox, 0);
    EXPECT_EQ(view.log_severity, LOGSEVERITY_DEFAULT);
}

TEST(EngineRecords, ChildWindowInfoDescribesAVisibleChildInTheGivenRectangle)
{
    CefWindowInfo windowInfo;
    const RECT rect = {10, 20, 637, 426};
    windowInfo.SetAsChild(HWND_DESKTOP, rect);
    const cef_window_info_t view = engine_internal::EngineView(windowInfo);
    EXPECT_EQ(view.style, 0x56010000u);
    EXPECT_EQ(view.x, 10);
    EXPECT_EQ(view.y, 20);
    EXPECT_EQ(view.width, 627);
    EXPECT_EQ(view.height, 406);
    EXPECT_EQ(view.parent_window, HWND_DESKTOP);
    EXPECT_EQ(view.windowless_rendering_enabled, 0);

    CefBrowserSettings browserSettings;
    browserSettings.plugins = STATE_ENABLED;
    const cef_browser_settings_t settingsView = engine_internal::EngineView(browserSettings);
    EXPECT_EQ(settingsView.size, kEngineBrowserSettingsSize);
    EXPECT_EQ(settingsView.plugins, STATE_ENABLED);
    EXPECT_EQ(settingsView.javascript, STATE_DEFAULT);
}

}  // namespace
