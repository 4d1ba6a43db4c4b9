// A page that ends or is lost, as a player meets it: Zarnith.exe under Wine
// with the real engine and the demo site, the renderer process behind the
// game page (or the login page) killed from outside, the crash page that
// takes its place, its button and F5 clicked and pressed with real input,
// and the site's log of requests showing each load of the page again.
#include "game_window_controls.h"
#include "launcher_folder.h"
#include "launcher_session.h"
#include "settings_folder_set_aside.h"
#include "temp_folder.h"

#include "browser/error_page.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using launchertest::BrowserWindowIn;
using launchertest::LauncherSession;
using launchertest::Utf8;

// The crash page's title: "页面已停止运行".
constexpr wchar_t kCrashPageTitle[] = L"\x9875\x9762\x5DF2\x505C\x6B62\x8FD0\x884C";
constexpr char kGamePagePath[] = "/game/play.html";
// The demo game page reports each time it gains the keyboard, numbered.
constexpr wchar_t kRendererSwitch[] = L"--type=renderer";
// The engine's log, in the launcher's working folder, and its line for a process it
// could not start.
constexpr wchar_t kEngineLogName[] = L"debug.log";
constexpr char kLaunchFailureLine[] = "Failed to launch child process";
constexpr DWORD kKillWaitMs = 5000;
// The colour of the crash page's button, as the page draws it.
constexpr COLORREF kOwnPageButtonColour = RGB(0xB8, 0x86, 0x2D);
// A point of the button inside its rounded corner, clear of its text.
constexpr POINT kOwnPageButtonColourSpot = {kOwnPageButtonLeft + 8, kOwnPageButtonTop + 8};

// The launcher's renderer processes, oldest first.
std::vector<DWORD> RenderersOf(DWORD launcher)
{
    std::vector<DWORD> renderers;
    for (DWORD id : driver::ChildProcessesOf(launcher))
        if (driver::CommandLineOf(id).find(kRendererSwitch) != std::wstring::npos)
            renderers.push_back(id);
    return renderers;
}

bool Kill(DWORD processId)
{
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (!process)
        return false;
    const bool ended = TerminateProcess(process, 1) && WaitForSingleObject(process, kKillWaitMs) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

// A picture of the screen in the temporary folder, its path printed.
void SaveScreenshot(const wchar_t* name)
{
    const std::wstring path = driver::SaveScreenshotInTempFolder(name);
    std::printf("screenshot: %s\n", path.empty() ? "not saved" : Utf8(path).c_str());
    std::fflush(stdout);
}

// Requests for the game page, whatever its query.
size_t GamePageRequests(LauncherSession& session)
{
    return session.Site().CountRequestsStartingWith(kGamePagePath);
}

size_t GamePageFocuses(LauncherSession& session)
{
    return session.Site().CountRequestsStartingWith(launchertest::kGamePageFocusReport);
}

// Whether the page's button shows on the screen: the page has been drawn.
bool OwnPageButtonShows(HWND browser)
{
    POINT spot = kOwnPageButtonColourSpot;
    ClientToScreen(browser, &spot);
    return driver::PixelAt(spot) == kOwnPageButtonColour;
}

bool ShowsWhiteAtCentre(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return driver::PixelAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}) == RGB(0xFF, 0xFF, 0xFF);
}

// Clicks the crash page's (or error page's) button in the browser's window.
void ClickOwnPageButton(HWND browser)
{
    driver::ClickInWindow(browser, {kOwnPageButtonLeft + kOwnPageButtonWidth / 2,
                                    kOwnPageButtonTop + kOwnPageButtonHeight / 2});
}

class PageRecovery : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(driver::ProcessesNamed(launchertest::kExecutableName).empty()) << "a launcher is already running";
        ASSERT_TRUE(m_session.Site().IsListening()) << "the demo site's port is taken";
    }

    // The boss key is F9, as without a settings file.
    SettingsFolderSetAside m_settings{LauncherSettingsFolder()};
    LauncherSession m_session;
};

