// The game window on a screen smaller than it, or with a taskbar: Zarnith.exe
// under Wine on a screen of its own (see tests/app/CMakeLists.txt, which
// gives each program its screen, the work area the screen has and where the
// game window belongs on it). The window opens inside the work area, made
// smaller where it does not fit, and its top bar's buttons are on the screen
// and answer the pointer; full screen covers the screen and leaves it again.
#include "game_window_controls.h"
#include "launcher_session.h"
#include "rect_printing.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

constexpr RECT kWorkArea = {ZARNITH_SCREEN_WORK_AREA};
constexpr RECT kGameWindow = {ZARNITH_SCREEN_GAME_WINDOW};

constexpr launchertest::TopBarButton kButtons[] = {
    launchertest::TopBarButton::Official, launchertest::TopBarButton::Recharge,
    launchertest::TopBarButton::Forum,    launchertest::TopBarButton::Service,
    launchertest::TopBarButton::BossKey,  launchertest::TopBarButton::FullScreen,
    launchertest::TopBarButton::Minimise, launchertest::TopBarButton::MaximiseOrRestore,
    launchertest::TopBarButton::Close,
};

RECT WorkArea()
{
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

TEST(GameWindowOnThisScreen, OpensInsideTheWorkAreaWithEveryTopBarButtonOnTheScreenAndAnswering)
{
    ASSERT_EQ(WorkArea(), kWorkArea) << "the program runs on a screen of its own";
    ASSERT_TRUE(driver::ProcessesNamed(launchertest::kExecutableName).empty()) << "a launcher is already running";

    launchertest::LauncherSession session;
    ASSERT_TRUE(session.Site().IsListening()) << "the demo site's port is taken";
    ASSERT_TRUE(session.Start());
    const HWND game = launchertest::OpenGameWindow(session, L"small");
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(driver::WindowRect(game), kGameWindow);
    EXPECT_TRUE(launchertest::BrowserFillsBelowTopBar(game));

    for (const launchertest::TopBarButton button : kButtons) {
        SCOPED_TRACE("button " + std::to_string(static_cast<int>(button)));
        POINT centre = launchertest::TopBarButtonCentre(game, button);
        ClientToScreen(game, &centre);
        EXPECT_TRUE(PtInRect(&kWorkArea, centre));
        EXPECT_TRUE(launchertest::TopBarButtonAnswersPointer(game, button));
    }

    // Full screen covers the whole screen, taskbar included, and gives the
    // window its place back.
    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::FullScreen);
    const HWND bar = launchertest::WaitForFullScreenBar(session.Process().id);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(driver::WindowRect(game), (RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
    driver::PressKey(VK_ESCAPE);
    EXPECT_TRUE(driver::WaitFor([&] { return !IsWindow(bar) && driver::WindowRect(game) == kGameWindow; },
                                launchertest::kWindowTimeoutMs));
    EXPECT_EQ(driver::WindowRect(game), kGameWindow);
    EXPECT_TRUE(driver::IsVisible(game));

    // The activation passes from the bar back to the window as full screen
    // ends; a click in the middle of it is cancelled under Wine.
    ASSERT_TRUE(driver::BringToForeground(game));
    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::Close);
    EXPECT_TRUE(driver::WaitFor([&] { return session.LoginWindowsVisible(); }, launchertest::kWindowTimeoutMs));
}

}  // namespace
