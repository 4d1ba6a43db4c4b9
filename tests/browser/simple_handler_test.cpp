// The browser clients with the real engine: game addresses handed over by the
// login client, pop-ups kept in their browser, the browser list,
// titles, and the error page.
#include "browser_fixture.h"
#include "game_address_recorder.h"
#include "driver.h"

#include "browser/error_page.h"
#include "browser/game_client.h"
#include "engine/cef_string_visitor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>

namespace {

using driver::WaitFor;

// A valid 1 x 1 PNG picture.
std::string OnePixelPng()
{
    static const unsigned char bytes[] = {
        0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
        0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0x1f, 0x15, 0xc4, 0x89, 0x00, 0x00, 0x00,
        0x0d, 0x49, 0x44, 0x41, 0x54, 0x78, 0xda, 0x63, 0xfc, 0xcf, 0xc0, 0x50, 0x0f, 0x00, 0x04, 0x85, 0x01, 0x80,
        0x84, 0xa9, 0x8c, 0x21, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

class GameAddressTest : public BrowserFixture {
protected:
    void SetUp() override
    {
        Site().Page("/start", "<html><body>start</body></html>");
        Site().Page("/login", "<html><body>login</body></html>");
        Site().Page("/play?server=1&client=2", "<html><body>game</body></html>");
    }

    // Asks the login browser for the address and waits until the recorder has
    // been handed it; the navigation must be cancelled, so the site never sees
    // the address.
    bool HandsOverWithoutRequest(const CefRefPtr<CefBrowser>& browser, const std::string& pathAndQuery)
    {
        const size_t before = m_recorder.Addresses().size();
        browser->GetMainFrame()->LoadURL(Address(pathAndQuery));
        const bool handedOver = driver::WaitFor(
            [&] { return m_recorder.Addresses().size() > before && m_recorder.Addresses().back() == Address(pathAndQuery); },
            kEngineStepTimeoutMs);
        return handedOver && Site().CountRequests(pathAndQuery) == 0;
    }

    // Navigates (the site sees the request) and tells whether anything was handed over.
    bool NavigationHandsOver(const CefRefPtr<CefBrowser>& browser, const std::string& pathAndQuery)
    {
        const size_t before = m_recorder.Messages();
        Navigate(browser, pathAndQuery);
        driver::WaitFor([] { return false; }, kQuietPeriodMs / 3);
        return m_recorder.Messages() != before;
    }

    GameAddressRecorder m_recorder{Address("/login")};
};

TEST_F(GameAddressTest, AMainFrameNavigationToAGameAddressIsHandedOverAndNeverRequested)
{
    CefRefPtr<CefBrowser> browser = OpenBrowser(m_recorder.Client(), "/start");
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(m_recorder.Addresses().empty());

    EXPECT_TRUE(HandsOverWithoutRequest(browser, "/play?server=1&client=2"));
    EXPECT_TRUE(HandsOverWithoutRequest(browser, "/play?ref=xclient=2y"));
    EXPECT_TRUE(HandsOverWithoutRequest(browser, "/play?client=20"));
    EXPECT_TRUE(HandsOverWithoutRequest(browser, "/client=2/path"));

    EXPECT_FALSE(NavigationHandsOver(browser, "/play?Client=2"));
    EXPECT_FALSE(NavigationHandsOver(browser, "/play?client%3D2"));
    EXPECT_FALSE(NavigationHandsOver(browser, "/play?client=3"));
    // The browser stayed on its page: the last navigation that was not
    // cancelled is what it shows.
    EXPECT_EQ(browser->GetMainFrame()->GetURL().ToWString(), Address("/play?client=3"));
}

TEST_F(GameAddressTest, AFrameOfTheLoginPageNavigatingToAGameAddressHandsNothingOver)
{
    Site().Page("/with-game-frame", "<html><body><iframe src=\"/framed?client=2\"></iframe></body></html>");
    Site().Page("/framed?client=2", "<html><body>framed</body></html>");
    CefRefPtr<CefBrowser> browser = OpenBrowser(m_recorder.Client(), "/start");
    ASSERT_NE(browser, nullptr);
    Navigate(browser, "/with-game-frame");
    ASSERT_TRUE(WaitForRequests("/framed?client=2"));
    driver::WaitFor([] { return false; }, kQuietPeriodMs);
    EXPECT_EQ(m_recorder.Messages(), 0u);
}

TEST_F(GameAddressTest, AServerRedirectToAGameAddressIsHandedOverAndTheLoginPageLoadsInstead)
{
    Site().Redirect("/go", "/play?client=2&via=redirect");
    CefRefPtr<CefBrowser> browser = OpenBrowser(m_recorder.Client(), "/start");
    ASSERT_NE(browser, nullptr);
    Navigate(browser, "/go");
    ASSERT_TRUE(WaitForRequests("/login")) << "the redirect did not go to the login page";
    ASSERT_TRUE(driver::WaitFor([&] { return !m_recorder.Addresses().empty(); }, kEngineStepTimeoutMs));
    EXPECT_EQ(m_recorder.Addresses(), std::vector<std::wstring>{Address("/play?client=2&via=redirect")});
    EXPECT_EQ(Site().CountRequests("/play?client=2&via=redirect"), 0u);
}

TEST_F(GameAddressTest, AGameAddressThatWouldRedirectIsHandedOverBeforeItsRequest)
{
    Site().Redirect("/enter?client=2", "/lobby");
    Site().Page("/lobby", "<html><body>lobby</body></html>");
    CefRefPtr<CefBrowser> browser = OpenBrowser(m_recorder.Client(), "/start");
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(HandsOverWithoutRequest(browser, "/enter?client=2"));
    driver::WaitFor([] { return false; }, kQuietPeriodMs);
    EXPECT_EQ(m_recorder.Addresses().size(), 1u);
    EXPECT_EQ(Site().CountRequests("/lobby"), 0u);
}

TEST_F(GameAddressTest, RedirectOfAPagesImageIsNoNavigation)
{
    Site().Page("/with-image", "<html><body><img src=\"/picture\"></body></html>");
    Site().Redirect("/picture", "/picture.png?client=2");
    testsupport::HttpResponse picture;
    picture.contentType = "image/png";
    picture.body = OnePixelPng();
    Site().Route("/picture.png?client=2", picture);
    CefRefPtr<CefBrowser> browser = OpenBrowser(m_recorder.Client(), "/start");
    ASSERT_NE(browser, nullptr);
    Navigate(browser, "/with-image");
    ASSERT_TRUE(WaitForRequests("/picture.png?client=2"));
    EXPECT_EQ(m_recorder.Messages(), 0u);
}

TEST_F(GameAddressTest, TheLoginPageShowsThePublishersHostsOnlyWhileItsFramesLoadAnyHost)
{
    // The site under another name is another host.
    Site().Page("/elsewhere", "<html><body>elsewhere</body></html>");
    std::wstring elsewhere = Address("/elsewhere");
    elsewhere.replace(elsewhere.find(L"127.0.0.1"), 9, L"localhost");
    Site().Page("/with-frame-elsewhere",
                "<html><body><iframe src=\"" + std::string(elsewhere.begin(), elsewhere.end()) + "\"></iframe></body></html>");
    CefRefPtr<CefBrowser> browser = OpenBrowser(m_recorder.Client(), "/start");
    ASSERT_NE(browser, nullptr);

    const auto goesOutside = [&](const std::wstring& address) {
        const size_t before = m_recorder.OutsideAddresses().size();
        browser->GetMainFrame()->LoadURL(address);
        return WaitFor([&] { return m_recorder.OutsideAddresses().size() > before; }, kEngineStepTimeoutMs) &&
               m_recorder.OutsideAddresses().back() == address;
    };
    EXPECT_TRUE(goesOutside(elsewhere));
    EXPECT_TRUE(goesOutside(L"mailto:service@example.com"));
    browser->GetMainFrame()->LoadURL(L"file:///C:/windows/win.ini");
    WaitFor([] { return false; }, kQuietPeriodMs);
    EXPECT_EQ(m_recorder.OutsideAddresses().size(), 2u);
    EXPECT_EQ(Site().CountRequests("/elsewhere"), 0u);
    EXPECT_EQ(browser->GetMainFrame()->GetURL().ToWString(), Address("/start"));

    Navigate(browser, "/with-frame-elsewhere");
    EXPECT_TRUE(WaitForRequests("/elsewhere")) << "the frame on another host did not load";
    EXPECT_EQ(m_recorder.OutsideAddresses().size(), 2u);
}

TEST_F(GameAddressTest, TheGameClientLoadsGameAddressesItself)
{
    CefRefPtr<GameClient> gameClient(new GameClient(nullptr, Address("/play?server=1&client=2"), nullptr));
    CefRefPtr<CefBrowser> browser = OpenBrowser(gameClient, "/play?server=1&client=2");
    ASSERT_NE(browser, nullptr);
    Site().Page("/play?client=2&again=1", "<html><body>again</body></html>");
    Navigate(browser, "/play?client=2&again=1");
    EXPECT_EQ(m_recorder.Messages(), 0u);
}

class PopupTest : public BrowserFixture {
protected:
    // A page whose whole body is a link that opens its target in a new tab.
    static std::string LinkPage(const std::string& target)
    {
        return "<html><body style=\"margin:0\"><a href=\"" + target +
               "\" target=\"_blank\" style=\"display:block;width:100%;height:100vh\">link</a></body></html>";
    }
    static std::string ScriptPage(const std::string& script)
    {
        return "<html><body><script>window.onload = function () { " + script + " };</script></body></html>";
    }

    // Loads the page and, when keys is set, clicks it with real input while
    // holding those keys; then waits for the target to end loading.
    void Request(const CefRefPtr<ObservedHandler>& client, const CefRefPtr<CefBrowser>& browser,
                 const std::string& page, const std::vector<WORD>* keys, const std::string& target)
    {
        Navigate(browser, page);
        ASSERT_TRUE(WaitFor([&] { return client->HasEndedLoadOf(Address(page)); }, kEngineStepTimeoutMs));
        if (keys) {
            const HWND view = browser->GetHost()->GetWindowHandle();
            ASSERT_TRUE(driver::BringToForeground(GetAncestor(view, GA_ROOT)));
            driver::PumpMessagesFor(kPaintSettleMs);
            const RECT bounds = driver::WindowRect(view);
            driver::ClickAtWithKeysHeld({(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2}, *keys);
        }
        EXPECT_TRUE(WaitFor([&] { return client->HasEndedLoadOf(Address(target)); }, kEngineStepTimeoutMs))
            << "the target never loaded";
    }

    static constexpr DWORD kPaintSettleMs = 300;
};

// Every way a page asks for a new tab, pop-up or window ends in the same
// browser's main frame; no second browser is made.
TEST_F(PopupTest, NewTabsPopupsAndWindowsLoadInTheBrowserThatAsked)
{
    const std::vector<WORD> plain;
    const std::vector<WORD> control = {VK_CONTROL};
    const std::vector<WORD> shift = {VK_SHIFT};
    struct Case {
        std::string page;
        std::string html;
        const std::vector<WORD>* keys;
        std::string target;
        cef_window_open_disposition_t expected;
    };
    const Case cases[] = {
        {"/opens-tab", ScriptPage("window.open('/target?tab');"), nullptr, "/target?tab", WOD_NEW_FOREGROUND_TAB},
        {"/opens-popup", ScriptPage("window.open('/target?popup', '_blank', 'width=300,height=200');"), nullptr,
         "/target?popup", WOD_NEW_POPUP},
        {"/link?blank", LinkPage("/target?blank"), &plain, "/target?blank", WOD_NEW_FOREGROUND_TAB},
        {"/link?background", LinkPage("/target?background"), &control, "/target?background",
         WOD_NEW_BACKGROUND_TAB},
        {"/link?window", LinkPage("/target?window"), &shift, "/target?window", WOD_NEW_WINDOW},
    };
    Site().Page("/popup-start", "<html><body>start</body></html>");
    for (const Case& c : cases) {
        Site().Page(c.page, c.html);
        Site().Page(c.target, "<html><body>target</body></html>");
    }

    CefRefPtr<ObservedHandler> client(new ObservedHandler);
    CefRefPtr<CefBrowser> browser = OpenBrowser(client, "/popup-start");
    ASSERT_NE(browser, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        Request(client, browser, c.page, c.keys, c.target);
        const std::vector<ObservedPopup> popups = client->Popups();
        ASSERT_FALSE(popups.empty());
        EXPECT_EQ(popups.back().targetUrl, Address(c.target));
        EXPECT_EQ(popups.back().disposition, c.expected);
        EXPECT_EQ(browser->GetMainFrame()->GetURL().ToWString(), Address(c.target));
    }
    EXPECT_EQ(client->Popups().size(), std::size(cases));
    EXPECT_EQ(client->CreatedCount(), 1);
    EXPECT_TRUE(client->GetBrowser()->IsSame(browser));
}

class BrowserListTest : public BrowserFixture {};

TEST_F(BrowserListTest, SecondBrowserComesAfterTheFirstAndEachCloseRemovesItsOwn)
{
    Site().Page("/list", "<html><body>list</body></html>");
    CefRefPtr<ObservedHandler> client(new ObservedHandler);
    EXPECT_EQ(client->GetBrowser(), nullptr);

    CefRefPtr<CefBrowser> first = OpenBrowser(client, "/list");
    CefRefPtr<CefBrowser> second = OpenBrowser(client, "/list");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_FALSE(first->IsSame(second));
    EXPECT_TRUE(client->GetBrowser()->IsSame(first));

    first->GetHost()->CloseBrowser(true);
    ASSERT_TRUE(WaitFor([&] { return client->ClosedCount() == 1; }, kEngineStepTimeoutMs));
    EXPECT_TRUE(client->GetBrowser()->IsSame(second));

    second->GetHost()->CloseBrowser(true);
    ASSERT_TRUE(WaitFor([&] { return client->ClosedCount() == 2; }, kEngineStepTimeoutMs));
    EXPECT_EQ(client->GetBrowser(), nullptr);
}

TEST_F(BrowserListTest, CloseOfABrowserOfAnotherClientRemovesNothing)
{
    Site().Page("/own", "<html><body>own</body></html>");
    CefRefPtr<ObservedHandler> client(new ObservedHandler);
    CefRefPtr<CefBrowser> own = OpenBrowser(client, "/own");
    ASSERT_NE(own, nullptr);
    const CefRefPtr<CefBrowser> stranger = SharedBrowsingEnvironment::KeeperBrowser();
    ASSERT_NE(stranger, nullptr);

    client->OnBeforeClose(stranger);
    EXPECT_TRUE(client->GetBrowser()->IsSame(own));

    CefRefPtr<SimpleHandler> empty(new SimpleHandler(L"about:blank"));
    empty->OnBeforeClose(stranger);
    EXPECT_EQ(empty->GetBrowser(), nullptr);
}

class DisplayTest : public BrowserFixture {};

TEST_F(DisplayTest, TitleLandsOnTheBrowsersOwnWindowNotOnItsHost)
{
    Site().Page("/titled", "<html><head><title>\xE5\xBE\xAE\xE7\xAB\xAF Zarnith</title></head><body>t</body></html>");
    CefRefPtr<ObservedHandler> client(new ObservedHandler);
    CefRefPtr<CefBrowser> browser = OpenBrowser(client, "/titled");
    ASSERT_NE(browser, nullptr);
    const HWND browserWindow = browser->GetHost()->GetWindowHandle();
    const HWND host = GetParent(browserWindow);
    wchar_t hostCaptionBefore[256] = {};
    GetWindowTextW(host, hostCaptionBefore, 256);

    EXPECT_TRUE(WaitFor(
        [&] {
            wchar_t text[256] = {};
            GetWindowTextW(browserWindow, text, 256);
            return std::wstring(text) == L"\x5FAE\x7AEF Zarnith";
        },
        kEngineStepTimeoutMs));
    wchar_t hostCaption[256] = {};
    GetWindowTextW(host, hostCaption, 256);
    EXPECT_STREQ(hostCaption, hostCaptionBefore);
}

class ErrorPageTest : public BrowserFixture {
protected:
    // Collects a string the engine hands over later.
    class StringCollector : public CefStringVisitor {
    public:
        void Visit(const CefString& string) override
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_value = string.ToWString();
            m_done = true;
        }
        bool Done() const
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            return m_done;
        }
        std::wstring Value() const
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            return m_value;
        }

    private:
        // Written on the engine's UI thread, read on the test's.
        mutable std::mutex m_mutex;
        std::wstring m_value;
        bool m_done = false;
        IMPLEMENT_REFCOUNTING(StringCollector);
    };

    static std::wstring TextOf(const CefRefPtr<CefFrame>& frame)
    {
        CefRefPtr<StringCollector> collector(new StringCollector);
        frame->GetText(collector.get());
        EXPECT_TRUE(WaitFor([&] { return collector->Done(); }, kEngineStepTimeoutMs));
        return collector->Value();
    }
    static std::wstring SourceOf(const CefRefPtr<CefFrame>& frame)
    {
        CefRefPtr<StringCollector> collector(new StringCollector);
        frame->GetSource(collector.get());
        EXPECT_TRUE(WaitFor([&] { return collector->Done(); }, kEngineStepTimeoutMs));
        return collector->Value();
    }
};

// The error page's heading: "页面加载失败".
constexpr wchar_t kErrorPageTitle[] = L"\x9875\x9762\x52A0\x8F7D\x5931\x8D25";

// A refused connection: the page shows the address and the signed code as
// plain text; markup in the address does not become part of the page.
TEST_F(ErrorPageTest, RefusedConnectionShowsTheAddressAsTextAndTheSignedCode)
{
    Site().Page("/error-start", "<html><body>start</body></html>");
    CefRefPtr<ObservedHandler> client(new ObservedHandler);
    CefRefPtr<CefBrowser> browser = OpenBrowser(client, "/error-start");
    ASSERT_NE(browser, nullptr);

    const std::string injected = "/injected";
    const std::wstring crafted = L"http://127.0.0.1:" + std::to_wstring(testsupport::UnusedLoopbackPort()) +
                                 L"/fail?q=\"x\"&r='y'#<img src=\"" + Address(injected) +
                                 L"\"><script>document.title='owned'</script>&amp;";
    browser->GetMainFrame()->LoadURL(crafted);
    std::vector<ObservedLoadError> errors;
    ASSERT_TRUE(WaitFor([&] { return !(errors = client->LoadErrors()).empty(); }, kEngineStepTimeoutMs));
    EXPECT_EQ(errors.front().code, ERR_CONNECTION_REFUSED);
    const std::wstring failedUrl = errors.front().failedUrl;
    // The failed address still carries markup characters for the page to escape.
    ASSERT_NE(failedUrl.find(L"<img"), std::wstring::npos) << failedUrl;
    ASSERT_TRUE(WaitFor([&] { return client->HasEndedLoadOf(failedUrl); }, kEngineStepTimeoutMs))
        << "no error page was shown";

    const CefRefPtr<CefFrame> frame = browser->GetMainFrame();
    EXPECT_EQ(frame->GetURL().ToWString(), failedUrl);
    const std::wstring text = TextOf(frame);
    EXPECT_NE(text.find(kErrorPageTitle), std::wstring::npos) << text;
    EXPECT_NE(text.find(failedUrl), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"-102"), std::wstring::npos) << text;
    const std::wstring source = SourceOf(frame);
    EXPECT_EQ(source.find(L"<img"), std::wstring::npos) << source;
    EXPECT_EQ(source.find(L"<script"), std::wstring::npos) << source;
    // The page has finished loading, so an injected image would have been asked for by now.
    EXPECT_EQ(Site().CountRequests(injected), 0u);
    wchar_t title[256] = {};
    GetWindowTextW(browser->GetHost()->GetWindowHandle(), title, 256);
    EXPECT_STRNE(title, L"owned");
}

