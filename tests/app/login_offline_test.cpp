// The launcher started while the publisher's site cannot be reached: the
// login browser shows the error page, and the program still ends cleanly.
#include "launcher_session.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

using launchertest::LauncherSession;


TEST(LoginOffline, TheLoginBrowserShowsTheErrorPageAndTheCloseButtonStillEndsTheProgram)
{
    ASSERT_TRUE(driver::ProcessesNamed(launchertest::kExecutableName).empty()) << "a launcher is already running";
    LauncherSession session(LauncherSession::SiteState::Down);
    ASSERT_TRUE(session.Start(false));
    // The error page has no title of its own: the engine names the page by
    // the address it stands for, the login page's.
    ASSERT_TRUE(driver::WaitFor(
        [&] {
            const HWND browser = launchertest::BrowserWindowIn(session.LoginBrowser());
            return browser && driver::WindowText(browser).find(L"login.html") != std::wstring::npos;
        },
        launchertest::kPageTimeoutMs))
        << "no page in the login browser";
    EXPECT_EQ(session.CountGameWindows(), 0u);
    EXPECT_TRUE(session.LoginWindowsVisible());

    ASSERT_TRUE(session.ClickLoginCloseButton()) << "the login window stayed";
    DWORD exitCode = 1;
    EXPECT_TRUE(session.EndsCleanly(&exitCode)) << "exit code " << exitCode;
}

}  // namespace
