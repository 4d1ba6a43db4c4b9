// The game window as a player meets it: Zarnith.exe under Wine with the real
// engine and the demo publisher site, driven with real input. Its place and
// styles, its layout after every change of size or place, its ways of
// closing, and the game address it keeps.
#include "game_window.h"
#include "launcher_session.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

namespace {

using launchertest::BrowserFillsBelowTopBar;
using launchertest::ClickTopBarButton;
using launchertest::ClientSize;
using launchertest::kGameWindowSize;
using launchertest::LauncherSession;
using launchertest::TopBarButton;

// WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW.
constexpr DWORD kGameWindowStyle = 0x96CF0000;
// WS_EX_APPWINDOW | WS_EX_WINDOWEDGE.
constexpr DWORD kGameWindowExStyle = 0x00040100;
// A layout at rest: nothing moves for this long.
constexpr DWORD kQuietPeriodMs = 1000;
// Long enough for the login page's load after a hand-over to have asked for
// the focus.
constexpr DWORD kSettleAfterHandOverMs = 2000;
// The frame's size box is 4 pixels wide; the browser covers the inner ones,
// so the drags take the frame at the outermost pixel row or column.
constexpr int kFrameGrip = 1;
// A page that never reports its first frames shows 3 s after its load
// began; its title comes a moment after that beginning.
constexpr DWORD kSilentPageShownMs = 10000;
constexpr DWORD kSilentPageHiddenAtLeastMs = 2000;
// A game browser whose page never begins to load is uncovered about 10 s
// after the launcher made it.
constexpr DWORD kUnloadedPageShownMs = 20000;
constexpr DWORD kUnloadedPageHiddenAtLeastMs = 5000;
// A point of the top bar between its title and its site buttons.
constexpr POINT kTopBarGrip = {300, 12};

RECT WorkArea()
{
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

SIZE SizeOf(const RECT& rect)
{
    return {rect.right - rect.left, rect.bottom - rect.top};
}

POINT ScreenPoint(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    return client;
}

class GameWindow : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(driver::ProcessesNamed(launchertest::kExecutableName).empty()) << "a launcher is already running";
        ASSERT_TRUE(m_session.Site().IsListening()) << "the demo site's port is taken";
    }

    // Starts the launcher and logs in; the game window with the game page shown.
    HWND StartAndLogIn(const std::wstring& account)
    {
        return m_session.Start() ? m_session.LogInToGame(account) : nullptr;
    }

    // Drags the window's frame from grip to a point, once the window is
    // settled in front, and waits until done; when it does not come, prints
    // the input scene and where the grip was.
    static ::testing::AssertionResult DragsTo(HWND game, POINT grip, POINT to, const char* what,
                                              const std::function<bool()>& done)
    {
        if (!driver::WaitForSettledForeground(game))
            return ::testing::AssertionFailure() << "the game window was not in front before the drag of " << what;
        const bool gripOnTheWindow = GetAncestor(WindowFromPoint(grip), GA_ROOT) == game;
        driver::DragMouse(grip, to);
        if (launchertest::WaitForInputEffect(done, std::string("the drag of ") + what + " did not change the window",
                                             game))
            return ::testing::AssertionSuccess();
        const RECT now = driver::WindowRect(game);
        return ::testing::AssertionFailure()
               << "the drag of " << what << " from (" << grip.x << ", " << grip.y << ") left the window at ("
               << now.left << ", " << now.top << ", " << now.right << ", " << now.bottom << "); the grip was "
               << (gripOnTheWindow ? "on the game window" : "on another window");
    }

    // The window has been laid out for its size and stays so.
    void ExpectLaidOutAndAtRest(HWND game, const char* after)
    {
        EXPECT_TRUE(driver::WaitFor([&] { return BrowserFillsBelowTopBar(game); }, launchertest::kWindowTimeoutMs))
            << "the browser does not fill the client area below the top bar after " << after;
        EXPECT_EQ(launchertest::BrowserMovesWithin(game, kQuietPeriodMs), 0)
            << "the layout kept changing after " << after;
        EXPECT_EQ(launchertest::TopBarLineGaps(game), 0) << "the top bar does not span the client width after " << after;
    }

