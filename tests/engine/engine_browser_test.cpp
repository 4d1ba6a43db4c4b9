// The layer with the real engine: a browser created as a child of a real
// window, the callbacks it reports (with the thread each arrives on), the
// engine objects' calls, and the message loop's ways to end.
#include "engine_test_main.h"
#include "http_server.h"
#include "driver.h"
#include "recording_client.h"
#include "test_app.h"
#include "browser_host_window.h"

#include "browser/engine_settings.h"
#include "engine/cef_app.h"
#include "engine/cef_browser.h"
#include "engine/cef_command_line.h"
#include "engine/cef_frame.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>

namespace {

using enginetest::ClientEvent;
using enginetest::InstanceCounter;
using enginetest::PlaceholderResourceHandler;
using enginetest::PopupRequest;
using enginetest::RecordingClient;
using testsupport::HttpResponse;
using testsupport::HttpServer;

constexpr DWORD kEngineTimeoutMs = 20000;
constexpr DWORD kLoopWatchdogMs = 30000;
// How long a helper thread waits before it acts on a running loop.
constexpr DWORD kLaterMs = 500;
// Time for a loaded page to be painted before it is clicked.
constexpr DWORD kPaintSettleMs = 500;

const char kTitledPage[] = "<html><head><title>Zarnith \xE6\xB5\x8B\xE8\xAF\x95</title></head><body>page</body></html>";
const wchar_t kTitledPageTitle[] = L"Zarnith \x6D4B\x8BD5";

// Ends a RunMessagesUntilBrowsersClosed that does not end by itself, so that a broken loop
// fails its test instead of hanging the program.
class LoopWatchdog {
public:
    LoopWatchdog()
        : thread_([this] {
              std::unique_lock<std::mutex> lock(mutex_);
              if (!cancelled_.wait_for(lock, std::chrono::milliseconds(kLoopWatchdogMs), [this] { return done_; })) {
                  fired_ = true;
                  EndMessagesRun();
              }
          })
    {
    }
    ~LoopWatchdog()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
        }
        cancelled_.notify_one();
        thread_.join();
    }
    bool Fired()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return fired_;
    }

private:
    std::mutex mutex_;
    std::condition_variable cancelled_;
    bool done_ = false;
    bool fired_ = false;
    std::thread thread_;
};

// Clicks the left mouse button at the middle of a window, with real input.
void ClickAtCentreOf(HWND window)
{
    SetForegroundWindow(GetAncestor(window, GA_ROOT));
    RECT rect;
    GetWindowRect(window, &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    INPUT clicks[2] = {};
    clicks[0].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].type = INPUT_MOUSE;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
}

