// The site buttons of the login window and of the game window hand the
// publisher's addresses to the system, which opens them with its web-address
// association; when that fails, the launcher falls back to "iexplore". What
// the game page opens by itself goes the same way when it is not the
// publisher's, while the game page stays. The launcher runs as a user starts
// it and is driven with real input. A recorder (url_recorder.cpp) stands in
// for the web browser and the mail program, so neither is started.
//
// Measured under this Wine (8.0): ShellExecuteW opens an http address with the
// command under HKEY_CLASSES_ROOT\http\shell\open\command, which is
// HKEY_LOCAL_MACHINE\Software\Classes (HKEY_CURRENT_USER\Software\Classes is
// not consulted); a command whose program is missing makes it return 2. A bare
// "iexplore" is first handed to the system's program search, which looks in
// the caller's current folder before system32, where Wine's own iexplore.exe
// lives; App Paths (under the bare name, without ".exe") is read only when
// that search finds nothing. So the recorder becomes "iexplore" as
// iexplore.exe in the launcher's current folder.
#include "game_window.h"
#include "launcher_session.h"
#include "registry_value_override.h"
#include "temp_folder.h"
#include "url_recorder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

#define SITE_ADDRESS(port) "http://127.0.0.1:" #port
#define DEMO_SITE_ADDRESS(port) SITE_ADDRESS(port)
// The build's default addresses: the demo site on its loopback port.
constexpr char kOfficialSite[] = DEMO_SITE_ADDRESS(ZARNITH_DEMO_SITE_PORT);
constexpr char kPaymentPage[] = DEMO_SITE_ADDRESS(ZARNITH_DEMO_SITE_PORT) "/media.php?s=/Pay/index.html";

constexpr wchar_t kRecorderName[] = L"url_recorder.exe";
constexpr wchar_t kFallbackBrowserName[] = L"iexplore.exe";
constexpr wchar_t kMissingBrowserName[] = L"no_such_browser.exe";
// Under HKEY_CLASSES_ROOT: what opens web addresses.
constexpr wchar_t kHttpCommandKey[] = L"http\\shell\\open\\command";
constexpr wchar_t kHttpsCommandKey[] = L"https\\shell\\open\\command";
constexpr wchar_t kMailtoCommandKey[] = L"mailto\\shell\\open\\command";

struct SiteButton {
    const char* name;
    POINT centre;  // client coordinates
    const char* address;
};

// FormLogin.xml: a column of buttons 180 wide at x 64, from y 236 (the title
// bar's 36 and an inset of 200), each 42 high and 14 apart.
constexpr SiteButton kLoginSiteButtons[] = {
    {"officialbtn", {154, 257}, kOfficialSite},
    {"rechargebtn", {154, 313}, kPaymentPage},
    {"forumbtn", {154, 369}, kOfficialSite},
    {"servicebtn", {154, 425}, kOfficialSite},
};

// FormGame.xml's top bar (game_window.h has the buttons' places).
struct GameSiteButton {
    const char* name;
    launchertest::TopBarButton button;
    const char* address;
};
constexpr GameSiteButton kGameSiteButtons[] = {
    {"officialbtn", launchertest::TopBarButton::Official, kOfficialSite},
    {"rechargebtn", launchertest::TopBarButton::Recharge, kPaymentPage},
    {"forumbtn", launchertest::TopBarButton::Forum, kOfficialSite},
    {"servicebtn", launchertest::TopBarButton::Service, kOfficialSite},
};

// The demo login page (demo-site/.../login.html) in the 627 x 406 browser at
// the login browser window's client origin: its background colour, a spot of
// it outside the form, and the account field 300 wide in the middle, below
// the heading and its label.
constexpr COLORREF kLoginPageBackground = RGB(0x1b, 0x1f, 0x2a);
constexpr POINT kLoginPageBackgroundSpot = {20, 390};
constexpr wchar_t kAccount[] = L"tester";

constexpr DWORD kRecordTimeoutMs = 10000;

// With a trailing backslash, as TempFolder::Path().
std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring RecordFileIn(const std::wstring& folder)
{
    return folder + kUrlRecordFileName;
}