    size_t LoginPageRequests() { return m_session.Site().CountRequests(launchertest::kLoginPagePath); }

    LauncherSession m_session;
};

// Watched from the login until the game page has drawn, the game window
// shows its skin's colours where the page goes, never the engine's white.
TEST_F(GameWindow, OpensCentredInTheWorkAreaWithItsStylesAndLaysOutTheBrowserBelowTheTopBar)
{
    ASSERT_TRUE(m_session.Start());
    ASSERT_TRUE(m_session.LogInAs(L"placed"));
    HWND game = nullptr;
    launchertest::GamePageArea page;
    std::string whiteWindow;
    ASSERT_TRUE(driver::WaitFor(
        [&] {
            game = m_session.WaitForGameWindow(0);
            if (!game)
                return false;
            page = launchertest::LookAtGamePage(game);
            if (page.white && whiteWindow.empty()) {
                whiteWindow = page.whiteWindow;
                driver::SaveScreenshotInTempFolder(L"zarnith-white-before-the-game-page.png");
            }
            return page.painted;
        },
        launchertest::kPageTimeoutMs))
        << "the game page did not draw in a game window; " << m_session.WhatShows();
    EXPECT_EQ(whiteWindow, "") << "white showed where the game page goes before it drew";
    ASSERT_TRUE(
        launchertest::WaitForPageTitle(game, launchertest::GamePageTitle(launchertest::kLoginServer, L"placed")));

    const RECT work = WorkArea();
    const RECT outer = driver::WindowRect(game);
    EXPECT_EQ(SizeOf(outer).cx, kGameWindowSize.cx);
    EXPECT_EQ(SizeOf(outer).cy, kGameWindowSize.cy);
    EXPECT_EQ(outer.left, (work.right - kGameWindowSize.cx) / 2);
    EXPECT_EQ(outer.top, (work.bottom - kGameWindowSize.cy) / 2);
    EXPECT_EQ(driver::WindowClass(game), L"XMLWnd");
    EXPECT_EQ(driver::WindowText(game), L"Zarnith");
    EXPECT_EQ(driver::Owner(game), m_session.Login());
    EXPECT_EQ(static_cast<DWORD>(driver::Style(game)), kGameWindowStyle);
    EXPECT_EQ(static_cast<DWORD>(driver::ExStyle(game)), kGameWindowExStyle);

    ExpectLaidOutAndAtRest(game, "opening");
    // The browser is the game window's child, below the top bar.
    const RECT browser = launchertest::BrowserRectInClient(game);
    EXPECT_EQ(browser.left, 2);
    EXPECT_EQ(browser.top, 32);
    EXPECT_EQ(SizeOf(browser).cx, ClientSize(game).cx - 3);
    EXPECT_EQ(SizeOf(browser).cy, ClientSize(game).cy - 34);
}

