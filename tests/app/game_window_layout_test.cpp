// The game window's reactions counted from inside: CDuiFormGame made as the
// login window makes it, in this process, with the real engine and real
// input. Each layout pass that changes the layout moves the browser's window
// once, so the moves that window receives count the passes; one that finds
// everything in place moves and paints nothing. An owner window counts the
// close reports it gets.
#include "game_window.h"
#include "launcher_session.h"

#include "browser/engine_settings.h"
#include "browser/simple_app.h"
#include "engine_test_main.h"
#include "http_server.h"
#include "toolkit/paint_manager.h"
#include "ui/form_game.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <string>

namespace {

// Posted by the game window to its owner when it closes.
constexpr UINT kGameClosedMessage = 2027;
constexpr char kGamePagePath[] = "/game/play.html?server=1&account=passes";
constexpr char kOtherGamePagePath[] = "/game/play.html?server=2&account=other";
constexpr DWORD kEngineStepTimeoutMs = 20000;
// A layout at rest: no pass for this long.
constexpr DWORD kRestMs = 1000;
// How long the passes of one change may go on before they count as endless.
constexpr DWORD kSettleTimeoutMs = 5000;
constexpr DWORD kPumpSliceMs = 20;
// Passes a change may take: its size or place changes once or, dragged with
// the driver's ten pointer steps, about once a step; each change lays out
// directly and once more through the relayout it posts.
constexpr int kMostPassesOfAClick = 8;
constexpr int kMostPassesOfADrag = 40;
constexpr wchar_t kOwnerClassName[] = L"GameWindowOwnerStandIn";
constexpr POINT kTopBarGrip = {300, 12};
constexpr int kFrameGrip = 1;

// The browser's window procedure, watched: runs on the engine's UI thread.
std::atomic<int> g_browserMoves{0};
std::atomic<WNDPROC> g_browserProcedure{nullptr};

// engine UI thread
LRESULT CALLBACK CountingBrowserProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_WINDOWPOSCHANGING)
        ++g_browserMoves;
    return CallWindowProcW(g_browserProcedure.load(), window, message, wParam, lParam);
}

// The login window's stand-in: it owns the game window and counts its close reports.
int g_closeReports = 0;

LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kGameClosedMessage)
        ++g_closeReports;
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateOwner()
{
    static const ATOM registered = [] {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = OwnerProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kOwnerClassName;
        return RegisterClassW(&windowClass);
    }();
    if (!registered)
        return nullptr;
    return CreateWindowExW(0, kOwnerClassName, L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

testsupport::HttpServer& Site()
{
    static testsupport::HttpServer site;
    return site;
}

RECT WorkArea()
{
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

// Processes this thread's messages until no pass has come for kRestMs and
// returns the passes counted; -1 when they do not come to rest.
int PassesAtRest()
{
    const DWORD start = GetTickCount();
    int seen = g_browserMoves;
    DWORD lastChange = GetTickCount();
    while (GetTickCount() - start < kSettleTimeoutMs) {
        driver::PumpMessagesFor(kPumpSliceMs);
        const int now = g_browserMoves;
        if (now != seen) {
            seen = now;
            lastChange = GetTickCount();
        } else if (GetTickCount() - lastChange >= kRestMs) {
            return seen;
        }
    }
    return -1;
}

class GameWindowInProcess : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Site().IsListening());
        Site().ServeFolder(ZARNITH_DEMO_SITE_DOS);
        m_owner = CreateOwner();
        ASSERT_NE(m_owner, nullptr);
        g_closeReports = 0;
    }

    void TearDown() override
    {
        if (IsWindow(m_game))
            DestroyWindow(m_game);
        EXPECT_TRUE(driver::WaitFor([&] { return !IsWindow(m_browser); }, kEngineStepTimeoutMs))
            << "the browser's window outlived the game window";
        DestroyWindow(m_owner);
    }

    // Opens the game window as the login window does, waits for its page and
    // starts counting the passes. The engine reports the browser after the
    // opening layout; that report alone lays the browser's window out, with
    // no move, size change or activation after it.
    void OpenGameWindow()
    {
        const std::wstring address = Site().WideUrl(kGamePagePath);
        m_form = new CDuiFormGame;  // it frees itself once its window is gone
        m_game = m_form->CreateGameWindow(m_owner, address);
        ASSERT_NE(m_game, nullptr);
        m_form->SetOwnerWindow(m_owner);
        m_form->SetGameUrl(address);
        SetForegroundWindow(m_game);
        ASSERT_TRUE(launchertest::WaitForPageTitle(m_game, launchertest::GamePageTitle(L"1", L"passes"),
                                                   kEngineStepTimeoutMs));
        m_browser = launchertest::BrowserWindowIn(m_game);
        ASSERT_NE(m_browser, nullptr);
        g_browserProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(m_browser, GWLP_WNDPROC));
        SetWindowLongPtrW(m_browser, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingBrowserProcedure));
        ASSERT_GE(PassesAtRest(), 0) << "the opening layout did not come to rest";
        EXPECT_TRUE(launchertest::BrowserFillsBelowTopBar(m_game))
            << "the browser's window kept its first place after the engine reported it";
        // The count sees every move, also one that changes nothing, as a
        // layout pass that finds the window's size unchanged makes.
        g_browserMoves = 0;
        const RECT unchanged = launchertest::BrowserRectInClient(m_game);
        MoveWindow(m_browser, unchanged.left, unchanged.top, unchanged.right - unchanged.left,
                   unchanged.bottom - unchanged.top, TRUE);
        ASSERT_EQ(g_browserMoves, 1) << "a move that changes nothing was not counted";
    }

    // Closes the game window one way and waits until it and its browser are gone.
    void CloseAndWait(const std::function<bool()>& close)
    {
        ASSERT_TRUE(close()) << "the way of closing could not be taken";
        ASSERT_TRUE(driver::WaitFor([&] { return !IsWindow(m_game); }, launchertest::kWindowTimeoutMs))
            << "the game window stayed";
        ASSERT_TRUE(driver::WaitFor([&] { return !IsWindow(m_browser); }, kEngineStepTimeoutMs))
            << "the browser's window stayed";
    }

    // Makes the change, waits for what it must lead to, and checks that the
    // window was laid out again for it in leastPasses to mostPasses passes,
    // which then stopped.
    void ExpectLaidOutAfter(const char* change, const std::function<void()>& make,
                            const std::function<bool()>& done, int mostPasses, bool atTheSkinsScale = true,
                            int leastPasses = 1)
    {
        SCOPED_TRACE(change);
        g_browserMoves = 0;
        make();
        ASSERT_TRUE(launchertest::WaitForInputEffect(done, std::string(change) + " did not happen", m_game))
            << "the change did not happen";
        const int passes = PassesAtRest();
        std::printf("layout passes after %s: %d\n", change, passes);
        EXPECT_GE(passes, leastPasses) << "too few layouts";
        EXPECT_LE(passes, mostPasses) << "the layout did not come to rest or took too many passes";
        if (atTheSkinsScale) {
            EXPECT_TRUE(launchertest::BrowserFillsBelowTopBar(m_game) || IsIconic(m_game));
        }
    }

    RECT GameRect() const { return driver::WindowRect(m_game); }

    CDuiFormGame* m_form = nullptr;
    HWND m_owner = nullptr;
    HWND m_game = nullptr;
    HWND m_browser = nullptr;
};

