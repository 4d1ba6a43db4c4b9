// The login window, the login browser window and the hand-over to the game,
// as a player meets them: Zarnith.exe under Wine with the real engine and the
// demo publisher site, driven with real input.
#include "game_window.h"
#include "launcher_session.h"
#include "rect_printing.h"
#include "test_window.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using launchertest::kLoginWindowSize;
using launchertest::LauncherSession;

// Where the login browser window sits from the login window's outer corner,
// and the browser inside it.
constexpr POINT kLoginBrowserOffset = {483, 217};
constexpr SIZE kLoginBrowserSize = {627, 406};
// A point of the login page's plain background (below its form) in the login
// browser window's client area, and the page's background colour.
constexpr POINT kLoginPageBackgroundPoint = {20, 380};
constexpr COLORREF kLoginPageBackground = RGB(0x1b, 0x1f, 0x2a);
// How often a window order must hold after the launcher has handled all its
// messages again (Wine reorders windows from X events it handles later).
constexpr int kSettleRounds = 3;
// Longer than the launcher takes to end.
constexpr DWORD kHeldBackPageMs = 8000;
// The game page's "换服" link (a second game address), from the page's right edge.
constexpr int kSwitchServerLinkFromRight = 64;
constexpr int kGamePageLinksY = 24;
// How long a followed link takes at most to show its page's title.
constexpr DWORD kLinkFollowMs = 8000;
constexpr char kGamePagePath[] = "/game/play.html";
// Where the demo login page gets the ticket it enters the game with.
constexpr char kTicketPath[] = "/ticket";
// How long to wait for requests that must not come.
constexpr DWORD kQuietMs = 1500;
// Game windows opened and closed while the login page hands over again and again.
constexpr int kStormCycles = 3;
constexpr DWORD kStormWatchMs = 1500;
// Logins whose game window is closed the moment it appears.
constexpr int kEarlyCloseRounds = 5;
// Game windows closed while their page is held back by the server.
constexpr int kClosesWhileLoading = 3;

RECT WorkArea()
{
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

POINT TopLeft(HWND window)
{
    const RECT rect = driver::WindowRect(window);
    return {rect.left, rect.top};
}

SIZE SizeOf(const RECT& rect)
{
    return {rect.right - rect.left, rect.bottom - rect.top};
}

bool FollowsLogin(HWND login, HWND loginBrowser)
{
    const POINT login_ = TopLeft(login);
    const POINT browser = TopLeft(loginBrowser);
    return browser.x == login_.x + kLoginBrowserOffset.x && browser.y == login_.y + kLoginBrowserOffset.y;
}

// Whether upper comes before lower in the window order.
bool IsAbove(HWND upper, HWND lower)
{
    for (HWND next = GetWindow(upper, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT)) {
        if (next == lower)
            return true;
    }
    return false;
}

bool ScreenShowsLoginPage(HWND loginBrowser)
{
    const RECT client = driver::ClientRectOnScreen(loginBrowser);
    const POINT point = {client.left + kLoginPageBackgroundPoint.x, client.top + kLoginPageBackgroundPoint.y};
    return driver::PixelAt(point) == kLoginPageBackground;
}

// The window's thread has answered a message sent after everything so far.
bool Answers(HWND window)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, launchertest::kWindowTimeoutMs, &result) != 0;
}

// The login browser window is above the login window in the window order
// and on the screen, and still is each time the launcher has handled its
// messages again.
bool StaysAbove(HWND loginBrowser, HWND login)
{
    const auto above = [&] { return IsAbove(loginBrowser, login) && ScreenShowsLoginPage(loginBrowser); };
    for (int round = 0; round < kSettleRounds; ++round) {
        if (!Answers(login) || !driver::WaitFor(above, launchertest::kWindowTimeoutMs))
            return false;
    }
    return true;
}