TEST_F(PageRecovery, AKilledGamePageGivesTheCrashPageWhoseButtonAndF5BringTheGameBack)
{
    ASSERT_TRUE(m_session.Start());
    const std::vector<DWORD> loginRenderers = RenderersOf(m_session.Process().id);
    const std::wstring account = L"survivor";
    const HWND game = launchertest::OpenGameWindow(m_session, account);
    ASSERT_NE(game, nullptr);
    const std::wstring gameTitle = launchertest::GamePageTitle(launchertest::kLoginServer, account);
    const HWND browser = BrowserWindowIn(game);
    ASSERT_NE(browser, nullptr);
    // The game browser's renderer is the one the hand-over added.
    DWORD gameRenderer = 0;
    for (DWORD id : RenderersOf(m_session.Process().id))
        if (std::find(loginRenderers.begin(), loginRenderers.end(), id) == loginRenderers.end())
            gameRenderer = id;
    ASSERT_NE(gameRenderer, 0u) << "no renderer process came with the game window";
    const size_t requests = GamePageRequests(m_session);

    ASSERT_TRUE(Kill(gameRenderer));
    EXPECT_TRUE(launchertest::WaitForPageTitle(game, kCrashPageTitle))
        << "the crash page did not come: " << m_session.WhatShows();
    EXPECT_TRUE(driver::WaitFor([&] { return OwnPageButtonShows(browser); }, launchertest::kPageTimeoutMs))
        << "the crash page's button is not on the screen";
    SaveScreenshot(L"zarnith-crash-page.png");
    EXPECT_EQ(GamePageRequests(m_session), requests) << "the game page was asked for again without the player";
    EXPECT_FALSE(m_session.LoginWindowsVisible());

    ASSERT_TRUE(driver::BringToForeground(game));
    ClickOwnPageButton(browser);
    EXPECT_TRUE(launchertest::WaitForPageTitle(game, gameTitle))
        << "the crash page's button did not bring the game back: " << m_session.WhatShows();
    EXPECT_EQ(GamePageRequests(m_session), requests + 1);

    // The page has the keyboard since the click.
    driver::PressKey(VK_F5);
    EXPECT_TRUE(driver::WaitFor([&] { return GamePageRequests(m_session) == requests + 2; },
                                launchertest::kPageTimeoutMs))
        << "F5 did not load the game page again";
    EXPECT_TRUE(launchertest::WaitForPageTitle(game, gameTitle)) << m_session.WhatShows();

    // Back from the boss key, the page has the keyboard again without a
    // click, once the engine has passed it on.
    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::BossKey);
    ASSERT_TRUE(driver::WaitFor([&] { return !driver::IsVisible(game); }, launchertest::kWindowTimeoutMs));
    const size_t focuses = GamePageFocuses(m_session);
    driver::PressKey(VK_F9);
    ASSERT_TRUE(driver::WaitFor([&] { return driver::IsVisible(game) && GetForegroundWindow() == game; },
                                launchertest::kWindowTimeoutMs))
        << "the boss key did not bring the game window back";
    ASSERT_TRUE(driver::WaitFor([&] { return GamePageFocuses(m_session) > focuses; }, launchertest::kWindowTimeoutMs))
        << "the game page did not gain the keyboard after the boss key's return";
    driver::PressKey(VK_F5);
    EXPECT_TRUE(driver::WaitFor([&] { return GamePageRequests(m_session) == requests + 3; },
                                launchertest::kPageTimeoutMs))
        << "F5 after the boss key's return did not load the game page again";
    EXPECT_TRUE(launchertest::WaitForPageTitle(game, gameTitle)) << m_session.WhatShows();
    EXPECT_EQ(m_session.CountGameWindows(), 1u);
}