TEST_F(GameWindowInProcess, EachChangeOfSizeOrPlaceLaysOutAFewTimesAndThenRests)
{
    OpenGameWindow();
    ASSERT_FALSE(HasFatalFailure());

    ExpectLaidOutAfter(
        "a resize by a program",
        [&] { SetWindowPos(m_game, nullptr, 0, 0, 1100, 650, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE); },
        [&] { return launchertest::ClientSize(m_game).cx == 1100 && launchertest::BrowserFillsBelowTopBar(m_game); },
        kMostPassesOfAClick);

    const RECT resized = GameRect();
    const POINT rightEdge = {resized.right - kFrameGrip, resized.top + 300};
    ASSERT_TRUE(driver::WaitForSettledForeground(m_game)) << "the game window was not in front before a drag";
    ExpectLaidOutAfter(
        "a drag of the right edge", [&] { driver::DragMouse(rightEdge, {rightEdge.x + 100, rightEdge.y}); },
        [&] { return GameRect().right == resized.right + 100 && launchertest::BrowserFillsBelowTopBar(m_game); },
        kMostPassesOfADrag);

    const RECT windowed = GameRect();
    const RECT work = WorkArea();
    ExpectLaidOutAfter(
        "maxbtn", [&] { launchertest::ClickTopBarButton(m_game, launchertest::TopBarButton::MaximiseOrRestore); },
        [&] {
            const RECT now = GameRect();
            return EqualRect(&now, &work) && launchertest::BrowserFillsBelowTopBar(m_game);
        },
        kMostPassesOfAClick);
    ExpectLaidOutAfter(
        "restorebtn", [&] { launchertest::ClickTopBarButton(m_game, launchertest::TopBarButton::MaximiseOrRestore); },
        [&] {
            const RECT now = GameRect();
            return EqualRect(&now, &windowed) && launchertest::BrowserFillsBelowTopBar(m_game);
        },
        kMostPassesOfAClick);

    ExpectLaidOutAfter(
        "minbtn", [&] { launchertest::ClickTopBarButton(m_game, launchertest::TopBarButton::Minimise); },
        [&] { return IsIconic(m_game) != FALSE; }, kMostPassesOfAClick);
    ExpectLaidOutAfter(
        "a restore from the taskbar", [&] { PostMessageW(m_game, WM_SYSCOMMAND, SC_RESTORE, 0); },
        [&] {
            const RECT now = GameRect();
            return EqualRect(&now, &windowed) && launchertest::BrowserFillsBelowTopBar(m_game);
        },
        kMostPassesOfAClick);

    POINT grip = kTopBarGrip;
    ClientToScreen(m_game, &grip);
    ASSERT_TRUE(driver::WaitForSettledForeground(m_game)) << "the game window was not in front before a drag";
    // A move leaves the layout as it was: nothing is moved or painted again.
    ExpectLaidOutAfter(
        "a drag of the top bar", [&] { driver::DragMouse(grip, {grip.x + 90, grip.y + 40}); },
        [&] { return GameRect().left == windowed.left + 90 && GameRect().top == windowed.top + 40; }, 0, true, 0);
}