// Where each skinned window stood when it was made, from the system's
// window-creation events. Under Wine the creating thread waits while this
// test's thread takes the event, so the place read is the place at creation.
class CreationPlaces {
public:
    CreationPlaces()
    {
        s_places = &m_places;
        m_hook = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, &OnCreated, 0, 0,
                                 WINEVENT_OUTOFCONTEXT);
    }
    ~CreationPlaces()
    {
        if (m_hook)
            UnhookWinEvent(m_hook);
        s_places = nullptr;
    }
    CreationPlaces(const CreationPlaces&) = delete;
    CreationPlaces& operator=(const CreationPlaces&) = delete;

    bool Watching() const { return m_hook != nullptr; }
    std::optional<RECT> Of(HWND window) const
    {
        const auto found = m_places.find(window);
        return found == m_places.end() ? std::nullopt : std::optional<RECT>(found->second);
    }

private:
    static void CALLBACK OnCreated(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD)
    {
        if (s_places && object == OBJID_WINDOW && driver::WindowClass(window) == launchertest::kWindowClass)
            (*s_places)[window] = driver::WindowRect(window);
    }

    static inline std::map<HWND, RECT>* s_places = nullptr;
    std::map<HWND, RECT> m_places;
    HWINEVENTHOOK m_hook = nullptr;
};

void ClickGameCloseButton(HWND game)
{
    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::Close);
}