class EngineBrowser : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        server_ = new HttpServer;
        server_->Page("/titled", kTitledPage);
        server_->Page("/with-frame",
                      "<html><body><iframe src=\"/framed\"></iframe></body></html>");
        server_->Page("/framed", "<html><body>inner</body></html>");
        server_->Redirect("/moved", "/titled");
        server_->Page("/opens-window", "<html><body><script>window.open('/opened');</script></body></html>");
        server_->Page("/opens-link",
                      "<html><body style=\"margin:0\"><a target=\"_blank\" href=\"/linked\" "
                      "style=\"display:block;width:100%;height:100vh\">link</a></body></html>");
        server_->Page("/opened", kTitledPage);
        server_->Page("/linked", kTitledPage);
        server_->Page("/with-image", "<html><body><img src=\"/image.png\"></body></html>");
        HttpResponse image;
        image.contentType = "image/png";
        server_->Route("/image.png", image);
        server_->Page("/held-back", kTitledPage);
        server_->Page("/language", "<html><head><script>document.title = 'language ' + navigator.language;</script>"
                                   "</head><body>page</body></html>");
    }

    static void TearDownTestSuite()
    {
        delete server_;
        server_ = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(server_->IsListening());
        window_ = std::make_unique<testsupport::BrowserHostWindow>();
        ASSERT_TRUE(window_->IsOpen());
        client_ = new RecordingClient;
        ASSERT_TRUE(CefBrowserHost::CreateBrowser(window_->ChildBrowserInfo(), client_.get(), "about:blank", CefBrowserSettings(),
                                                  nullptr));
        ASSERT_TRUE(client_->WaitForCallback("OnAfterCreated", kEngineTimeoutMs));
        browser_ = client_->Browser();
        ASSERT_NE(browser_, nullptr);
    }

    // Closes the browser and proves that the engine let go of the client.
    void TearDown() override
    {
        if (HasFailure())
            DumpEvents();
        browser_ = nullptr;
        if (CefRefPtr<CefBrowser> open = client_->Browser())
            open->GetHost()->CloseBrowser(true);
        EXPECT_TRUE(client_->WaitForCallback("OnBeforeClose", kEngineTimeoutMs));
        client_ = nullptr;
        EXPECT_TRUE(driver::WaitFor([] { return RecordingClient::Live() == 0; }, kEngineTimeoutMs))
            << RecordingClient::Live() << " clients still alive";
        window_.reset();
    }

    // Loads an address into the main frame and waits until it has loaded.
    void LoadAndWait(const std::wstring& url)
    {
        browser_->GetMainFrame()->LoadURL(url);
        ASSERT_TRUE(client_->WaitForEvent(
            [&](const ClientEvent& e) { return e.callback == "OnLoadEnd" && e.mainFrame && e.url == url; },
            kEngineTimeoutMs));
    }

    // Shows what the client saw, to explain a failure.
    void DumpEvents() const
    {
        for (const ClientEvent& e : client_->Events())
            std::printf("event %s thread=%lu url=%s text=%s main=%d redirect=%d code=%d disp=%d gesture=%d type=%d\n",
                        e.callback.c_str(), e.thread, CefString(e.url).ToString().c_str(),
                        CefString(e.text).ToString().c_str(), e.mainFrame, e.redirect, e.errorCode, e.disposition,
                        e.userGesture, e.resourceType);
    }

    bool SawEvent(const std::function<bool(const ClientEvent&)>& matches) const
    {
        for (const ClientEvent& event : client_->Events()) {
            if (matches(event))
                return true;
        }
        return false;
    }

    // Every callback so far arrived on an engine thread: the pop-up, resource
    // handler and redirect callbacks on the engine's IO thread, all others on
    // its UI thread.
    void ExpectEachOnItsEngineThread() const { ExpectEachOnItsEngineThread(*client_); }

    static void ExpectEachOnItsEngineThread(const RecordingClient& client)
    {
        const std::vector<ClientEvent> events = client.Events();
        ASSERT_FALSE(events.empty());
        DWORD uiThread = 0;
        DWORD ioThread = 0;
        for (const ClientEvent& event : events) {
            EXPECT_NE(event.thread, GetCurrentThreadId()) << event.callback;
            const bool onIoThread = event.callback == "OnBeforePopup" || event.callback == "GetResourceHandler" ||
                                    event.callback == "OnResourceRedirect";
            DWORD& expected = onIoThread ? ioThread : uiThread;
            if (!expected)
                expected = event.thread;
            EXPECT_EQ(event.thread, expected) << event.callback;
        }
        if (uiThread && ioThread) {
            EXPECT_NE(uiThread, ioThread);
        }
    }

    static HttpServer* server_;
    std::unique_ptr<testsupport::BrowserHostWindow> window_;
    CefRefPtr<RecordingClient> client_;
    CefRefPtr<CefBrowser> browser_;
};

HttpServer* EngineBrowser::server_ = nullptr;

// The application object; main hands it to the engine, whose reference keeps it.
enginetest::TestApp* g_app = nullptr;

TEST(EngineProcess, TheApplicationWasAskedOnTheEngineUiThreadAndItsSwitchIsOnTheCommandLine)
{
    ASSERT_NE(g_app, nullptr);
    ASSERT_TRUE(driver::WaitFor([] { return g_app->contextInitializedThread != 0; }, kEngineTimeoutMs))
        << "OnContextInitialized did not arrive";
    EXPECT_NE(g_app->contextInitializedThread.load(), GetCurrentThreadId());

    CefRefPtr<CefCommandLine> commandLine = CefCommandLine::GetGlobalCommandLine();
    ASSERT_NE(commandLine, nullptr);
    EXPECT_TRUE(commandLine->HasSwitch(enginetest::kTestSwitchName));
    EXPECT_NE(commandLine->GetCommandLineString().ToString().find(std::string("--") + enginetest::kTestSwitchName),
              std::string::npos);
    EXPECT_NE(commandLine->GetCommandLineString().ToString().find(std::string("--") + enginetest::kTestValueSwitchName +
                                                                  "=" + enginetest::kTestSwitchValue),
              std::string::npos);
    EXPECT_TRUE(commandLine->HasSwitch("disable-gpu"));
    EXPECT_FALSE(commandLine->HasSwitch("zarnith-no-such-switch"));
}

