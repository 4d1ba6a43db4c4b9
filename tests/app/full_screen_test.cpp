// The game window's full screen as a player meets it: Zarnith.exe under Wine
// with the real engine and the demo site, the full-screen button, the bar at
// the top of the screen and the keys that leave, driven with real input.
#include "game_cycles.h"
#include "game_window_controls.h"
#include "launcher_session.h"
#include "rect_printing.h"
#include "settings_folder_set_aside.h"
#include "test_window.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

using launchertest::kBarRevealedTop;
using launchertest::LauncherSession;
using launchertest::WindowedBrowserRect;

// WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, shown by the layout.
constexpr LONG kFullScreenStyle = 0x86000000 | WS_VISIBLE;
// WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW.
constexpr LONG kWindowedStyle = static_cast<LONG>(0x96CF0000);
constexpr UINT kExitFullScreenMessage = 1024 + 1006;
// The bar slides up 3 s after it came into view, to its last pixel row.
constexpr LONG kBarHiddenTop = -33;
// How early and late the slide may come: timers do not fire early by more
// than a tick, and a loaded machine may be late.
constexpr DWORD kSlideEarliestMs = 2800;
constexpr DWORD kSlideLatestMs = 5000;
// The settings file's codes for F12 and F9.
constexpr unsigned kF12Code = 123;
constexpr unsigned kF9Code = 120;
// Escape without modifiers, as the only combination of it held.
const std::vector<UINT> kEscapeAlone = {0};
// A point of the game page in full screen, clear of the bar and of the other
// program's window.
constexpr POINT kPagePoint = {400, 500};
// Fifty full-screen round trips; the figures after the first few are the baseline.
constexpr int kRoundTrips = 50;
constexpr int kWarmUpRoundTrips = 5;
// Loose bounds for settled figures after the warm-up: one leaked GDI object
// per round trip exceeds the first, one screen-sized buffer the second.
constexpr DWORD kGdiObjectSlack = 20;
constexpr SIZE_T kPrivateBytesSlack = 4 * 1024 * 1024;