// A load the engine gives up itself (a 204 answer ends it with ERR_ABORTED)
// leaves the page as it was.
TEST_F(ErrorPageTest, AbortedLoadShowsNoErrorPage)
{
    Site().Page("/before-abort", "<html><body>before</body></html>");
    testsupport::HttpResponse noContent;
    noContent.status = 204;
    Site().Route("/no-content", noContent);
    CefRefPtr<ObservedHandler> client(new ObservedHandler);
    CefRefPtr<CefBrowser> browser = OpenBrowser(client, "/before-abort");
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(WaitFor([&] { return client->HasEndedLoadOf(Address("/before-abort")); },
                                 kEngineStepTimeoutMs));

    Navigate(browser, "/no-content");
    std::vector<ObservedLoadError> errors;
    ASSERT_TRUE(WaitFor([&] { return !(errors = client->LoadErrors()).empty(); }, kEngineStepTimeoutMs));
    EXPECT_EQ(errors.front().code, ERR_ABORTED);
    driver::PumpMessagesFor(kQuietPeriodMs);
    EXPECT_EQ(browser->GetMainFrame()->GetURL().ToWString(), Address("/before-abort"));
    EXPECT_FALSE(client->HasEndedLoadOf(Address("/no-content")));
}

// A frame of the page that fails keeps what the engine leaves in it: the
// page around it stays, and no error page is loaded into the frame.
TEST_F(ErrorPageTest, AFailedFrameShowsNoErrorPage)
{
    const std::wstring failing =
        L"http://127.0.0.1:" + std::to_wstring(testsupport::UnusedLoopbackPort()) + L"/advert";
    Site().Page("/with-frame", "<html><head><title>framed</title></head><body>around<iframe src=\"" +
                                   std::string(failing.begin(), failing.end()) + "\"></iframe></body></html>");
    CefRefPtr<ObservedHandler> client(new ObservedHandler);
    CefRefPtr<CefBrowser> browser = OpenBrowser(client, "/with-frame");
    ASSERT_NE(browser, nullptr);

    std::vector<ObservedLoadError> errors;
    ASSERT_TRUE(WaitFor([&] { return !(errors = client->LoadErrors()).empty(); }, kEngineStepTimeoutMs));
    EXPECT_EQ(errors.front().code, ERR_CONNECTION_REFUSED);
    EXPECT_EQ(errors.front().failedUrl, failing);
    driver::PumpMessagesFor(kQuietPeriodMs);
    EXPECT_FALSE(client->HasEndedLoadOf(failing)) << "a page was loaded into the failed frame";
    EXPECT_EQ(browser->GetMainFrame()->GetURL().ToWString(), Address("/with-frame"));
    EXPECT_EQ(TextOf(browser->GetMainFrame()).find(kErrorPageTitle), std::wstring::npos);
}

