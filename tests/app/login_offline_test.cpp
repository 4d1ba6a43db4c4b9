// The launcher started while the publisher's site cannot be reached: the
// login browser shows the error page, and the program still ends cleanly.
#include "launcher_session.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

using launchertest::LauncherSession;

// The launcher's error page names itself "页面加载失败" (the page did not load).
constexpr wchar_t kErrorPageTitle[] = L"\x9875\x9762\x52A0\x8F7D\x5931\x8D25";

TEST(LoginOffline, TheLoginBrowserShowsTheErrorPageAndTheCloseButtonStillEndsTheProgram)
{
    ASSERT_TRUE(driver::ProcessesNamed(launchertest::kExecutableName).empty()) << "a launcher is already running";
    LauncherSession session(LauncherSession::SiteState::Down);
    ASSERT_TRUE(session.Start(false));
    ASSERT_TRUE(launchertest::WaitForPageTitle(session.LoginBrowser(), kErrorPageTitle))
        << "the login browser did not show the error page";
    EXPECT_EQ(session.CountGameWindows(), 0u);
    EXPECT_TRUE(session.LoginWindowsVisible());

    ASSERT_TRUE(session.ClickLoginCloseButton()) << "the login window stayed";
    DWORD exitCode = 1;
    EXPECT_TRUE(session.EndsCleanly(&exitCode)) << "exit code " << exitCode;
}

}  // namespace