SIZE Screen()
{
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

RECT WorkArea()
{
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

RECT WholeScreen()
{
    return {0, 0, Screen().cx, Screen().cy};
}

RECT Offset(const RECT& rect, int dx, int dy)
{
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

bool IsAt(HWND window, const RECT& rect)
{
    return driver::WindowRect(window) == rect;
}

// Another program's window, as a plain window of this test program.
TestWindow::Options OtherProgramsWindow()
{
    TestWindow::Options options;
    options.caption = L"another program";
    options.bounds = {40, 60, 340, 260};
    return options;
}

// Escape pressed once reaches the window, which is in front.
void ExpectEscapeReaches(TestWindow& window)
{
    window.ForgetReceived();
    driver::PressKey(VK_ESCAPE);
    const auto escapes = [&] {
        size_t count = 0;
        for (const TestWindow::Message& message : window.Received(WM_KEYDOWN))
            count += message.wParam == VK_ESCAPE;
        return count;
    };
    EXPECT_TRUE(driver::WaitFor([&] { return escapes() == 1; }, launchertest::kWindowTimeoutMs))
        << "Escape did not reach the other program's window";
}

class FullScreen : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(driver::ProcessesNamed(launchertest::kExecutableName).empty()) << "a launcher is already running";
        ASSERT_TRUE(m_session.Site().IsListening()) << "the demo site's port is taken";
    }

    HWND OpenGameWindow()
    {
        const HWND game = m_session.Start() ? launchertest::OpenGameWindow(m_session, L"tester") : nullptr;
        m_browser = game ? launchertest::BrowserWindowIn(game) : nullptr;
        return game;
    }

    // The bar's button, clicked with its point carried: under Wine a plain
    // click on it was once lost in a full run and the window stayed in full
    // screen, as the soak's clicks were when they landed where the pointer
    // had been one step before.
    static void ClickBarButton(HWND bar)
    {
        POINT button = launchertest::kBarButton;
        ClientToScreen(bar, &button);
        driver::ClickAtPinned(button);
    }

    HWND EnterFullScreen(HWND game)
    {
        launchertest::ClickTopBarButton(game, launchertest::TopBarButton::FullScreen);
        return launchertest::WaitForFullScreenBar(m_session.Process().id);
    }

    // Back in windowed mode where it was: the windowed style and layout, the bar gone.
    void ExpectWindowedAt(HWND game, HWND bar, const RECT& windowed, LONG extraStyle = 0)
    {
        EXPECT_TRUE(driver::WaitFor([&] { return !IsWindow(bar) && IsAt(game, windowed); },
                                    launchertest::kWindowTimeoutMs))
            << "still in full screen";
        EXPECT_EQ(driver::WindowRect(game), windowed);
        EXPECT_EQ(driver::Style(game), kWindowedStyle | extraStyle);
        EXPECT_TRUE(driver::WaitFor([&] { return IsAt(m_browser, WindowedBrowserRect(game)); },
                                    launchertest::kWindowTimeoutMs));
        EXPECT_EQ(driver::WindowRect(m_browser), WindowedBrowserRect(game));
        EXPECT_TRUE(launchertest::FullScreenBars(m_session.Process().id).empty());
    }

    LONG BarTop(HWND bar) const { return driver::WindowRect(bar).top; }

    // Waits for the bar to slide to the top edge; returns the time it took
    // from since, or 0 when it did not in time. Records every top edge seen.
    DWORD WaitForBarTop(HWND bar, LONG top, DWORD since, std::vector<LONG>* seen = nullptr)
    {
        const bool slid = driver::WaitFor(
            [&] {
                const LONG now = BarTop(bar);
                if (seen && (seen->empty() || seen->back() != now))
                    seen->push_back(now);
                return now == top;
            },
            kSlideLatestMs + launchertest::kWindowTimeoutMs);
        return slid ? GetTickCount() - since : 0;
    }

    // Before the session, so that the launcher has gone when the folder comes back.
    SettingsFolderSetAside m_settings{LauncherSettingsFolder()};
    LauncherSession m_session;
    HWND m_browser = nullptr;
};

TEST_F(FullScreen, TheWindowCoversTheScreenAndTheBarSlidesOutOfViewAndBackOnItsStrip)
{
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    const SIZE screen = Screen();

    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::FullScreen);
    const DWORD entered = GetTickCount();
    const HWND bar = launchertest::WaitForFullScreenBar(m_session.Process().id);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(driver::WindowRect(game), WholeScreen());
    EXPECT_EQ(driver::Style(game), kFullScreenStyle);
    EXPECT_EQ(driver::WindowRect(m_browser), WholeScreen());
    EXPECT_EQ(driver::WindowClass(bar), launchertest::kWindowClass);
    EXPECT_EQ(driver::Owner(bar), game);
    const RECT barInView = {screen.cx / 2 - 105, 0, screen.cx / 2 - 105 + 210, 34};
    EXPECT_EQ(driver::WindowRect(bar), barInView);

    // About 3 s later it slides up to its last pixel row, at once.
    std::vector<LONG> tops;
    const DWORD slidAfter = WaitForBarTop(bar, kBarHiddenTop, entered, &tops);
    EXPECT_GE(slidAfter, kSlideEarliestMs);
    EXPECT_LE(slidAfter, kSlideLatestMs);
    EXPECT_EQ(tops, (std::vector<LONG>{0, kBarHiddenTop}));
    const LONG hiddenLeft = (WorkArea().right - 210) / 2;
    EXPECT_EQ(driver::WindowRect(bar), (RECT{hiddenLeft, kBarHiddenTop, hiddenLeft + 210, 1}));

    // The pointer on that strip brings it down to y -1.
    const LONG stripX = hiddenLeft + 105;
    ASSERT_TRUE(launchertest::RevealFullScreenBarAt(bar, {stripX, 0}));
    const DWORD revealed = GetTickCount();
    EXPECT_EQ(driver::WindowRect(bar), (RECT{hiddenLeft, kBarRevealedTop, hiddenLeft + 210, 33}));
    // The pointer goes on moving along the strip for 2.8 s: the timer is not
    // restarted (it would hide the bar 5.8 s after the reveal at the earliest).
    for (int step = 1; step <= 7; ++step) {
        driver::PumpMessagesFor(400);
        driver::MoveMouseTo({stripX + step * 10, 0});
    }
    const DWORD hiddenAgainAfter = WaitForBarTop(bar, kBarHiddenTop, revealed);
    EXPECT_GE(hiddenAgainAfter, kSlideEarliestMs);
    EXPECT_LE(hiddenAgainAfter, kSlideLatestMs);
    POINT pointer = {};
    GetCursorPos(&pointer);
    EXPECT_EQ(pointer.y, 0) << "the pointer stayed on the strip";

    // Out and in again: the pointer on the bar within its first 3 s brings it
    // to y -1 and starts the 3 s anew.
    driver::PressKey(VK_ESCAPE);
    ASSERT_TRUE(driver::WaitFor([&] { return !IsWindow(bar); }, launchertest::kWindowTimeoutMs));
    const HWND again = EnterFullScreen(game);
    ASSERT_NE(again, nullptr);
    const DWORD enteredAgain = GetTickCount();
    EXPECT_EQ(driver::WindowRect(again), barInView);
    driver::PumpMessagesFor(1000);
    ASSERT_TRUE(launchertest::RevealFullScreenBarAt(again, {screen.cx / 2, 10}));
    const DWORD touched = GetTickCount();
    const DWORD slidAfterTouch = WaitForBarTop(again, kBarHiddenTop, touched);
    EXPECT_GE(slidAfterTouch, kSlideEarliestMs);
    EXPECT_GE(GetTickCount() - enteredAgain, 1000 + kSlideEarliestMs);
}

