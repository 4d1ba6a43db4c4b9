// The game window with two monitors side by side: Zarnith.exe under Wine on
// a screen of its own made of a 1366 x 768 monitor with a 1280 x 1024 one to
// its right (see tests/app/CMakeLists.txt). A login window moved to the
// second monitor opens the game window there, centred in that monitor; its
// full screen covers that monitor, with the bar at its top centre, and
// leaving gives the window its place back.
#include "game_window_controls.h"
#include "launcher_session.h"
#include "rect_printing.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

namespace {

constexpr RECT kFirstMonitor = {0, 0, 1366, 768};
constexpr RECT kSecondMonitor = {1366, 0, 2646, 1024};
// Centred in the second monitor: (1280 - 1250) / 2 and (1024 - 700) / 2 from its corner.
constexpr RECT kGameWindowOnSecond = {1366 + 15, 162, 1366 + 15 + 1250, 162 + 700};
// The bar: 210 x 34, centred at the second monitor's top.
constexpr RECT kBarOnSecond = {1366 + 535, 0, 1366 + 535 + 210, 34};
// Where the test puts the login window on the second monitor.
constexpr POINT kLoginOnSecond = {1400, 100};

BOOL CALLBACK AddMonitor(HMONITOR, HDC, RECT* rect, LPARAM list)
{
    reinterpret_cast<std::vector<RECT>*>(list)->push_back(*rect);
    return TRUE;
}

std::vector<RECT> Monitors()
{
    std::vector<RECT> monitors;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

TEST(TwoMonitors, TheGameOpensOnTheLoginWindowsMonitorAndGoesFullScreenThere)
{
    ASSERT_EQ(Monitors(), (std::vector<RECT>{kFirstMonitor, kSecondMonitor}))
        << "the program runs on two monitors side by side of its own";
    ASSERT_TRUE(driver::ProcessesNamed(launchertest::kExecutableName).empty()) << "a launcher is already running";

    launchertest::LauncherSession session;
    ASSERT_TRUE(session.Site().IsListening()) << "the demo site's port is taken";
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(SetWindowPos(session.Login(), nullptr, kLoginOnSecond.x, kLoginOnSecond.y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER));
    // The login browser window follows onto the second monitor.
    ASSERT_TRUE(driver::WaitFor([&] { return driver::WindowRect(session.LoginBrowser()).left == kLoginOnSecond.x + 483; },
                                launchertest::kWindowTimeoutMs));

    const HWND game = launchertest::OpenGameWindow(session, L"second");
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(driver::WindowRect(game), kGameWindowOnSecond);

    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::FullScreen);
    const HWND bar = launchertest::WaitForFullScreenBar(session.Process().id);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(driver::WindowRect(game), kSecondMonitor);
    EXPECT_EQ(driver::WindowRect(bar), kBarOnSecond);
    EXPECT_TRUE(launchertest::FullScreenBarCaughtUp(bar)) << "the bar does not answer the pointer";

    driver::PressKey(VK_ESCAPE);
    EXPECT_TRUE(driver::WaitFor([&] { return !IsWindow(bar) && driver::WindowRect(game) == kGameWindowOnSecond; },
                                launchertest::kWindowTimeoutMs));

    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::Close);
    EXPECT_TRUE(driver::WaitFor([&] { return session.LoginWindowsVisible(); }, launchertest::kWindowTimeoutMs));
}

}  // namespace