// Replaces one of the runnable folder's skin files while it lives.
class ReplacedSkin {
public:
    ReplacedSkin(const wchar_t* skinFile, const char* xml)
    {
        m_path = launchertest::RunnableFolder() + L"\\skin\\" + skinFile;
        m_saved = m_path + L".saved";
        m_replaced = MoveFileExW(m_path.c_str(), m_saved.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
        const HANDLE file = CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        m_replaced = m_replaced && file != INVALID_HANDLE_VALUE &&
                     WriteFile(file, xml, static_cast<DWORD>(strlen(xml)), &written, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
    ~ReplacedSkin() { MoveFileExW(m_saved.c_str(), m_path.c_str(), MOVEFILE_REPLACE_EXISTING); }
    ReplacedSkin(const ReplacedSkin&) = delete;
    ReplacedSkin& operator=(const ReplacedSkin&) = delete;

    bool Replaced() const { return m_replaced; }

private:
    std::wstring m_path;
    std::wstring m_saved;
    bool m_replaced = false;
};

class LoginFlow : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(driver::ProcessesNamed(launchertest::kExecutableName).empty()) << "a launcher is already running";
        ASSERT_TRUE(m_session.Site().IsListening()) << "the demo site's port is taken";
    }

    // The close button ends the program cleanly: exit code 0, nothing left.
    // A game window must be gone first: the login windows show again before
    // it is, and a click at the close button could still land on it.
    void ExpectCloseButtonEndsTheProgram()
    {
        ASSERT_TRUE(m_session.ClickLoginCloseButton()) << "the login window stayed";
        ExpectCleanEnd();
    }

    void ExpectCleanEnd()
    {
        DWORD exitCode = 1;
        EXPECT_TRUE(m_session.EndsCleanly(&exitCode)) << "exit code " << exitCode;
    }

    size_t LoginPageRequests() { return m_session.Site().CountRequests(launchertest::kLoginPagePath); }

    // The login page's answer comes only after the test has ended the launcher.
    void HoldBackTheLoginPage()
    {
        testsupport::HttpResponse slowPage;
        slowPage.body = "<html><head><title>slow</title></head><body>slow</body></html>";
        slowPage.delayMs = kHeldBackPageMs;
        m_session.Site().Route(launchertest::kLoginPagePath, slowPage);
    }

    LauncherSession m_session;
};

TEST_F(LoginFlow, TheLoginWindowIsCentredAndCarriesTheLoginBrowserWindowWhereverItMoves)
{
    const CreationPlaces made;
    ASSERT_TRUE(made.Watching());
    ASSERT_TRUE(m_session.Start());
    const HWND login = m_session.Login();
    const HWND loginBrowser = m_session.LoginBrowser();

    // Made where it stays: the engine makes its windows inside it on its own
    // thread meanwhile, and one made while the window still moved was left at
    // the window's first place, where the page never got a click.
    ASSERT_TRUE(made.Of(loginBrowser)) << "no creation seen";
    EXPECT_EQ(*made.Of(loginBrowser), driver::WindowRect(loginBrowser));

    const RECT work = WorkArea();
    const RECT outer = driver::WindowRect(login);
    ASSERT_EQ(SizeOf(outer).cx, kLoginWindowSize.cx);
    ASSERT_EQ(SizeOf(outer).cy, kLoginWindowSize.cy);
    EXPECT_EQ(outer.left, work.left + (work.right - work.left - kLoginWindowSize.cx) / 2);
    EXPECT_EQ(outer.top, work.top + (work.bottom - work.top - kLoginWindowSize.cy) / 2);

    EXPECT_EQ(driver::Owner(loginBrowser), login);
    EXPECT_EQ(driver::Style(loginBrowser) & WS_CHILD, 0) << "an owned top-level window";
    EXPECT_TRUE(FollowsLogin(login, loginBrowser));
    const HWND browser = launchertest::BrowserWindowIn(loginBrowser);
    ASSERT_NE(browser, nullptr);
    const RECT browserRect = driver::WindowRect(browser);
    const RECT host = driver::ClientRectOnScreen(loginBrowser);
    EXPECT_EQ(browserRect.left, host.left);
    EXPECT_EQ(browserRect.top, host.top);
    EXPECT_EQ(SizeOf(browserRect).cx, kLoginBrowserSize.cx);
    EXPECT_EQ(SizeOf(browserRect).cy, kLoginBrowserSize.cy);

    // A click on the login window activates it, and the login page stays in
    // sight: an owned window stays above its owner.
    driver::ClickInWindow(login, {200, 600});
    ASSERT_TRUE(driver::WaitFor([&] { return GetForegroundWindow() == login; }, launchertest::kWindowTimeoutMs));
    EXPECT_TRUE(StaysAbove(loginBrowser, login)) << "the login page went behind the login window";

    // A move by a program: the login browser window follows, keeping its
    // size, its place above the login window and the activation.
    const SIZE browserSize = SizeOf(driver::WindowRect(loginBrowser));
    SetWindowPos(login, nullptr, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(driver::WaitFor([&] { return FollowsLogin(login, loginBrowser); }, launchertest::kWindowTimeoutMs));
    EXPECT_EQ(TopLeft(loginBrowser).x, 100 + kLoginBrowserOffset.x);
    EXPECT_EQ(SizeOf(driver::WindowRect(loginBrowser)).cx, browserSize.cx);
    EXPECT_EQ(SizeOf(driver::WindowRect(loginBrowser)).cy, browserSize.cy);
    EXPECT_EQ(GetForegroundWindow(), login);
    // On the screen: Wine's own window order may have the login window first
    // for a while after a move, as it reorders it from X exposure events that
    // still describe the old places, until the pointer next passes over.
    EXPECT_TRUE(driver::WaitFor([&] { return ScreenShowsLoginPage(loginBrowser); }, launchertest::kWindowTimeoutMs));

    // A real drag of the caption.
    const POINT before = TopLeft(login);
    const POINT grip = {before.x + 300, before.y + 18};
    driver::DragMouse(grip, {grip.x + 120, grip.y + 70});
    EXPECT_TRUE(driver::WaitFor([&] { return TopLeft(login).x == before.x + 120 && TopLeft(login).y == before.y + 70; },
                                launchertest::kWindowTimeoutMs))
        << "the drag did not move the login window";
    EXPECT_TRUE(driver::WaitFor([&] { return FollowsLogin(login, loginBrowser); }, launchertest::kWindowTimeoutMs));
    EXPECT_EQ(SizeOf(driver::WindowRect(loginBrowser)).cx, browserSize.cx);

    ExpectCloseButtonEndsTheProgram();
}

TEST_F(LoginFlow, MaximisingOrSizingTheLoginWindowKeepsItsDrawnSizeUnderTheLoginBrowserWindow)
{
    ASSERT_TRUE(m_session.Start());
    const HWND login = m_session.Login();
    const HWND loginBrowser = m_session.LoginBrowser();

    // As the caption's double click, a snap to a screen edge or the system
    // menu ask for it.
    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutW(login, WM_SYSCOMMAND, SC_MAXIMIZE, 0, SMTO_NORMAL, launchertest::kWindowTimeoutMs,
                                    &result));
    EXPECT_EQ(SizeOf(driver::WindowRect(login)).cx, kLoginWindowSize.cx);
    EXPECT_EQ(SizeOf(driver::WindowRect(login)).cy, kLoginWindowSize.cy);
    EXPECT_TRUE(driver::WaitFor([&] { return FollowsLogin(login, loginBrowser); }, launchertest::kWindowTimeoutMs));
    ASSERT_TRUE(SendMessageTimeoutW(login, WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_NORMAL, launchertest::kWindowTimeoutMs,
                                    &result));

    // A size asked for by another program, as a snap to half the screen does.
    const RECT before = driver::WindowRect(login);
    SetWindowPos(login, nullptr, 0, 0, 683, 728, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(SizeOf(driver::WindowRect(login)).cx, kLoginWindowSize.cx);
    EXPECT_EQ(SizeOf(driver::WindowRect(login)).cy, kLoginWindowSize.cy);
    EXPECT_TRUE(driver::WaitFor([&] { return FollowsLogin(login, loginBrowser); }, launchertest::kWindowTimeoutMs));
    SetWindowPos(login, nullptr, before.left, before.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    ExpectCloseButtonEndsTheProgram();
}

TEST_F(LoginFlow, APlayersLoginOpensOneGameWindowWhoseCloseBringsTheLoginBack)
{
    ASSERT_TRUE(m_session.Start());
    const HWND login = m_session.Login();
    ASSERT_EQ(LoginPageRequests(), 1u);

    // The game window shows the address the login page navigated to, and was
    // made where it shows, as the login browser window is.
    const CreationPlaces made;
    const HWND game = m_session.LogInToGame(L"tester");
    ASSERT_NE(game, nullptr) << "no game window with the game page after the login";
    ASSERT_TRUE(made.Of(game)) << "no creation seen";
    EXPECT_EQ(*made.Of(game), driver::WindowRect(game));
    EXPECT_TRUE(m_session.LoginWindowsHidden());
    EXPECT_EQ(driver::Owner(game), login);
    // The login page was asked for again, once, behind the scenes.
    EXPECT_TRUE(driver::WaitFor([&] { return LoginPageRequests() == 2; }, launchertest::kPageTimeoutMs));
    EXPECT_EQ(m_session.CountGameWindows(), 1u);

    // A second game address, from the game page itself: the game browser goes
    // there; nothing is handed over, so the login page is not asked for again.
    const HWND gameBrowser = launchertest::BrowserWindowIn(game);
    ASSERT_NE(gameBrowser, nullptr);
    const RECT page = driver::ClientRectOnScreen(gameBrowser);
    ASSERT_TRUE(driver::BringToForeground(game));
    driver::ClickInWindow(gameBrowser, {page.right - page.left - kSwitchServerLinkFromRight, kGamePageLinksY});
    EXPECT_TRUE(launchertest::WaitForPageTitle(game, launchertest::GamePageTitle(L"2", L"player"), kLinkFollowMs))
        << "the game page did not follow its link";
    EXPECT_EQ(LoginPageRequests(), 2u);
    EXPECT_EQ(m_session.CountGameWindows(), 1u);
    EXPECT_TRUE(m_session.LoginWindowsHidden());

    // The game window's close button brings both login windows back, in front.
    ClickGameCloseButton(game);
    EXPECT_TRUE(driver::WaitFor([&] { return !IsWindow(game); }, launchertest::kWindowTimeoutMs));
    EXPECT_TRUE(driver::WaitFor([&] { return m_session.LoginWindowsVisible(); }, launchertest::kWindowTimeoutMs));
    EXPECT_EQ(m_session.CountGameWindows(), 0u);
    EXPECT_TRUE(driver::WaitFor(
        [&] { return GetForegroundWindow() == login || GetForegroundWindow() == m_session.LoginBrowser(); },
        launchertest::kWindowTimeoutMs))
        << "the login windows came back behind another window";

    // A new login opens a new game window.
    ASSERT_TRUE(launchertest::WaitForPageTitle(m_session.LoginBrowser(), launchertest::kLoginPageTitle));
    const HWND second = m_session.LogInToGame(L"again");
    ASSERT_NE(second, nullptr) << "no game window with the game page after the second login";
    EXPECT_TRUE(m_session.LoginWindowsHidden());

    ClickGameCloseButton(second);
    ASSERT_TRUE(driver::WaitFor([&] { return !IsWindow(second); }, launchertest::kWindowTimeoutMs));
    ASSERT_TRUE(driver::WaitFor([&] { return m_session.LoginWindowsVisible(); }, launchertest::kWindowTimeoutMs));
    ExpectCloseButtonEndsTheProgram();
}

// A game address may carry a one-time ticket: only the game window's browser
// may ask for it, once, and the login page is asked for again after it.
TEST_F(LoginFlow, OneHandOverRequestsTheGameAddressOnceAndTheLoginPageOnceAfterIt)
{
    m_session.Site().IssueTickets(kGamePagePath);
    ASSERT_TRUE(m_session.Start());
    const HWND game = m_session.LogInToGame(L"ticket");
    ASSERT_NE(game, nullptr) << "no game window with the game page: was its ticket accepted?";
    ASSERT_TRUE(driver::WaitFor([&] { return LoginPageRequests() == 2; }, launchertest::kPageTimeoutMs));
    // Anything late would have arrived by now.
    driver::WaitFor([] { return false; }, kQuietMs);

    // In order: the login page, the ticket as the form is sent, the game
    // address with it, once, and the login page loaded again behind the game
    // window (the reload and the game window's request go out side by side).
    std::vector<std::string> handOver;
    for (const std::string& request : m_session.Site().RequestedPaths()) {
        if (request.rfind(kGamePagePath, 0) == 0 || request == launchertest::kLoginPagePath || request == kTicketPath)
            handOver.push_back(request);
    }
    ASSERT_EQ(m_session.Site().IssuedTickets().size(), 1u);
    const std::string gameAddress = std::string(kGamePagePath) + "?client=2&server=1&account=ticket&ticket=" +
                                    m_session.Site().IssuedTickets().front();
    ASSERT_EQ(handOver.size(), 4u) << testing::PrintToString(handOver);
    EXPECT_EQ(handOver[0], launchertest::kLoginPagePath);
    EXPECT_EQ(handOver[1], kTicketPath);
    EXPECT_EQ(std::count(handOver.begin() + 2, handOver.end(), gameAddress), 1);
    EXPECT_EQ(std::count(handOver.begin() + 2, handOver.end(), launchertest::kLoginPagePath), 1);
    EXPECT_EQ(m_session.CountGameWindows(), 1u);
    PostMessageW(game, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(driver::WaitFor([&] { return m_session.LoginWindowsVisible(); }, launchertest::kWindowTimeoutMs));
    ExpectCloseButtonEndsTheProgram();
}

// A login page that keeps navigating to a game address, many times a second:
// hand-overs arrive while the game window opens, while it is open, while it
// closes and while the login windows come back. At every moment there is at
// most one game window, and in the end either one game window or the login
// windows are shown.
TEST_F(LoginFlow, HandOversAtEveryMomentOfTheCycleLeaveOneGameWindowOrTheLogin)
{
    m_session.ServeLoginPageScript("storm", "setInterval(function () { location.href = "
                                            "'/game/play.html?client=2&server=1&account=storm'; }, 20);");
    ASSERT_TRUE(m_session.Start(false));
    size_t mostGameWindows = 0;
    const auto watch = [&] {
        mostGameWindows = std::max(mostGameWindows, m_session.CountGameWindows());
        return false;
    };
    for (int cycle = 0; cycle < kStormCycles; ++cycle) {
        const HWND game = m_session.WaitForGameWindow(launchertest::kPageTimeoutMs);
        ASSERT_NE(game, nullptr) << "cycle " << cycle << ": no game window";
        driver::WaitFor(watch, kStormWatchMs);
        PostMessageW(game, WM_SYSCOMMAND, SC_CLOSE, 0);
        ASSERT_TRUE(driver::WaitFor([&] { watch(); return !IsWindow(game); }, launchertest::kWindowTimeoutMs));
    }
    // The page hands over again as soon as the login windows are back.
    EXPECT_NE(m_session.WaitForGameWindow(launchertest::kPageTimeoutMs), nullptr);
    driver::WaitFor(watch, kStormWatchMs);
    EXPECT_EQ(mostGameWindows, 1u);
    EXPECT_TRUE(m_session.LoginWindowsHidden());
    PostMessageW(m_session.Login(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectCleanEnd();
}

// A login page that hands over again each time it has loaded, with another
// program's window in front of the open game: the hand-overs that keep coming
// reload the hidden login page but leave the game window where it is, behind
// the other window.
TEST_F(LoginFlow, HandOversWhileTheGameIsOpenLeaveAnotherProgramInFront)
{
    m_session.ServeLoginPageScript("again", "setTimeout(function () { location.href = "
                                            "'/game/play.html?client=2&server=1&account=again'; }, 200);");
    ASSERT_TRUE(m_session.Start(false));
    const HWND game = m_session.WaitForGameWindow(launchertest::kPageTimeoutMs);
    ASSERT_NE(game, nullptr);
    TestWindow::Options options;
    options.caption = L"another program";
    TestWindow other(options);
    ASSERT_TRUE(driver::BringToForeground(other.handle())) << "the other window did not come to the front";
    const size_t loginPagesBefore = LoginPageRequests();
    HWND front = other.handle();
    driver::WaitFor(
        [&] {
            if (GetForegroundWindow() != other.handle())
                front = GetForegroundWindow();
            return false;
        },
        kStormWatchMs);
    EXPECT_GT(LoginPageRequests(), loginPagesBefore) << "no hand-over came while the game was open";
    EXPECT_EQ(front, other.handle()) << "a hand-over brought " << driver::WindowText(front) << " to the front";
    EXPECT_EQ(m_session.CountGameWindows(), 1u);
    PostMessageW(m_session.Login(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectCleanEnd();
}

// A game window closed the moment it appears, while the engine may still be
// creating its browser: the login windows come back and stay, no game window
// opens by itself afterwards (the game browser hands nothing over), and the
// launcher lives on to end cleanly (the engine ends the whole program when
// the window it creates a browser in has gone).
TEST_F(LoginFlow, AGameWindowClosedAsSoonAsItAppearsLeavesTheLoginWindowsShown)
{
    ASSERT_TRUE(m_session.Start());
    for (int round = 0; round < kEarlyCloseRounds; ++round) {
        ASSERT_TRUE(launchertest::WaitForPageTitle(m_session.LoginBrowser(), launchertest::kLoginPageTitle));
        m_session.LogInAs(L"early");
        const HWND game = m_session.WaitForGameWindow();
        ASSERT_NE(game, nullptr) << "round " << round << ": no game window";
        PostMessageW(game, WM_SYSCOMMAND, SC_CLOSE, 0);
        ASSERT_TRUE(driver::WaitFor([&] { return m_session.LoginWindowsVisible(); }, launchertest::kWindowTimeoutMs))
            << "round " << round << ": the login windows did not come back";
        // The closed window itself may wait, hidden, for its browser.
        const bool leftShown = driver::WaitFor(
            [&] { return !m_session.LoginWindowsVisible() || m_session.WaitForGameWindow(0) != nullptr; }, kQuietMs);
        EXPECT_FALSE(leftShown) << "round " << round << ": the login windows were hidden again or a game window opened";
    }
    ExpectCloseButtonEndsTheProgram();
}

// Game windows closed while their page is still loading, several in a row:
// the login windows come back each time and take the next login as the first.
TEST_F(LoginFlow, AGameWindowClosedWhileItsPageLoadsBringsBackALoginThatWorks)
{
    testsupport::HttpResponse slowGame;
    slowGame.body = "<html><head><title>slow game</title></head><body>slow</body></html>";
    slowGame.delayMs = kHeldBackPageMs;
    m_session.Site().Route("/game/play.html?client=2&server=1&account=slow", slowGame);
    ASSERT_TRUE(m_session.Start());
    for (int close = 0; close < kClosesWhileLoading; ++close) {
        ASSERT_TRUE(launchertest::WaitForPageTitle(m_session.LoginBrowser(), launchertest::kLoginPageTitle));
        m_session.LogInAs(L"slow");
        const HWND game = m_session.WaitForGameWindow();
        ASSERT_NE(game, nullptr) << "close " << close << ": no game window";
        ASSERT_TRUE(driver::WaitFor(
            [&] {
                return m_session.Site().CountRequests("/game/play.html?client=2&server=1&account=slow") ==
                       static_cast<size_t>(close + 1);
            },
            launchertest::kPageTimeoutMs));
        ClickGameCloseButton(game);
        ASSERT_TRUE(driver::WaitFor([&] { return !IsWindow(game); }, launchertest::kWindowTimeoutMs));
        ASSERT_TRUE(driver::WaitFor([&] { return m_session.LoginWindowsVisible(); }, launchertest::kWindowTimeoutMs));
        EXPECT_EQ(m_session.CountGameWindows(), 0u);
        EXPECT_TRUE(driver::WaitFor([&] { return GetForegroundWindow() == m_session.LoginBrowser(); },
                                    launchertest::kWindowTimeoutMs))
            << "close " << close << ": the login page did not get the keyboard back";
    }

    ASSERT_TRUE(launchertest::WaitForPageTitle(m_session.LoginBrowser(), launchertest::kLoginPageTitle));
    const HWND second = m_session.LogInToGame(L"after");
    ASSERT_NE(second, nullptr) << "the login did not work after a game window closed while loading";
    EXPECT_EQ(m_session.CountGameWindows(), 1u);
    ClickGameCloseButton(second);
    ASSERT_TRUE(driver::WaitFor([&] { return m_session.LoginWindowsVisible(); }, launchertest::kWindowTimeoutMs));
    ExpectCloseButtonEndsTheProgram();
}

TEST_F(LoginFlow, ASystemCloseEndsTheProgramWithAGameWindowOpen)
{
    ASSERT_TRUE(m_session.Start());
    ASSERT_NE(m_session.LogInToGame(L"tester"), nullptr);
    // As the taskbar or a log-off closes the (hidden) login window.
    PostMessageW(m_session.Login(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectCleanEnd();
}

TEST_F(LoginFlow, AltF4InTheLoginPageClosesTheLoginWindowAndEndsTheProgram)
{
    ASSERT_TRUE(m_session.Start());
    ASSERT_TRUE(driver::BringToForeground(m_session.Login()));
    // The account field has the focus, as when the player types there.
    driver::ClickInWindow(m_session.LoginBrowser(), launchertest::kAccountField);
    driver::TypeText(L"x");
    driver::PressKeyCombination({VK_MENU, VK_F4});
    EXPECT_TRUE(driver::WaitFor([&] { return !IsWindow(m_session.Login()); }, launchertest::kExitTimeoutMs))
        << "the login window stayed";
    ExpectCleanEnd();
}

// A game skin without its top bar and buttons: the window opens with its
// browser, lays nothing out, and a system close still brings the login back.
TEST_F(LoginFlow, AGameSkinWithoutItsNamedControlsStillOpensAndCloses)
{
    const ReplacedSkin skin(L"FormGame.xml",
                            "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                            "<Window size=\"1250,700\"><VerticalLayout bkcolor=\"#FF203040\"/></Window>");
    ASSERT_TRUE(skin.Replaced());
    ASSERT_TRUE(m_session.Start());
    const HWND game = m_session.LogInToGame(L"bare");
    ASSERT_NE(game, nullptr);
    PostMessageW(game, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(driver::WaitFor([&] { return !IsWindow(game); }, launchertest::kWindowTimeoutMs));
    ASSERT_TRUE(driver::WaitFor([&] { return m_session.LoginWindowsVisible(); }, launchertest::kWindowTimeoutMs));
    ExpectCloseButtonEndsTheProgram();
}

// The close button ends the program at any moment: here while the login page
// has been asked for and not answered yet, and right after the windows show,
// when the login browser may still be being created.
TEST_F(LoginFlow, TheCloseButtonEndsTheProgramWhileTheLoginPageIsStillLoading)
{
    HoldBackTheLoginPage();
    ASSERT_TRUE(m_session.Start(false));
    ASSERT_TRUE(driver::WaitFor([&] { return LoginPageRequests() == 1; }, launchertest::kPageTimeoutMs));
    ExpectCloseButtonEndsTheProgram();
}

TEST_F(LoginFlow, TheCloseButtonEndsTheProgramAsSoonAsTheWindowsShow)
{
    HoldBackTheLoginPage();
    ASSERT_TRUE(m_session.Start(false));
    ExpectCloseButtonEndsTheProgram();
}

TEST_F(LoginFlow, AGameAddressOfTenThousandCharactersStillHandsOver)
{
    const std::string longValue(10000, 'x');
    m_session.ServeLoginPageScript("long", "if (!sessionStorage.handedOver) { sessionStorage.handedOver = 1; "
                                           "location.href = '/game/play.html?client=2&server=1&account=" +
                                               longValue + "'; }");
    ASSERT_TRUE(m_session.Start(false));
    const HWND game = m_session.WaitForGameWindow(launchertest::kPageTimeoutMs);
    ASSERT_NE(game, nullptr);
    // The window text keeps the title's first 4095 characters.
    const std::wstring title = launchertest::GamePageTitle(L"1", std::wstring(10000, L'x'));
    EXPECT_TRUE(driver::WaitFor(
        [&] {
            const HWND browser = launchertest::BrowserWindowIn(game);
            const std::wstring text = browser ? driver::WindowText(browser) : L"";
            return text.size() > 1000 && title.compare(0, text.size(), text) == 0;
        },
        launchertest::kPageTimeoutMs));
    EXPECT_EQ(m_session.CountGameWindows(), 1u);
    ClickGameCloseButton(game);
    ASSERT_TRUE(driver::WaitFor([&] { return !IsWindow(game); }, launchertest::kWindowTimeoutMs));
    ASSERT_TRUE(driver::WaitFor([&] { return m_session.LoginWindowsVisible(); }, launchertest::kWindowTimeoutMs));
    ExpectCloseButtonEndsTheProgram();
}

}  // namespace
