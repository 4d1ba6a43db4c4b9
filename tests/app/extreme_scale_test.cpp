// The launcher at a system scale outside what Windows offers, as a hand-edited
// LogPixels gives it: Zarnith.exe under Wine on a 2560 x 1600 screen of its
// own whose session has LogPixels 72 or 480 (see tests/app/CMakeLists.txt).
// It starts, its windows are on the screen, the login browser window stays
// in the login window's frame, and the login window's close button ends it.
#include "launcher_session.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(ExtremeScale, TheLoginWindowsAreOnTheScreenInTheirFrameAndClose)
{
    ASSERT_TRUE(launchertest::DeclareAwareOfTheScale());
    ASSERT_TRUE(driver::ProcessesNamed(launchertest::kExecutableName).empty()) << "a launcher is already running";
    launchertest::LauncherSession session;
    ASSERT_TRUE(session.Site().IsListening()) << "the demo site's port is taken";
    ASSERT_TRUE(session.Start(false));

    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const RECT login = driver::WindowRect(session.Login());
    EXPECT_TRUE(Inside(login, work));
    EXPECT_GE(login.right - login.left, launchertest::kLoginWindowSize.cx) << "never below 100 %";
    EXPECT_TRUE(driver::WaitFor([&] { return Inside(driver::WindowRect(session.LoginBrowser()), login); },
                                launchertest::kWindowTimeoutMs));
    EXPECT_TRUE(session.ClickLoginCloseButton());
    EXPECT_TRUE(session.EndsCleanly());
}

}  // namespace