// The whole lines a recorder has written so far.
std::vector<std::string> RecordedLines(const std::wstring& recordFile)
{
    std::ifstream in(recordFile.c_str(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    for (size_t begin = 0, end; (end = text.find('\n', begin)) != std::string::npos; begin = end + 1)
        lines.push_back(text.substr(begin, end - begin));
    return lines;
}

// The line that follows the first `known` lines, once it is there; empty when
// none came in time.
std::string NextRecordedLine(const std::wstring& recordFile, size_t known)
{
    std::vector<std::string> lines;
    driver::WaitFor([&] { return (lines = RecordedLines(recordFile)).size() > known; }, kRecordTimeoutMs);
    return lines.size() > known ? lines[known] : std::string();
}

class SiteButtons : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(driver::ProcessesNamed(launchertest::kExecutableName).empty()) << "a launcher is already running";
        ASSERT_TRUE(m_session.Site().IsListening()) << "the demo site's port is taken";
        ASSERT_TRUE(m_launcherFolder.Made());
        DeleteFileW(BrowserRecord().c_str());
        // Every web and mail address opened goes to the recorder, never to
        // Wine's winebrowser.
        for (const wchar_t* key : {kHttpCommandKey, kHttpsCommandKey, kMailtoCommandKey}) {
            m_associations.push_back(std::make_unique<RegistryValueOverride>(HKEY_CLASSES_ROOT, key, RecorderCommand()));
            ASSERT_TRUE(m_associations.back()->Applied()) << "cannot register the recorder under HKCR\\" << key;
        }
        ASSERT_TRUE(CopyFileW(Recorder().c_str(), (m_launcherFolder.Path() + kFallbackBrowserName).c_str(), TRUE));
    }

    std::wstring Recorder() const { return ProgramFolder() + kRecorderName; }
    std::wstring RecorderCommand() const { return L"\"" + Recorder() + L"\" \"%1\""; }
    // What the recorder registered as the web browser writes down.
    std::wstring BrowserRecord() const { return RecordFileIn(ProgramFolder()); }
    // What the recorder started as "iexplore" writes down.
    std::wstring FallbackRecord() const { return RecordFileIn(m_launcherFolder.Path()); }
    std::wstring MissingBrowserCommand() const
    {
        return L"\"" + m_launcherFolder.Path() + kMissingBrowserName + L"\" \"%1\"";
    }

    // Starts the launcher in the folder where "iexplore" finds the recorder
    // and waits until the login page shows. Clicks on the login window before
    // then were lost now and then, while the engine was still making its
    // browser window.
    bool StartAndWaitForLoginPage()
    {
        if (!m_session.Start(true, m_launcherFolder.Path()))
            return false;
        POINT backgroundSpot = kLoginPageBackgroundSpot;
        ClientToScreen(m_session.LoginBrowser(), &backgroundSpot);
        return driver::WaitFor([&] { return driver::PixelAt(backgroundSpot) == kLoginPageBackground; },
                               launchertest::kPageTimeoutMs);
    }

    // Clicks the button and expects its address as the recorder's next line.
    void ExpectOpened(HWND window, POINT client, const char* name, const char* address)
    {
        const size_t known = RecordedLines(BrowserRecord()).size();
        driver::ClickInWindow(window, client);
        EXPECT_EQ(NextRecordedLine(BrowserRecord(), known), address) << name;
    }

    void ExpectCloseButtonEndsTheProgram()
    {
        ASSERT_TRUE(m_session.ClickLoginCloseButton()) << "the login window stayed";
        DWORD exitCode = 1;
        EXPECT_TRUE(m_session.EndsCleanly(&exitCode)) << "exit code " << exitCode;
    }

    // Put back only after the session has ended the launcher, so that it
    // never reaches the system's own web browser.
    std::vector<std::unique_ptr<RegistryValueOverride>> m_associations;
    // The launcher's current folder, where "iexplore" finds the recorder.
    TempFolder m_launcherFolder{L"zarnith-site-buttons"};
    launchertest::LauncherSession m_session;
};