TEST_F(FullScreen, EscapeOnTheBarTheBarsButtonAndTheHotKeyEachLeave)
{
    // F12 leaves full screen here, so that Escape is an ordinary key.
    ASSERT_TRUE(WriteHotKeyCodes(kF12Code, kF9Code));
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    SetWindowPos(game, nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT windowed = {120, 90, 120 + 1250, 90 + 700};
    ASSERT_TRUE(driver::WaitFor([&] { return IsAt(game, windowed); }, launchertest::kWindowTimeoutMs));

    // Escape on the bar, which has the focus once it opens.
    HWND bar = EnterFullScreen(game);
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(driver::BringToForeground(bar));
    driver::PressKey(VK_ESCAPE);
    ExpectWindowedAt(game, bar, windowed);

    // The bar's own button.
    bar = EnterFullScreen(game);
    ASSERT_NE(bar, nullptr);
    ClickBarButton(bar);
    ExpectWindowedAt(game, bar, windowed);

    // The full-screen hot key, whichever window has the focus.
    bar = EnterFullScreen(game);
    ASSERT_NE(bar, nullptr);
    driver::PressKey(VK_F12);
    ExpectWindowedAt(game, bar, windowed);

    // In windowed mode Escape on the game window and the hot key do nothing:
    // the window stays where it was moved to, not where full screen began.
    SetWindowPos(game, nullptr, 200, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT moved = Offset(windowed, 80, 30);
    ASSERT_TRUE(driver::WaitFor([&] { return IsAt(game, moved); }, launchertest::kWindowTimeoutMs));
    ASSERT_TRUE(driver::BringToForeground(game));
    driver::PressKey(VK_ESCAPE);
    driver::PressKey(VK_F12);
    ASSERT_TRUE(launchertest::GameWindowCaughtUp(game));
    EXPECT_EQ(driver::WindowRect(game), moved);
    EXPECT_EQ(driver::Style(game), kWindowedStyle);
    EXPECT_TRUE(launchertest::FullScreenBars(m_session.Process().id).empty());
}

TEST_F(FullScreen, EscapeIsTheGamesOnlyWhileItsFullScreenIsInFrontAndAnotherProgramsOtherwise)
{
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    const RECT windowed = driver::WindowRect(game);

    // Windowed: Escape is free for another program's hot key, and its window
    // in front receives the key.
    EXPECT_TRUE(driver::TakenModifierSets(VK_ESCAPE).empty()) << "the windowed game holds Escape";
    TestWindow other(OtherProgramsWindow());
    ASSERT_TRUE(driver::BringToForeground(other.handle()));
    ExpectEscapeReaches(other);
    EXPECT_EQ(driver::WindowRect(game), windowed);

    // In full screen, in front: the game holds Escape, which leaves, whichever
    // of its windows has the focus (here the game page); then it is free again.
    HWND bar = EnterFullScreen(game);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(driver::TakenModifierSets(VK_ESCAPE), kEscapeAlone);
    driver::ClickInWindow(game, kPagePoint);
    // The click's activation reaches the launcher later, as X focus events;
    // once it has, the game is in front and holds Escape.
    EXPECT_TRUE(launchertest::WaitForInputEffect(
        [&] { return GetForegroundWindow() == game && driver::TakenModifierSets(VK_ESCAPE) == kEscapeAlone; },
        "the game was not in front holding Escape after the click into its page", game));
    driver::PressKey(VK_ESCAPE);
    ExpectWindowedAt(game, bar, windowed);
    EXPECT_TRUE(driver::TakenModifierSets(VK_ESCAPE).empty()) << "still held after leaving full screen";

    // In full screen behind another program's window: that window has Escape
    // and the game stays in full screen; back in front, the game holds it again.
    bar = EnterFullScreen(game);
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(driver::BringToForeground(other.handle()));
    EXPECT_TRUE(driver::WaitFor([] { return driver::TakenModifierSets(VK_ESCAPE).empty(); },
                                launchertest::kWindowTimeoutMs))
        << "held while another program is in front";
    ExpectEscapeReaches(other);
    EXPECT_EQ(driver::WindowRect(game), WholeScreen());
    driver::ClickInWindow(game, kPagePoint);
    EXPECT_TRUE(launchertest::WaitForInputEffect([] { return driver::TakenModifierSets(VK_ESCAPE) == kEscapeAlone; },
                                                 "Escape was not held again after the click into the game page",
                                                 game))
        << "not held again once the game is back in front";
    driver::PressKey(VK_ESCAPE);
    ExpectWindowedAt(game, bar, windowed);
}

TEST_F(FullScreen, AWindowMaximisedBeforeComesBackMaximisedWithItsNormalPlace)
{
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    const RECT normal = driver::WindowRect(game);
    const RECT work = WorkArea();
    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::MaximiseOrRestore);
    ASSERT_TRUE(driver::WaitFor([&] { return IsZoomed(game) && IsAt(game, work); }, launchertest::kWindowTimeoutMs));

    const HWND bar = EnterFullScreen(game);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(driver::WindowRect(game), WholeScreen());
    EXPECT_FALSE(IsZoomed(game));
    ClickBarButton(bar);
    ExpectWindowedAt(game, bar, work, WS_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(game));

    // The restore button (where the maximise button was) returns it to its normal place.
    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::MaximiseOrRestore);
    EXPECT_TRUE(driver::WaitFor([&] { return !IsZoomed(game) && IsAt(game, normal); },
                                launchertest::kWindowTimeoutMs));
}