TEST_F(EngineBrowser, IsCreatedAsAChildOfTheWindowAndReportedOnTheEngineUiThread)
{
    const HWND browserWindow = browser_->GetHost()->GetWindowHandle();
    ASSERT_TRUE(IsWindow(browserWindow));
    EXPECT_EQ(GetParent(browserWindow), window_->handle());
    EXPECT_TRUE(GetWindowLongW(browserWindow, GWL_STYLE) & WS_CHILD);
    RECT rect;
    GetClientRect(browserWindow, &rect);
    EXPECT_EQ(rect.right - rect.left, testsupport::BrowserHostWindow::kClientWidth);
    EXPECT_EQ(rect.bottom - rect.top, testsupport::BrowserHostWindow::kClientHeight);
    EXPECT_GT(browser_->GetIdentifier(), 0);
    ExpectEachOnItsEngineThread();
}

TEST_F(EngineBrowser, ABrowserHandedOverAgainIsTheSameAndAnotherBrowserIsNot)
{
    // loaded is set on the engine's UI thread and read here, both under mutex.
    std::mutex mutex;
    CefRefPtr<CefBrowser> loaded;
    client_->SetMainFrameLoadedHook([&](CefRefPtr<CefBrowser> browser) {
        std::lock_guard<std::mutex> lock(mutex);
        loaded = browser;
    });
    LoadAndWait(server_->WideUrl("/titled"));
    ASSERT_TRUE(driver::WaitFor(
        [&] {
            std::lock_guard<std::mutex> lock(mutex);
            return loaded != nullptr;
        },
        kEngineTimeoutMs));
    client_->SetMainFrameLoadedHook(nullptr);
    // OnLoadEnd's browser is a proxy of its own for the browser OnAfterCreated gave.
    EXPECT_NE(loaded.get(), browser_.get());
    EXPECT_TRUE(browser_->IsSame(loaded));
    EXPECT_TRUE(loaded->IsSame(browser_));

    testsupport::BrowserHostWindow otherWindow;
    CefRefPtr<RecordingClient> otherClient = new RecordingClient;
    ASSERT_TRUE(CefBrowserHost::CreateBrowser(otherWindow.ChildBrowserInfo(), otherClient.get(), "about:blank",
                                              CefBrowserSettings(), nullptr));
    ASSERT_TRUE(otherClient->WaitForCallback("OnAfterCreated", kEngineTimeoutMs));
    CefRefPtr<CefBrowser> other = otherClient->Browser();
    ASSERT_NE(other, nullptr);
    EXPECT_FALSE(browser_->IsSame(other));
    EXPECT_FALSE(other->IsSame(loaded));

    other->GetHost()->CloseBrowser(true);
    other = nullptr;
    EXPECT_TRUE(otherClient->WaitForCallback("OnBeforeClose", kEngineTimeoutMs));
    otherClient = nullptr;
}

TEST_F(EngineBrowser, MainFrameNavigationArrivesWithItsAddressAndTitle)
{
    const std::wstring url = server_->WideUrl("/titled");
    LoadAndWait(url);
    EXPECT_TRUE(SawEvent([&](const ClientEvent& e) {
        return e.callback == "OnBeforeBrowse" && e.url == url && e.mainFrame && !e.redirect;
    }));
    EXPECT_TRUE(client_->WaitForEvent(
        [](const ClientEvent& e) { return e.callback == "OnTitleChange" && e.text == kTitledPageTitle; },
        kEngineTimeoutMs));
    CefRefPtr<CefFrame> mainFrame = browser_->GetMainFrame();
    EXPECT_TRUE(mainFrame->IsMain());
    EXPECT_EQ(mainFrame->GetURL().ToWString(), url);
    ExpectEachOnItsEngineThread();
}

// main starts the engine with the launcher's settings, whose locale is "zh-CN".
TEST_F(EngineBrowser, PagesSeeTheLauncherLocaleZhCn)
{
    browser_->GetMainFrame()->LoadURL(server_->WideUrl("/language"));
    EXPECT_TRUE(client_->WaitForEvent(
        [](const ClientEvent& e) { return e.callback == "OnTitleChange" && e.text == L"language zh-CN"; },
        kEngineTimeoutMs));
    ExpectEachOnItsEngineThread();
}