TEST_F(SiteButtons, LoginWindowOpensThePublishersPagesAndFallsBackToIexplore)
{
    ASSERT_TRUE(StartAndWaitForLoginPage()) << "no login window with the login page";
    const HWND login = m_session.Login();
    ASSERT_TRUE(driver::BringToForeground(login));

    for (const SiteButton& button : kLoginSiteButtons)
        ExpectOpened(login, button.centre, button.name, button.address);
    // The association worked, so "iexplore" was never asked.
    EXPECT_TRUE(RecordedLines(FallbackRecord()).empty());

    // The association names a program that is not there, so the shell's
    // open fails and the address goes to "iexplore".
    {
        RegistryValueOverride brokenOpen(HKEY_CLASSES_ROOT, kHttpCommandKey, MissingBrowserCommand());
        ASSERT_TRUE(brokenOpen.Applied());
        const size_t known = RecordedLines(BrowserRecord()).size();
        driver::ClickInWindow(login, kLoginSiteButtons[1].centre);  // recharge
        EXPECT_EQ(NextRecordedLine(FallbackRecord(), 0), kPaymentPage);
        EXPECT_EQ(RecordedLines(BrowserRecord()).size(), known);
    }

    ExpectCloseButtonEndsTheProgram();
}

TEST_F(SiteButtons, GameWindowOpensThePublishersPages)
{
    ASSERT_TRUE(StartAndWaitForLoginPage()) << "no login window with the login page";
    const HWND login = m_session.Login();
    const HWND loginBrowser = m_session.LoginBrowser();

    // Log in on the demo page: its form sends the account to the game page.
    const HWND game = m_session.LogInToGame(kAccount);
    ASSERT_NE(game, nullptr) << "no game window with the game page";
    const RECT bounds = driver::WindowRect(game);
    EXPECT_EQ(bounds.right - bounds.left, launchertest::kGameWindowSize.cx);
    EXPECT_EQ(bounds.bottom - bounds.top, launchertest::kGameWindowSize.cy);
    EXPECT_FALSE(driver::IsVisible(login));
    EXPECT_FALSE(driver::IsVisible(loginBrowser));

    for (const GameSiteButton& button : kGameSiteButtons)
        ExpectOpened(game, launchertest::TopBarButtonCentre(game, button.button), button.name, button.address);
    EXPECT_TRUE(RecordedLines(FallbackRecord()).empty());

    // The game window's own close brings the login windows back; the login
    // window's close ends the launcher.

    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::Close);
    ASSERT_TRUE(driver::WaitFor([&] { return !IsWindow(game); }, launchertest::kWindowTimeoutMs))
        << "the game window stayed";
    ASSERT_TRUE(driver::WaitFor([&] { return driver::IsVisible(login) && driver::IsVisible(loginBrowser); },
                                launchertest::kWindowTimeoutMs))
        << "the login windows did not come back";
    ExpectCloseButtonEndsTheProgram();
}

// The demo game page (demo-site/game/play.html): a second row of boxes 96
// wide and 24 high, from 16 pixels left of the page's right edge, 44 from its
// top; each box's place in the row.
enum class GamePageBox { Count, PopupLink, PopupButton, PopupStorm, Foreign, Mail, Download, Boxes };
constexpr int kGamePageBoxWidth = 96;
constexpr int kGamePageRowRightMargin = 16;
constexpr int kGamePageRowMiddleY = 44 + 12;
// What the boxes open and what the page's timer asks for, unclicked.
constexpr char kPublisherPopup[] = "/index.html?from=link";
constexpr char kPublisherPopupByScript[] = "/index.html?from=button";
constexpr char kFirstStormPopup[] = "/index.html?from=storm&n=0";
constexpr char kTimerPopup[] = "/index.html?from=timer";
constexpr char kTimerRan[] = "/game/timer.gif";
constexpr char kForeignPage[] = "http://other.example/zarnith?from=game";
constexpr char kMailAddress[] = "mailto:service@example.com?subject=Zarnith";
constexpr char kDownload[] = DEMO_SITE_ADDRESS(ZARNITH_DEMO_SITE_PORT) "/index.html";
// The official site's title, which its pop-up window carries.
constexpr wchar_t kOfficialSiteTitle[] = L"Zarnith \x5B98\x65B9\x7F51\x7AD9";  // "Zarnith 官方网站"
constexpr DWORD kTimerTimeoutMs = 15000;
// Long enough for a hundred pop-up requests to have reached the launcher.
constexpr DWORD kPopupQuietMs = 3000;