TEST_F(PageRecovery, AKilledLoginPageGivesTheCrashPageWhoseButtonBringsTheLoginPageBack)
{
    ASSERT_TRUE(m_session.Start());
    const std::vector<DWORD> renderers = RenderersOf(m_session.Process().id);
    ASSERT_EQ(renderers.size(), 1u) << "the login page's renderer is not the only one";
    const size_t requests = m_session.Site().CountRequests(launchertest::kLoginPagePath);

    ASSERT_TRUE(Kill(renderers.front()));
    EXPECT_TRUE(launchertest::WaitForPageTitle(m_session.LoginBrowser(), kCrashPageTitle))
        << "the crash page did not come: " << m_session.WhatShows();
    EXPECT_EQ(m_session.Site().CountRequests(launchertest::kLoginPagePath), requests);
    const HWND browser = BrowserWindowIn(m_session.LoginBrowser());
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(driver::WaitFor([&] { return OwnPageButtonShows(browser); }, launchertest::kPageTimeoutMs))
        << "the crash page's button is not on the screen";

    ASSERT_TRUE(driver::BringToForeground(m_session.LoginBrowser()));
    ClickOwnPageButton(browser);
    EXPECT_TRUE(launchertest::WaitForPageTitle(m_session.LoginBrowser(), launchertest::kLoginPageTitle))
        << m_session.WhatShows();
    EXPECT_EQ(m_session.Site().CountRequests(launchertest::kLoginPagePath), requests + 1);
    ASSERT_TRUE(m_session.ClickLoginCloseButton()) << "the login window stayed";
    DWORD exitCode = 0;
    EXPECT_TRUE(m_session.EndsCleanly(&exitCode)) << "exit code " << exitCode;
}

TEST_F(PageRecovery, AGamePageWhoseRendererCouldNotBeStartedComesOnceOneStarts)
{
    // The engine starts its processes from the launcher's own file: while it
    // is away, no renderer can be started, and the engine tries again.
    launchertest::LauncherFolder folder(L"zarnith-renderer-", launchertest::RunnableFolder());
    ASSERT_TRUE(folder.Ready());
    // The engine writes its log where the launcher runs.
    const TempFolder workingFolder(L"zarnith-working-");
    ASSERT_TRUE(workingFolder.Made());
    ASSERT_TRUE(m_session.Start(true, workingFolder.Path(), folder.LauncherPath()));
    const std::wstring launcher = folder.LauncherPath();
    const std::wstring aside = launcher + L".aside";
    ASSERT_TRUE(MoveFileW(launcher.c_str(), aside.c_str()));
    const bool loggedIn = m_session.LogInAs(L"survivor");
    const HWND game = m_session.WaitForGameWindow();
    const std::wstring engineLog = workingFolder.Path() + kEngineLogName;
    const bool launchFailed = driver::WaitFor(
        [&] { return ReadWholeFile(engineLog).find(kLaunchFailureLine) != std::string::npos; },
        launchertest::kWindowTimeoutMs);
    ASSERT_TRUE(MoveFileW(aside.c_str(), launcher.c_str()));
    ASSERT_TRUE(loggedIn);
    ASSERT_NE(game, nullptr);
    ASSERT_TRUE(launchFailed) << "the engine did not report a renderer it could not start";

    EXPECT_TRUE(launchertest::WaitForPageTitle(game, launchertest::GamePageTitle(launchertest::kLoginServer,
                                                                                 L"survivor")))
        << "the game page did not come after its renderer could be started: " << m_session.WhatShows();
    // The dark page drawn over the engine's white.
    const HWND browser = BrowserWindowIn(game);
    EXPECT_TRUE(driver::WaitFor([&] { return browser && !ShowsWhiteAtCentre(browser); }, launchertest::kPageTimeoutMs))
        << "the game page is not drawn";
    SaveScreenshot(L"zarnith-game-page-after-restart.png");
    EXPECT_EQ(GamePageRequests(m_session), 1u);
    EXPECT_EQ(m_session.CountGameWindows(), 1u);
    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::Close);
    ASSERT_TRUE(driver::WaitFor([&] { return m_session.LoginWindowsVisible(); }, launchertest::kWindowTimeoutMs))
        << m_session.WhatShows();
    ASSERT_TRUE(m_session.ClickLoginCloseButton()) << "the login window stayed";
    DWORD exitCode = 0;
    EXPECT_TRUE(m_session.EndsCleanly(&exitCode)) << "exit code " << exitCode;
}

}  // namespace