TEST_F(EngineBrowser, SubFrameNavigationArrivesForTheSubFrame)
{
    const std::wstring framed = server_->WideUrl("/framed");
    browser_->GetMainFrame()->LoadURL(server_->WideUrl("/with-frame"));
    ASSERT_TRUE(client_->WaitForEvent(
        [&](const ClientEvent& e) { return e.callback == "OnBeforeBrowse" && e.url == framed; }, kEngineTimeoutMs));
    EXPECT_FALSE(SawEvent([&](const ClientEvent& e) {
        return e.callback == "OnBeforeBrowse" && e.url == framed && e.mainFrame;
    }));
    EXPECT_TRUE(SawEvent([&](const ClientEvent& e) {
        return e.callback == "OnBeforeBrowse" && e.url == server_->WideUrl("/with-frame") && e.mainFrame;
    }));
    ExpectEachOnItsEngineThread();
}

TEST_F(EngineBrowser, ServerRedirectArrivesWithTheRedirectFlag)
{
    const std::wstring moved = server_->WideUrl("/moved");
    const std::wstring target = server_->WideUrl("/titled");
    browser_->GetMainFrame()->LoadURL(moved);
    ASSERT_TRUE(client_->WaitForEvent(
        [&](const ClientEvent& e) { return e.callback == "OnLoadEnd" && e.mainFrame && e.url == target; },
        kEngineTimeoutMs));
    EXPECT_TRUE(SawEvent([&](const ClientEvent& e) {
        return e.callback == "OnBeforeBrowse" && e.url == moved && e.mainFrame && !e.redirect;
    }));
    // This engine asks again for the redirect with the address the redirect
    // came from; the new address arrives in OnResourceRedirect.
    EXPECT_TRUE(SawEvent([&](const ClientEvent& e) {
        return e.callback == "OnBeforeBrowse" && e.url == moved && e.mainFrame && e.redirect;
    }));
    EXPECT_TRUE(SawEvent([&](const ClientEvent& e) {
        return e.callback == "OnResourceRedirect" && e.url == target && e.mainFrame;
    }));
    ExpectEachOnItsEngineThread();
}

TEST_F(EngineBrowser, RequestsTellWhatTheyLoad)
{
    const std::wstring page = server_->WideUrl("/with-image");
    const std::wstring image = server_->WideUrl("/image.png");
    LoadAndWait(page);
    ASSERT_TRUE(client_->WaitForEvent(
        [&](const ClientEvent& e) { return e.callback == "GetResourceHandler" && e.url == image; }, kEngineTimeoutMs));
    EXPECT_TRUE(SawEvent([&](const ClientEvent& e) {
        return e.callback == "GetResourceHandler" && e.url == page && e.resourceType == RT_MAIN_FRAME;
    }));
    EXPECT_TRUE(SawEvent([&](const ClientEvent& e) {
        return e.callback == "GetResourceHandler" && e.url == image && e.resourceType == RT_IMAGE;
    }));
    ExpectEachOnItsEngineThread();
}

TEST_F(EngineBrowser, APlaceholderResourceHandlerCancelsItsRequest)
{
    const std::wstring url = server_->WideUrl("/held-back");
    client_->AnswerWithPlaceholder(url);
    browser_->GetMainFrame()->LoadURL(url);
    ASSERT_TRUE(client_->WaitForEvent(
        [&](const ClientEvent& e) { return e.callback == "OnLoadError" && e.url == url; }, kEngineTimeoutMs));
    EXPECT_TRUE(SawEvent([&](const ClientEvent& e) {
        return e.callback == "OnLoadError" && e.url == url && e.mainFrame && e.errorCode == ERR_ABORTED;
    }));
    EXPECT_FALSE(SawEvent([&](const ClientEvent& e) { return e.callback == "OnLoadEnd" && e.url == url; }));
    EXPECT_EQ(server_->CountRequests("/held-back"), 0u);
    EXPECT_TRUE(driver::WaitFor([] { return InstanceCounter<PlaceholderResourceHandler>::Live() == 0; },
                                kEngineTimeoutMs));
    ExpectEachOnItsEngineThread();
}

TEST_F(EngineBrowser, RefusedConnectionArrivesAsLoadErrorWithCodeAndText)
{
    const std::wstring refused =
        L"http://127.0.0.1:" + std::to_wstring(testsupport::UnusedLoopbackPort()) + L"/nothing-listens";
    browser_->GetMainFrame()->LoadURL(refused);
    ASSERT_TRUE(client_->WaitForCallback("OnLoadError", kEngineTimeoutMs));
    const std::vector<ClientEvent> events = client_->Events();
    for (const ClientEvent& event : events) {
        if (event.callback != "OnLoadError")
            continue;
        EXPECT_EQ(event.errorCode, ERR_CONNECTION_REFUSED);
        // This engine describes network errors by their code only: its error text is empty.
        EXPECT_TRUE(event.text.empty()) << std::string(CefString(event.text));
        EXPECT_EQ(event.url, refused);
        EXPECT_TRUE(event.mainFrame);
    }
    ExpectEachOnItsEngineThread();
}