TEST_F(GameWindowInProcess, EachWayOfClosingReportsTheCloseToTheOwnerOnce)
{
    // Each way returns whether it could be taken.
    struct Way {
        const char* name;
        std::function<bool(HWND game, HWND browser)> close;
    };
    const Way ways[] = {
        {"closebtn",
         [](HWND game, HWND) {
             launchertest::ClickTopBarButton(game, launchertest::TopBarButton::Close);
             return true;
         }},
        {"Alt+F4 in the game page",
         [](HWND game, HWND browser) {
             // A click into the game page does not always bring the window to the foreground.
             if (!driver::BringToForeground(game))
                 return false;
             driver::ClickInWindow(browser, {400, 300});
             if (!driver::WaitFor([&] { return GetForegroundWindow() == game; }, launchertest::kWindowTimeoutMs))
                 return false;
             driver::PressKeyCombination({VK_MENU, VK_F4});
             return true;
         }},
        {"a system close",
         [](HWND game, HWND) {
             PostMessageW(game, WM_SYSCOMMAND, SC_CLOSE, 0);
             return true;
         }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        g_closeReports = 0;
        OpenGameWindow();
        ASSERT_FALSE(HasFatalFailure());
        EXPECT_EQ(g_closeReports, 0);
        CloseAndWait([&] { return way.close(m_game, m_browser); });
        ASSERT_FALSE(HasFatalFailure());
        EXPECT_TRUE(driver::WaitFor([] { return g_closeReports > 0; }, launchertest::kWindowTimeoutMs))
            << "the owner was not told";
        driver::PumpMessagesFor(kRestMs);
        EXPECT_EQ(g_closeReports, 1);
    }
}

TEST_F(GameWindowInProcess, AMoveToAMonitorOfAnotherScaleLaysTheWindowOutAtThatScale)
{
    OpenGameWindow();
    ASSERT_FALSE(HasFatalFailure());
    const RECT before = GameRect();
    // As the system sends it: 150 %, and the window scaled in place.
    RECT suggested = {before.left, before.top, before.left + 1875, before.top + 1050};
    ExpectLaidOutAfter(
        "a move to a monitor at 150 %",
        [&] {
            SendMessageW(m_game, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        },
        // The top bar 48 high and the margins 3 left, 2 right and 3 at the bottom.
        [&] {
            const RECT scaled = {3, 48, 1875 - 2, 1050 - 3};
            const RECT browser = launchertest::BrowserRectInClient(m_game);
            const RECT now = GameRect();
            return EqualRect(&now, &suggested) && EqualRect(&browser, &scaled);
        },
        kMostPassesOfAClick, false);

    RECT back = before;
    ExpectLaidOutAfter(
        "a move back to a monitor at 100 %",
        [&] { SendMessageW(m_game, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&back)); },
        [&] {
            const RECT now = GameRect();
            return EqualRect(&now, &before) && launchertest::BrowserFillsBelowTopBar(m_game);
        },
        kMostPassesOfAClick);
}

TEST_F(GameWindowInProcess, AnAddressSetAfterCreationIsKeptButNotShown)
{
    OpenGameWindow();
    ASSERT_FALSE(HasFatalFailure());
    m_form->SetGameUrl(Site().WideUrl(kOtherGamePagePath));
    // Laid out again, and given time to load a page.
    SetWindowPos(m_game, nullptr, 0, 0, 1200, 680, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(driver::WaitFor([] { return Site().CountRequests(kOtherGamePagePath) > 0; }, kRestMs * 2))
        << "the browser went to the address set after creation";
    EXPECT_TRUE(launchertest::BrowserFillsBelowTopBar(m_game));
    EXPECT_EQ(driver::WindowText(m_browser), launchertest::GamePageTitle(L"1", L"passes"));
}

}  // namespace

int main(int argc, char** argv)
{
    CPaintManagerUI::SetInstance(GetModuleHandleW(nullptr));
    CPaintManagerUI::SetResourcePath(ZARNITH_DIST_SKIN_DOS);
    return testsupport::RunEngineTestMain(argc, argv, new SimpleApp, LauncherEngineSettings());
}