TEST_F(FullScreen, TheLeaveMessageInWindowedModeReappliesTheSavedPlacementAndOpensNoBar)
{
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    const RECT windowed = driver::WindowRect(game);

    // Before any full screen no placement is saved: nothing changes.
    PostMessageW(game, kExitFullScreenMessage, 0, 0);
    ASSERT_TRUE(launchertest::GameWindowCaughtUp(game));
    EXPECT_EQ(driver::WindowRect(game), windowed);
    EXPECT_EQ(driver::Style(game), kWindowedStyle);

    ASSERT_TRUE(launchertest::FullScreenRoundTrip(game, m_session.Process().id));
    // Moved, and without its sizing frame and its minimise and maximise boxes.
    SetWindowPos(game, nullptr, 60, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowLongW(game, GWL_STYLE, kWindowedStyle & ~(WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    ASSERT_TRUE(driver::WaitFor([&] { return driver::WindowRect(game).left == 60; }, launchertest::kWindowTimeoutMs));
    ASSERT_NE(driver::Style(game), kWindowedStyle);

    PostMessageW(game, kExitFullScreenMessage, 0, 0);
    EXPECT_TRUE(driver::WaitFor([&] { return IsAt(game, windowed); }, launchertest::kWindowTimeoutMs))
        << "not back at the placement saved when full screen began";
    EXPECT_EQ(driver::Style(game), kWindowedStyle);
    EXPECT_TRUE(driver::WaitFor([&] { return IsAt(m_browser, WindowedBrowserRect(game)); },
                                launchertest::kWindowTimeoutMs));
    EXPECT_TRUE(launchertest::FullScreenBars(m_session.Process().id).empty());
}

TEST_F(FullScreen, ASizeMessageLaysNothingOutThereAndAMoveMessageLaysOutAgain)
{
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    const HWND bar = EnterFullScreen(game);
    ASSERT_NE(bar, nullptr);
    const SIZE screen = Screen();
    const RECT aside = {100, 100, 600, 400};
    SetWindowPos(m_browser, nullptr, aside.left, aside.top, aside.right - aside.left, aside.bottom - aside.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(driver::WaitFor([&] { return IsAt(m_browser, aside); }, launchertest::kWindowTimeoutMs));

    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutW(game, WM_SIZE, SIZE_RESTORED, MAKELPARAM(screen.cx, screen.cy), SMTO_NORMAL,
                                    launchertest::kWindowTimeoutMs, &result));
    EXPECT_EQ(driver::WindowRect(m_browser), aside);
    // The activation message that the size change posts is handled before
    // the pointer's move onto the bar reveals the bar.
    ASSERT_TRUE(launchertest::RevealFullScreenBarAt(bar, {screen.cx / 2, 10}));
    EXPECT_EQ(driver::WindowRect(m_browser), aside);

    ASSERT_TRUE(SendMessageTimeoutW(game, WM_MOVE, 0, 0, SMTO_NORMAL, launchertest::kWindowTimeoutMs, &result));
    EXPECT_TRUE(driver::WaitFor([&] { return IsAt(m_browser, WholeScreen()); }, launchertest::kWindowTimeoutMs));
    EXPECT_EQ(driver::WindowRect(game), WholeScreen());
    EXPECT_EQ(driver::Style(game), kFullScreenStyle);
}

TEST_F(FullScreen, FiftyRoundTripsLeaveWindowsGdiObjectsAndMemorySettled)
{
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    const driver::Process& launcher = m_session.Process();
    for (int trip = 0; trip < kWarmUpRoundTrips; ++trip)
        ASSERT_TRUE(launchertest::FullScreenRoundTrip(game, launcher.id)) << "round trip " << trip;
    const launchertest::HeldFigures baseline = launchertest::SettledFiguresOf(launcher.handle);
    for (int trip = kWarmUpRoundTrips; trip < kRoundTrips; ++trip)
        ASSERT_TRUE(launchertest::FullScreenRoundTrip(game, launcher.id)) << "round trip " << trip;
    const launchertest::HeldFigures settled = launchertest::SettledFiguresOf(launcher.handle);
    std::printf("after %d and %d round trips: USER objects %lu, %lu; GDI objects %lu, %lu; private bytes %zu, %zu\n",
                kWarmUpRoundTrips, kRoundTrips, baseline.userObjects, settled.userObjects, baseline.gdiObjects,
                settled.gdiObjects, static_cast<size_t>(baseline.privateBytes),
                static_cast<size_t>(settled.privateBytes));

    EXPECT_EQ(WaitForSingleObject(launcher.handle, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the launcher ended";
    EXPECT_TRUE(baseline.settled) << "the launcher's objects kept changing after the warm-up";
    EXPECT_TRUE(settled.settled) << "the launcher's objects kept changing after the round trips";
    ASSERT_GT(baseline.userObjects, 0u);
    ASSERT_GT(baseline.gdiObjects, 0u);
    ASSERT_GT(baseline.privateBytes, 0u);
    EXPECT_EQ(settled.userObjects, baseline.userObjects);
    EXPECT_LE(settled.gdiObjects, baseline.gdiObjects + kGdiObjectSlack);
    EXPECT_LE(settled.privateBytes, baseline.privateBytes + kPrivateBytesSlack);
}

}  // namespace