TEST_F(EngineBrowser, LoadStringShowsTheGivenPageUnderTheGivenAddress)
{
    const std::wstring url = server_->WideUrl("/given-by-load-string");
    browser_->GetMainFrame()->LoadString(kTitledPage, url);
    ASSERT_TRUE(client_->WaitForEvent(
        [](const ClientEvent& e) { return e.callback == "OnTitleChange" && e.text == kTitledPageTitle; },
        kEngineTimeoutMs));
    ASSERT_TRUE(client_->WaitForEvent(
        [&](const ClientEvent& e) { return e.callback == "OnLoadEnd" && e.mainFrame && e.url == url; },
        kEngineTimeoutMs));
    EXPECT_EQ(browser_->GetMainFrame()->GetURL().ToWString(), url);
    EXPECT_EQ(server_->CountRequests("/given-by-load-string"), 0u);
    ExpectEachOnItsEngineThread();
}

TEST_F(EngineBrowser, ScriptWindowsAndBlankLinksArriveAsPopupRequests)
{
    // Like the launcher's client: no pop-up, the requesting browser shows the target itself.
    client_->SetPopupPolicy([](const PopupRequest& request, CefWindowInfo&, CefRefPtr<CefClient>&) {
        request.browser->GetMainFrame()->LoadURL(request.targetUrl);
        return true;
    });
    const std::wstring opened = server_->WideUrl("/opened");
    const std::wstring linked = server_->WideUrl("/linked");

    browser_->GetMainFrame()->LoadURL(server_->WideUrl("/opens-window"));
    ASSERT_TRUE(client_->WaitForEvent(
        [&](const ClientEvent& e) { return e.callback == "OnLoadEnd" && e.mainFrame && e.url == opened; },
        kEngineTimeoutMs));
    const std::wstring linkPage = server_->WideUrl("/opens-link");
    LoadAndWait(linkPage);
    // The link fills the page: a real click anywhere on the browser follows it.
    driver::PumpMessagesFor(kPaintSettleMs);
    ClickAtCentreOf(browser_->GetHost()->GetWindowHandle());
    ASSERT_TRUE(client_->WaitForEvent(
        [&](const ClientEvent& e) { return e.callback == "OnLoadEnd" && e.mainFrame && e.url == linked; },
        kEngineTimeoutMs));

    int popups = 0;
    int created = 0;
    for (const ClientEvent& event : client_->Events()) {
        if (event.callback == "OnAfterCreated")
            ++created;
        if (event.callback != "OnBeforePopup")
            continue;
        ++popups;
        if (event.url == opened) {
            EXPECT_EQ(event.disposition, WOD_NEW_FOREGROUND_TAB) << "window.open";
            EXPECT_FALSE(event.userGesture) << "window.open";
        } else if (event.url == linked) {
            EXPECT_EQ(event.disposition, WOD_NEW_FOREGROUND_TAB) << "target=_blank";
            EXPECT_TRUE(event.userGesture) << "target=_blank";
        } else {
            ADD_FAILURE() << "unexpected pop-up for " << std::string(CefString(event.url));
        }
    }
    EXPECT_EQ(popups, 2);
    EXPECT_EQ(created, 1);
    ExpectEachOnItsEngineThread();
}