class GamePageOpens : public SiteButtons {
protected:
    void SetUp() override
    {
        SiteButtons::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(StartAndWaitForLoginPage()) << "no login window with the login page";
        m_game = m_session.LogInToGame(kAccount);
        ASSERT_NE(m_game, nullptr) << "no game window with the game page";
        // Under Wine a click that arrives while the window is still being
        // handed the foreground is cancelled (as for the login click).
        ASSERT_TRUE(driver::BringToForeground(m_game)) << "the game window did not keep the foreground";
    }

    POINT BoxCentre(GamePageBox box) const
    {
        const RECT page = driver::WindowRect(launchertest::BrowserWindowIn(m_game));
        const int boxesRightOf = static_cast<int>(GamePageBox::Boxes) - static_cast<int>(box);
        return {page.right - kGamePageRowRightMargin - boxesRightOf * kGamePageBoxWidth + kGamePageBoxWidth / 2,
                page.top + kGamePageRowMiddleY};
    }
    void Click(GamePageBox box) const { driver::ClickAt(BoxCentre(box)); }

    // The page as the player left it: the game page with its count.
    std::wstring GameTitleWithCount(int clicks) const
    {
        return launchertest::GamePageTitle(launchertest::kLoginServer, kAccount) + L" \x00B7 " +
               std::to_wstring(clicks);
    }
    bool ShowsGameWithCount(int clicks) const
    {
        return launchertest::WaitForPageTitle(m_game, GameTitleWithCount(clicks), launchertest::kWindowTimeoutMs);
    }

    // The launcher's visible windows owned by the game window that hold a
    // page: its pop-ups.
    std::vector<HWND> PopupWindows() const
    {
        std::vector<HWND> popups;
        for (HWND window : driver::TopLevelWindows(nullptr, nullptr, m_session.Process().id)) {
            if (driver::Owner(window) == m_game && driver::IsVisible(window) &&
                (driver::WindowClass(window) == L"CefBrowserWindow" || launchertest::BrowserWindowIn(window)))
                popups.push_back(window);
        }
        return popups;
    }
    HWND WaitForPopupWindow() const
    {
        std::vector<HWND> popups;
        driver::WaitFor([&] { return !(popups = PopupWindows()).empty(); }, launchertest::kPageTimeoutMs);
        return popups.empty() ? nullptr : popups.front();
    }
    // The pop-up's caption once the page's title has come.
    static bool WaitForTitle(HWND window, const std::wstring& title)
    {
        return driver::WaitFor([&] { return driver::WindowText(window) == title; }, launchertest::kPageTimeoutMs);
    }
    // Closes the pop-up as Alt+F4 or its close box would, and waits until it has gone.
    static bool ClosePopup(HWND popup)
    {
        PostMessageW(popup, WM_CLOSE, 0, 0);
        return driver::WaitFor([&] { return !IsWindow(popup); }, launchertest::kWindowTimeoutMs);
    }

    HWND m_game = nullptr;
};

