// The game window on a screen smaller than the window: Zarnith.exe under Wine
// on a screen of 1023 x 697 pixels of its own (see tests/app/CMakeLists.txt),
// where centring by the work area's right and bottom edges gives a negative
// position, each division truncated toward zero.
#include "game_window.h"
#include "launcher_session.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

// The screen this program is given; the work area is all of it.
constexpr RECT kWorkArea = {0, 0, 1023, 697};
// (1023 - 1250) / 2 and (697 - 700) / 2, truncated toward zero (rounding
// down would give -114 and -2).
constexpr POINT kGameWindowPosition = {-113, -1};

TEST(GameWindowOnASmallScreen, IsPlacedAtTheNegativePositionItsWorkAreaGives)
{
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    ASSERT_TRUE(EqualRect(&work, &kWorkArea)) << "the program runs on a screen of its own of 1023 x 697; work area "
                                              << work.left << "," << work.top << "," << work.right << ","
                                              << work.bottom;
    ASSERT_TRUE(driver::ProcessesNamed(launchertest::kExecutableName).empty()) << "a launcher is already running";

    launchertest::LauncherSession session;
    ASSERT_TRUE(session.Site().IsListening()) << "the demo site's port is taken";
    ASSERT_TRUE(session.Start());
    const HWND game = session.LogInToGame(L"small");
    ASSERT_NE(game, nullptr);

    const RECT outer = driver::WindowRect(game);
    EXPECT_EQ(outer.left, kGameWindowPosition.x);
    EXPECT_EQ(outer.top, kGameWindowPosition.y);
    EXPECT_TRUE(driver::WaitFor([&] { return launchertest::BrowserFillsBelowTopBar(game); },
                                launchertest::kWindowTimeoutMs));

    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::Close);
    EXPECT_TRUE(driver::WaitFor([&] { return session.LoginWindowsVisible(); }, launchertest::kWindowTimeoutMs));
}

}  // namespace