TEST_F(GameWindow, EveryChangeOfSizeOrPlaceLaysTheWindowOutAgain)
{
    const HWND game = StartAndLogIn(L"resized");
    ASSERT_NE(game, nullptr);
    ExpectLaidOutAndAtRest(game, "opening");
    const RECT opened = driver::WindowRect(game);

    // The right edge of the frame, dragged 150 pixels to the left.
    POINT grip = {opened.right - kFrameGrip, opened.top + 300};
    ASSERT_TRUE(DragsTo(game, grip, {grip.x - 150, grip.y}, "the right edge",
                        [&] { return SizeOf(driver::WindowRect(game)).cx == kGameWindowSize.cx - 150; }));
    EXPECT_EQ(driver::WindowRect(game).left, opened.left);
    ExpectLaidOutAndAtRest(game, "a drag of the right edge");

    // The bottom-right corner, dragged outwards.
    RECT outer = driver::WindowRect(game);
    grip = {outer.right - kFrameGrip, outer.bottom - kFrameGrip};
    ASSERT_TRUE(DragsTo(game, grip, {grip.x + 100, grip.y + 60}, "the corner", [&] {
        const SIZE size = SizeOf(driver::WindowRect(game));
        return size.cx == kGameWindowSize.cx - 50 && size.cy == kGameWindowSize.cy + 60;
    }));
    ExpectLaidOutAndAtRest(game, "a drag of the bottom-right corner");

    // The left edge: the window moves and narrows at once.
    outer = driver::WindowRect(game);
    grip = {outer.left, outer.top + 300};
    ASSERT_TRUE(DragsTo(game, grip, {grip.x + 80, grip.y}, "the left edge", [&] {
        const RECT now = driver::WindowRect(game);
        return now.left == outer.left + 80 && now.right == outer.right;
    }));
    ExpectLaidOutAndAtRest(game, "a drag of the left edge");

    // "maxbtn" fills the work area; "restorebtn", shown in its place while
    // the window is maximised, brings back the size and place of before.
    const RECT windowed = driver::WindowRect(game);
    const RECT work = WorkArea();
    for (int round = 1; round <= 2; ++round) {
        ClickTopBarButton(game, TopBarButton::MaximiseOrRestore);
        ASSERT_TRUE(driver::WaitFor(
            [&] {
                const RECT now = driver::WindowRect(game);
                return IsZoomed(game) && EqualRect(&now, &work);
            },
            launchertest::kWindowTimeoutMs))
            << "maxbtn did not maximise the window to the work area (round " << round << ")";
        ExpectLaidOutAndAtRest(game, "maximising");

        ClickTopBarButton(game, TopBarButton::MaximiseOrRestore);
        ASSERT_TRUE(driver::WaitFor(
            [&] {
                const RECT now = driver::WindowRect(game);
                return !IsZoomed(game) && EqualRect(&now, &windowed);
            },
            launchertest::kWindowTimeoutMs))
            << "restorebtn did not restore the window (round " << round << ")";
        ExpectLaidOutAndAtRest(game, "restoring");
    }

    // "minbtn" minimises; the window is restored as the taskbar restores it.
    ClickTopBarButton(game, TopBarButton::Minimise);
    ASSERT_TRUE(driver::WaitFor([&] { return IsIconic(game) != FALSE; }, launchertest::kWindowTimeoutMs))
        << "minbtn did not minimise the window";
    PostMessageW(game, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(driver::WaitFor(
        [&] {
            const RECT now = driver::WindowRect(game);
            return !IsIconic(game) && EqualRect(&now, &windowed);
        },
        launchertest::kWindowTimeoutMs))
        << "the minimised window did not come back";
    ExpectLaidOutAndAtRest(game, "minimising and restoring");

    // A drag of the top bar moves the window and keeps its size.
    grip = ScreenPoint(game, kTopBarGrip);
    driver::DragMouse(grip, {grip.x - 120, grip.y - 70});
    ASSERT_TRUE(driver::WaitFor(
        [&] {
            const RECT now = driver::WindowRect(game);
            return now.left == windowed.left - 120 && now.top == windowed.top - 70 &&
                   SizeOf(now).cx == SizeOf(windowed).cx && SizeOf(now).cy == SizeOf(windowed).cy;
        },
        launchertest::kWindowTimeoutMs))
        << "the drag of the top bar did not move the window";
    ExpectLaidOutAndAtRest(game, "a drag of the top bar");
}

TEST_F(GameWindow, TheCloseButtonAltF4AndASystemCloseEachBringTheLoginWindowsBack)
{
    ASSERT_TRUE(m_session.Start());
    const HANDLE launcher = m_session.Process().handle;
    const DWORD loginWindowsOnly = driver::UserObjectCount(launcher);

    // Each way returns whether it could be taken.
    struct Way {
        const char* name;
        bool (*close)(HWND game);
    };
    const Way ways[] = {
        {"closebtn",
         [](HWND game) {
             ClickTopBarButton(game, TopBarButton::Close);
             return true;
         }},
        {"Alt+F4 a moment after the hand-over, with no click",
         [](HWND game) {
             // The login page loaded again behind the game window must not
             // have taken the keyboard meanwhile.
             Sleep(kSettleAfterHandOverMs);
             if (!driver::WaitFor([&] { return GetForegroundWindow() == game; }, launchertest::kWindowTimeoutMs))
                 return false;
             driver::PressKeyCombination({VK_MENU, VK_F4});
             return true;
         }},
        {"Alt+F4 in the game page",
         [](HWND game) {
             driver::ClickInWindow(launchertest::BrowserWindowIn(game), {400, 300});
             if (!driver::WaitFor([&] { return GetForegroundWindow() == game; }, launchertest::kWindowTimeoutMs))
                 return false;
             driver::PressKeyCombination({VK_MENU, VK_F4});
             return true;
         }},
        {"a system close",
         [](HWND game) {
             PostMessageW(game, WM_SYSCOMMAND, SC_CLOSE, 0);
             return true;
         }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        ASSERT_TRUE(launchertest::WaitForPageTitle(m_session.LoginBrowser(), launchertest::kLoginPageTitle));
        const HWND game = m_session.LogInToGame(L"closer");
        ASSERT_NE(game, nullptr);
        ASSERT_TRUE(m_session.LoginWindowsHidden());
        EXPECT_GT(driver::UserObjectCount(launcher), loginWindowsOnly);

        ASSERT_TRUE(way.close(game)) << "the game window did not come to the foreground";
        EXPECT_TRUE(driver::WaitFor([&] { return !IsWindow(game); }, launchertest::kWindowTimeoutMs))
            << "the game window stayed";
        EXPECT_TRUE(driver::WaitFor([&] { return m_session.LoginWindowsVisible(); }, launchertest::kWindowTimeoutMs))
            << "the login windows did not come back";
        EXPECT_EQ(m_session.CountGameWindows(), 0u);
        EXPECT_TRUE(driver::WaitFor([&] { return driver::UserObjectCount(launcher) == loginWindowsOnly; },
                                    launchertest::kWindowTimeoutMs))
            << "the launcher keeps " << driver::UserObjectCount(launcher) << " windows, " << loginWindowsOnly
            << " before the game window opened";
    }

    // The launcher still ends cleanly, on the close button's first click.
    ASSERT_TRUE(m_session.ClickLoginCloseButton()) << "the login window stayed";
    DWORD exitCode = 1;
    EXPECT_TRUE(m_session.EndsCleanly(&exitCode)) << "exit code " << exitCode;
}

TEST_F(GameWindow, KeepsShowingTheFirstGameAddressWhenAnotherHandOverFollows)
{
    // A login page that hands over twice: to the account "first" when it
    // first loads, to "second" when the launcher has loaded it again.
    m_session.ServeLoginPageScript("hand over twice",
                                   "var loads = Number(sessionStorage.loads || 0) + 1; sessionStorage.loads = loads;"
                                   "if (loads <= 2) location.href = '/game/play.html?client=2&server=1&account=' +"
                                   " (loads == 1 ? 'first' : 'second');");
    ASSERT_TRUE(m_session.Start(false));
    const HWND game = m_session.WaitForGameWindow(launchertest::kPageTimeoutMs);
    ASSERT_NE(game, nullptr);
    ASSERT_TRUE(launchertest::WaitForPageTitle(game, launchertest::GamePageTitle(L"1", L"first")));
    // The login page is asked for once at the start and once more for each
    // of its two hand-overs; the game browser's own navigations hand nothing over.
    ASSERT_TRUE(driver::WaitFor([&] { return LoginPageRequests() == 3; }, launchertest::kPageTimeoutMs))
        << "the second hand-over did not reach the launcher";

    ASSERT_NE(launchertest::BrowserWindowIn(game), nullptr);
    EXPECT_FALSE(launchertest::WaitForPageTitle(game, launchertest::GamePageTitle(L"1", L"second"), kQuietPeriodMs))
        << "the game window went to the second address";
    EXPECT_EQ(driver::WindowText(launchertest::BrowserWindowIn(game)), launchertest::GamePageTitle(L"1", L"first"));
    EXPECT_EQ(m_session.CountGameWindows(), 1u);
    EXPECT_EQ(LoginPageRequests(), 3u);
}

// A game page that silences its console, where the launcher hears of the
// page's first frames, still shows: the launcher keeps it out of sight no
// longer than a few seconds after it began to load.
TEST_F(GameWindow, AGamePageThatSilencesItsConsoleStillShowsAfterAFewSeconds)
{
    m_session.Site().Page("/game/play.html?client=2&server=1&account=silent",
                          "<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
                          "<title>Zarnith \xC2\xB7 1 \xC2\xB7 silent</title>"
                          "<script>console.info = function () {}; console.log = function () {};</script>"
                          "<style>html, body { margin: 0; background: #05070c; }"
                          " #hud { position: absolute; left: 16px; top: 12px; font-size: 18px; color: #f4c46a; }"
                          "</style></head><body><div id=\"hud\">1 silent</div></body></html>");
    ASSERT_TRUE(m_session.Start());
    ASSERT_TRUE(m_session.LogInAs(L"silent"));
    const HWND game = m_session.WaitForGameWindow();
    ASSERT_NE(game, nullptr);
    ASSERT_TRUE(launchertest::WaitForPageTitle(game, launchertest::GamePageTitle(L"1", L"silent")));
    const DWORD titled = GetTickCount();
    ASSERT_TRUE(driver::WaitFor([&] { return launchertest::LookAtGamePage(game).painted; }, kSilentPageShownMs))
        << "the silent page did not show";
    // Its frames came long before: it was kept out of sight until the launcher gave up waiting for them.
    EXPECT_GE(GetTickCount() - titled, kSilentPageHiddenAtLeastMs);
}

// A game address that the site sends where the launcher does not go (a
// redirect to a file): the game browser's navigation is cancelled and no page
// begins to load. Its window is still uncovered after a while, not kept out
// of sight for good.
TEST_F(GameWindow, AGameAddressThatNeverLoadsIsUncoveredAfterAWhile)
{
    testsupport::HttpResponse elsewhere;
    elsewhere.status = 302;
    elsewhere.headers = {{"Location", "file:///C:/windows/win.ini"}};
    m_session.Site().Route("/game/play.html?client=2&server=1&account=elsewhere", elsewhere);
    ASSERT_TRUE(m_session.Start());
    ASSERT_TRUE(m_session.LogInAs(L"elsewhere"));
    const HWND game = m_session.WaitForGameWindow();
    ASSERT_NE(game, nullptr);
    const DWORD opened = GetTickCount();
    HWND browser = nullptr;
    ASSERT_TRUE(driver::WaitFor([&] { return (browser = launchertest::BrowserWindowIn(game)) != nullptr; },
                                launchertest::kWindowTimeoutMs));
    const auto concealed = [&] {
        RECT box = {};
        return GetWindowRgnBox(browser, &box) == NULLREGION;
    };
    // The engine reports the browser, and the launcher hides its window, a moment after the window exists.
    ASSERT_TRUE(driver::WaitFor(concealed, launchertest::kWindowTimeoutMs))
        << "the browser's window was not kept out of sight at first";
    ASSERT_TRUE(driver::WaitFor([&] { return !concealed(); }, kUnloadedPageShownMs))
        << "the browser's window stayed out of sight";
    EXPECT_GE(GetTickCount() - opened, kUnloadedPageHiddenAtLeastMs);
    EXPECT_EQ(m_session.CountGameWindows(), 1u);
}

}  // namespace