TEST_F(GamePageOpens, ThePublishersPopupsInWindowsOfTheirOwnOtherSitesAndMailOutsideTheGameStays)
{
    Click(GamePageBox::Count);
    const bool counted = ShowsGameWithCount(1);
    if (!counted)
        launchertest::PrintInputScene("the click on the game page's count did not reach the page", m_game);
    ASSERT_TRUE(counted) << "the count did not reach the page";

    // The page's timer opens a pop-up nobody clicked for: nothing opens.
    ASSERT_TRUE(driver::WaitFor([&] { return m_session.Site().CountRequests(kTimerRan) > 0; }, kTimerTimeoutMs))
        << "the page's timer did not run";
    driver::WaitFor([] { return false; }, kPopupQuietMs);
    EXPECT_TRUE(PopupWindows().empty());
    EXPECT_EQ(m_session.Site().CountRequests(kTimerPopup), 0u);

    // A link and a script to the publisher's host: a window of its own each,
    // owned by the game window, with the page's title.
    for (const auto& [box, address] : {std::pair{GamePageBox::PopupLink, kPublisherPopup},
                                       std::pair{GamePageBox::PopupButton, kPublisherPopupByScript}}) {
        Click(box);
        const HWND popup = WaitForPopupWindow();
        ASSERT_NE(popup, nullptr) << address << ": no pop-up window; " << m_session.WhatShows();
        EXPECT_TRUE(WaitForTitle(popup, kOfficialSiteTitle)) << launchertest::Utf8(driver::WindowText(popup));
        EXPECT_EQ(m_session.Site().CountRequests(address), 1u) << address;
        EXPECT_TRUE(ShowsGameWithCount(1)) << "the game page was replaced";
        EXPECT_TRUE(ClosePopup(popup)) << "the pop-up window stayed";
        EXPECT_TRUE(driver::IsVisible(m_game));
    }

    // A hundred pop-ups from one click: one window. (Closed again: a pop-up
    // window the system places may cover the page's boxes.)
    Click(GamePageBox::PopupStorm);
    const HWND stormPopup = WaitForPopupWindow();
    ASSERT_NE(stormPopup, nullptr) << "no pop-up window for the storm";
    driver::WaitFor([] { return false; }, kPopupQuietMs);
    EXPECT_EQ(PopupWindows().size(), 1u);
    EXPECT_EQ(m_session.Site().CountRequests(kFirstStormPopup), 1u);
    for (HWND popup : PopupWindows())
        EXPECT_TRUE(ClosePopup(popup));

    // Another site, a mail address and a download go to the system's
    // handlers; nothing opens inside the launcher.
    size_t known = RecordedLines(BrowserRecord()).size();
    Click(GamePageBox::Foreign);
    EXPECT_EQ(NextRecordedLine(BrowserRecord(), known), kForeignPage);
    known = RecordedLines(BrowserRecord()).size();
    Click(GamePageBox::Mail);
    EXPECT_EQ(NextRecordedLine(BrowserRecord(), known), kMailAddress);
    // A download goes to the web browser, which shows its progress and keeps the file.
    known = RecordedLines(BrowserRecord()).size();
    Click(GamePageBox::Download);
    EXPECT_EQ(NextRecordedLine(BrowserRecord(), known), kDownload);
    // The foreign link opened with Ctrl follows the same way.
    known = RecordedLines(BrowserRecord()).size();
    driver::ClickAtWithKeysHeld(BoxCentre(GamePageBox::Foreign), {VK_CONTROL});
    EXPECT_EQ(NextRecordedLine(BrowserRecord(), known), kForeignPage);
    EXPECT_TRUE(PopupWindows().empty());

    // The game page is the one the player counted on.
    Click(GamePageBox::Count);
    EXPECT_TRUE(ShowsGameWithCount(2)) << m_session.WhatShows();

    // The game window closes (as Alt+F4 closes it: the pop-up may cover its
    // close button) with a pop-up open: the pop-up goes with it, the login
    // windows come back, and the launcher ends cleanly.
    Click(GamePageBox::PopupLink);
    ASSERT_NE(WaitForPopupWindow(), nullptr) << "no pop-up window for the second link";
    PostMessageW(m_game, WM_CLOSE, 0, 0);
    ASSERT_TRUE(driver::WaitFor([&] { return !IsWindow(m_game); }, launchertest::kWindowTimeoutMs))
        << "the game window stayed";
    EXPECT_TRUE(PopupWindows().empty());
    ASSERT_TRUE(driver::WaitFor([&] { return m_session.LoginWindowsVisible(); }, launchertest::kWindowTimeoutMs))
        << "the login windows did not come back";
    ExpectCloseButtonEndsTheProgram();
}

}  // namespace