TEST_F(EngineBrowser, AllowedPopupUsesTheWindowInfoAndClientTheHandlerChose)
{
    const wchar_t kPopupCaption[] = L"\x5F39\x51FA\x7A97\x53E3";
    CefRefPtr<RecordingClient> popupClient = new RecordingClient;
    client_->SetPopupPolicy([&](const PopupRequest&, CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client) {
        windowInfo.window_name = kPopupCaption;
        client = popupClient.get();
        return false;
    });
    browser_->GetMainFrame()->LoadURL(server_->WideUrl("/opens-window"));
    ASSERT_TRUE(popupClient->WaitForCallback("OnAfterCreated", kEngineTimeoutMs));
    CefRefPtr<CefBrowser> popup = popupClient->Browser();
    ASSERT_NE(popup, nullptr);
    EXPECT_FALSE(popup->IsSame(browser_));

    wchar_t caption[64] = {};
    GetWindowTextW(popup->GetHost()->GetWindowHandle(), caption, 64);
    EXPECT_STREQ(caption, kPopupCaption);
    EXPECT_TRUE(popupClient->WaitForEvent(
        [&](const ClientEvent& e) {
            return e.callback == "OnBeforeBrowse" && e.url == server_->WideUrl("/opened") && e.mainFrame;
        },
        kEngineTimeoutMs));

    popup->GetHost()->CloseBrowser(false);
    popup = nullptr;
    EXPECT_TRUE(popupClient->WaitForCallback("OnBeforeClose", kEngineTimeoutMs));
    for (const ClientEvent& event : popupClient->Events())
        EXPECT_NE(event.thread, GetCurrentThreadId()) << event.callback;
    client_->SetPopupPolicy(nullptr);
    popupClient = nullptr;
}

TEST_F(EngineBrowser, CloseBrowserLeadsToOnBeforeClose)
{
    browser_->GetHost()->CloseBrowser(false);
    ASSERT_TRUE(client_->WaitForCallback("OnBeforeClose", kEngineTimeoutMs));
    EXPECT_EQ(client_->Browser(), nullptr);
    // The engine asked the top-level window to close, which destroyed it.
    EXPECT_TRUE(driver::WaitFor([&] { return !window_->IsOpen(); }, kEngineTimeoutMs));
    ExpectEachOnItsEngineThread();
}

TEST_F(EngineBrowser, TheRunEndsWhenTheLastBrowserCloses)
{
    browser_->GetHost()->CloseBrowser(false);
    LoopWatchdog watchdog;
    RunMessagesUntilBrowsersClosed();
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_TRUE(SawEvent([](const ClientEvent& e) { return e.callback == "OnBeforeClose"; }));
}

// A request made while no loop runs (as a client makes when its last browser
// closes while the program is elsewhere) is meant for no loop: the next run
// goes on until a request made while it runs, here from another thread.
TEST_F(EngineBrowser, TheRunEndsOnlyOnAnEndRequestedWhileItRuns)
{
    EndMessagesRun();
    std::atomic<bool> requested{false};
    std::thread requester([&] {
        Sleep(kLaterMs);
        requested = true;
        EndMessagesRun();
    });
    {
        LoopWatchdog watchdog;
        RunMessagesUntilBrowsersClosed();
        EXPECT_FALSE(watchdog.Fired());
    }
    EXPECT_TRUE(requested) << "the run ended on the request made before it";
    requester.join();
    EXPECT_NE(client_->Browser(), nullptr);
}

TEST_F(EngineBrowser, AnEndFromTheEngineUiThreadEndsTheRunAndTheEngineGoesOn)
{
    std::atomic<DWORD> quitThread{0};
    client_->SetMainFrameLoadedHook([&](CefRefPtr<CefBrowser>) {
        quitThread = GetCurrentThreadId();
        EndMessagesRun();
    });
    browser_->GetMainFrame()->LoadURL(server_->WideUrl("/titled"));
    {
        LoopWatchdog watchdog;
        RunMessagesUntilBrowsersClosed();
        EXPECT_FALSE(watchdog.Fired());
    }
    EXPECT_NE(quitThread.load(), 0u);
    EXPECT_NE(quitThread.load(), GetCurrentThreadId());
    client_->SetMainFrameLoadedHook(nullptr);

    const std::wstring next = server_->WideUrl("/framed");
    LoadAndWait(next);
    EXPECT_NE(client_->Browser(), nullptr);
}

TEST_F(EngineBrowser, WmQuitEndsTheRunAndStaysForTheCallersLoop)
{
    constexpr int kExitCode = 7;
    const DWORD loopThread = GetCurrentThreadId();
    std::atomic<bool> posted{false};
    std::thread poster([&] {
        Sleep(kLaterMs);
        posted = true;
        PostThreadMessageW(loopThread, WM_QUIT, kExitCode, 0);
    });
    {
        LoopWatchdog watchdog;
        RunMessagesUntilBrowsersClosed();
        EXPECT_FALSE(watchdog.Fired());
    }
    EXPECT_TRUE(posted);
    poster.join();
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, static_cast<WPARAM>(kExitCode));
    EXPECT_NE(client_->Browser(), nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    g_app = new enginetest::TestApp;
    return testsupport::RunEngineTestMain(argc, argv, g_app, LauncherEngineSettings());
}