// The crash page's heading: "页面已停止运行"; the engine writes it into the
// browser's window as the page's title.
constexpr wchar_t kCrashPageTitle[] = L"\x9875\x9762\x5DF2\x505C\x6B62\x8FD0\x884C";

std::wstring BrowserWindowTitle(const CefRefPtr<CefBrowser>& browser)
{
    wchar_t title[256] = {};
    GetWindowTextW(browser->GetHost()->GetWindowHandle(), title, 256);
    return title;
}

// The renderer process of the page opened last: the newest renderer this
// program's engine started.
DWORD NewestRenderer()
{
    DWORD newest = 0;
    for (DWORD id : driver::ChildProcessesOf(GetCurrentProcessId()))
        if (driver::CommandLineOf(id).find(L"--type=renderer") != std::wstring::npos)
            newest = id;
    return newest;
}

bool Kill(DWORD processId)
{
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (!process)
        return false;
    const bool ended = TerminateProcess(process, 1) && WaitForSingleObject(process, 5000) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

using CrashPageTest = BrowserFixture;

// The renderer behind a page is killed: the browser shows the crash page on
// the page's address, without asking the site for the page; its button asks
// for the page again, and so does F5 in the page.
TEST_F(CrashPageTest, AnEndedRendererGivesTheCrashPageWhoseButtonAndF5LoadThePageAgain)
{
    const std::string page = "/crash-victim";
    Site().Page(page, "<html><head><title>victim</title></head><body>victim</body></html>");
    CefRefPtr<ObservedHandler> client(new ObservedHandler);
    CefRefPtr<CefBrowser> browser = OpenBrowser(client, page);
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(WaitFor([&] { return BrowserWindowTitle(browser) == L"victim"; }, kEngineStepTimeoutMs));
    const DWORD renderer = NewestRenderer();
    ASSERT_NE(renderer, 0u) << "no renderer process found";

    ASSERT_TRUE(Kill(renderer));
    EXPECT_TRUE(WaitFor([&] { return BrowserWindowTitle(browser) == kCrashPageTitle; }, kEngineStepTimeoutMs))
        << "the crash page did not come; the title is " << testing::PrintToString(BrowserWindowTitle(browser));
    EXPECT_EQ(browser->GetMainFrame()->GetURL().ToWString(), Address(page));
    EXPECT_EQ(Site().CountRequests(page), 1u);

    const HWND browserWindow = browser->GetHost()->GetWindowHandle();
    ASSERT_TRUE(driver::BringToForeground(GetAncestor(browserWindow, GA_ROOT)));
    driver::ClickInWindow(browserWindow, {kOwnPageButtonLeft + kOwnPageButtonWidth / 2,
                                          kOwnPageButtonTop + kOwnPageButtonHeight / 2});
    EXPECT_TRUE(WaitForRequests(page, 2)) << "the crash page's button did not ask for the page";
    EXPECT_TRUE(WaitFor([&] { return BrowserWindowTitle(browser) == L"victim"; }, kEngineStepTimeoutMs));

    driver::PressKey(VK_F5);
    EXPECT_TRUE(WaitForRequests(page, 3)) << "F5 did not load the page again";
    EXPECT_TRUE(WaitFor([&] { return BrowserWindowTitle(browser) == L"victim"; }, kEngineStepTimeoutMs));
}

}  // namespace
